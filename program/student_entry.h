#pragma once

namespace crossmere {

struct Session;

enum class EntryOutcome { Cancelled, Identified, Restored };

// Asks who the student is until a usable name or number is given (shows the
// student's number when it came from a name), or until saved work is opened.
EntryOutcome RunEntryDialog(Session& session);

}  // namespace crossmere
