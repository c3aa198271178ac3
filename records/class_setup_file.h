#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "layer/string_lists.h"

namespace crossmere {

// The class set-up file: one line per override record, "S" (in use) or "T"
// (not in use), the list, "/", the index, "/", and the text, for example
// "S738/5/1010000000000000000000000000000010010-Y". Other lines are ignored.

// The records of a file's text, or the reason it cannot be used (more
// records than the lists can hold).
std::variant<std::vector<OverrideRecord>, std::string> ParseClassSetUpFile(std::string_view text);

// The file's text for the records held: every record, in use or not.
std::string ClassSetUpFileText(const std::vector<OverrideRecord>& records);

}  // namespace crossmere
