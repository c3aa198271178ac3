#include <QAccessible>
#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include "tests/tutor/questions_fixture.h"

#include "exercises/individual_check.h"
#include "genetics/genotype_classes.h"
#include "genetics/pictures/class_picture.h"
#include "tutor/progression.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/containers.h"
#include "workspace/exercise_start.h"
#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/phenotype_key.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace crossmere::testing;
using namespace main_window;
using namespace question_window;

TEST_F(Questions, AFinishedTryAddsItsMarksToTheExercise) {
  Start(true, 2);  // B2: an intercross and its chi-square, 10 marks
  ASSERT_EQ(session.progress.marksAvailable[2], 10);
  session.progress.marksThisTry[2] = 7;
  FinishTry(session);
  EXPECT_EQ(service.ItemText(kWindow, kMarksValue), "7  /  10");
  EXPECT_EQ(TextColour(kMarksValue), kBadColour) << "not full marks";
  EXPECT_EQ(session.progress.marksObtained[2], 7);
  EXPECT_EQ(session.progress.marksPossible[2], 10);
  EXPECT_TRUE(service.ItemVisible(kWindow, progression::kNextButton));
  EXPECT_TRUE(service.ItemVisible(kWindow, progression::kRepeatButton));
  EXPECT_TRUE(service.ItemVisible(kWindow, 1511));

  service.PostEvent(kWindow, progression::kRepeatButton, 0);
  EXPECT_EQ(session.progress.current, 2);
  EXPECT_FALSE(service.ItemVisible(kWindow, kMarksValue)) << "a new try starts without marks";
  session.progress.marksThisTry[2] = 10;
  FinishTry(session);
  EXPECT_EQ(service.ItemText(kWindow, kMarksValue), "10  /  10");
  EXPECT_EQ(TextColour(kMarksValue), kGoodColour);
  EXPECT_EQ(session.progress.marksObtained[2], 17);
  EXPECT_EQ(session.progress.marksPossible[2], 20);
  EXPECT_EQ(session.progress.totalPossible, 20);
  EXPECT_EQ(session.progress.tryCount[2], 2);
}

TEST_F(Questions, TheMenuListsTheExercisesQuestions) {
  Start(false, 3);  // A3: two homozygote questions
  EXPECT_EQ(service.MenuItems(1101).front().caption, "Ex3 Q1 - Find homozygote");
  EXPECT_TRUE(service.MenuItems(1102).front().visible);
  EXPECT_FALSE(service.MenuItems(1103).front().visible);
}

// The question window finds the corner of the workspace where it hides the
// fewest individuals, and never covers the crossing box.
TEST_F(Questions, TheQuestionWindowLeavesTheIndividualsInSight) {
  Start(false, 3);
  const std::int32_t boxBottom = Rect(kFirstParentObject).bottom;
  auto placeOf = [this](std::int32_t q) {
    service.WindowBounds(Window(q));
    return service.Registers().windowRect;
  };
  Choose(1);
  const auto lonely = placeOf(1);
  EXPECT_GT(lonely.left, 200) << "on an empty workspace, the bottom right";
  EXPECT_GE(lonely.top, boxBottom);
  service.PostEvent(Window(1), kHide, 0);

  // A crowd at the bottom right.
  std::vector<std::int32_t> crowd;
  for (std::int32_t k = 0; k < 6; ++k) crowd.push_back(PutOnWorkspace(ClassWith(1), 500 + 40 * (k % 3), 400 + 60 * (k / 3)));
  Choose(2);
  const auto crowded = placeOf(2);
  for (const std::int32_t object : crowd) {
    const ServiceRect r = Rect(object);
    const bool covered = r.left < crowded.right && crowded.left < r.right && r.top < crowded.bottom &&
                         crowded.top < r.bottom;
    EXPECT_FALSE(covered) << "individual " << object << " stays in sight";
  }
  EXPECT_GE(crowded.top, boxBottom);
}

// "Genotypes" where B11 hides its genotypes at first and lets the notation
// switch: labels shown, then the other notation, then hidden again.
TEST_F(Questions, TheGenotypesCommandShowsSwitchesAndHides) {
  Start(true, 11);
  ASSERT_TRUE(service.MenuItems(kGenotypesCommand)[0].enabled);
  const bool wild = session.genetics.wildNotation;
  const std::int32_t parent = session.genetics.objectClass[kFirstParentObject];
  EXPECT_FALSE(session.example.showGenotypes[1]);
  ASSERT_TRUE(service.ChooseMenuCommand(kFileMenu, kGenotypesCommand));
  EXPECT_TRUE(session.example.showGenotypes[1]);
  EXPECT_TRUE(session.example.showGenotypes[2]);
  EXPECT_TRUE(session.genetics.classPictureBuilt[parent]) << "the parents are drawn again with their labels";
  const std::string before = GenotypeText(session.genetics, parent);
  ASSERT_TRUE(service.ChooseMenuCommand(kFileMenu, kGenotypesCommand));
  EXPECT_NE(session.genetics.wildNotation, wild);
  EXPECT_NE(GenotypeText(session.genetics, parent), before) << "the other notation";
  ASSERT_TRUE(service.ChooseMenuCommand(kFileMenu, kGenotypesCommand));
  EXPECT_FALSE(session.example.showGenotypes[1]);
  EXPECT_EQ(session.genetics.wildNotation, wild);
  EXPECT_EQ(GenotypeText(session.genetics, parent), before);
}

TEST_F(Questions, TheGenotypesCommandIsDimmedWhereItCannotHelp) {
  Start(false, 3);  // A3: genotypes always shown, Mendel's notation only
  EXPECT_FALSE(service.MenuItems(kGenotypesCommand)[0].enabled);
}

// "Phenotypes" opens the organism's key, each form drawn twice its size;
// it closes with its button and when another example starts.
TEST_F(Questions, ThePhenotypesCommandOpensTheKeyOfTheOrganism) {
  Start(true, 11);
  const std::int32_t key = phenotype_key::WindowOf(session.genetics.kind);
  ASSERT_TRUE(service.ChooseMenuCommand(kFileMenu, kPhenotypesCommand));
  ASSERT_TRUE(service.WindowVisible(key));
  const ServiceRect drawn = service.ItemRect(key, phenotype_key::kKeyPicture);
  const PictureFrame frame = FrameOf(session.genetics, false, false);
  EXPECT_GE(drawn.right - drawn.left, 2 * 2 * frame.width) << "two forms side by side, enlarged";
  EXPECT_GE(drawn.bottom - drawn.top, session.genetics.lociCount * 2 * frame.height) << "one row per character";
  service.WindowBounds(key);
  const auto bounds = service.Registers().windowRect;
  EXPECT_LE(bounds.bottom - bounds.top, session.startup.layout.height) << "the window fits the layout";

  service.PostEvent(key, phenotype_key::kClose, 0);
  EXPECT_FALSE(service.WindowExists(key));
  ASSERT_TRUE(service.ChooseMenuCommand(kFileMenu, kPhenotypesCommand));
  Start(true, 12);
  EXPECT_FALSE(service.WindowExists(key)) << "a new example closes the key of the last one";
}

// A notation exercise answered with the keyboard alone: each slot takes the
// typed symbol of the program's own genotype; the answer earns every mark.
TEST_F(Questions, GenotypesTypedIntoTheSlotsAreMarked) {
  Start(false, 7);
  Choose(1);
  ASSERT_TRUE(service.WindowVisible(Window(1)));
  // The parents' own genes, in the program's own letters.
  const GeneticsState& g = session.genetics;
  for (std::int32_t i = 0; i < 2; ++i) {
    const Genotype& parent = g.classes[g.objectClass[kFirstParentObject + i]];
    const std::int32_t position = g.locusPosition[1];
    for (std::int32_t s = 0; s < 2; ++s) {
      const std::string symbol = g.loci[1].symbol[s == 0 ? parent.hap1[position] : parent.hap2[position]];
      service.PressKey(Window(1), 600 + 100 * i + s, symbol);
      EXPECT_EQ(service.ItemText(Window(1), 600 + 100 * i + s), symbol);
    }
  }
  MarkMe(1);
  EXPECT_TRUE(Record(1).completed);
  EXPECT_EQ(Record(1).mark, 4);
  EXPECT_EQ(Good(1), "Good!");
}

// A screen reader reads a question window's title with its instruction, and
// each gene slot by the symbol in it and the place it stands for.
TEST_F(Questions, ScreenReadersReadTheQuestionAndItsSlots) {
  Start(false, 7);
  Choose(1);
  const auto accessible = [&](std::int32_t item) -> QAccessibleInterface* {
    for (QWidget* w : QApplication::allWidgets()) {
      if (w->isVisible() && w->window()->property("dialog").toInt() == Window(1) &&
          (item == 0 ? w->isWindow() : w->property("item").toInt() == item)) {
        return QAccessible::queryAccessibleInterface(w);
      }
    }
    return nullptr;
  };
  QAccessibleInterface* window = accessible(0);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->text(QAccessible::Name).toStdString(), "Ex7 Q1");
  EXPECT_EQ(window->text(QAccessible::Description).toStdString(), service.ItemText(Window(1), kInstruction));
  EXPECT_FALSE(service.ItemText(Window(1), kInstruction).empty());

  service.PressKey(Window(1), 701, service.ItemText(Window(1), 801));
  QAccessibleInterface* slot = accessible(701);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->text(QAccessible::Name).toStdString(), service.ItemText(Window(1), 801));
  EXPECT_EQ(slot->text(QAccessible::Description).toStdString(), "Individual 2, locus 1, gene 2");
}

// Symbols come from the template any number of times and leave a slot when
// dragged out of it, or when Delete is pressed on it.
TEST_F(Questions, GeneSymbolsAreDraggedInAndOut) {
  Start(false, 7);
  Choose(1);
  const std::int32_t window = Window(1);
  const std::string letter = service.ItemText(window, 801);
  ASSERT_FALSE(letter.empty());
  service.DragSymbol(window, 801, 600);
  service.DragSymbol(window, 801, 601);
  EXPECT_EQ(service.ItemText(window, 600), letter);
  EXPECT_EQ(service.ItemText(window, 601), letter);
  service.DragSymbol(window, 600, 0);
  EXPECT_EQ(service.ItemText(window, 600), "") << "dragged out of its slot";
  service.DragSymbol(window, 601, 700);
  EXPECT_EQ(service.ItemText(window, 601), "");
  EXPECT_EQ(service.ItemText(window, 700), letter) << "moved to another slot";
  service.PressKey(window, 700, "");
  EXPECT_EQ(service.ItemText(window, 700), "") << "Delete empties it";
  EXPECT_FALSE(service.ItemVisible(window, 610)) << "pure-breeding parents have one genotype each";
}

// B10 asks twice; the second answer is reminded of the first one's symbols,
// and a wrong answer shows the program's genotypes beside the slots.
TEST_F(Questions, TheSecondGenotypeQuestionComparesSymbols) {
  Start(true, 10);
  ASSERT_EQ(session.questions.list.count, 2);
  Choose(1);
  MarkMe(1);  // nothing written: wrong
  EXPECT_TRUE(Record(1).completed);
  EXPECT_EQ(Record(1).mark, 2);
  EXPECT_EQ(Bad(1), "Sorry.  At least one error.");
  EXPECT_TRUE(service.ItemVisible(Window(1), 620)) << "the correct genotype beside the slots";
  Choose(2);
  MarkMe(2);
  bool reminded = false;
  for (std::int32_t line = 306; line <= 309; ++line) {
    reminded |= service.ItemVisible(Window(2), line) &&
                service.ItemText(Window(2), line).starts_with("NB.  Compare the symbol used for the mutant");
  }
  EXPECT_TRUE(reminded);
}

// B14's informative cross needs 100 offspring before its linkage is judged;
// with them, the right answer earns the mark and the choices are spent.
TEST_F(Questions, LinkedOrUnlinkedWaitsForEnoughOffspring) {
  Start(true, 14);
  ASSERT_EQ(session.questions.list.types[1], 27);
  Choose(1);
  EXPECT_TRUE(service.ItemVisible(Window(1), 43)) << "\" Can't tell\" is offered";
  EXPECT_FALSE(service.ItemVisible(Window(1), kMark)) << "nothing chosen yet";
  const std::int32_t right = session.genetics.unlinked12 ? 42 : 41;
  Answer(1, right);
  ASSERT_TRUE(service.ItemVisible(Window(1), kMark));
  session.offspring.crossClassCount.fill(0);
  session.offspring.crossClassCount[1] = 99;
  MarkMe(1);
  EXPECT_FALSE(Record(1).completed);
  EXPECT_EQ(Bad(1), "Please generate at least 100 offspring before answering this question.");
  EXPECT_FALSE(service.ItemVisible(Window(1), kMark));
  session.offspring.crossClassCount[1] = 100;
  Answer(1, right);
  MarkMe(1);
  EXPECT_TRUE(Record(1).completed);
  EXPECT_EQ(Record(1).mark, 1);
  EXPECT_EQ(Good(1), "Good");
  service.ItemSelect(Window(1), right);
  EXPECT_EQ(service.Registers().itemState.enabled, -1) << "the choices are spent";
}

TEST_F(Questions, ExercisesCanHideCantTell) {
  Start(false, 19);
  ASSERT_EQ(session.questions.list.types[1], 27);
  Choose(1);
  EXPECT_TRUE(service.ItemVisible(Window(1), 41));
  EXPECT_FALSE(service.ItemVisible(Window(1), 43));
}

// "List all crosses" in B4: crosses are added from the crossing box once
// each; every premature "List complete" costs a mark and puts both buttons
// away until the question is shown again.
TEST_F(Questions, ListingAllCrosses) {
  Start(true, 4);
  ASSERT_EQ(session.questions.list.types[1], 20);
  constexpr std::int32_t kAdd = 30;
  Choose(1);
  EXPECT_EQ(service.ItemText(Window(1), kMark), "List complete");
  service.PostEvent(Window(1), kAdd, 0);
  EXPECT_EQ(Good(1), "Good.");
  EXPECT_TRUE(service.ItemVisible(Window(1), 411));
  service.PostEvent(Window(1), kAdd, 0);
  EXPECT_EQ(Bad(1), "This cross is already on the list.");
  for (const std::int32_t expected : {5, 4}) {
    MarkMe(1);
    EXPECT_FALSE(Record(1).completed);
    EXPECT_EQ(Record(1).mark, expected);
    EXPECT_EQ(Bad(1), "Sorry.  There are more crosses to go.");
    EXPECT_FALSE(service.ItemVisible(Window(1), kAdd));
    EXPECT_FALSE(service.ItemVisible(Window(1), kMark));
    Choose(1);
    EXPECT_TRUE(service.ItemVisible(Window(1), kAdd)) << "shown again, the buttons come back";
    EXPECT_TRUE(service.ItemVisible(Window(1), kMark));
  }
  // The other crosses, each set up in the box and added.
  for (const auto& [first, second] : {std::pair{0, 0}, std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 1},
                                      std::pair{1, 2}, std::pair{2, 2}}) {
    session.genetics.objectClass[kFirstParentObject] = ClassWith(first);
    session.genetics.objectClass[kSecondParentObject] = ClassWith(second);
    service.PostEvent(Window(1), kAdd, 0);
  }
  for (std::int32_t k = 0; k < 6; ++k) EXPECT_TRUE(service.ItemVisible(Window(1), 411 + k)) << k;
  MarkMe(1);
  EXPECT_TRUE(Record(1).completed);
  EXPECT_EQ(Record(1).mark, 4);
  EXPECT_TRUE(service.ItemVisible(Window(1), kGoodImage));
  EXPECT_EQ(Good(1), "") << "the good word only for a full mark";
  EXPECT_FALSE(service.ItemVisible(Window(1), kAdd));
}

TEST_F(Questions, QuestionsAreMarkedInOrder) {
  Start(false, 3);
  Choose(2);
  EXPECT_TRUE(service.WindowVisible(Window(2)));
  EXPECT_FALSE(service.ItemVisible(Window(2), kMark)) << "question 1 is not done yet";
  EXPECT_TRUE(service.ItemVisible(Window(2), kAnswerFirst));
  EXPECT_EQ(service.ItemText(Window(2), kAnswerFirst), "Answer question 1 first");
  AnswerDialog(kOutOfOrder, 1000);
  MarkMe(2);
  EXPECT_EQ(service.PendingResponders(), 0u) << "the out-of-order alert showed";
  EXPECT_FALSE(Record(2).completed);
}

TEST_F(Questions, AQuestionOpenedEarlyCanBeMarkedOnceItsTurnComes) {
  Start(false, 3);
  Choose(2);
  EXPECT_FALSE(service.ItemVisible(Window(2), kMark));
  Choose(1);
  Click(kFirstParentObject);
  MarkMe(1);
  Choose(2);
  EXPECT_TRUE(service.ItemVisible(Window(2), kMark));
  EXPECT_FALSE(service.ItemVisible(Window(2), kAnswerFirst)) << "its turn has come";
  Click(kFirstParentObject);
  MarkMe(2);
  EXPECT_TRUE(Record(2).completed);
  EXPECT_FALSE(service.ItemVisible(Window(2), kAnswerFirst));
}

TEST_F(Questions, TheSelectionFollowsTheClicks) {
  Start(false, 3);
  const std::int32_t offspring = PutOnWorkspace(ClassWith(1));
  Choose(1);
  Click(kFirstParentObject);
  EXPECT_EQ(session.questionFamilies.Get<FindContext>().selected, kFirstParentObject);
  Click(offspring);
  EXPECT_EQ(session.questionFamilies.Get<FindContext>().selected, offspring);
  EXPECT_EQ(Rect(kSelectionBox).left, Rect(offspring).left - 3);
  const ServiceRect where = Rect(offspring);
  service.PressBackground(kWindow, where.right + 150, where.bottom + 40);
  EXPECT_EQ(session.questionFamilies.Get<FindContext>().selected, 0) << "a click elsewhere clears it";
  EXPECT_FALSE(service.ItemVisible(kWindow, kSelectionBox));

  Click(offspring);
  const ServiceRect before = Rect(offspring);
  service.QueuePointerPath({{{before.left + 5, before.top + 5}, {before.left + 200, before.top}}});
  Click(offspring);
  EXPECT_EQ(Rect(offspring).left, before.left) << "individuals stay put while the question shows";
  service.PostEvent(containers::kFirstViewWindow + session.genetics.kind, containers::kFirstShown, 0);
  EXPECT_EQ(session.questionFamilies.Get<FindContext>().selected, 0) << "a container's view selects nothing";
}

TEST_F(Questions, OneQuestionShowsAtATime) {
  Start(false, 6);  // A6: [3, 13, 17]
  Choose(2);
  Choose(3);
  EXPECT_FALSE(service.WindowVisible(Window(2)));
  EXPECT_TRUE(service.WindowVisible(Window(3)));
  EXPECT_EQ(session.questionState.showing, 3);
  service.PostEvent(Window(3), kHide, 0);
  EXPECT_FALSE(service.WindowVisible(Window(3)));
  EXPECT_EQ(session.questionState.showing, 0);
}

TEST_F(Questions, TwoHomozygoteQuestionsAskRecessiveThenDominant) {
  Start(false, 3);  // one locus, Aa x Aa
  const std::int32_t dominant = PutOnWorkspace(Homozygote(session.genetics.loci[1].dominantAllele));
  Choose(1);
  Click(dominant);
  EXPECT_TRUE(service.ItemVisible(kWindow, kSelectionBox));
  MarkMe(1);
  EXPECT_EQ(Bad(1), "That one is homozygous, but for the wrong allele.");
  EXPECT_TRUE(Record(1).completed);
  EXPECT_EQ(Record(1).mark, 0);
  EXPECT_EQ(service.ItemText(Window(1), kMarksText), "0  /  1");
  EXPECT_TRUE(Checked(1101));
  EXPECT_EQ(service.MenuItems(1101).front().caption.rfind("\u2022 ", 0), 0u) << "a bullet marks it done";

  Choose(2);
  EXPECT_FALSE(service.ItemVisible(kWindow, kSelectionBox)) << "hiding a question clears the selection";
  EXPECT_TRUE(service.ItemVisible(Window(2), kMark));
  Click(dominant);
  MarkMe(2);
  EXPECT_EQ(Good(2), "Good");
  EXPECT_EQ(session.progress.tryCount[3], 1);
  EXPECT_EQ(session.progress.marksObtained[3], 1);
  EXPECT_EQ(session.progress.marksPossible[3], 2);

  MarkMe(2);  // a completed question cannot be marked again
  EXPECT_EQ(session.progress.tryCount[3], 1);
  EXPECT_EQ(session.progress.marksPossible[3], 2);
}

TEST_F(Questions, ClickingAHeterozygoteForAHomozygoteQuestion) {
  Start(false, 3);
  Choose(1);
  Click(kFirstParentObject);  // the parents are heterozygotes
  MarkMe(1);
  EXPECT_EQ(Bad(1), "That one is a heterozygote.");
}

TEST_F(Questions, AMaleIsOnlyHemizygousForASexLinkedGene) {
  Start(false, 12);  // A12: [17, 3, 13], sex-linked
  ASSERT_TRUE(IsXLinked(session.genetics.locusPosition[1]));
  const std::int32_t carrier = PutOnWorkspace(ClassWith(1, 0), 300, 420);
  const std::int32_t male = PutOnWorkspace(ClassWith(0, 1), 420, 420);
  Choose(1);
  Click(carrier);
  MarkMe(1);
  EXPECT_EQ(Good(1), "Good");
  Choose(2);
  Click(male);
  MarkMe(2);
  EXPECT_EQ(Bad(2), "Males can only be 'hemizygous' for a sex-linked gene, not homozygous or heterozygous.");
  EXPECT_EQ(Record(2).mark, 0);
}

TEST_F(Questions, NoIndividualForALethalHomozygoteEarnsTwo) {
  Start(false, 3);
  session.genetics.loci[1].lethal = true;
  Choose(1);
  Click(kFirstParentObject);
  MarkMe(1);
  Choose(2);  // the dominant homozygote
  AnswerDialog(563, 1000);
  MarkMe(2);
  EXPECT_EQ(Good(2), "Good!  That genotype is lethal.");
  EXPECT_EQ(Record(2).mark, 2);
  EXPECT_EQ(session.progress.marksThisTry[3], 2);
}

TEST_F(Questions, NoIndividualWhenOneExists) {
  Start(false, 3);
  OnlyParentsOf(ClassWith(1));
  Choose(1);  // the recessive homozygote
  AnswerDialog(563, 990);
  MarkMe(1);
  EXPECT_FALSE(Record(1).completed) << "cancelled: not answered";

  const std::int32_t recessive = Homozygote(session.genetics.loci[1].recessiveAllele);
  PutInContainer(session, containers::kFirst, PutOnWorkspace(recessive));
  AnswerDialog(563, 1000);
  MarkMe(1);
  EXPECT_EQ(Bad(1), "There is at least one such genotype in a cage.");
  EXPECT_EQ(service.ItemText(Window(1), 306), "Cage name:  " + session.containers.Record(containers::kFirst).name);
  EXPECT_EQ(service.ItemText(Window(1), 307), "Animal number:  1");
  EXPECT_TRUE(Record(1).completed);

  const std::int32_t onScreen = PutOnWorkspace(Homozygote(session.genetics.loci[1].dominantAllele));
  Choose(2);
  AnswerDialog(563, 1000);
  MarkMe(2);
  EXPECT_EQ(Bad(2), "There is at least one such genotype on the screen.");
  EXPECT_EQ(session.questionFamilies.Get<FindContext>().selected, onScreen);
}

TEST_F(Questions, NoIndividualWhenNoneWasProduced) {
  Start(false, 3);
  OnlyParentsOf(ClassWith(1));
  Choose(1);
  AnswerDialog(563, 1000);
  MarkMe(1);
  EXPECT_EQ(Bad(1), "The genotype exists, but you don't seem to have produced one.");
  EXPECT_EQ(Record(1).mark, 0);
}

TEST_F(Questions, HiddenGenotypesCanBeSeenOnceTheExerciseIsDone) {
  Start(false, 4);  // A4: genotypes not shown, [17]
  ASSERT_FALSE(session.example.showGenotypes[1]);
  Choose(1);
  EXPECT_FALSE(service.ItemVisible(Window(1), kSeeGenotypes));
  Click(PutOnWorkspace(ClassWith(1)));
  MarkMe(1);
  ASSERT_TRUE(session.progress.tryFinished);
  EXPECT_TRUE(service.ItemVisible(Window(1), kSeeGenotypes));
  service.PostEvent(Window(1), kSeeGenotypes, 0);
  EXPECT_TRUE(session.example.showGenotypes[1]);
  EXPECT_FALSE(service.WindowVisible(Window(1)));
  EXPECT_EQ(session.questionState.showing, 0);
}

TEST_F(Questions, ExplainingAQuestion) {
  Start(false, 3);
  Choose(2);
  service.PostEvent(Window(2), kExplain, 0);
  ASSERT_TRUE(service.WindowVisible(kExplanation));
  EXPECT_EQ(service.ItemText(kExplanation, 5), "Ex3 Q2 - Find homozygote");
  EXPECT_NE(service.ItemText(kExplanation, 10).find("red 'selection box'"), std::string::npos);
  service.PostEvent(kExplanation, 1000, 0);
  EXPECT_FALSE(service.WindowExists(kExplanation) && service.WindowVisible(kExplanation));
}

TEST_F(Questions, ATestcrossMustBeRightToBeDone) {
  Start(true, 3);  // B3: F1 testcross, then observed and expected
  const std::int32_t heterozygote = ClassWith(1);
  session.genetics.objectClass[kFirstParentObject] = heterozygote;
  session.genetics.objectClass[kSecondParentObject] = heterozygote;
  Choose(1);
  EXPECT_FALSE(service.ItemVisible(Window(1), kMark)) << "nothing chosen yet";
  Answer(1, kYes);
  EXPECT_TRUE(service.ItemVisible(Window(1), kMark));
  MarkMe(1);
  EXPECT_EQ(Bad(1), "This looks more like an intercross then a testcross");
  EXPECT_FALSE(Record(1).completed);
  EXPECT_EQ(Record(1).maximum, 2);
  service.ItemSelect(Window(1), kYes);
  EXPECT_EQ(service.GetControlValue(), 0) << "the answer is asked again";
  EXPECT_FALSE(service.ItemVisible(Window(1), kMark));

  Answer(1, kNo);
  MarkMe(1);
  EXPECT_EQ(Bad(1), "Then please set one up.");
  EXPECT_FALSE(Record(1).completed);

  session.genetics.objectClass[kSecondParentObject] = Homozygote(session.genetics.loci[1].recessiveAllele);
  Answer(1, kYes);
  MarkMe(1);
  EXPECT_TRUE(Record(1).completed);
  EXPECT_EQ(Record(1).mark, 0);
  EXPECT_EQ(Record(1).maximum, 1);
  EXPECT_EQ(service.ItemText(Window(1), kMarksText), "0  /  1");
  EXPECT_FALSE(service.ItemVisible(Window(1), kBadImage)) << "the last attempt's verdict is gone";
  EXPECT_FALSE(service.ItemVisible(Window(1), kBadText));
  EXPECT_TRUE(session.cross.parentsLocked) << "the next question counts this cross's offspring";
  EXPECT_TRUE(service.ItemVisible(kWindow, 4131));
}

TEST_F(Questions, AnIntercrossQuestionWithAnEmptyBox) {
  Start(true, 2);  // B2: F1 intercross
  session.genetics.objectClass[kSecondParentObject] = 0;
  Choose(1);
  Answer(1, kYes);
  MarkMe(1);
  EXPECT_EQ(Bad(1), "No cross currently set up.  Please set up the required cross.");
  EXPECT_FALSE(Record(1).completed);
}

TEST_F(Questions, ANominatedSingleExerciseCannotBeChosenAgain) {
  session.progress.setMode = false;
  session.progress.exerciseCount = 1;
  LoadExercises(session);
  session.exercises.options[1].Set(option_item::kSingleExample);
  session.progress.current = 1;
  StartExercise(session);
  EXPECT_FALSE(Enabled(progression::kChooseCommand));
  service.ClearTranscript();
  ChooseExercise(session);
  ASSERT_EQ(service.Transcript().size(), 1u);
  EXPECT_EQ(service.Transcript()[0], (MessageRecord{op::kWarningBox, "There is only one exercise in this set."}));
}

TEST_F(Questions, ANominatedListOffersTheNextExerciseOnceOneIsDone) {
  session.progress.setMode = false;
  session.progress.exerciseCount = 3;
  Start(false, 2);  // A2: [17]
  EXPECT_EQ(service.ItemText(kWindow, 1504), "3");
  Choose(1);
  Click(PutOnWorkspace(ClassWith(1)));
  MarkMe(1);
  ASSERT_TRUE(session.progress.tryFinished);
  EXPECT_TRUE(service.ItemVisible(kWindow, progression::kNextButton));

  service.AnswerNextDialog([&](ScriptedDialog& d) {
    EXPECT_EQ(d.Number(), 420);
    EXPECT_EQ(service.ItemText(420, 50),
              "Exercise completed.  Click OK to go to next exercise (selected), or nominate a different exercise.");
    service.ItemSelect(420, 3);
    EXPECT_EQ(service.GetControlValue(), 1);
    EXPECT_FALSE(service.ItemVisible(420, 4)) << "only the list's three exercises";
    EXPECT_FALSE(service.ItemVisible(420, 31));
    d.Click(1000);
  });
  ChooseExercise(session);
  EXPECT_EQ(session.progress.current, 3);

  service.AnswerNextDialog([&](ScriptedDialog& d) {
    EXPECT_EQ(service.ItemText(420, 50),
              "You have not answered all questions for this exercise.  Sure you want to start a new one?");
    d.Click(990);
  });
  ChooseExercise(session);
  EXPECT_EQ(session.progress.current, 3);

  OnlyParentsOf(ClassWith(1));
  for (std::int32_t q = 1; q <= 2; ++q) {
    Choose(q);
    Click(kFirstParentObject);
    MarkMe(q);
  }
  ASSERT_TRUE(session.progress.tryFinished);
  EXPECT_FALSE(service.ItemVisible(kWindow, progression::kNextButton)) << "the last of the list";
  service.AnswerNextDialog([&](ScriptedDialog& d) {
    EXPECT_EQ(service.ItemText(420, 50), "That's the last exercise.  Want to do another exercise or quit?");
    EXPECT_TRUE(service.ItemVisible(420, 31));
    EXPECT_TRUE(service.ItemVisible(420, 32));
    d.SetChecked(1, true);
    d.Click(32);
  });
  ChooseExercise(session);
  EXPECT_EQ(session.progress.current, 1);
}

TEST_F(Questions, ClassOptionsTakeAwayMarksTimeAndRepeat) {
  for (const std::int32_t item : {71, 75, 76}) session.classOptions.SetItem(item, true);
  Start(false, 2);
  Choose(1);
  Click(PutOnWorkspace(ClassWith(1)));
  MarkMe(1);
  ASSERT_TRUE(session.progress.tryFinished);
  EXPECT_FALSE(service.ItemVisible(Window(1), kMarksText));
  EXPECT_FALSE(service.ItemVisible(kWindow, kMarksValue));
  EXPECT_FALSE(service.ItemVisible(kWindow, 1515)) << "no timing";
  EXPECT_FALSE(service.ItemVisible(kWindow, progression::kRepeatButton));
  EXPECT_TRUE(service.ItemVisible(kWindow, progression::kNextButton));
  EXPECT_EQ(session.progress.totalPossible, 0);
}

TEST_F(Questions, NoSelfTestExercisesLeavesTheMenuWithoutQuestions) {
  session.classOptions.SetItem(78, true);
  Start(false, 3);
  EXPECT_FALSE(service.MenuItems(kQuestionsMenu).front().visible);
  EXPECT_TRUE(service.MenuItems(kExercisesMenu).front().visible);
}

TEST_F(Questions, TheStudentMayChooseTheOrganismOfTheNextExercise) {
  Start(false, 2);
  session.progress.completed[2] = true;
  session.questionState.records[1].completed = true;  // nothing left to lose
  service.AnswerNextDialog([](ScriptedDialog& d) {
    d.SetChecked(4, true);
    d.Click(40);  // "Choose organism"
  });
  service.AnswerNextDialog([](ScriptedDialog& d) {
    EXPECT_EQ(d.Number(), 343);
    d.SetChecked(3, true);
    d.Click(1000);
  });
  service.AnswerNextDialog([&](ScriptedDialog& d) {
    EXPECT_EQ(d.Number(), 303);
    service.ItemSelect(303, 4);
    EXPECT_EQ(service.GetControlValue(), 1) << "the exercise chosen before stays chosen";
    d.Click(1000);
  });
  ChooseExercise(session);
  EXPECT_EQ(service.PendingResponders(), 0u);
  EXPECT_EQ(session.progress.current, 4);
  EXPECT_EQ(session.genetics.kind, kFly);
  const std::int32_t own = session.example.precomputedKinds[5];
  session.questionState.records[1].completed = true;
  service.AnswerNextDialog([](ScriptedDialog& d) {
    d.SetChecked(5, true);
    d.Click(1000);
  });
  ChooseExercise(session);
  EXPECT_EQ(session.genetics.kind, own) << "the choice was for one exercise only";
}

TEST_F(Questions, ChoosingAnotherExerciseAsksBeforeAbandoningQuestions) {
  Start(false, 3);
  auto chooseFive = [](ScriptedDialog& d) {
    EXPECT_EQ(d.Number(), 303);
    d.SetChecked(5, true);
    d.Click(1000);
  };
  service.AnswerNextDialog(chooseFive);
  AnswerDialog(422, 990);
  service.PostEvent(kQuestionsMenu, progression::kChooseCommand, 0);
  EXPECT_EQ(session.progress.current, 3);

  service.AnswerNextDialog(chooseFive);
  AnswerDialog(422, 1000);
  service.PostEvent(kQuestionsMenu, progression::kChooseCommand, 0);
  EXPECT_EQ(session.progress.current, 5);
  EXPECT_EQ(session.progress.tryCount[3], 1) << "leaving counts as a try, for a new example next time";
  EXPECT_EQ(service.ItemText(kWindow, 1502), "5");
}

TEST_F(Questions, ATrialAddsNoMarksAndEndsOnTheSameExample) {
  Start(false, 6);  // A6: [3, 13, 17], trials allowed
  const auto parents = std::array{session.genetics.objectClass[kFirstParentObject],
                                  session.genetics.objectClass[kSecondParentObject]};
  const std::int32_t character = session.genetics.loci[1].character;
  service.PostEvent(kTrialMenu, progression::kTrialCommand, 0);
  EXPECT_TRUE(session.progress.trialRunning);
  EXPECT_TRUE(service.ItemVisible(kWindow, 2010));
  EXPECT_EQ(service.MenuItems(progression::kTrialCommand).front().caption, "New trial");
  EXPECT_TRUE(service.MenuItems(progression::kEndTrialCommand).front().visible);
  EXPECT_FALSE(Enabled(progression::kChooseCommand));

  Choose(1);
  Click(kFirstParentObject);
  MarkMe(1);
  Choose(2);
  Click(kFirstParentObject);
  MarkMe(2);
  Choose(3);
  Click(kFirstParentObject);
  MarkMe(3);
  EXPECT_TRUE(session.progress.tryFinished);
  EXPECT_EQ(session.progress.totalPossible, 0);
  EXPECT_FALSE(service.ItemVisible(Window(3), kMarksText));
  EXPECT_FALSE(service.ItemVisible(kWindow, progression::kNextButton));

  service.PostEvent(kTrialMenu, progression::kEndTrialCommand, 0);
  EXPECT_FALSE(session.progress.trialRunning);
  EXPECT_FALSE(service.ItemVisible(kWindow, 2010));
  EXPECT_EQ(session.progress.tryCount[6], 0);
  EXPECT_EQ(session.genetics.loci[1].character, character);
  EXPECT_EQ(session.genetics.objectClass[kFirstParentObject], parents[0]);
  EXPECT_EQ(session.genetics.objectClass[kSecondParentObject], parents[1]);
  EXPECT_FALSE(Record(1).completed) << "the questions start afresh";
}

// A trial of a three-locus exercise lays the loci out as chosen, keeping the
// organism and its characters; cancelling the choice starts no trial.
TEST_F(Questions, AThreeLocusTrialTakesTheArrangementChosen) {
  Start(true, 18);
  ASSERT_EQ(session.genetics.lociCount, 3);
  const std::int32_t kind = session.genetics.kind;
  const std::array characters{session.genetics.loci[1].character, session.genetics.loci[2].character,
                              session.genetics.loci[3].character};
  service.AnswerNextDialog([](ScriptedDialog& d) {
    EXPECT_EQ(d.Number(), 546);
    d.Click(990);
  });
  service.PostEvent(kTrialMenu, progression::kTrialCommand, 0);
  EXPECT_FALSE(session.progress.trialRunning);

  const std::int32_t other = session.example.chooseType == 4 ? 3 : 4;
  service.AnswerNextDialog([other](ScriptedDialog& d) {
    d.Click(other);
    d.Click(1000);
  });
  service.PostEvent(kTrialMenu, progression::kTrialCommand, 0);
  ASSERT_TRUE(session.progress.trialRunning);
  EXPECT_EQ(session.example.chooseType, other);
  EXPECT_EQ(session.genetics.kind, kind);
  for (std::int32_t k = 1; k <= 3; ++k) {
    EXPECT_EQ(session.genetics.loci[k].character, characters[static_cast<std::size_t>(k - 1)]) << k;
  }
  service.PostEvent(kTrialMenu, progression::kEndTrialCommand, 0);
  EXPECT_EQ(session.progress.trialArrangement, 0);
}

TEST_F(Questions, TheListOfExercisesShowsMarks) {
  Start(false, 3);
  NoteAttempt(session.progress, 3);
  session.progress.marksThisTry[3] = 1;
  FinishTry(session);
  std::vector<std::string> row;
  service.AnswerNextDialog([&](ScriptedDialog& d) {
    EXPECT_EQ(d.Number(), 419);
    for (std::int32_t column = 1; column <= 8; ++column) row.push_back(service.ItemText(419, 100 * column + 2));
    EXPECT_FALSE(service.ItemVisible(419, 103)) << "only exercises attempted";
    d.Click(1000);
  });
  service.PostEvent(kQuestionsMenu, progression::kListCommand, 0);
  EXPECT_EQ(row, (std::vector<std::string>{"3", "Make homozygotes", "G", "", "M", "2", "1", "2"}));
  EXPECT_EQ(service.MenuItems(progression::kListCommand).front().caption, "Exercises attempted");
}

TEST_F(Questions, GettingStartedEndsWithQuitInstructions) {
  EXPECT_TRUE(service.ItemVisible(kWindow, progression::kQuitInstructionsButton));
  service.PostEvent(kWindow, progression::kQuitInstructionsButton, 0);
  EXPECT_EQ(session.progress.current, 2);
  EXPECT_TRUE(session.progress.completed[1]);
  EXPECT_FALSE(service.ItemVisible(kWindow, progression::kQuitInstructionsButton));
  EXPECT_EQ(session.progress.exerciseCount, 2);
}

}  // namespace
}  // namespace crossmere
