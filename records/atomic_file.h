#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace crossmere {

// Writes a file whole or not at all: the bytes go into a new temporary file
// beside it, every write checked and the data forced to the disk, and only
// then is the temporary renamed over the file. On failure the file is as it
// was, no temporary is left, and the reason is returned.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace crossmere
