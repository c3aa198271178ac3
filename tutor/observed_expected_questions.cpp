// Observed and expected questions (types 5, 6, 8, 9, 15 and 18): after an
// intercross or testcross the student gives each phenotype class its expected
// ratio and observed number, and where the question has a chi-square part,
// goes on to test the fit.

#include <algorithm>
#include <array>
#include <numeric>
#include <span>

#include "exercises/observed_expected_check.h"
#include "exercises/question_types.h"
#include "genetics/pictures/class_picture.h"
#include "layer/number_text.h"
#include "layer/scaled_surface.h"
#include "statistics/chi_square.h"
#include "statistics/fit_chart.h"
#include "statistics/mendelian_expectation.h"
#include "statistics/observed_tally.h"
#include "tutor/question_families.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

constexpr std::int32_t kTexts = 505;
enum Text : std::int32_t {
  kCrossFirst = 1,
  kProduceAtLeast = 2,
  kBeforeTrying = 3,
  kFillIn = 4,
  kFillInBothSexes = 5,
  kCharacterIn = 6,
  kCorrectAnswersShown = 7,
  kComputersAnswersShown = 8,
  kDivideRatio = 9,
  kFromCross = 10,
  kFromCages = 11,
  kAllButTotal = 12,
  kGood = 13,
  kCalculateChi = 14,
  kUseProgramValues = 15,
  kSignificantFigures = 16,
  kNoteNumbers = 17,
  kNoteSum = 18,
  kNoteTable = 19,  // 19..21 by degrees of freedom
  kEnterRatios = 22,
  kEnterObserved = 23,
  kTwoPossibilities = 24,
  kSeveralPossibilities = 25,
  kBulletAllIndividuals = 26,
  kBulletNotSexLinked = 27,
  kBulletSexShown = 28,
  kBulletCages = 29,
  kBulletCagesBothSexes = 30,
  kNullHypothesis = 31,
  kTwoParts = 32,
  kCharacterNamed = 33,
  kAsPreviously = 34,
  kTotal = 35,
  kObservedKey = 36,
  kExpectedKey = 37,
};

// The window's controls.
constexpr std::int32_t kFirstRatio = 331;
constexpr std::int32_t kFirstObserved = 335;
constexpr std::int32_t kTotalObserved = 339;
constexpr std::int32_t kFirstRatioAnswer = 341;
constexpr std::int32_t kFirstObservedAnswer = 345;
constexpr std::int32_t kTotalAnswer = 349;
constexpr std::int32_t kPictures = 350;
constexpr std::int32_t kFirstName = 351;
constexpr std::int32_t kFitChart = 360;
constexpr std::int32_t kExpectedHeading = 361;
constexpr std::int32_t kContributionHeading = 362;
constexpr std::int32_t kTotalLabel = 371;
constexpr std::int32_t kChiCaption = 372;
constexpr std::int32_t kDegreesCaption = 373;
constexpr std::int32_t kNotes = 374;
constexpr std::int32_t kChiEntry = 375;
constexpr std::int32_t kDegreesEntry = 376;
constexpr std::int32_t kSignificant = 377;
constexpr std::int32_t kNonSignificant = 378;
constexpr std::int32_t kFirstExpected = 381;
constexpr std::int32_t kFirstContribution = 385;
constexpr std::int32_t kTotalExpected = 389;
constexpr std::int32_t kChi = 390;
constexpr std::int32_t kHideCalculation = 951;
constexpr std::int32_t kShowCalculation = 952;
constexpr std::int32_t kSourceLine = 306;
constexpr std::int32_t kRemarkLine = 307;
constexpr std::int32_t kAdviceLine = 308;

// Where the counts came from and remarks are plain words, neither praise nor blame.
constexpr std::uint32_t kRemarkColour = 0x2B2B2B;

constexpr std::int32_t kRowPitch = 96;
constexpr std::int32_t kRowNameTop = 26;  // a row's name and bar chart below its top
// The chi-square line and its notes, missing from a question without that part.
constexpr std::int32_t kChiSquareBlock = 126;
// Where the total row and the verdict stand when all four rows and the
// chi-square part show.
constexpr std::int32_t kDesignedTotalTop = 468;
constexpr std::int32_t kDesignedVerdictTop = 630;
// What stands below the rows, and of it, what stands below the chi-square part.
constexpr std::array kBelowRows{kTotalLabel, kTotalObserved, kTotalAnswer, kTotalExpected, kChi, kChiCaption,
                                kChiEntry, kDegreesCaption, kDegreesEntry, kSignificant, kNonSignificant, kNotes};
constexpr std::array kBelowChiSquare{question_window::kGoodImage, question_window::kGoodText,
                                     question_window::kBadImage,  question_window::kBadText,
                                     kSourceLine,                 kRemarkLine,
                                     kAdviceLine,                 question_window::kExplain,
                                     question_window::kSeeGenotypes, question_window::kHide,
                                     kShowCalculation,            kHideCalculation,
                                     question_window::kMark,      question_window::kAnswerFirst,
                                     question_window::kMarksText};
constexpr std::array kChiSquareItems{kChiCaption,  kChiEntry,     kDegreesCaption, kDegreesEntry,
                                     kSignificant, kNonSignificant, kNotes};

// A pull-down's first entry is "?", then the numbers from 0.
constexpr std::int32_t kFirstNumberEntry = 2;

constexpr std::int32_t kIntercross = 4;
constexpr std::int32_t kTestcross = 7;

// What the program worked out for one question.
struct ObservedExpectedQuestion {
  std::vector<std::int32_t> loci;  // the loci studied
  ExpectedPhenotypes expected;
  std::vector<std::int32_t> observed;  // the program's, from the source nearest the student's
  std::vector<double> expectedNumbers;
  ChiSquareResult chi;
  bool chiSquareStage = false;
};

struct ObservedExpectedQuestions {
  std::array<ObservedExpectedQuestion, kMaxQuestions + 1> byQuestion;
};

ObservedExpectedQuestion& Question(Session& session, std::int32_t q) {
  return session.questionFamilies.Get<ObservedExpectedQuestions>().byQuestion[static_cast<std::size_t>(q)];
}

std::string Text(const Session& session, std::int32_t index) { return session.strings.ListString(kTexts, index); }

std::int32_t Window(const Session& session, std::int32_t q) { return QuestionWindowOf(QuestionType(session, q)); }

bool HasChiSquarePart(const Session& session, std::int32_t q) { return session.questions.chiSquarePart[q]; }

std::int32_t Rows(const ObservedExpectedQuestion& question) {
  return static_cast<std::int32_t>(question.expected.rows.size());
}

// Types 6 and 9 ask about the second character, 15 and 18 about both.
std::vector<std::int32_t> LociStudied(const Session& session, std::int32_t q) {
  const std::int32_t type = QuestionType(session, q);
  const bool second = type == 6 || type == 9;
  const bool joint = type == 15 || type == 18;
  if (session.genetics.lociCount < 2) return {1};
  if (joint) return {1, 2};
  return {second ? 2 : 1};
}

void ChooseEntry(WindowService& service, std::int32_t window, std::int32_t item, std::int32_t entry) {
  service.SetItemValue(window, item, entry);
}

Entry ChosenNumber(WindowService& service, std::int32_t window, std::int32_t item, std::int32_t firstNumber) {
  service.ItemSelect(window, item);
  const std::int32_t entry = service.GetControlValue();
  if (entry < kFirstNumberEntry) return std::nullopt;
  return entry - kFirstNumberEntry + firstNumber;
}

Entry TypedNumber(WindowService& service, std::int32_t window, std::int32_t item) {
  return ParseWholeNumber(service.ItemText(window, item));
}

// The cross question nearest before q, answered: its cross is the one counted.
bool CrossQuestionDone(const Session& session, std::int32_t q) {
  for (std::int32_t k = q - 1; k >= 1; --k) {
    const std::int32_t type = QuestionType(session, k);
    if (type == kIntercross || type == kTestcross) return session.questionState.records[k].completed;
  }
  return true;
}

void ShowCalculation(WindowService& service, std::int32_t window, std::int32_t rows, bool shown) {
  for (const std::int32_t item : {kExpectedHeading, kContributionHeading, kTotalExpected, kChi}) {
    service.ItemShow(window, item, shown);
  }
  for (std::int32_t k = 0; k < kMaxTallyRows; ++k) {
    service.ItemShow(window, kFirstExpected + k, shown && k < rows);
    service.ItemShow(window, kFirstContribution + k, shown && k < rows);
  }
}

void HideAnswers(WindowService& service, std::int32_t window) {
  for (std::int32_t k = 0; k < kMaxTallyRows; ++k) {
    service.ItemHide(window, kFirstRatioAnswer + k);
    service.ItemHide(window, kFirstObservedAnswer + k);
  }
  service.ItemHide(window, kTotalAnswer);
  service.ItemHide(window, kFitChart);
}

// Everything but the instruction and the common buttons.
void HideTable(WindowService& service, std::int32_t window) {
  for (std::int32_t k = 0; k < kMaxTallyRows; ++k) {
    for (const std::int32_t first : {kFirstRatio, kFirstObserved, kFirstName}) service.ItemHide(window, first + k);
  }
  for (const std::int32_t item : {kPictures, kTotalLabel, kTotalObserved}) service.ItemHide(window, item);
  for (const std::int32_t item : kChiSquareItems) service.ItemHide(window, item);
  service.ItemHide(window, kShowCalculation);
  service.ItemHide(window, kHideCalculation);
  HideAnswers(service, window);
  ShowCalculation(service, window, 0, false);
}

void MoveBy(WindowService& service, std::int32_t window, std::int32_t item, std::int32_t down) {
  const ServiceRect now = service.ItemRect(window, item);
  service.ItemPlace(window, item, now.top + down, now.left);
}

void MoveBlock(WindowService& service, std::int32_t window, std::span<const std::int32_t> items, std::int32_t anchor,
               std::int32_t top) {
  const std::int32_t down = top - service.ItemRect(window, anchor).top;
  if (down == 0) return;
  for (const std::int32_t item : items) MoveBy(service, window, item, down);
}

// Closes the gaps that missing rows (and a missing chi-square part) leave,
// wherever an earlier set-up left the lower half, and fits the window to it.
void FitToRows(Session& session, std::int32_t q, std::int32_t rows) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  const std::int32_t rowsGap = (kMaxTallyRows - rows) * kRowPitch;
  const std::int32_t chiSquareGap = HasChiSquarePart(session, q) ? 0 : kChiSquareBlock;
  MoveBlock(service, window, kBelowRows, kTotalLabel, kDesignedTotalTop - rowsGap);
  MoveBlock(service, window, kBelowChiSquare, question_window::kGoodText, kDesignedVerdictTop - rowsGap - chiSquareGap);
  for (const std::int32_t item : {kPictures, kFitChart}) {
    const ServiceRect box = service.ItemRect(window, item);
    service.ItemSelect(window, item);
    service.ItemResize(rows * kRowPitch, box.right - box.left);
  }
  const ServiceRect marks = service.ItemRect(window, question_window::kMarksText);
  const ServiceRect chart = service.ItemRect(window, kFitChart);
  service.WindowResize(window, marks.bottom + 8, chart.right + 12);
}

std::string RowName(const Session& session, const ObservedExpectedQuestion& question, const PhenotypeRow& row) {
  std::string name;
  for (std::size_t i = 0; i < question.loci.size(); ++i) {
    const std::int32_t character = session.genetics.loci[question.loci[i]].character;
    if (!name.empty()) name += ", ";
    name += session.genetics.vocabulary.characters[character].phenotypes[static_cast<std::size_t>(row.values[i] - 1)];
  }
  return name;
}

void DrawRows(Session& session, std::int32_t window, const ObservedExpectedQuestion& question) {
  WindowService& service = session.service;
  service.ItemSelect(window, kPictures);
  service.SetLocalCoordinates(true);
  const ItemPainting painting = service.ItemDrawing();
  Drawing& drawing = *painting;
  drawing.ClearItem();
  const ServiceRect box = service.ItemRect(window, kPictures);
  const PictureFrame frame = FrameOf(session.genetics, false, false);
  for (std::int32_t k = 0; k < Rows(question); ++k) {
    // Each picture in a frame of its own, so that drawing one keeps the others.
    const DrawPoint at{(box.right - box.left - frame.width) / 2, k * kRowPitch + (kRowPitch - frame.height) / 2};
    ScaledSurface place(*drawing.Surface(), 1, at, frame.width, frame.height);
    Drawing picture;
    picture.SetSurface(&place);
    DrawClassPicture(picture, session.genetics, session.example, session.palette,
                     question.expected.rows[static_cast<std::size_t>(k)].representative, false);
  }
}

std::string Instruction(const Session& session, const ObservedExpectedQuestion& question) {
  const bool bothSexes = question.expected.sex == kBothSexes && !session.genetics.hermaphrodite;
  std::string characters;
  for (const std::int32_t k : question.loci) {
    if (!characters.empty()) characters += " and ";
    characters += "'" + session.genetics.vocabulary.characters[session.genetics.loci[k].character].name + "'";
  }
  return Text(session, bothSexes ? kFillInBothSexes : kFillIn) + " " + characters + " " + Text(session, kCharacterIn);
}

void SetUp(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const GeneticsState& genetics = session.genetics;
  const std::int32_t window = Window(session, q);
  HideTable(service, window);
  for (const std::int32_t item : {kSourceLine, kRemarkLine}) service.SetItemTextColour(window, item, kRemarkColour);
  const std::int32_t first = genetics.objectClass[kFirstParentObject];
  const std::int32_t second = genetics.objectClass[kSecondParentObject];
  if (!CrossQuestionDone(session, q)) {
    RefuseSetUp(session, q, Text(session, kCrossFirst));
    return;
  }
  const std::int32_t minimum = MinimumOffspring(session);
  if (first == 0 || second == 0 || session.offspring.counters[2] < minimum) {
    RefuseSetUp(session, q,
           Text(session, kProduceAtLeast) + " " + std::to_string(minimum) + " " + Text(session, kBeforeTrying));
    return;
  }

  ObservedExpectedQuestion& question = Question(session, q);
  question = ObservedExpectedQuestion{};
  question.loci = LociStudied(session, q);
  question.expected = ExpectPhenotypes(genetics, first, second, question.loci);
  const std::int32_t rows = std::min(Rows(question), kMaxTallyRows);
  question.expected.rows.resize(static_cast<std::size_t>(rows));

  service.SetItemText(window, question_window::kInstruction, Instruction(session, question));
  for (std::int32_t k = 0; k < rows; ++k) {
    service.SetItemText(window, kFirstName + k, RowName(session, question, question.expected.rows[static_cast<std::size_t>(k)]));
    ChooseEntry(service, window, kFirstRatio + k, 1);
    service.SetItemText(window, kFirstObserved + k, "");
    for (const std::int32_t first : {kFirstName, kFirstRatio, kFirstObserved}) {
      service.ItemShow(window, first + k);
      service.ItemEnable(window, first + k);
    }
  }
  service.SetItemText(window, kTotalObserved, "");
  service.ItemEnable(window, kTotalObserved);
  for (const std::int32_t item : {kPictures, kTotalLabel, kTotalObserved}) service.ItemShow(window, item);
  service.SetItemText(window, kTotalLabel, Text(session, kTotal));
  FitToRows(session, q, rows);
  DrawRows(session, window, question);
}

// The program's own tallies the student may have counted, nearest first
// among equals: the whole cross, the sex shown alone, then the cages.
struct Tally {
  std::vector<std::int32_t> counts;
  bool cages = false;
};

std::vector<std::int32_t> Counted(const TallyTable& table, std::int32_t rows, std::int32_t sex) {
  std::vector<std::int32_t> counts;
  for (std::int32_t k = 0; k < rows; ++k) {
    const auto at = static_cast<std::size_t>(k);
    counts.push_back(sex == kBothSexes ? table[0][at] + table[1][at] : table[static_cast<std::size_t>(sex)][at]);
  }
  return counts;
}

std::vector<Tally> Tallies(Session& session, const ObservedExpectedQuestion& question) {
  const GeneticsState& genetics = session.genetics;
  std::vector<std::int32_t> representatives;
  for (const PhenotypeRow& row : question.expected.rows) representatives.push_back(row.representative);
  const std::int32_t rows = Rows(question);
  const std::int32_t sex = question.expected.sex;
  std::vector<std::int32_t> ways{sex};
  if (sex == kBothSexes && !genetics.hermaphrodite) ways.push_back(0);

  std::vector<Tally> tallies;
  const TallyTable offspring = TallyObserved(genetics, representatives, question.loci, session.offspring.crossClassCount);
  for (const std::int32_t way : ways) tallies.push_back({Counted(offspring, rows, way), false});
  const ContainerCounts inCages = ContainerClassCounts(session.containers, session.cross.number);
  if (inCages.containers >= 2) {
    const TallyTable cages = TallyObserved(genetics, representatives, question.loci, inCages.perClass);
    for (const std::int32_t way : ways) {
      std::vector<std::int32_t> counts = Counted(cages, rows, way);
      if (std::accumulate(counts.begin(), counts.end(), 0) >= MinimumOffspring(session)) {
        tallies.push_back({std::move(counts), true});
      }
    }
  }
  return tallies;
}

void DrawFit(Session& session, std::int32_t window, const ObservedExpectedQuestion& question) {
  WindowService& service = session.service;
  std::vector<FitRow> rows;
  for (std::int32_t k = 0; k < Rows(question); ++k) {
    const auto at = static_cast<std::size_t>(k);
    FitRow& row = rows.emplace_back();
    row.name = RowName(session, question, question.expected.rows[at]);
    row.top = k * kRowPitch + kRowNameTop;
    row.observed = question.observed[at];
    row.expected = question.expectedNumbers[at];
  }
  service.ItemShow(window, kFitChart);
  const ServiceRect chart = service.ItemRect(window, kFitChart);
  service.ItemSelect(window, kFitChart);
  service.SetLocalCoordinates(true);
  const FitKey key{Text(session, kObservedKey), Text(session, kExpectedKey)};
  DrawFitChart(*service.ItemDrawing(), chart.right - chart.left, chart.bottom - chart.top, key, rows);
}

void FillCalculation(Session& session, std::int32_t window, const ObservedExpectedQuestion& question) {
  WindowService& service = session.service;
  for (std::int32_t k = 0; k < Rows(question); ++k) {
    const auto at = static_cast<std::size_t>(k);
    service.SetItemText(window, kFirstExpected + k, RealToText(question.expectedNumbers[at], 1));
    service.SetItemText(window, kFirstContribution + k, RealToText(question.chi.contributions[at], 2));
  }
  const std::int32_t total = std::accumulate(question.observed.begin(), question.observed.end(), 0);
  service.SetItemText(window, kTotalExpected, RealToText(total, 1));
  service.SetItemText(window, kChi, RealToText(question.chi.chi, 2));
}

void EnterChiSquareStage(Session& session, std::int32_t q, ObservedExpectedQuestion& question, bool studentDiffers) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  question.chiSquareStage = true;
  service.SetItemText(window, question_window::kInstruction, Text(session, kCalculateChi));
  const std::int32_t degrees = std::clamp(question.chi.degreesOfFreedom, 1, 3);
  service.SetItemText(window, kNotes,
                      Text(session, kNoteNumbers) + "\n" + Text(session, kNoteSum) + "\n" +
                          Text(session, kNoteTable + degrees - 1));
  service.SetItemText(window, kChiEntry, "");
  ChooseEntry(service, window, kDegreesEntry, 1);
  for (const std::int32_t item : {kSignificant, kNonSignificant}) ChooseEntry(service, window, item, 0);
  for (const std::int32_t item : kChiSquareItems) {
    service.ItemShow(window, item);
    service.ItemEnable(window, item);
  }
  if (studentDiffers) ShowResultLine(session, kAdviceLine, Text(session, kUseProgramValues));
  service.ItemShow(window, question_window::kMark);
  service.ItemSelectFocus(window, kChiEntry);
  session.questionState.refuse = true;
}

// The table is worth a mark a box; where its classes are not the usual two
// or four, the exercise's total follows the question's.
void SetWorth(Session& session, std::int32_t q, std::int32_t maximum) {
  QuestionRecord& record = session.questionState.records[q];
  const std::int32_t change = maximum - record.maximum;
  record.maximum = maximum;
  session.questions.maximum[q] += change;
  session.questions.available += change;
  session.progress.marksAvailable[session.progress.current] += change;
}

void MarkTable(Session& session, std::int32_t q, ObservedExpectedQuestion& question) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  const std::int32_t rows = Rows(question);
  std::vector<Entry> ratios, observed;
  std::vector<std::int32_t> parts;
  for (std::int32_t k = 0; k < rows; ++k) {
    ratios.push_back(ChosenNumber(service, window, kFirstRatio + k, 0));
    observed.push_back(TypedNumber(service, window, kFirstObserved + k));
    parts.push_back(question.expected.rows[static_cast<std::size_t>(k)].part);
  }
  const Entry total = TypedNumber(service, window, kTotalObserved);

  const std::vector<Tally> tallies = Tallies(session, question);
  std::vector<std::vector<std::int32_t>> candidates;
  for (const Tally& tally : tallies) candidates.push_back(tally.counts);
  const Tally& used = tallies[ClosestTally(candidates, observed)];
  question.observed = used.counts;
  const std::int32_t sum = std::accumulate(question.observed.begin(), question.observed.end(), 0);
  question.expectedNumbers = ExpectedNumbers(sum, parts);
  question.chi = ChiSquare(question.observed, question.expectedNumbers);

  const ObservedExpectedVerdict verdict = MarkObservedExpected(ratios, parts, observed, question.observed, total);
  const std::int32_t worth = ObservedExpectedMarks(rows);
  SetWorth(session, q, worth + (HasChiSquarePart(session, q) ? kChiSquarePartMarks : 0));
  session.questionState.records[q].mark = worth - verdict.wrongBoxes;

  for (std::int32_t k = 0; k < rows; ++k) {
    service.ItemDisable(window, kFirstRatio + k);
    service.ItemDisable(window, kFirstObserved + k);
  }
  service.ItemDisable(window, kTotalObserved);

  const bool answersShown = !session.classOptions.NoAnswers();
  if (answersShown) {
    for (std::int32_t k = 0; k < rows; ++k) {
      const auto at = static_cast<std::size_t>(k);
      ShowVerdictBeside(session, window, kFirstRatioAnswer + k, verdict.ratioRight[at], std::to_string(parts[at]));
      ShowVerdictBeside(session, window, kFirstObservedAnswer + k, verdict.observedRight[at],
                        std::to_string(question.observed[at]));
    }
    ShowVerdictBeside(session, window, kTotalAnswer, verdict.totalRight, std::to_string(sum));
    DrawFit(session, window, question);
    FillCalculation(session, window, question);
  }

  if (verdict.wrongBoxes == 0) {
    ShowGood(session, Text(session, kGood));
  } else {
    ShowBad(session, answersShown ? Text(session, verdict.AllRatiosRight() ? kComputersAnswersShown
                                                                            : kCorrectAnswersShown)
                                  : std::string{});
  }
  ShowResultLine(session, kSourceLine, Text(session, used.cages ? kFromCages : kFromCross));
  if (verdict.unreduced) {
    ShowResultLine(session, kRemarkLine, Text(session, kDivideRatio));
  } else if (verdict.AllObservedRight() && !verdict.totalRight) {
    ShowResultLine(session, kRemarkLine, Text(session, kAllButTotal));
  }
  if (HasChiSquarePart(session, q)) EnterChiSquareStage(session, q, question, verdict.wrongBoxes > 0);
}

Significance ChosenSignificance(WindowService& service, std::int32_t window) {
  const bool significant = service.ItemChecked(window, kSignificant);
  const bool nonSignificant = service.ItemChecked(window, kNonSignificant);
  if (significant == nonSignificant) return Significance::NotChosen;
  return significant ? Significance::Significant : Significance::NonSignificant;
}

void MarkChiSquare(Session& session, std::int32_t q, const ObservedExpectedQuestion& question) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  const std::optional<double> chi = ParseReal(service.ItemText(window, kChiEntry));
  const Entry degrees = ChosenNumber(service, window, kDegreesEntry, 1);
  const double programChi = question.chi.chi;
  const std::int32_t programDegrees = question.chi.degreesOfFreedom;
  const std::int32_t marks =
      ChiSquarePartMarks(chi, degrees, ChosenSignificance(service, window), programChi, programDegrees);
  const std::int32_t valueMarks = ChiSquarePartMarks(chi, std::nullopt, Significance::NotChosen, programChi, 0);
  session.questionState.records[q].mark += marks;
  for (const std::int32_t item : kChiSquareItems) service.ItemDisable(window, item);
  service.ItemHide(window, kAdviceLine);
  if (marks == kChiSquarePartMarks) {
    ShowGood(session, Text(session, kGood));
  } else if (valueMarks < 2) {
    ShowBad(session, Text(session, kSignificantFigures));
  } else {
    service.ItemShow(window, question_window::kBadImage);
  }
  if (!session.classOptions.NoAnswers()) service.ItemShow(window, kShowCalculation);
}

void MarkAnswer(Session& session, std::int32_t q) {
  ObservedExpectedQuestion& question = Question(session, q);
  if (question.chiSquareStage) {
    MarkChiSquare(session, q, question);
  } else {
    MarkTable(session, q, question);
  }
}

void ItemEvent(Session& session, std::int32_t q, std::int32_t item) {
  if (item != kShowCalculation && item != kHideCalculation) return;
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  const bool show = item == kShowCalculation;
  ShowCalculation(service, window, Rows(Question(session, q)), show);
  service.ItemShow(window, kShowCalculation, !show);
  service.ItemShow(window, kHideCalculation, show);
}

std::string Explanation(Session& session, std::int32_t q) {
  const bool sexes = !session.genetics.hermaphrodite;
  bool askedBefore = false;
  for (std::int32_t k = 1; k < q; ++k) {
    askedBefore |= QuestionTypeOf(QuestionType(session, k)).family == QuestionFamilyId::ObservedExpected;
  }
  std::vector<std::int32_t> parts;
  if (askedBefore) {
    parts.push_back(kAsPreviously);
  } else {
    parts.insert(parts.end(), {kEnterRatios, kEnterObserved});
  }
  if (sexes) {
    parts.insert(parts.end(), {kSeveralPossibilities, kBulletNotSexLinked, kBulletSexShown, kBulletCages,
                               kBulletCagesBothSexes});
  } else {
    parts.insert(parts.end(), {kTwoPossibilities, kBulletAllIndividuals, kBulletCages});
  }
  if (LociStudied(session, q).size() == 1 && session.genetics.lociCount > 1) parts.push_back(kCharacterNamed);
  if (HasChiSquarePart(session, q)) parts.insert(parts.end(), {kTwoParts, kNullHypothesis});
  std::string text;
  for (const std::int32_t part : parts) {
    const bool bullet = part >= kBulletAllIndividuals && part <= kBulletCagesBothSexes;
    if (!text.empty()) text += bullet ? "\n" : "\n\n";
    text += Text(session, part);
  }
  return text;
}

}  // namespace

const QuestionFamily kObservedExpectedFamily{
    .setUp = SetUp,
    .markAnswer = MarkAnswer,
    .itemEvent = ItemEvent,
    .explanation = Explanation,
};

}  // namespace crossmere
