#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace crossmere {

inline constexpr std::int32_t kMaxRatioClasses = 4;

// A Mendelian ratio: its label, its classes and their parts, in the order shown.
struct MendelianRatio {
  std::string_view label;
  std::int32_t classes = 0;
  std::array<std::int32_t, kMaxRatioClasses> parts{};

  std::span<const std::int32_t> Parts() const { return {parts.data(), static_cast<std::size_t>(classes)}; }
};

// The six standard ratios, numbered 1..6: 1..3 for one locus, 4..6 for two.
inline constexpr std::int32_t kStandardRatioCount = 6;
const MendelianRatio& StandardRatio(std::int32_t number);

// The expected number of each class of `total` individuals in the ratio's parts.
std::vector<double> ExpectedNumbers(std::int32_t total, std::span<const std::int32_t> parts);

struct ChiSquareResult {
  std::vector<double> contributions;  // (O - E)^2 / E of each class; 0 where E is 0
  double chi = 0;
  // One less than the classes that are expected at all: a class expected
  // 0 times adds nothing to the test.
  std::int32_t degreesOfFreedom = 0;
};

// The goodness of fit of observed to expected numbers, class by class.
ChiSquareResult ChiSquare(std::span<const std::int32_t> observed, std::span<const double> expected);

// The 5 % point of the chi-square distribution for 1..3 degrees of freedom;
// any other number has none, and nothing is significant against it.
double CriticalValue(std::int32_t degreesOfFreedom);

// Significant at 5 %: above the critical value (equal to it is not).
bool IsSignificant(double chi, std::int32_t degreesOfFreedom);

}  // namespace crossmere
