#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "layer/registers.h"

namespace crossmere {

struct Session;

// A place an individual can be moved to from the keyboard, and the
// rectangle a drop there covers.
struct MovePlace {
  std::string name;
  ServiceRect drop;
};

// The places the individual (or parent place) `picked` can go: the
// containers in use, the bin, the other crossing box places and a free spot
// of the workspace.
std::vector<MovePlace> MovePlacesFor(Session& session, std::int32_t picked);

// "Move to…": the individual with the keyboard focus goes to the place the
// student chooses, as if dragged there.
void MoveFocusedIndividual(Session& session);

}  // namespace crossmere
