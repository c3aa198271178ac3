#pragma once

namespace crossmere {

struct Session;

enum class EntryOutcome { Cancelled, Identified, Restored, Teacher };

// Asks who the student is until a usable name or number is given (shows the
// student's number when it came from a name), until saved work is opened,
// or until the class password is typed into the teacher's field.
EntryOutcome RunEntryDialog(Session& session);

}  // namespace crossmere
