#pragma once

namespace crossmere {

struct Session;

// Asks who the student is until a usable name or number is given; shows the
// student's number when it came from a name. False when the student cancelled.
bool RunEntryDialog(Session& session);

}  // namespace crossmere
