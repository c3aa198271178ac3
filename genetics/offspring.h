#pragma once

#include <array>
#include <cstdint>

#include "genetics/genetics_state.h"
#include "layer/random_generator.h"

namespace crossmere {

// The chance of a crossover in each interval 1..9 as a whole number: a draw
// R (0..32767) crosses over when R < threshold, which is exactly the test
// R / 32768 < chance. Intervals 3 and 6 depend on whether the interval
// before them crossed over. A fresh set stands for all distances 0.
struct CrossoverThresholds {
  std::array<std::int32_t, kPositions> distances{};  // the distances they were worked out from
  std::array<std::int32_t, kPositions> afterNone{};
  std::array<std::int32_t, kPositions> afterCrossover{};
};

// Everything about making offspring that lasts between two of them.
struct OffspringState {
  // Drawn once per run: which homolog at position 5 the first four offspring
  // of the getting-started exercise take (two of each).
  std::array<std::int32_t, 4> forcedHomologs{0, 1, 0, 1};
  std::int32_t forcedCounter = 0;
  bool gettingStarted = false;  // the exercise's first question is "Getting started"

  std::array<std::uint8_t, 201> trueBreedingCross{};  // offspring objects 129..200
  std::int32_t pending = 0;        // object waiting in the offspring box, 0 = none
  std::int32_t highestObject = 0;
  std::int32_t delay = 60;         // ticks before a new offspring shows
  std::int64_t lastOffspringTime = 0;
  std::array<std::int32_t, 3> counters{};  // offspring made: this exercise, this box, this cross
  std::int32_t generatedClass = 0;
  std::array<std::int32_t, kClassCount + 1> crossClassCount{};  // this cross
  // The cross in the box is the exercise's starting parents; their offspring
  // are the F1 that questions ask about.
  bool startingCross = true;
  std::array<std::uint8_t, kLastOffspringObject + 1> f1{};  // per offspring object
  // The example's crossover chances, worked out again when its distances change.
  CrossoverThresholds thresholds;
};

// The interference rule: the chance of a crossover in an interval of `a`
// (a fraction) next to an interval of `b`, after a crossover there or not.
double InterferedCrossoverChance(double a, double b, bool crossoverBefore);
// Coincidence of crossovers in adjacent intervals a and b.
double Coincidence(double a, double b);
// The thresholds of an example's distances (percent, intervals 1..9).
CrossoverThresholds ThresholdsOf(const std::array<std::int32_t, kPositions>& distances);

// The zygote of the two parents in the crossing box (objects 129 and 130):
// one gamete from each, recombined, with lethal zygotes drawn again. Counts
// the class for this exercise and this cross and returns its number.
std::int32_t Mendel(GeneticsState& genetics, OffspringState& offspring, RandomGenerator& random);

// Both parents homozygous at every locus of the example.
bool TrueBreeding(const GeneticsState& genetics, std::int32_t firstClass, std::int32_t secondClass);

enum class OffspringOutcome { Made, NoParents, Pending, Infertile, NoRoom };

struct NewOffspringResult {
  OffspringOutcome outcome = OffspringOutcome::NoParents;
  std::int32_t object = 0;
  bool pictureNeeded = false;  // the class has no picture yet
  std::int32_t waitTicks = 0;  // pause before showing it
};

// Makes the next offspring object for the crossing box, or says why not.
// With useGenerated the class already made by Mendel is used. The caller
// shows the object after waiting, then calls OffspringShown.
NewOffspringResult NewOffspring(GeneticsState& genetics, OffspringState& offspring,
                                RandomGenerator& random, bool useGenerated, std::int64_t now);
void OffspringShown(OffspringState& offspring, std::int32_t object, std::int64_t now);

// The four forced homologs: bits drawn until exactly two are 1.
std::array<std::int32_t, 4> DrawForcedHomologs(RandomGenerator& random);

}  // namespace crossmere
