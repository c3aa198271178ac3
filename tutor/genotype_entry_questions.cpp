// Questions answered by writing genotypes: gene symbols dragged (or typed)
// from the template box into the slots under two individuals.

#include <algorithm>
#include <map>

#include "exercises/genotype_entry_setup.h"
#include "exercises/question_types.h"
#include "genetics/pictures/class_picture.h"
#include "tutor/question_families.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace entry_text;

constexpr std::int32_t kTexts = 501;
constexpr std::int32_t kExplanations = 551;
constexpr std::int32_t kFirstPicture = 11;
constexpr std::int32_t kFirstSexLabel = 13;
constexpr std::int32_t kFirstOrLabel = 17;
constexpr std::int32_t kFirstSlot = 600;
constexpr std::int32_t kFirstCorrect = 620;
constexpr std::int32_t kFirstTile = 801;
constexpr std::int32_t kWildTile = 805;
constexpr std::int32_t kYTile = 806;
constexpr std::int32_t kFirstDeterminesLabel = 811;
constexpr std::int32_t kFirstRemarkLine = 306;
constexpr std::int32_t kLastRemarkLine = 309;
constexpr std::uint32_t kRemarkColour = 0x2B2B2B;

enum Explanation : std::int32_t {
  kRandomIndividuals = 1,
  kAbsentGene = 2,
  kDragging = 3,
  kParentsShown = 4,
  kTemplateBox = 5,
  kLocusOrder = 6,
  kBothCases = 7,
  kWildSymbols = 9,
  kLocusOrderWild = 10,
  kKeyboard = 11,
};

// Item of the slot for individual i, slot pair p, locus j of the slots, gene s.
constexpr std::int32_t SlotItem(std::int32_t i, std::int32_t p, std::int32_t j, std::int32_t s) {
  return kFirstSlot + 100 * i + 10 * p + 2 * j + s;
}

// Each genotype question of the try keeps its own.
struct EntrySetUps {
  std::map<std::int32_t, EntrySetUp> byQuestion;
};

EntrySetUp& Context(Session& session, std::int32_t q) {
  return session.questionFamilies.Get<EntrySetUps>().byQuestion[q];
}

std::string Text(const Session& session, std::int32_t index) { return session.strings.ListString(kTexts, index); }

const ExerciseOptions& Options(const Session& session) { return session.exercises.options[session.progress.current]; }

bool SexesShown(const Session& session) { return !session.genetics.hermaphrodite; }

std::string Instruction(const Session& session, const EntrySetUp& context) {
  const EntryQuestion& question = context.question;
  const bool wild = question.wildNotation;
  if (Options(session).HiddenSex()) return Text(session, kHiddenSexInstruction);
  if (question.parents && question.lociCount == 2) {
    const bool linked = !session.genetics.unlinked12;
    return Text(session, wild ? (linked ? kParentsWildLinked : kParentsWildUnlinked)
                              : (linked ? kParentsLinked : kParentsUnlinked));
  }
  if (question.parents) {
    const bool xLinked = question.loci[0].xLinked;
    return Text(session, wild ? (xLinked ? kParentsWildSexLinked : kParentsWildAutosomal)
                              : (xLinked ? kParentsSexLinked : kParentsAutosomal));
  }
  if (session.genetics.lociCount >= 2) {
    const std::int32_t k = context.loci[0];
    const std::string& name = session.genetics.vocabulary.characters[session.genetics.loci[k].character].name;
    return Text(session, kCharacterBefore) + name + Text(session, wild ? kCharacterAfterWild : kCharacterAfter);
  }
  return Text(session, wild ? kOneLocusWild : kOneLocus);
}

void DrawIndividual(Session& session, std::int32_t window, std::int32_t item, std::int32_t classNumber) {
  WindowService& service = session.service;
  service.ItemSelect(window, item);
  service.SetLocalCoordinates(true);
  const ItemPainting painting = service.ItemDrawing();
  Drawing& drawing = *painting;
  drawing.ClearItem();
  if (classNumber == 0) return;
  const PictureFrame frame = FrameOf(session.genetics, false, false);
  // Centred in its box.
  const ServiceRect box = service.ItemRect(window, item);
  drawing.UseWindowCoordinates(-(box.right - box.left - frame.width) / 2, -(box.bottom - box.top - frame.height) / 2);
  DrawClassPicture(drawing, session.genetics, session.example, session.palette, classNumber, false);
}

void ShowShape(Session& session, std::int32_t window, const EntrySetUp& context) {
  WindowService& service = session.service;
  const EntryQuestion& question = context.question;
  const bool twoPairs = !question.parents;
  for (std::int32_t i = 0; i < 2; ++i) {
    DrawIndividual(session, window, kFirstPicture + i, context.classes[i]);
    service.SetItemText(window, kFirstSexLabel + i, Text(session, i == 0 ? kFemale : kMale));
    service.ItemShow(window, SexesShown(session) ? kFirstSexLabel + i : -(kFirstSexLabel + i));
    service.ItemShow(window, twoPairs ? kFirstOrLabel + i : -(kFirstOrLabel + i));
    for (std::int32_t p = 0; p < 2; ++p) {
      for (std::int32_t j = 0; j < kMaxEntryLoci; ++j) {
        for (std::int32_t s = 0; s < 2; ++s) {
          const std::int32_t item = SlotItem(i, p, j, s);
          service.SetItemText(window, item, "");
          const bool shown = j < question.lociCount && (p == 0 || twoPairs);
          service.ItemShow(window, shown ? item : -item);
        }
      }
    }
    for (std::int32_t line = 0; line < 3; ++line) service.ItemHide(window, kFirstCorrect + 10 * i + line);
  }
  // The template: both letters of each character asked about, "+" in the
  // wild-type notation, and the Y symbol where a male has an X-linked locus.
  bool anyXLinked = false;
  for (std::int32_t j = 0; j < kMaxEntryLoci; ++j) {
    const bool used = j < question.lociCount;
    const std::int32_t character = session.genetics.loci[context.loci[j]].character;
    for (std::int32_t t = 0; t < 2; ++t) {
      const std::int32_t tile = kFirstTile + 2 * j + t;
      if (used) {
        const char letter = t == 0 ? session.genetics.upperSymbol[character] : session.genetics.lowerSymbol[character];
        service.SetItemText(window, tile, std::string(1, letter));
      }
      service.ItemShow(window, used ? tile : -tile);
    }
    if (used) {
      service.SetItemText(window, kFirstDeterminesLabel + j,
                          Text(session, kDetermineCharacter) + " " +
                              session.genetics.vocabulary.characters[character].name);
      anyXLinked |= question.loci[j].xLinked;
    }
    service.ItemShow(window, used ? kFirstDeterminesLabel + j : -(kFirstDeterminesLabel + j));
  }
  service.ItemShow(window, question.wildNotation ? kWildTile : -kWildTile);
  service.SetItemText(window, kYTile, question.ySymbol);
  service.ItemShow(window, anyXLinked && SexesShown(session) ? kYTile : -kYTile);
}

void SetUp(Session& session, std::int32_t q) {
  EntrySetUp& context = Context(session, q);
  context = SetUpEntryQuestion(session.genetics, session.example, Options(session), session.questions, q);
  const std::int32_t window = QuestionWindowOf(QuestionType(session, q));
  session.service.SetItemText(window, question_window::kInstruction, Instruction(session, context));
  ShowShape(session, window, context);
}

std::array<EntryAnswer, 2> ReadSlots(Session& session, std::int32_t window) {
  std::array<EntryAnswer, 2> answers;
  for (std::int32_t i = 0; i < 2; ++i) {
    for (std::int32_t p = 0; p < 2; ++p) {
      for (std::int32_t j = 0; j < kMaxEntryLoci; ++j) {
        for (std::int32_t s = 0; s < 2; ++s) {
          const std::int32_t item = SlotItem(i, p, j, s);
          if (session.service.ItemVisible(window, item)) {
            answers[i].pairs[p].loci[j][s] = session.service.ItemText(window, item);
          }
        }
      }
    }
  }
  return answers;
}

// The program's genotypes beside each individual's slots, or below them for
// two-locus parents.
void ShowCorrectGenotypes(Session& session, std::int32_t window, const EntrySetUp& context) {
  WindowService& service = session.service;
  const EntryQuestion& question = context.question;
  for (std::int32_t i = 0; i < 2; ++i) {
    const std::vector<EntryGenotype>& truth = question.truth[i];
    if (question.parents && question.lociCount == 2) {
      if (truth.empty()) continue;
      const std::int32_t below = kFirstCorrect + 10 * i + 2;
      service.SetItemText(window, below, WriteEntryGenotype(question, truth[0]));
      service.ItemShow(window, below);
      continue;
    }
    for (std::size_t p = 0; p < truth.size() && p < 2; ++p) {
      const std::int32_t beside = kFirstCorrect + 10 * i + static_cast<std::int32_t>(p);
      service.SetItemText(window, beside, WriteEntryGenotype(question, truth[p]));
      service.ItemShow(window, beside);
    }
  }
}

void MarkAnswer(Session& session, std::int32_t q) {
  const EntrySetUp& context = Context(session, q);
  const std::int32_t window = QuestionWindowOf(QuestionType(session, q));
  for (std::int32_t i = 0; i < 2; ++i) {
    for (std::int32_t line = 0; line < 3; ++line) session.service.ItemHide(window, kFirstCorrect + 10 * i + line);
  }
  const EntryVerdict verdict = MarkGenotypeEntry(context.question, ReadSlots(session, window));
  QuestionRecord& record = session.questionState.records[q];
  record.mark = std::max(QuestionMarks(QuestionType(session, q)) - verdict.deduction, 0);
  if (verdict.good) {
    ShowGood(session, Text(session, verdict.remarks.front()));
  } else {
    ShowBad(session, Text(session, verdict.remarks.front()));
  }
  // The verdict carries its colour; the remarks that follow are read in the window's own.
  std::int32_t line = kFirstRemarkLine;
  for (std::size_t r = 1; r < verdict.remarks.size() && line <= kLastRemarkLine; ++r) {
    session.service.SetItemTextColour(window, line, kRemarkColour);
    ShowResultLine(session, line++, Text(session, verdict.remarks[r]));
  }
  if (verdict.showCorrect) ShowCorrectGenotypes(session, window, context);
}

std::string Explanation(Session& session, std::int32_t q) {
  const EntryQuestion& question = Context(session, q).question;
  std::vector<std::int32_t> parts;
  if (question.parents) {
    parts = {kParentsShown, kTemplateBox};
    if (question.lociCount == 2) parts.push_back(question.wildNotation ? kLocusOrderWild : kLocusOrder);
    if (question.lociCount == 1 && question.wildNotation) parts.push_back(kWildSymbols);
  } else {
    parts = {kRandomIndividuals};
    if (question.wildNotation) parts.push_back(kWildSymbols);
  }
  if (question.wildNotation) parts.push_back(kBothCases);
  const bool anyXLinked = std::any_of(question.loci.begin(), question.loci.begin() + question.lociCount,
                                      [](const EntryLocus& locus) { return locus.xLinked; });
  if (SexesShown(session) && anyXLinked) parts.push_back(kAbsentGene);
  parts.push_back(kDragging);
  parts.push_back(kKeyboard);
  std::string text;
  for (const std::int32_t part : parts) {
    if (!text.empty()) text += "\n\n";
    text += session.strings.ListString(kExplanations, part);
  }
  return text;
}

}  // namespace

const QuestionFamily kGenotypeEntryFamily{
    .setUp = SetUp,
    .markAnswer = MarkAnswer,
    .explanation = Explanation,
};

}  // namespace crossmere
