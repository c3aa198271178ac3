#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "layer/string_lists.h"

namespace crossmere {

// Long texts (exercise descriptions, help pages) are lists whose entry 1 is
// a string of digits, one for each following entry: the line breaks after
// it (0 = the paragraph goes on, 1 = a new line, 2 = a blank line).
std::string LayoutText(const StringLists& strings, std::int32_t list);

// What is wrong with a list as a layout text, if anything.
std::optional<std::string> LayoutProblem(const StringLists& strings, std::int32_t list);

}  // namespace crossmere
