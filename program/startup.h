#pragma once

namespace crossmere {

struct Session;

// Creates the main window with its class pictures, then runs start-up: the
// layout, the menus, the welcome window and the first random numbers. The
// main window is showing when it returns.
void ProgramEntry(Session& session);

}  // namespace crossmere
