#pragma once

namespace crossmere {

struct Session;

enum class SetUpMode {
  NewPassword,  // a full set-up with a new password
  KeepPassword  // the exercises and options again, the password kept
};

// The teacher's set-up of the program for a class: the password, the class
// options and the nominated exercises, stored in the class set-up file. It
// always ends the program; the next start applies what was stored.
void RunClassSetUp(Session& session, SetUpMode mode);

// Shows the class options and the exercises' parameters without letting
// them change, then ends the program.
void InspectClassSetUp(Session& session);

}  // namespace crossmere
