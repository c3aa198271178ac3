#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace crossmere {

// A real in fixed notation: rounded to 7 significant digits, shown with the
// given number of decimals. decimals == 10 asks for general notation instead.
std::string RealToText(double value, int decimals);
// A real the shortest way that keeps 7 significant digits ("2.5", "0.1234568").
std::string RealToGeneralText(double value);

// A text with its "%d" replaced by a whole number (unchanged without one).
std::string WithNumber(std::string text, std::int32_t number);

// Whole numbers and reals as typed by a person: surrounding blanks are
// ignored, anything else that is not part of the number makes it invalid.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);
std::optional<double> ParseReal(std::string_view text);

}  // namespace crossmere
