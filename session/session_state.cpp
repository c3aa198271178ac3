#include "session/session_state.h"

namespace crossmere {

void FreeObject(SessionState& state, std::int32_t object) {
  state.genetics.objectClass[object] = 0;
  if (object <= kLastOffspringObject) state.offspring.f1[object] = 0;
  // A new individual that later gets this number must start a new cross.
  for (auto& last : state.cross.lastParents) {
    if (last == object) last = 0;
  }
}

}  // namespace crossmere
