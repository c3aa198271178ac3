#pragma once

#include <any>
#include <typeindex>
#include <unordered_map>

namespace crossmere {

// State that a part above the workspace keeps for itself (each family of
// questions has its own struct), found by its type and cleared all at once.
class StateStore {
 public:
  // The state of type T, default-made the first time it is asked for.
  template <typename T>
  T& Get() {
    std::any& slot = slots_[std::type_index(typeid(T))];
    if (!slot.has_value()) slot = T{};
    return std::any_cast<T&>(slot);
  }
  void Clear() { slots_.clear(); }

 private:
  std::unordered_map<std::type_index, std::any> slots_;
};

}  // namespace crossmere
