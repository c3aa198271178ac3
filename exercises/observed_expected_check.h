#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace crossmere {

// A student's answer in a box: nothing when the box was left blank.
using Entry = std::optional<std::int32_t>;

// The observed-and-expected part judged box by box against the program's
// ratio parts and observed numbers.
struct ObservedExpectedVerdict {
  std::vector<bool> ratioRight;
  std::vector<bool> observedRight;
  bool totalRight = false;
  bool unreduced = false;  // right, but not divided by the common factor
  std::int32_t wrongBoxes = 0;

  bool AllRatiosRight() const;
  bool AllObservedRight() const;
};

// Marks the ratios chosen and numbers typed. A ratio in proportion to the
// program's is right in every box; otherwise each box must equal the
// program's part.
ObservedExpectedVerdict MarkObservedExpected(const std::vector<Entry>& ratios, const std::vector<std::int32_t>& parts,
                                             const std::vector<Entry>& observed,
                                             const std::vector<std::int32_t>& programObserved, Entry total);

// What the part is worth: an expected ratio and an observed number per
// class, and the total.
constexpr std::int32_t ObservedExpectedMarks(std::int32_t classes) { return 2 * classes + 1; }

// Of several candidate tallies (rows of the question), the one nearest the
// student's numbers, the earlier on a tie; a blank box counts as 0.
std::size_t ClosestTally(const std::vector<std::vector<std::int32_t>>& candidates, const std::vector<Entry>& observed);

enum class Significance { NotChosen, Significant, NonSignificant };

// The chi-square part: its value (+2 within 0.1 of the program's, else +1
// within 0.5; nothing for a blank or negative entry), the degrees of freedom
// (+1) and the significance at 5 % (+1).
std::int32_t ChiSquarePartMarks(std::optional<double> chi, Entry degreesOfFreedom, Significance significance,
                                double programChi, std::int32_t programDegrees);

inline constexpr std::int32_t kChiSquarePartMarks = 4;

}  // namespace crossmere
