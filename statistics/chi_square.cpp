#include "statistics/chi_square.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace crossmere {
namespace {

constexpr std::array<MendelianRatio, kStandardRatioCount> kStandardRatios = {{
    {" 1:1", 2, {1, 1}},
    {" 3:1", 2, {3, 1}},
    {" 1:2:1", 3, {1, 2, 1}},
    {" 1:1:1:1", 4, {1, 1, 1, 1}},
    {" 3:3:1:1", 4, {3, 3, 1, 1}},
    {" 9:3:3:1", 4, {9, 3, 3, 1}},
}};

constexpr std::array<double, 4> kFivePercent = {0, 3.84, 5.99, 7.82};

}  // namespace

const MendelianRatio& StandardRatio(std::int32_t number) {
  return kStandardRatios[static_cast<std::size_t>(std::clamp(number, 1, kStandardRatioCount) - 1)];
}

std::vector<double> ExpectedNumbers(std::int32_t total, std::span<const std::int32_t> parts) {
  const std::int64_t sum = std::accumulate(parts.begin(), parts.end(), std::int64_t{0});
  std::vector<double> expected;
  for (const std::int32_t part : parts) {
    expected.push_back(sum > 0 ? static_cast<double>(static_cast<std::int64_t>(total) * part) / static_cast<double>(sum) : 0.0);
  }
  return expected;
}

ChiSquareResult ChiSquare(std::span<const std::int32_t> observed, std::span<const double> expected) {
  ChiSquareResult result;
  std::int32_t expectedClasses = 0;
  for (std::size_t k = 0; k < observed.size() && k < expected.size(); ++k) {
    double contribution = 0;
    if (expected[k] > 0) {
      const double difference = observed[k] - expected[k];
      contribution = difference * difference / expected[k];
      ++expectedClasses;
    }
    result.contributions.push_back(contribution);
    result.chi += contribution;
  }
  result.degreesOfFreedom = std::max(expectedClasses - 1, 0);
  return result;
}

double CriticalValue(std::int32_t degreesOfFreedom) {
  if (degreesOfFreedom < 1 || degreesOfFreedom >= static_cast<std::int32_t>(kFivePercent.size())) {
    return std::numeric_limits<double>::infinity();
  }
  return kFivePercent[static_cast<std::size_t>(degreesOfFreedom)];
}

bool IsSignificant(double chi, std::int32_t degreesOfFreedom) { return chi > CriticalValue(degreesOfFreedom); }

}  // namespace crossmere
