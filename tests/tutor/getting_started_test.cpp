#include <gtest/gtest.h>

#include "genetics/genotype_classes.h"
#include "tests/tutor/questions_fixture.h"
#include "tutor/getting_started.h"
#include "workspace/instructions.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace crossmere::testing;
namespace tutorial = getting_started;

// A newcomer following the getting-started tutorial of B1.
class GettingStarted : public Questions {
 protected:
  void SetUp() override {
    Questions::SetUp();
    Begin();
  }

  // B1 started: the instructions wait until its description is put away.
  void Begin() {
    Start(true, 1);
    ASSERT_EQ(session.questions.list.types[1], 23);
    ASSERT_TRUE(service.WindowVisible(instructions::kDescriptionWindow));
    EXPECT_FALSE(service.WindowExists(tutorial::kWindow));
    service.PostEvent(instructions::kDescriptionWindow, instructions::kClose, 0);
    ASSERT_TRUE(service.WindowExists(tutorial::kWindow));
  }

  std::string Step() { return service.ItemText(tutorial::kWindow, tutorial::kStep); }
  std::string Problem() {
    return service.ItemVisible(tutorial::kWindow, tutorial::kProblem) ? service.ItemText(tutorial::kWindow, tutorial::kProblem)
                                                                       : "";
  }
  void Next() { service.PostEvent(tutorial::kWindow, tutorial::kNext, 0); }

  // Puts individuals of a class into a container, which gets the name.
  void Fill(std::int32_t container, const std::string& name, std::int32_t count, std::int32_t classNumber) {
    ContainerRecord& record = session.containers.Record(container);
    record.name = name;
    record.count = count;
    record.spots.fill(0);
    for (std::int32_t spot = 1; spot <= count; ++spot) record.spots[static_cast<std::size_t>(spot)] = classNumber;
  }

  // Goes on to the screen, doing what each checked step asks on the way.
  void GoTo(std::int32_t screen) {
    const std::int32_t recessive = Homozygote(session.genetics.loci[1].recessiveAllele);
    const std::int32_t dominant = Homozygote(session.genetics.loci[1].dominantAllele);
    const std::int32_t heterozygote = ClassWith(1);
    const LocusRule& locus = session.genetics.loci[1];
    const std::string symbol = locus.symbol[static_cast<std::size_t>(locus.dominantAllele)];
    for (std::int32_t at = 1; at < screen; ++at) {
      if (at == 25) {
        Fill(1302, "Homozygous", 5, recessive);
        Fill(1303, "Heterozygous", 5, heterozygote);
      }
      if (at == 31) {
        Fill(1302, "Homozygous", 100, recessive);
        Fill(1303, "Heterozygous", 90, heterozygote);
      }
      if (at == 37) {
        Fill(1302, "Homozygous", 99, recessive);
        Fill(1303, "Heterozygous", 99, heterozygote);
      }
      if (at == 41) {
        Fill(containers::kFirst, "Storage", 1, recessive);
        session.containers.storageSpots = 1;
        session.genetics.objectClass[kFirstParentObject] = heterozygote;
        session.genetics.objectClass[kSecondParentObject] = heterozygote;
        session.offspring.startingCross = false;
      }
      if (at == 44) Fill(1304, symbol + symbol, 1, dominant);
      Next();
      ASSERT_EQ(Problem(), "") << "screen " << at;
    }
  }
};

TEST_F(GettingStarted, NextAndBackStepThroughTheScreens) {
  EXPECT_EQ(Step(), "Step 1 of 47");
  Next();
  EXPECT_EQ(Step(), "Step 2 of 47");
  service.PostEvent(tutorial::kWindow, tutorial::kBack, 0);
  EXPECT_EQ(Step(), "Step 1 of 47");
  EXPECT_FALSE(service.ItemText(tutorial::kWindow, tutorial::kScreen).empty());
}

TEST_F(GettingStarted, AFailedCheckKeepsTheStudentOnItsScreen) {
  GoTo(25);
  Fill(1302, "Homozygous", 3, ClassWith(1));  // heterozygotes, and no "Heterozygous" cage
  Next();
  EXPECT_EQ(Step(), "Step 25 of 47");
  EXPECT_EQ(Problem(), "Can't find cages with correct names");
  Fill(1303, "Heterozygous", 3, ClassWith(1));
  Next();
  EXPECT_EQ(Problem(), "One or more incorrect genotypes in the homozygous cage");
  Fill(1302, "Homozygous", 3, Homozygote(session.genetics.loci[1].recessiveAllele));
  Next();
  EXPECT_EQ(Step(), "Step 26 of 47");
}

TEST_F(GettingStarted, TheClosingMessageTellsWhetherTheTutorialWasFinished) {
  struct Case {
    std::int32_t reached;
    const char* message;
  };
  for (const Case& c : {Case{44, "Go to 'Choose Exercise' or click 'Next exercise' to start the exercises."},
                        Case{45, "Go to 'Choose Exercise' or click 'Next exercise' to start.  Good luck!"}}) {
    Begin();
    GoTo(c.reached);
    ASSERT_EQ(Step(), "Step " + std::to_string(c.reached) + " of 47");
    Choose(1);
    MarkMe(1);
    EXPECT_TRUE(Record(1).completed);
    EXPECT_EQ(Record(1).mark, 0);
    EXPECT_EQ(Good(1), c.message);
    EXPECT_FALSE(service.WindowExists(tutorial::kWindow)) << "the instructions close";
  }
}

// Where the layout has room (a tall screen), the question keeps clear of them.
TEST_F(GettingStarted, TheQuestionWindowLeavesTheInstructionsInSight) {
  service.WindowRelease(tutorial::kWindow);
  session.startup.layout = LayoutForScreen(1280, 1024);
  Begin();
  Choose(1);
  const ServiceRect question = service.WindowRectIn(Window(1), kWindow);
  const ServiceRect instructions = service.WindowRectIn(tutorial::kWindow, kWindow);
  const bool apart = question.right <= instructions.left || instructions.right <= question.left ||
                     question.bottom <= instructions.top || instructions.bottom <= question.top;
  EXPECT_TRUE(apart) << "question " << question.left << "," << question.top << " instructions " << instructions.left
                     << "," << instructions.top;
}

TEST_F(GettingStarted, QuitInstructionsMovesOn) {
  service.PostEvent(tutorial::kWindow, tutorial::kQuit, 0);
  EXPECT_EQ(session.progress.current, 2);
  EXPECT_FALSE(service.WindowExists(tutorial::kWindow)) << "the next exercise has no instructions";
}

}  // namespace
}  // namespace crossmere
