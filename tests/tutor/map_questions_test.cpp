#include <gtest/gtest.h>

#include "exercises/map_check.h"
#include "tests/tutor/questions_fixture.h"
#include "tutor/progression.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace crossmere::testing;

constexpr std::int32_t kFirstOption = 41;
constexpr std::int32_t kMarker = 48;
constexpr std::int32_t kFirstEntry = 21;
constexpr std::int32_t kFirstAnswer = 31;

TEST_F(Questions, TheOrderOfThreeLoci) {
  for (const bool right : {true, false}) {
    Start(true, 18);
    ASSERT_EQ(session.questions.list.types[1], 35);
    const auto option = static_cast<std::int32_t>(LinkageOf(session.genetics));
    Choose(1);
    EXPECT_FALSE(service.ItemVisible(Window(1), kMark)) << "nothing chosen yet";
    Answer(1, kFirstOption + (right ? option - 1 : option % 7));
    MarkMe(1);
    EXPECT_TRUE(Record(1).completed);
    EXPECT_EQ(Record(1).mark, right ? 1 : 0);
    EXPECT_EQ(service.ItemVisible(Window(1), kMarker), !right);
    if (!right) {
      EXPECT_EQ(service.ItemRect(Window(1), kMarker).top, service.ItemRect(Window(1), kFirstOption + option - 1).top)
          << "the marker beside the right option";
    }
  }
}

TEST_F(Questions, TheNumberOfGenotypes) {
  Start(true, 19);
  ASSERT_EQ(session.questions.list.types[1], 36);
  Choose(1);
  const std::array<const char*, 7> counts{"72", "60", "54", "44", "42", "50", "46"};
  for (std::int32_t k = 0; k < 7; ++k) service.PressKey(Window(1), kFirstEntry + k, counts[static_cast<std::size_t>(k)]);
  MarkMe(1);
  EXPECT_TRUE(Record(1).completed);
  EXPECT_EQ(Record(1).mark, 6);
  EXPECT_EQ(service.ItemText(Window(1), kFirstAnswer + 6), "45") << "the program's count beside the wrong one";
  EXPECT_EQ(service.ItemText(Window(1), kFirstAnswer), "\u2713");
  EXPECT_EQ(Bad(1), "Computer's answers are shown alongside yours.  To check on any, click the 'Look at genotypes' button.");
}

// "Look at genotypes" lays the loci out as the configuration chosen, in a
// trial, with one individual of every genotype in Storage: as many as the
// configuration's count.
TEST_F(Questions, LookingAtTheGenotypesOfAConfiguration) {
  constexpr std::int32_t kLook = 40;
  for (const std::int32_t configuration : {1, 4, 7}) {
    Start(true, 19);
    Choose(1);
    EXPECT_FALSE(service.ItemVisible(Window(1), kLook));
    MarkMe(1);
    ASSERT_TRUE(service.ItemVisible(Window(1), kLook));
    service.AnswerNextDialog([configuration](ScriptedDialog& d) {
      EXPECT_EQ(d.Number(), 547);
      d.Click(configuration);
      d.Click(1000);
    });
    service.PostEvent(Window(1), kLook, 0);
    ASSERT_TRUE(session.progress.trialRunning);
    EXPECT_EQ(session.example.chooseType, configuration);
    EXPECT_EQ(session.containers.Record(containers::kFirst).count,
              GenotypeCount(GenotypeConfigurations()[static_cast<std::size_t>(configuration - 1)]));
    service.PostEvent(kTrialMenu, progression::kEndTrialCommand, 0);
  }
}

}  // namespace
}  // namespace crossmere
