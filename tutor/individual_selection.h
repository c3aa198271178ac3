#pragma once

#include <cstdint>
#include <functional>

namespace crossmere {

struct Session;

// Marks an individual (or a parent in the crossing box) with the red
// selection box, or takes the box away.
void ShowSelectionBox(Session& session, std::int32_t object);
void HideSelectionBox(Session& session);

// The first individual to be seen on the workspace, parents first, whose
// genotype class passes the test; 0 when none does.
std::int32_t FindOnScreen(Session& session, const std::function<bool(std::int32_t)>& classTest);

}  // namespace crossmere
