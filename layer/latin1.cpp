#include "layer/latin1.h"

namespace crossmere {

std::vector<std::int32_t> Latin1Codes(std::string_view text, std::size_t most) {
  std::vector<std::int32_t> codes;
  for (std::size_t i = 0; i < text.size() && codes.size() < most;) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) {
      codes.push_back(kNotLatin1);
      ++i;
      continue;
    }
    std::int32_t code = length == 1 ? lead : lead & (0x7F >> length);
    bool broken = false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      broken = broken || (next >> 6) != 0x2;
      code = (code << 6) | (next & 0x3F);
    }
    codes.push_back(broken || code > 0xFF ? kNotLatin1 : code);
    i += broken ? 1 : length;
  }
  return codes;
}

}  // namespace crossmere
