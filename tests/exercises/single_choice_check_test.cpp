#include "exercises/single_choice_check.h"

#include <gtest/gtest.h>

#include "tests/genetics/genetics_fixture.h"

namespace crossmere {
namespace {

using namespace choice_text;
using testing::ClassOfAlleles;
using testing::MakeGenetics;

TEST(LocusQuestion, SexLinkedExactlyAtTheXPositions) {
  for (std::int32_t position = 2; position <= 10; ++position) {
    const GeneticsState g = MakeGenetics(kFly, {{position, 3, false}});
    const bool xLinked = position <= 4;
    EXPECT_EQ(LocusAnswerRight(g, true), xLinked) << position;
    EXPECT_EQ(LocusAnswerRight(g, false), !xLinked) << position;
  }
}

// A class (sex 0) with `sum1` and `sum2` copies of the dominant allele 1 at loci 1 and 2.
std::int32_t Parent(const GeneticsState& g, std::int32_t sum1, std::int32_t sum2) {
  return ClassOfAlleles(g, 0, {0, sum1 >= 1 ? 1 : 0, sum2 >= 1 ? 1 : 0, 0}, {0, sum1 >= 2 ? 1 : 0, sum2 >= 2 ? 1 : 0, 0});
}

TEST(LinkageQuestion, OnlyADoubleHeterozygoteByADoubleRecessiveIsInformative) {
  const GeneticsState g = MakeGenetics(kFly, {{5, 3, false}, {6, 3, false}}, false);
  struct Case {
    const char* what;
    std::int32_t a1, a2, b1, b2;
    bool informative;
  };
  const Case cases[] = {
      {"AaBb x aabb", 1, 1, 0, 0, true},
      {"aabb x AaBb", 0, 0, 1, 1, true},
      {"AABB x AaBb", 2, 2, 1, 1, false},
      {"AAbb x aabb", 2, 0, 0, 0, false},
      {"AaBb x AaBb", 1, 1, 1, 1, false},
      {"Aabb x aaBb", 1, 0, 0, 1, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InformativeForLinkage(g, Parent(g, c.a1, c.a2), Parent(g, c.b1, c.b2)), c.informative) << c.what;
  }
}

TEST(LinkageQuestion, JudgesTheChoiceOnceThereAreEnoughOffspring) {
  const GeneticsState linked = MakeGenetics(kFly, {{5, 3, false}, {6, 3, false}}, false);
  const GeneticsState unlinked = MakeGenetics(kFly, {{5, 3, false}, {8, 3, false}}, false);
  struct Case {
    const char* what;
    const GeneticsState* g;
    bool informative;
    std::int32_t offspring;
    LinkageChoice choice;
    bool refuse, good;
    std::int32_t message;
  };
  const Case cases[] = {
      {"uninformative: can't tell", &linked, false, 0, LinkageChoice::CantTell, false, true, kLinkageGood},
      {"uninformative: linked", &linked, false, 500, LinkageChoice::Linked, false, false, kUninformative},
      {"99 offspring", &linked, true, 99, LinkageChoice::Linked, true, false, kAtLeast},
      {"99 offspring, can't tell", &linked, true, 99, LinkageChoice::CantTell, true, false, kMoreOffspring},
      {"100 offspring, linked", &linked, true, 100, LinkageChoice::Linked, false, true, kLinkageGood},
      {"linked loci called unlinked", &linked, true, 100, LinkageChoice::Unlinked, false, false, kTheyAreLinked},
      {"linked loci, can't tell", &linked, true, 100, LinkageChoice::CantTell, false, false, kTheyAreLinked},
      {"unlinked loci, unlinked", &unlinked, true, 150, LinkageChoice::Unlinked, false, true, kLinkageGood},
      {"unlinked loci called linked", &unlinked, true, 150, LinkageChoice::Linked, false, false, kTheyAreUnlinked},
  };
  for (const Case& c : cases) {
    const GeneticsState& g = *c.g;
    const std::int32_t first = Parent(g, 1, 1);
    const std::int32_t second = c.informative ? Parent(g, 0, 0) : Parent(g, 1, 1);
    const LinkageVerdict verdict = JudgeLinkage(g, first, second, c.offspring, 100, c.choice);
    EXPECT_EQ(verdict.refuse, c.refuse) << c.what;
    EXPECT_EQ(verdict.good, c.good) << c.what;
    EXPECT_EQ(verdict.message, c.message) << c.what;
  }
}

}  // namespace
}  // namespace crossmere
