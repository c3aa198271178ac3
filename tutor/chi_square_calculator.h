#pragma once

#include <cstdint>

namespace crossmere {

struct Session;

// Numbers of the chi-square calculator's window and its controls.
namespace chi_square_window {
inline constexpr std::int32_t kWindow = 370;
inline constexpr std::int32_t kOneLocus = 2;
inline constexpr std::int32_t kTwoLoci = 3;
inline constexpr std::int32_t kFirstOneLocusRatio = 31;  // ratios 1..3
inline constexpr std::int32_t kFirstTwoLociRatio = 41;   // ratios 4..6
inline constexpr std::int32_t kFirstObserved = 51;       // fields of classes 1..4
inline constexpr std::int32_t kTotalObserved = 55;
inline constexpr std::int32_t kFirstPart = 61;
inline constexpr std::int32_t kFirstExpected = 71;
inline constexpr std::int32_t kTotalExpected = 75;
inline constexpr std::int32_t kTotalLabel = 17;
inline constexpr std::int32_t kChi = 81;
inline constexpr std::int32_t kDegreesOfFreedom = 82;
inline constexpr std::int32_t kFitChart = 90;
inline constexpr std::int32_t kDone = 980;
inline constexpr std::int32_t kClear = 990;
inline constexpr std::int32_t kCalculate = 1000;
}  // namespace chi_square_window

// Opens the calculator cleared, beside the workspace (or brings it forward).
void OpenChiSquareCalculator(Session& session);

// Handles a click in the calculator; false when the event is not its.
bool ChiSquareCalculatorEvent(Session& session, std::int32_t window, std::int32_t item);

}  // namespace crossmere
