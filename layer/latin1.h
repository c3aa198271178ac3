#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

namespace crossmere {

// Stands for a character that Latin-1 cannot hold, or a broken UTF-8 sequence.
inline constexpr std::int32_t kNotLatin1 = -1;

// The Latin-1 codes of a UTF-8 text, at most `most` of them; a broken
// sequence gives one kNotLatin1 for its first byte and decoding goes on after it.
std::vector<std::int32_t> Latin1Codes(std::string_view text,
                                      std::size_t most = std::numeric_limits<std::size_t>::max());

}  // namespace crossmere
