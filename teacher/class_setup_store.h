#pragma once

#include <optional>
#include <string>

namespace crossmere {

struct Session;

// Where the class set-up lives: the given path (from the command line or the
// environment, for a lab that shares one file), else the user's settings folder.
std::string ClassSetUpPath(const std::string& given);

// Reads the class set-up file at start-up and checks it. A missing file is
// the shipped set-up. A file that cannot be used, or whose settings were
// changed outside the program, is reported with how to restore the shipped
// set-up, and false is returned: the program must end.
bool LoadClassSetUpFile(Session& session);

// Writes the set-up lists to the file, whole or not at all. Returns the
// reason when it could not be written.
std::optional<std::string> SaveClassSetUp(Session& session);

}  // namespace crossmere
