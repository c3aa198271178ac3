#include "exercises/tutorial_check.h"

#include <gtest/gtest.h>

namespace crossmere {
namespace {

using Problem = TutorialProblem;

std::vector<std::int32_t> Many(std::int32_t count, std::int32_t sum) { return std::vector<std::int32_t>(static_cast<std::size_t>(count), sum); }

// The first cross done well: a testcross of Cc by cc (allele 1 recessive
// here, so cc has sum 2 and CC sum 0), sorted into two named cages of 99,
// the old cc parent in Storage, Cc x Cc standing and a "CC" cage.
TutorialWorkspace Done() {
  TutorialWorkspace w;
  w.containers = {{"Homozygous", Many(99, 2)}, {" heterozygous ", Many(99, 1)}, {"CC", Many(2, 0)}};
  w.storage = {2};
  w.parents = {1, 1};
  w.laterCross = true;
  w.startingParents = {1, 2};
  w.locusSymbol = "C";
  w.dominantSum = 0;
  return w;
}

TEST(TutorialCheck, EachCheckedScreenFindsItsFault) {
  struct Case {
    const char* what;
    std::int32_t screen;
    void (*spoil)(TutorialWorkspace&);
    Problem problem;
  };
  const Case cases[] = {
      {"all done", 37, [](TutorialWorkspace&) {}, Problem::None},
      {"a MIXED cage", 21, [](TutorialWorkspace& w) { w.containers.push_back({"MIXED", {1, 2}}); }, Problem::Mixed},
      {"names missing", 25, [](TutorialWorkspace& w) { w.containers[1].name = "Hets"; }, Problem::NamesNotFound},
      {"names the wrong way round", 25, [](TutorialWorkspace& w) { std::swap(w.containers[0].name, w.containers[1].name); },
       Problem::WrongInHomozygous},
      {"no cage of 100", 31, [](TutorialWorkspace&) {}, Problem::NoFullCage},
      {"one full cage, the other far from it", 31,
       [](TutorialWorkspace& w) {
         w.containers[0].sums = Many(100, 2);
         w.containers[1].sums = Many(60, 1);
       },
       Problem::NotTwoFull},
      {"one full cage and one nearly", 31,
       [](TutorialWorkspace& w) {
         w.containers[0].sums = Many(100, 2);
         w.containers[1].sums = Many(70, 1);
       },
       Problem::None},
      {"Homozygous holds 100", 37, [](TutorialWorkspace& w) { w.containers[0].sums.push_back(2); }, Problem::HomozygousNot99},
      {"Heterozygous holds 98", 37, [](TutorialWorkspace& w) { w.containers[1].sums.pop_back(); }, Problem::HeterozygousNot99},
      {"an empty parent place", 41, [](TutorialWorkspace& w) { w.parents[1].reset(); }, Problem::NoCross},
      {"the first cross still standing", 41, [](TutorialWorkspace& w) { w.laterCross = false; }, Problem::NoSecondCross},
      {"parents of two genotypes", 41, [](TutorialWorkspace& w) { w.parents[1] = 2; }, Problem::ParentsDiffer},
      {"the old parent thrown away", 41, [](TutorialWorkspace& w) { w.storage.clear(); }, Problem::OldParentNotStored},
      {"all done, second cross", 41, [](TutorialWorkspace&) {}, Problem::None},
      {"no two-letter cage", 44, [](TutorialWorkspace& w) { w.containers[2].name = "Dominant"; }, Problem::NamesNotFound},
      {"the recessive symbol", 44, [](TutorialWorkspace& w) { w.containers[2].name = "cc"; }, Problem::WrongLocusSymbol},
      {"a heterozygote among them", 44, [](TutorialWorkspace& w) { w.containers[2].sums.push_back(1); },
       Problem::WrongInHomozygous},
      {"all done, symbol", 44, [](TutorialWorkspace&) {}, Problem::None},
  };
  for (const Case& c : cases) {
    TutorialWorkspace w = Done();
    c.spoil(w);
    EXPECT_EQ(CheckTutorialScreen(c.screen, w), c.problem) << c.what;
  }
  EXPECT_TRUE(TutorialScreenChecks(44));
  EXPECT_FALSE(TutorialScreenChecks(45));
}

}  // namespace
}  // namespace crossmere
