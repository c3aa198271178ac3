#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "layer/registers.h"

namespace crossmere {

struct Session;

// A place an individual can be moved to from the keyboard: its name, the
// rectangle a drop there covers, and its item (a container, the bin, a
// crossing box place; 0 for the workspace).
struct MovePlace {
  std::string name;
  ServiceRect drop;
  std::int32_t item = 0;
};

// The places the individual (or parent place) `picked` can go: the
// containers in use, the bin, the other crossing box places and a free spot
// of the workspace.
std::vector<MovePlace> MovePlacesFor(Session& session, std::int32_t picked);

// "Move to...": the individual (or parent place) goes to the place the student
// chooses, as if dragged there.
void MoveIndividual(Session& session, std::int32_t picked);
// The same for the individual with the keyboard focus.
void MoveFocusedIndividual(Session& session);

// Space or Return on a focused picture of the workspace or an open
// container's view, in place of the mouse: an individual opens "Move to...";
// a container is selected, and opened by Return; one from the spare pile
// comes into use on a free spot; an individual shown in an open container
// leaves it for the workspace.
void ActivateFromKeyboard(Session& session, std::int32_t window, std::int32_t item);

}  // namespace crossmere
