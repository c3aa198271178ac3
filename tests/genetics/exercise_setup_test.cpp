#include "genetics/exercise_setup.h"

#include <gtest/gtest.h>

#include <set>

#include "exercises/catalogue.h"
#include "genetics/genotype_classes.h"

namespace crossmere {
namespace {

// Everything a student sees of an example, folded into one number.
std::uint64_t ExampleHash(const GeneticsState& g, const ExampleState& e) {
  std::uint64_t h = 1469598103934665603ull;
  auto mix = [&h](std::int64_t v) {
    h ^= static_cast<std::uint64_t>(v);
    h *= 1099511628211ull;
  };
  mix(g.kind);
  mix(g.lociCount);
  for (std::int32_t k = 0; k <= 3; ++k) {
    mix(g.locusPosition[k]);
    mix(g.loci[k].character);
    for (const auto p : g.loci[k].phenotype) mix(p);
    mix(g.loci[k].dominantAllele);
    mix(g.loci[k].lethal);
  }
  for (const auto d : g.intervalDistance) mix(d);
  for (std::int32_t object = 129; object <= 200; ++object) mix(g.objectClass[object]);
  for (const auto object : e.storage) mix(object);
  for (const auto slot : e.lociOrder) mix(slot);
  for (const auto& row : e.thirtyChoices) {
    for (const auto choice : row) mix(choice);
  }
  for (const auto& colour : e.palette) {
    mix(colour.red);
    mix(colour.green);
    mix(colour.blue);
  }
  return h;
}

class ExampleSetUp : public ::testing::Test {
 protected:
  ExampleSetUp() {
    for (const std::int32_t offset : {kAdvancedSet, kElementarySet}) {
      sets.push_back(LoadExerciseSet(strings, offset, nullptr));
    }
  }

  // Sets up exercise `ex` of set 0 (advanced) or 1 (elementary) for a student.
  std::uint64_t SetUp(std::int32_t set, std::int32_t ex, std::int32_t student, std::int32_t tryCount = 0,
                      bool fromStudent = true) {
    const ExerciseSet& exercises = sets[set];
    genetics = GeneticsState();
    offspring = OffspringState();
    example = ExampleState();
    PrecomputeKinds(example, random, student, exercises.options, settings);
    ExampleRequest request;
    request.exercise = ex;
    request.tryCount = tryCount;
    request.options = &exercises.options[ex];
    const QuestionList& questions = exercises.questions[ex];
    request.questionTypes.assign(questions.types.begin() + 1, questions.types.begin() + 1 + questions.count);
    request.seedFromStudent = fromStudent;
    request.studentSeed = student;
    SetUpExample(genetics, example, offspring, random, request, settings, strings, [this] { return ++clock; },
                 &alerts);
    return ExampleHash(genetics, example);
  }

  StringLists strings;
  std::vector<ExerciseSet> sets;
  ExampleSettings settings;
  GeneticsState genetics;
  ExampleState example;
  OffspringState offspring;
  RandomGenerator random;
  std::int64_t clock = 5000;
  std::vector<std::string> alerts;
};

TEST_F(ExampleSetUp, SameStudentSameExample) {
  for (std::int32_t set = 0; set <= 1; ++set) {
    for (std::int32_t ex = 1; ex <= 20; ++ex) {
      const auto first = SetUp(set, ex, 4711);
      EXPECT_EQ(SetUp(set, ex, 4711), first) << "set " << set << " exercise " << ex;
      EXPECT_NE(SetUp(set, ex, 4712), first) << "another student, set " << set << " exercise " << ex;
    }
  }
  EXPECT_TRUE(alerts.empty());
}

// Pinned: a change here changes what students see; only change it on purpose.
TEST_F(ExampleSetUp, ExamplesArePinned) {
  struct Pin {
    std::int32_t set, ex, student;
    std::uint64_t hash;
  };
  for (const Pin& pin : {Pin{0, 2, 1152, 2741328697420328783ull}, Pin{0, 15, 1234, 1359345476856032752ull},
                         Pin{0, 20, 9999, 10365505656979034640ull},
                         Pin{1, 6, 1152, 14101035614128370390ull},
                         Pin{1, 14, 5000, 2968890992668699549ull}}) {
    EXPECT_EQ(SetUp(pin.set, pin.ex, pin.student), pin.hash)
        << "set " << pin.set << " exercise " << pin.ex << " student " << pin.student;
  }
}

TEST_F(ExampleSetUp, NewTryNewExampleButSingleRepeats) {
  const auto first = SetUp(0, 11, 2000, 0);
  EXPECT_NE(SetUp(0, 11, 2000, 1), first);
  // A "Single" exercise ignores the try count.
  sets[0].options[11].Set(92);
  const auto single = SetUp(0, 11, 2000, 0);
  EXPECT_EQ(SetUp(0, 11, 2000, 3), single);
}

TEST_F(ExampleSetUp, StudentsWithoutFixedExamplesGetNewOnes) {
  const auto first = SetUp(0, 5, 3000, 0, false);
  EXPECT_NE(SetUp(0, 5, 3000, 0, false), first);
}

TEST_F(ExampleSetUp, StartingParentsAndFirstOffspring) {
  SetUp(0, 2, 1152);  // B2: pure-breeding parents, one locus
  const std::int32_t mother = genetics.objectClass[kFirstParentObject];
  const std::int32_t father = genetics.objectClass[kSecondParentObject];
  ASSERT_NE(mother, 0);
  ASSERT_NE(father, 0);
  EXPECT_GT(mother, kStockMark) << "program-supplied stock carries the mark";
  EXPECT_EQ(genetics.objectClass[131], mother);
  EXPECT_EQ(genetics.objectClass[132], father);
  const Genotype& m = genetics.classes[mother];
  const Genotype& f = genetics.classes[father];
  const std::int32_t position = genetics.locusPosition[1];
  EXPECT_EQ(m.hap1[position], m.hap2[position]);
  EXPECT_EQ(f.hap1[position], f.hap2[position]);
  EXPECT_NE(m.hap1[position], f.hap1[position]) << "pure-breeding for different alleles";
  EXPECT_EQ(offspring.pending, 133) << "the exercise opens with one offspring waiting";
  const char* storage = genetics.kind == kFly     ? "Storage bottle"
                        : genetics.kind == kPlant ? "Storage tray"
                                                  : "Storage cage";
  EXPECT_EQ(example.storageName, storage);
}

TEST_F(ExampleSetUp, SingleLocusStock) {
  SetUp(0, 16, 1234);  // B16: two loci, single-locus stocks in the Storage container
  EXPECT_EQ(genetics.objectClass[kFirstParentObject], 0);
  ASSERT_EQ(example.storage.size(), 6u) << "wild type and two mutant stocks, a female and a male each";
  for (std::size_t i = 0; i < example.storage.size(); ++i) {
    const Genotype& stock = genetics.classes[genetics.objectClass[example.storage[i]]];
    EXPECT_EQ(stock.Sex(), static_cast<std::int32_t>(i % 2));
    for (std::int32_t k = 1; k <= 2; ++k) {
      const std::int32_t position = genetics.locusPosition[k];
      EXPECT_EQ(stock.hap1[position], stock.hap2[position]) << "stocks breed true";
    }
  }
  EXPECT_EQ(offspring.counters[0], 6);
}

TEST_F(ExampleSetUp, AllGenotypesStock) {
  SetUp(0, 19, 1234);  // B19: every genotype of three loci
  std::set<std::int32_t> genotypes;
  for (const std::int32_t object : example.storage) {
    const std::int32_t c = genetics.objectClass[object];
    EXPECT_FALSE(IsLethalClass(genetics, c));
    EXPECT_TRUE(genotypes.insert(genetics.genotypeEquivalence[c]).second) << "each genotype once";
  }
  EXPECT_GT(genotypes.size(), 10u);
}

TEST_F(ExampleSetUp, MixtureOfSexLinkageDecidesLinkageWithTheSameBit) {
  ExerciseOptions options;
  for (const std::int32_t item : {53, 56, 60, 64, 69, 72, 78, 85, 88, 96}) options.Set(item);
  std::set<std::pair<std::int32_t, std::int32_t>> seen;
  for (std::int32_t seed = 0; seed < 40; ++seed) {
    random.RandomSeed(seed);
    ExampleRequest request;
    request.options = &options;
    ChooseSet(genetics, example, random, request, settings);
    seen.insert({genetics.locusPosition[1], genetics.locusPosition[2]});
    const auto& d = genetics.intervalDistance;
    EXPECT_GT(std::abs(d[2] - d[3]), 6);
    EXPECT_GT(std::abs(d[5] - d[6]), 6);
    for (const std::int32_t i : {2, 3, 5, 6}) {
      EXPECT_GE(d[i], 10);
      EXPECT_LE(d[i], 35);
    }
  }
  EXPECT_EQ(seen, (std::set<std::pair<std::int32_t, std::int32_t>>{{5, 6}, {2, 5}}));
}

TEST_F(ExampleSetUp, WithoutSexesEveryoneIsSexZero) {
  SetUp(1, 17, 1152);  // A17: no separate sexes
  ASSERT_TRUE(genetics.hermaphrodite);
  for (std::int32_t object = 129; object <= kLastObject; ++object) {
    if (genetics.objectClass[object] != 0) {
      EXPECT_EQ(genetics.classes[genetics.objectClass[object]].Sex(), 0);
    }
  }
}

TEST(KindRule, FollowsTheOptions) {
  RandomGenerator random;
  ExampleSettings settings;
  ExerciseOptions any;
  any.Set(96);
  ExerciseOptions hidden = any;
  hidden.Set(94);
  ExerciseOptions plant;
  plant.Set(100);
  ExerciseOptions sexes = any;
  sexes.Set(56);
  std::set<std::int32_t> withSexes;
  for (std::int32_t seed = 0; seed < 100; ++seed) {
    random.RandomSeed(seed);
    EXPECT_EQ(KindRule(random, hidden, settings), kMonkbear);
    EXPECT_EQ(KindRule(random, plant, settings), kPlant);
    withSexes.insert(KindRule(random, sexes, settings));
  }
  EXPECT_EQ(withSexes, (std::set<std::int32_t>{kDinosaurDog, kFly}));
  settings.unavailable = {false, true, true, true, true};  // nothing left: availability is ignored
  random.RandomSeed(1);
  const std::int32_t kind = KindRule(random, any, settings);
  EXPECT_GE(kind, 1);
  EXPECT_LE(kind, 4);
  settings.unavailable = {false, true, false, false, false};
  settings.censorMaleDogs = false;
  for (std::int32_t seed = 0; seed < 50; ++seed) {
    random.RandomSeed(seed);
    EXPECT_EQ(KindRule(random, sexes, settings), kFly) << "dogs unavailable";
  }
}

}  // namespace
}  // namespace crossmere
