#pragma once

#include <cstdint>

namespace crossmere {

struct LayoutSize;
struct ServiceRect;
struct Session;

namespace screen {
inline constexpr std::int32_t kBin = 2008;
inline constexpr std::int32_t kOffspringFrame = 2014;
inline constexpr std::int32_t kLowestBinTop = 128;
// Dropped with the pointer outside, an individual goes into a container only
// when it covers more than this many square pixels of it.
inline constexpr std::int32_t kContainerOverlap = 800;
}  // namespace screen

// A dropped rectangle moved just far enough to lie wholly inside the layout.
ServiceRect InsideLayout(const LayoutSize& layout, const ServiceRect& drop);

// The topmost individual under the pointer: screen numbers are scanned from
// the highest in use down to the parent places, so the higher number wins.
std::int32_t PickIndividual(Session& session, std::int32_t x, std::int32_t y);

// A left mouse-down on an individual or a parent place: picks and drags it,
// then drops it on the bin, a container, a parent place, back where it came
// from, or on the workspace.
void DragIndividual(Session& session);

// Lands a picked individual or parent, which stood at `start`, where it was
// dropped (`drop`, with the pointer at x, y): the bin, a container, a parent
// place, back where it came from, or the workspace.
void DropIndividual(Session& session, std::int32_t picked, const ServiceRect& start, const ServiceRect& drop,
                    std::int32_t x, std::int32_t y);

// The rubbish bin follows the mouse, but never into the boxes at the top.
void DragBin(Session& session);

}  // namespace crossmere
