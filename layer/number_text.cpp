#include "layer/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace crossmere {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::string Format(const char* format, int precision, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, precision, value);
  return buffer;
}

}  // namespace

std::string RealToGeneralText(double value) {
  std::string text = Format("%.*G", 7, value);
  if (text == "-0") text = "0";
  return text;
}

std::string RealToText(double value, int decimals) {
  if (decimals == 10 || !std::isfinite(value)) return RealToGeneralText(value);
  if (decimals < 0) decimals = 0;
  // Keep 7 significant digits; numbers too large for that go to general notation.
  const double rounded = std::strtod(Format("%.*e", 6, value).c_str(), nullptr);
  if (std::fabs(rounded) >= 1e7) return RealToGeneralText(value);
  std::string text = Format("%.*f", decimals, rounded);
  if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
  return text;
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int32_t value = 0;
  const auto* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::optional<double> ParseReal(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string WithNumber(std::string text, std::int32_t number) {
  if (const auto at = text.find("%d"); at != std::string::npos) text.replace(at, 2, std::to_string(number));
  return text;
}

}  // namespace crossmere
