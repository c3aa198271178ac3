#pragma once

namespace crossmere {

struct Session;

// The class marks table: the marks of every saved-work file in a folder the
// teacher picks, sortable by any column and exported as CSV.
void ShowClassMarks(Session& session);

}  // namespace crossmere
