#pragma once

#include <cstdint>

namespace crossmere {

struct ServiceRect;
struct Session;

// "Look in": the selected container opens in a window of its own, its
// individuals five to a row (Storage keeps the gaps of those taken out).
// The Auto, File, question, exercise and trial menus are off while it shows.
void LookIn(Session& session);
// "Shut": the view closes, the container's spots close up (not Storage's),
// and the menus come back.
void Shut(Session& session);

// Drags an individual shown in the open container; dropped outside the
// view, it leaves the container and stands on the workspace.
void TakeOutOfContainer(Session& session, std::int32_t shown);
// The individual shown at `start` in the open container's view leaves the
// container for the workspace where `drop` (in the view's coordinates) lies,
// moved aside if the view or another individual would hide it there.
void TakeOut(Session& session, std::int32_t shown, const ServiceRect& start, const ServiceRect& drop);

}  // namespace crossmere
