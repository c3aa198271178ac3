// Restoring whatever the saved-work reader takes: the example is set up
// again and the file laid over it, and nothing breaks however the file
// disagrees with that example.

#include <cstdint>
#include <cstdlib>

#include "layer/string_lists.h"
#include "session/example_of.h"
#include "session/saved_work.h"

namespace {

const crossmere::StringLists& Strings() {
  static const crossmere::StringLists strings;
  return strings;
}

const crossmere::SessionState& Running() {
  static const crossmere::SessionState state =
      crossmere::RecreateExample(Strings(), 2680, crossmere::kElementarySet, 3);
  return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace crossmere;
  const auto work = DecodeSavedWork(std::span(data, size));
  if (!work) return 0;
  const Clock clock = [] { return std::int64_t{0}; };
  const auto restored = RestoredState(Running(), *work, Strings(), clock);
  if (restored && restored->identity.number != work->studentNumber) std::abort();
  return 0;
}
