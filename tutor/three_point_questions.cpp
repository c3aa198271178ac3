// The three-point testcross: a genetic map of the three loci drawn from its
// offspring (type 33) and the coefficient of interference (type 34).

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "exercises/map_check.h"
#include "exercises/question_types.h"
#include "exercises/recombination_check.h"
#include "genetics/genotype_classes.h"
#include "layer/number_text.h"
#include "tutor/question_families.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

constexpr std::int32_t kMapTexts = 533;
constexpr std::int32_t kInterferenceTexts = 534;
constexpr std::int32_t kMapType = 33;

enum MapText : std::int32_t {
  kMapQuestion = 1,
  kWholeCentimorgans = 2,
  kAtLeast150 = 3,
  kConfirmCross = 4,
  kMapGood = 5,
  kSymbolsShown = 6,
  kFromCross = 7,
  kFromCages = 8,
  kMapExplained = 9,
};
enum InterferenceText : std::int32_t {
  kInterferenceQuestion = 1,
  kTwoPlaces = 2,
  kInterferenceGood = 3,
  kDefinition = 4,
};

// Offspring a map needs, whatever the class's set-up.
constexpr std::int32_t kMapOffspring = 150;
constexpr std::int32_t kMapLine = 60;
constexpr std::int32_t kFirstSlot = 601;
constexpr std::int32_t kFirstComputerSymbol = 611;
constexpr std::int32_t kFirstDistance = 221;
constexpr std::int32_t kFirstDistanceAnswer = 231;
constexpr std::int32_t kFirstTile = 801;
constexpr std::int32_t kNote = 402;
constexpr std::int32_t kInterferenceEntry = 50;
constexpr std::int32_t kInterferenceAnswer = 51;
constexpr std::int32_t kSymbolsLine = 306;
constexpr std::uint32_t kInk = 0x2B2B2B;

std::int32_t Window(const Session& session, std::int32_t q) { return QuestionWindowOf(QuestionType(session, q)); }

bool MapQuestion(const Session& session, std::int32_t q) { return QuestionType(session, q) == kMapType; }

std::string Text(const Session& session, std::int32_t q, std::int32_t index) {
  return session.strings.ListString(MapQuestion(session, q) ? kMapTexts : kInterferenceTexts, index);
}

std::string MapText(const Session& session, std::int32_t index) { return session.strings.ListString(kMapTexts, index); }

// Refuses the question while the testcross is unconfirmed or too small.
bool Ready(Session& session, std::int32_t q) {
  std::int32_t problem = 0;
  if (!RecombinationCrossConfirmed(session, q) || MeasuredPlace(session, q) == 0) {
    problem = kConfirmCross;
  } else if (session.offspring.counters[2] < kMapOffspring) {
    problem = kAtLeast150;
  }
  if (problem == 0) return true;
  ShowBad(session, MapText(session, problem));
  session.questionState.refuse = true;
  return false;
}

struct Counts {
  ThreePoint fromCross;
  ThreePoint fromCages;
  bool cagesHeld = false;
};

Counts CountOffspring(Session& session, std::int32_t q) {
  const std::int32_t place = MeasuredPlace(session, q);
  const std::int32_t measured = session.genetics.objectClass[place == 1 ? kFirstParentObject : kSecondParentObject];
  const bool first = GivesFirstChromosome(session, place);
  Counts counts;
  counts.fromCross = CountThreePoint(session.genetics, measured, first, session.offspring.crossClassCount);
  const ContainerCounts inCages = ContainerClassCounts(session.containers, session.cross.number);
  counts.fromCages = CountThreePoint(session.genetics, measured, first, inCages.perClass);
  counts.cagesHeld = inCages.containers > 0 && counts.fromCages.total > 0;
  return counts;
}

std::int32_t NearestCentimorgans(std::int32_t recombinant, std::int32_t total) {
  return NearestPercent({total, recombinant});
}

// ---- The map ----

void SetUpMap(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  service.SetItemText(window, question_window::kInstruction, MapText(session, kMapQuestion));
  service.SetItemText(window, kNote, MapText(session, kWholeCentimorgans));
  for (std::int32_t k = 0; k < 3; ++k) {
    service.SetItemText(window, kFirstTile + k, LocusSymbol(session.genetics, k + 1));
    service.SetItemText(window, kFirstSlot + k, "");
    service.ItemEnable(window, kFirstSlot + k);
    service.ItemHide(window, kFirstComputerSymbol + k);
  }
  for (std::int32_t k = 0; k < 2; ++k) {
    service.SetItemText(window, kFirstDistance + k, "");
    service.ItemEnable(window, kFirstDistance + k);
    service.ItemHide(window, kFirstDistanceAnswer + k);
  }
  service.ItemHide(window, kMapLine);
}

// The map line with its three loci, the intervals to scale.
void DrawMap(Session& session, std::int32_t window, const std::array<std::string, 3>& symbols, std::int32_t first,
             std::int32_t second) {
  WindowService& service = session.service;
  service.ItemShow(window, kMapLine);
  const ServiceRect box = service.ItemRect(window, kMapLine);
  service.ItemSelect(window, kMapLine);
  service.SetLocalCoordinates(true);
  const ItemPainting painting = service.ItemDrawing();
  Drawing& drawing = *painting;
  drawing.ClearItem();
  const std::int32_t width = box.right - box.left;
  const std::int32_t left = 40;
  const std::int32_t length = width - 2 * left;
  const std::int32_t total = std::max(first + second, 1);
  const std::int32_t middle = left + length * first / total;
  const std::int32_t y = 40;
  drawing.SetColour(kInk);
  drawing.PenSize(2);
  drawing.MoveTo(left, y);
  drawing.LineTo(left + length, y);
  drawing.PenSize(1);
  drawing.TextSize(12);
  const std::array<std::int32_t, 3> ticks{left, middle, left + length};
  for (std::size_t i = 0; i < 3; ++i) {
    drawing.MoveTo(ticks[i], y - 8);
    drawing.LineTo(ticks[i], y + 8);
    drawing.MoveTo(ticks[i] - drawing.StringWidth(symbols[i]) / 2, y - 14);
    drawing.DrawText(symbols[i]);
  }
  const std::string a = std::to_string(first) + " cM";
  const std::string b = std::to_string(second) + " cM";
  drawing.MoveTo((left + middle) / 2 - drawing.StringWidth(a) / 2, y + 24);
  drawing.DrawText(a);
  drawing.MoveTo((middle + left + length) / 2 - drawing.StringWidth(b) / 2, y + 24);
  drawing.DrawText(b);
}

void MarkMap(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  if (!Ready(session, q)) return;
  std::array<std::string, 3> placed;
  for (std::int32_t k = 0; k < 3; ++k) placed[static_cast<std::size_t>(k)] = service.ItemText(window, kFirstSlot + k);
  std::array<std::optional<std::int32_t>, 2> entered;
  for (std::int32_t k = 0; k < 2; ++k) {
    entered[static_cast<std::size_t>(k)] = ParseWholeNumber(service.ItemText(window, kFirstDistance + k));
  }
  const Counts counts = CountOffspring(session, q);
  // The program's map read in the student's direction where the student has
  // the left end the other way round.
  const auto map = [&](const ThreePoint& count) {
    std::array<std::string, 3> symbols;
    for (std::size_t i = 0; i < 3; ++i) symbols[i] = LocusSymbol(session.genetics, count.order[i]);
    std::array<std::int32_t, 2> recombinant{count.firstInterval, count.secondInterval};
    if (placed[0] == symbols[2]) {
      std::swap(symbols[0], symbols[2]);
      std::swap(recombinant[0], recombinant[1]);
    }
    return std::pair{symbols, recombinant};
  };
  const auto off = [&](const ThreePoint& count) {
    const auto [symbols, recombinant] = map(count);
    std::int64_t distance = 0;
    for (std::size_t k = 0; k < 2; ++k) {
      distance += std::llabs(entered[k].value_or(0) - NearestCentimorgans(recombinant[k], count.total));
    }
    return distance;
  };
  const bool cages = counts.cagesHeld && off(counts.fromCages) < off(counts.fromCross);
  const ThreePoint& count = cages ? counts.fromCages : counts.fromCross;
  const auto [symbols, recombinant] = map(count);

  // Two marks for the loci in place, two for each distance (one when a
  // centimorgan out).
  const bool symbolsRight = placed == symbols;
  std::int32_t marks = symbolsRight ? 2 : 0;
  std::array<bool, 2> distanceRight{};
  for (std::size_t k = 0; k < 2; ++k) {
    const GameteCount interval{count.total, recombinant[k]};
    distanceRight[k] = entered[k] && PercentRight(*entered[k], interval);
    if (distanceRight[k]) {
      marks += 2;
    } else if (entered[k] && std::abs(*entered[k] - NearestCentimorgans(recombinant[k], count.total)) <= 1) {
      marks += 1;
    }
  }
  session.questionState.records[q].mark = marks;
  for (std::int32_t k = 0; k < 3; ++k) service.ItemDisable(window, kFirstSlot + k);
  for (std::int32_t k = 0; k < 2; ++k) service.ItemDisable(window, kFirstDistance + k);
  const std::array<std::int32_t, 2> program{NearestCentimorgans(recombinant[0], count.total),
                                            NearestCentimorgans(recombinant[1], count.total)};
  if (!session.classOptions.NoAnswers()) DrawMap(session, window, symbols, program[0], program[1]);
  if (marks == QuestionMarks(kMapType)) {
    ShowGood(session, MapText(session, kMapGood));
    return;
  }
  if (session.classOptions.NoAnswers()) {
    service.ItemShow(window, question_window::kBadImage);
    return;
  }
  ShowBad(session, MapText(session, cages ? kFromCages : kFromCross));
  for (std::size_t k = 0; k < 2; ++k) {
    ShowVerdictBeside(session, window, kFirstDistanceAnswer + static_cast<std::int32_t>(k), distanceRight[k],
               std::to_string(program[k]));
  }
  if (!symbolsRight) {
    for (std::size_t k = 0; k < 3; ++k) {
      const std::int32_t item = kFirstComputerSymbol + static_cast<std::int32_t>(k);
      service.SetItemText(window, item, symbols[k]);
      service.SetItemTextColour(window, item, question_window::kBadColour);
      service.ItemShow(window, item);
    }
    ShowResultLine(session, kSymbolsLine, MapText(session, kSymbolsShown));
  }
}

// ---- Interference ----

void SetUpInterference(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  service.SetItemText(window, question_window::kInstruction, Text(session, q, kInterferenceQuestion));
  service.SetItemText(window, kNote, Text(session, q, kTwoPlaces));
  service.SetItemText(window, kInterferenceEntry, "");
  service.ItemEnable(window, kInterferenceEntry);
  service.ItemHide(window, kInterferenceAnswer);
}

void MarkInterference(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  if (!Ready(session, q)) return;
  const std::optional<double> entered = ParseReal(service.ItemText(window, kInterferenceEntry));
  const Counts counts = CountOffspring(session, q);
  const std::optional<double> fromCross = InterferenceOf(counts.fromCross);
  const std::optional<double> fromCages = counts.cagesHeld ? InterferenceOf(counts.fromCages) : std::nullopt;
  const auto off = [&](const std::optional<double>& value) {
    return value && entered ? std::fabs(*entered - *value) : 1e9;
  };
  const bool cages = fromCages && off(fromCages) < off(fromCross);
  const std::optional<double> program = cages ? fromCages : fromCross;
  const bool right = program && entered && InterferenceRight(*entered, *program);
  service.ItemDisable(window, kInterferenceEntry);
  session.questionState.records[q].mark = right ? 1 : 0;
  if (right) {
    ShowGood(session, Text(session, q, kInterferenceGood));
    return;
  }
  if (session.classOptions.NoAnswers() || !program) {
    service.ItemShow(window, question_window::kBadImage);
    return;
  }
  ShowVerdictBeside(session, window, kInterferenceAnswer, false, RealToText(*program, 2));
  ShowBad(session, MapText(session, cages ? kFromCages : kFromCross));
}

// ---- The family ----

void SetUp(Session& session, std::int32_t q) {
  if (MapQuestion(session, q)) {
    SetUpMap(session, q);
  } else {
    SetUpInterference(session, q);
  }
}

void MarkAnswer(Session& session, std::int32_t q) {
  if (MapQuestion(session, q)) {
    MarkMap(session, q);
  } else {
    MarkInterference(session, q);
  }
}

std::string Explanation(Session& session, std::int32_t q) {
  return MapQuestion(session, q) ? MapText(session, kMapExplained) : Text(session, q, kDefinition);
}

}  // namespace

const QuestionFamily kThreePointFamily{
    .setUp = SetUp,
    .markAnswer = MarkAnswer,
    .explanation = Explanation,
};

}  // namespace crossmere
