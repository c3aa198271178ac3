#include "statistics/fit_chart.h"

#include <algorithm>
#include <cmath>

#include "layer/number_text.h"

namespace crossmere {
namespace {

constexpr std::uint32_t kObservedColour = 0x2F6FD0;
constexpr std::uint32_t kExpectedColour = 0xB4B4B4;
constexpr std::uint32_t kInk = 0x2B2B2B;
constexpr std::uint32_t kFrameColour = 0xC8C8C8;
constexpr std::int32_t kMargin = 8;
constexpr std::int32_t kBarHeight = 14;
constexpr std::int32_t kBarGap = 3;
constexpr std::int32_t kNumberRoom = 44;  // the number written after a bar
constexpr std::int32_t kTextFont = 4;
constexpr std::int32_t kTextSize = 11;

void KeyEntry(Drawing& drawing, std::int32_t left, std::uint32_t colour, const std::string& text) {
  drawing.SetColour(colour);
  drawing.FillRect(SetRect(left, 8, left + 10, 18), fill::kSolid);
  drawing.SetColour(kInk);
  drawing.MoveTo(left + 14, 18);
  drawing.DrawText(text);
}

void Bar(Drawing& drawing, std::int32_t top, std::int32_t length, std::uint32_t colour, double value) {
  drawing.SetColour(colour);
  if (length > 0) drawing.FillRect(SetRect(kMargin, top, kMargin + length, top + kBarHeight), fill::kSolid);
  drawing.SetColour(kInk);
  drawing.MoveTo(kMargin + length + 4, top + kBarHeight - 3);
  drawing.DrawText(RealToText(value, std::floor(value) == value ? 0 : 1));
}

}  // namespace

void DrawFitChart(Drawing& drawing, std::int32_t width, std::int32_t height, const FitKey& key,
                  const std::vector<FitRow>& rows) {
  drawing.ClearItem();
  drawing.PenSize(1);
  drawing.PenPattern(1);
  drawing.SetColour(kFrameColour);
  drawing.FrameRect(SetRect(0, 0, width, height));
  drawing.TextFont(kTextFont);
  drawing.TextSize(kTextSize);
  KeyEntry(drawing, kMargin, kObservedColour, key.observed);
  KeyEntry(drawing, kMargin + 80, kExpectedColour, key.expected);

  double largest = 0;
  for (const FitRow& row : rows) largest = std::max({largest, row.observed.value_or(0), row.expected.value_or(0)});
  const std::int32_t room = width - 2 * kMargin - kNumberRoom;
  const auto length = [&](double value) {
    return largest > 0 ? static_cast<std::int32_t>(std::lround(value / largest * room)) : 0;
  };
  for (const FitRow& row : rows) {
    std::int32_t top = row.top;
    if (!row.name.empty()) {
      drawing.SetColour(kInk);
      drawing.MoveTo(kMargin, top + 10);
      drawing.DrawText(row.name);
      top += 14;
    }
    if (row.observed) Bar(drawing, top, length(*row.observed), kObservedColour, *row.observed);
    if (row.expected) Bar(drawing, top + kBarHeight + kBarGap, length(*row.expected), kExpectedColour, *row.expected);
  }
}

}  // namespace crossmere
