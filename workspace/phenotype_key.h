#pragma once

#include <cstdint>

namespace crossmere {

struct Session;

namespace phenotype_key {
// One window per organism, each titled "Phenotypes", built from one design.
inline constexpr std::int32_t kForm = 390;
inline constexpr std::int32_t kKeyPicture = 1;
inline constexpr std::int32_t kClose = 2;
constexpr std::int32_t WindowOf(std::int32_t kind) { return kForm - 1 + kind; }
constexpr bool IsKeyWindow(std::int32_t window) { return window >= WindowOf(1) && window <= WindowOf(4); }
}  // namespace phenotype_key

// Opens (or brings forward, redrawn) the key of the current organism: each
// character of the example with an enlarged picture of each of its forms.
void ShowPhenotypeKey(Session& session);
// Draws the open key again, as after a change of colours.
void RedrawPhenotypeKey(Session& session);
// Closes whichever key is open, as when the example changes.
void ClosePhenotypeKey(Session& session);

}  // namespace crossmere
