#include "exercises/observed_expected_check.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

#include "statistics/chi_square.h"

namespace crossmere {
namespace {

// Every ratio given and in proportion to the parts, by a factor above 0.
bool InProportion(const std::vector<Entry>& ratios, const std::vector<std::int32_t>& parts) {
  std::int64_t given = 0;
  std::int64_t expected = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (!ratios[i] || *ratios[i] < 0) return false;
    given += *ratios[i];
    expected += parts[i];
  }
  if (given == 0 || expected == 0) return false;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (static_cast<std::int64_t>(*ratios[i]) * expected != static_cast<std::int64_t>(parts[i]) * given) return false;
  }
  return true;
}

}  // namespace

bool ObservedExpectedVerdict::AllRatiosRight() const {
  return std::all_of(ratioRight.begin(), ratioRight.end(), [](bool right) { return right; });
}

bool ObservedExpectedVerdict::AllObservedRight() const {
  return std::all_of(observedRight.begin(), observedRight.end(), [](bool right) { return right; });
}

ObservedExpectedVerdict MarkObservedExpected(const std::vector<Entry>& ratios, const std::vector<std::int32_t>& parts,
                                             const std::vector<Entry>& observed,
                                             const std::vector<std::int32_t>& programObserved, Entry total) {
  ObservedExpectedVerdict verdict;
  const bool proportional = InProportion(ratios, parts);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const bool right = proportional || ratios[i] == parts[i];
    verdict.ratioRight.push_back(right);
    if (proportional && ratios[i] != parts[i]) verdict.unreduced = true;
  }
  for (std::size_t i = 0; i < programObserved.size(); ++i) verdict.observedRight.push_back(observed[i] == programObserved[i]);
  verdict.totalRight = total == std::accumulate(programObserved.begin(), programObserved.end(), 0);
  verdict.wrongBoxes = static_cast<std::int32_t>(std::count(verdict.ratioRight.begin(), verdict.ratioRight.end(), false) +
                                                 std::count(verdict.observedRight.begin(), verdict.observedRight.end(), false)) +
                       (verdict.totalRight ? 0 : 1);
  return verdict;
}

std::size_t ClosestTally(const std::vector<std::vector<std::int32_t>>& candidates, const std::vector<Entry>& observed) {
  std::size_t closest = 0;
  std::int64_t nearest = -1;
  for (std::size_t c = 0; c < candidates.size(); ++c) {
    std::int64_t distance = 0;
    for (std::size_t i = 0; i < candidates[c].size(); ++i) {
      distance += std::llabs(static_cast<std::int64_t>(observed[i].value_or(0)) - candidates[c][i]);
    }
    if (nearest < 0 || distance < nearest) {
      nearest = distance;
      closest = c;
    }
  }
  return closest;
}

std::int32_t ChiSquarePartMarks(std::optional<double> chi, Entry degreesOfFreedom, Significance significance,
                                double programChi, std::int32_t programDegrees) {
  std::int32_t marks = 0;
  if (chi && *chi >= 0) {
    const double off = std::fabs(*chi - programChi);
    marks += off < 0.1 ? 2 : off < 0.5 ? 1 : 0;
  }
  if (degreesOfFreedom == programDegrees) ++marks;
  if (significance != Significance::NotChosen &&
      (significance == Significance::Significant) == IsSignificant(programChi, programDegrees)) {
    ++marks;
  }
  return marks;
}

}  // namespace crossmere
