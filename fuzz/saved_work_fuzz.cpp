// The saved-work reader on any bytes: it never fails other than by refusing,
// and what it takes it writes back to the same record.

#include <cstdint>
#include <cstdlib>

#include "session/saved_work_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace crossmere;
  const auto work = DecodeSavedWork(std::span(data, size));
  if (!work) return 0;
  const auto again = DecodeSavedWork(EncodeSavedWork(*work));
  if (!again || !(*again == *work)) std::abort();
  return 0;
}
