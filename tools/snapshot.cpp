// Writes pictures of the program's windows as a newcomer first sees them:
// welcome.png, entry.png, main_window.png, description.png (the first
// exercise), description_17.png, colours.png, the help pages
// (help_program.png, help_menus.png, about.png), a cross question answered
// wrongly (question_cross.png) and the list of exercises attempted
// (exercise_list.png), B11 with its genotypes shown (genotypes.png), its
// organism's key (phenotypes.png) and B13's genotype question answered and
// marked (question_genotypes.png), and the chi-square calculator after a
// calculation (chi_square.png), and B2's intercross counted, its table and
// chi-square marked with the calculation shown (question_chi_square.png), in
// the folder given, and B5's expected genotypes marked with one cross wrong
// (question_cross_table.png) and a wrong pick arrowed (question_cross_pick.png),
// and B17's three-point map filled in and marked (question_map.png). Run it on the
// offscreen platform to refresh the pictures under docs/. An optional screen
// size (1366x768, say) lays the windows out for that screen; QT_SCALE_FACTOR=2
// draws them at twice the pixel density.

#include <QApplication>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>

#include "exercises/recombination_check.h"
#include "genetics/genotype_classes.h"
#include "genetics/offspring.h"
#include "program/startup.h"
#include "exercises/cross_table_check.h"
#include "exercises/map_check.h"
#include "tutor/chi_square_calculator.h"
#include "tutor/listed_crosses.h"
#include "tutor/progression.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/exercise_start.h"
#include "workspace/phenotype_key.h"
#include "workspace/instructions.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

int main(int argc, char* argv[]) {
  crossmere::WindowService::ScreenSize screen{1024, 768};
  if (argc == 3 && std::sscanf(argv[2], "%dx%d", &screen.width, &screen.height) != 2) argc = 0;
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: crossmere_snapshot FOLDER [WIDTHxHEIGHT]\n");
    return 2;
  }
  QApplication app(argc, argv);
  const std::string folder = argv[1];
  crossmere::Session session;
  auto& service = session.service;
  service.SetScripted(true);
  service.PretendScreen(screen);
  bool saved = true;
  service.AnswerNextDialog([&](crossmere::ScriptedDialog& welcome) {
    saved &= service.SaveWindowImage(welcome.Number(), folder + "/welcome.png");
    welcome.ClickBackground();
  });
  service.AnswerNextDialog([&](crossmere::ScriptedDialog& entry) {
    entry.SetText(11, "Ann Example");
    saved &= service.SaveWindowImage(entry.Number(), folder + "/entry.png");
    entry.Click(1000);
  });
  crossmere::ProgramEntry(session);
  QApplication::processEvents();
  saved &= service.SaveWindowImage(crossmere::main_window::kWindow, folder + "/main_window.png");
  saved &= service.SaveWindowImage(crossmere::instructions::kDescriptionWindow, folder + "/description.png");
  // A second description, from the end of the set.
  session.progress.current = 17;
  crossmere::ShowExerciseDescription(session);
  QApplication::processEvents();
  saved &= service.SaveWindowImage(crossmere::instructions::kDescriptionWindow, folder + "/description_17.png");
  service.AnswerNextDialog([&](crossmere::ScriptedDialog& colours) {
    saved &= service.SaveWindowImage(colours.Number(), folder + "/colours.png");
    colours.Click(1000);
  });
  service.ChooseMenuCommand(crossmere::main_window::kFileMenu, crossmere::main_window::kColourCommand);
  namespace in = crossmere::instructions;
  for (const auto& [command, window, file] :
       {std::tuple{in::kProgramCommand, in::kHelpWindow, "/help_program.png"},
        std::tuple{in::kMenuCommandsCommand, in::kHelpWindow, "/help_menus.png"},
        std::tuple{in::kAboutCommand, in::kAboutWindow, "/about.png"}}) {
    service.ChooseMenuCommand(crossmere::main_window::kInstructionsMenu, command);
    QApplication::processEvents();
    saved &= service.SaveWindowImage(window, folder + file);
  }
  // The advanced set's intercross question, answered "Yes" while the box
  // still holds the pure-breeding parents.
  namespace mw = crossmere::main_window;
  session.startup.advancedLevel = 1;
  crossmere::LoadExercises(session);
  crossmere::PrecomputeStudentKinds(session);
  crossmere::NoteAttempt(session.progress, 2);
  session.progress.current = 2;
  crossmere::StartExercise(session);
  service.PostEvent(mw::kQuestionsMenu, crossmere::question_window::kFirstQuestionCommand, 0);
  constexpr std::int32_t kCrossQuestion = 504;
  service.ItemSelect(kCrossQuestion, 61);
  service.SetControlValue(1);
  service.PostEvent(kCrossQuestion, 61, 0);
  service.PostEvent(kCrossQuestion, crossmere::question_window::kMark, 0);
  QApplication::processEvents();
  saved &= service.SaveWindowImage(kCrossQuestion, folder + "/question_cross.png");
  // B11 with its genotype labels shown by "Genotypes", and the organism's key.
  crossmere::NoteAttempt(session.progress, 11);
  session.progress.current = 11;
  crossmere::StartExercise(session);
  service.WindowHide(crossmere::instructions::kDescriptionWindow);
  service.ChooseMenuCommand(mw::kFileMenu, mw::kGenotypesCommand);
  QApplication::processEvents();
  saved &= service.SaveWindowImage(mw::kWindow, folder + "/genotypes.png");
  service.ChooseMenuCommand(mw::kFileMenu, mw::kPhenotypesCommand);
  QApplication::processEvents();
  saved &= service.SaveWindowImage(crossmere::phenotype_key::WindowOf(session.genetics.kind),
                                   folder + "/phenotypes.png");
  // B13's first genotype question, answered with one genotype where the
  // phenotype has two, and marked.
  crossmere::NoteAttempt(session.progress, 13);
  session.progress.current = 13;
  crossmere::StartExercise(session);
  service.WindowHide(crossmere::instructions::kDescriptionWindow);
  crossmere::SelectQuestion(session, 1);
  const std::int32_t entryWindow = 500 + session.questions.list.types[1];
  // Symbols from the template: the first tile into each gene slot of the first pair.
  for (std::int32_t individual = 0; individual < 2; ++individual) {
    service.DragSymbol(entryWindow, 801, 600 + 100 * individual);
    service.DragSymbol(entryWindow, individual == 0 ? 802 : 806, 601 + 100 * individual);
  }
  service.PostEvent(entryWindow, crossmere::question_window::kMark, 0);
  QApplication::processEvents();
  saved &= service.SaveWindowImage(entryWindow, folder + "/question_genotypes.png");
  // The chi-square calculator with a two-locus intercross counted.
  namespace chi = crossmere::chi_square_window;
  crossmere::OpenChiSquareCalculator(session);
  for (const std::int32_t radio : {chi::kTwoLoci, chi::kFirstTwoLociRatio + 2}) {
    service.ItemSelect(chi::kWindow, radio);
    service.SetControlValue(1);
    service.PostEvent(chi::kWindow, radio, 0);
  }
  for (const auto& [field, count] : {std::pair{0, "97"}, std::pair{1, "28"}, std::pair{2, "35"}, std::pair{3, "8"}}) {
    service.SetItemText(chi::kWindow, chi::kFirstObserved + field, count);
  }
  service.PostEvent(chi::kWindow, chi::kCalculate, 0);
  QApplication::processEvents();
  saved &= service.SaveWindowImage(chi::kWindow, folder + "/chi_square.png");
  service.PostEvent(chi::kWindow, chi::kDone, 0);
  // B2 again, this time with two F1 heterozygotes crossed, 120 offspring
  // bred, and both parts of its observed-and-expected question answered.
  session.progress.current = 2;
  crossmere::StartExercise(session);
  service.WindowHide(crossmere::instructions::kDescriptionWindow);
  auto& genetics = session.genetics;
  const auto heterozygote = [&](std::int32_t sex) {
    for (std::int32_t c = 1; c <= crossmere::kClassCount; ++c) {
      const bool sexFits = genetics.hermaphrodite || genetics.classes[c].Sex() == sex;
      if (sexFits && genetics.classes[c].Sum(genetics.locusPosition[1]) == 1 && crossmere::ClassInExample(genetics, c)) {
        return c;
      }
    }
    return 0;
  };
  genetics.objectClass[crossmere::kFirstParentObject] = heterozygote(0);
  genetics.objectClass[crossmere::kSecondParentObject] = heterozygote(1);
  const std::int32_t crossWindow = 500 + session.questions.list.types[1];
  crossmere::SelectQuestion(session, 1);
  service.ItemSelect(crossWindow, 61);
  service.SetControlValue(1);
  service.PostEvent(crossWindow, 61, 0);
  service.PostEvent(crossWindow, crossmere::question_window::kMark, 0);
  session.offspring.crossClassCount.fill(0);
  for (std::int32_t n = 0; n < 120; ++n) crossmere::Mendel(genetics, session.offspring, session.random);
  session.offspring.counters[2] = 120;
  crossmere::SelectQuestion(session, 2);
  const std::int32_t tableWindow = 500 + session.questions.list.types[2];
  std::int32_t dominant = 0;
  for (std::int32_t c = 1; c <= crossmere::kClassCount; ++c) {
    if (genetics.classes[c].Sum(genetics.locusPosition[1]) != 2 * genetics.loci[1].recessiveAllele) {
      dominant += session.offspring.crossClassCount[static_cast<std::size_t>(c)];
    }
  }
  for (const auto& [row, part, count] : {std::tuple{0, 3, dominant}, std::tuple{1, 1, 120 - dominant}}) {
    service.ItemSelect(tableWindow, 331 + row);
    service.SetControlValue(part + 2);
    service.SetItemText(tableWindow, 335 + row, std::to_string(count));
  }
  service.SetItemText(tableWindow, 339, "120");
  service.PostEvent(tableWindow, crossmere::question_window::kMark, 0);
  const double chiSquare = (dominant - 90.0) * (dominant - 90.0) / 90.0 +
                           (30.0 - (120 - dominant)) * (30.0 - (120 - dominant)) / 30.0;
  service.SetItemText(tableWindow, 375, std::to_string(std::round(chiSquare * 100) / 100).substr(0, 4));
  service.ItemSelect(tableWindow, 376);
  service.SetControlValue(2);
  service.ItemSelect(tableWindow, chiSquare > 3.84 ? 377 : 378);
  service.SetControlValue(1);
  service.PostEvent(tableWindow, crossmere::question_window::kMark, 0);
  service.PostEvent(tableWindow, 952, 0);
  QApplication::processEvents();
  saved &= service.SaveWindowImage(tableWindow, folder + "/question_chi_square.png");
  crossmere::HideQuestion(session);
  // B5 with its six sex-linked crosses listed: the expected genotypes of
  // each, one cross given a wrong box, and a wrong pick from the list.
  crossmere::NoteAttempt(session.progress, 5);
  session.progress.current = 5;
  crossmere::StartExercise(session);
  service.WindowHide(crossmere::instructions::kDescriptionWindow);
  crossmere::CrossList& list = crossmere::ListedCrosses(session);
  list.crosses = {{1, 2}, {0, 0}, {2, 2}, {1, 0}, {0, 2}, {2, 0}};
  list.complete = true;
  session.questionState.records[1].completed = true;
  crossmere::SelectQuestion(session, 2);
  const std::int32_t tableWindow21 = 500 + session.questions.list.types[2];
  const crossmere::TableLocus locus = crossmere::TableLocusOf(session);
  const auto columns = crossmere::GenotypeColumns(locus);
  for (std::int32_t row = 0; row < 6; ++row) {
    auto boxes = crossmere::ExpectedBoxes(locus, list.crosses[static_cast<std::size_t>(row)], columns, false);
    if (row == 0) boxes[1] = crossmere::kAllOfThem;
    for (std::size_t c = 0; c < boxes.size(); ++c) {
      service.ItemSelect(tableWindow21, 611 + 10 * row + static_cast<std::int32_t>(c));
      service.SetControlValue(boxes[c] == crossmere::kAllOfThem ? 3 : boxes[c] == 0 ? 2 : boxes[c] + 3);
    }
  }
  service.PostEvent(tableWindow21, crossmere::question_window::kMark, 0);
  QApplication::processEvents();
  saved &= service.SaveWindowImage(tableWindow21, folder + "/question_cross_table.png");
  session.questionState.records[3].completed = true;
  crossmere::SelectQuestion(session, 4);
  const std::int32_t pickWindow = 500 + session.questions.list.types[4];
  service.ItemSelect(pickWindow, 44);
  service.SetControlValue(2);
  service.PostEvent(pickWindow, crossmere::question_window::kMark, 0);
  QApplication::processEvents();
  saved &= service.SaveWindowImage(pickWindow, folder + "/question_cross_pick.png");
  crossmere::HideQuestion(session);
  // B17: a triple heterozygote testcrossed, 400 offspring bred, and the map
  // drawn from them with one distance two centimorgans out.
  crossmere::NoteAttempt(session.progress, 17);
  session.progress.current = 17;
  crossmere::StartExercise(session);
  service.WindowHide(crossmere::instructions::kDescriptionWindow);
  std::array<std::int32_t, 4> dominantAlleles{}, recessiveAlleles{};
  for (std::int32_t k = 1; k <= 3; ++k) {
    dominantAlleles[static_cast<std::size_t>(k)] = genetics.loci[k].dominantAllele;
    recessiveAlleles[static_cast<std::size_t>(k)] = genetics.loci[k].recessiveAllele;
  }
  const std::int32_t maleSex = genetics.hermaphrodite ? 0 : 1;
  genetics.objectClass[crossmere::kFirstParentObject] =
      genetics.classIndexTable[static_cast<std::size_t>(crossmere::ClassIndexOf(0, dominantAlleles, recessiveAlleles))];
  genetics.objectClass[crossmere::kSecondParentObject] =
      genetics.classIndexTable[static_cast<std::size_t>(crossmere::ClassIndexOf(maleSex, recessiveAlleles, recessiveAlleles))];
  crossmere::SelectQuestion(session, 1);
  const std::int32_t setUpWindow = 500 + session.questions.list.types[1];
  service.ItemSelect(setUpWindow, 311);
  service.SetControlValue(1);
  service.PostEvent(setUpWindow, crossmere::question_window::kMark, 0);
  session.offspring.crossClassCount.fill(0);
  for (std::int32_t n = 0; n < 400; ++n) crossmere::Mendel(genetics, session.offspring, session.random);
  session.offspring.counters[2] = 400;
  const crossmere::ThreePoint count = crossmere::CountThreePoint(
      genetics, genetics.objectClass[crossmere::kFirstParentObject], true, session.offspring.crossClassCount);
  crossmere::SelectQuestion(session, 2);
  const std::int32_t mapWindow = 500 + session.questions.list.types[2];
  for (std::int32_t k = 0; k < 3; ++k) service.DragSymbol(mapWindow, 800 + count.order[static_cast<std::size_t>(k)], 601 + k);
  service.SetItemText(mapWindow, 221, std::to_string(crossmere::NearestPercent({count.total, count.firstInterval})));
  service.SetItemText(mapWindow, 222, std::to_string(crossmere::NearestPercent({count.total, count.secondInterval}) + 2));
  service.PostEvent(mapWindow, crossmere::question_window::kMark, 0);
  QApplication::processEvents();
  saved &= service.SaveWindowImage(mapWindow, folder + "/question_map.png");
  crossmere::HideQuestion(session);
  service.AnswerNextDialog([&](crossmere::ScriptedDialog& list) {
    saved &= service.SaveWindowImage(list.Number(), folder + "/exercise_list.png");
    list.Click(1000);
  });
  service.PostEvent(mw::kQuestionsMenu, crossmere::progression::kListCommand, 0);
  if (!saved) std::fprintf(stderr, "could not write the pictures to %s\n", folder.c_str());
  return saved ? 0 : 1;
}
