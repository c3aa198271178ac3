#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "layer/drawing.h"

namespace crossmere {

// One class of a goodness-of-fit picture: its name (may be empty), where its
// row stands, and its observed and expected numbers where they are known.
struct FitRow {
  std::string name;
  std::int32_t top = 0;
  std::optional<double> observed;
  std::optional<double> expected;
};

// The words of the chart's key.
struct FitKey {
  std::string observed;
  std::string expected;
};

// Draws each class's observed number as a bar beside its expected one, all
// to one scale, under a key of the two colours, into a frame of the given
// size. A number that is missing draws nothing.
void DrawFitChart(Drawing& drawing, std::int32_t width, std::int32_t height, const FitKey& key,
                  const std::vector<FitRow>& rows);

}  // namespace crossmere
