#pragma once

#include <cstdint>

namespace crossmere {

struct Session;
struct ServiceRect;

// The parents may not leave the crossing box: the exercise fixes them, or a
// question still counts their offspring.
bool ParentsLocked(const Session& session);

// Both parent places are filled: a cross stands in the box.
bool CrossStands(const Session& session);

// Offers a dropped individual to the parent places; true when one took it.
// `start` is where its drag began, for sending it back.
bool DropOnParentPlace(Session& session, std::int32_t object, const ServiceRect& drop,
                       const ServiceRect& start);

// A parent dragged out of its place leaves it.
void LeaveParentPlace(Session& session, std::int32_t place);

// The next offspring of the cross, shown in the offspring box.
void ShowNextOffspring(Session& session);

// Makes offspring and sorts each into the container of its phenotype until a
// phenotype has no container, a container is full, or the mouse is clicked.
void AutoFill(Session& session);

}  // namespace crossmere
