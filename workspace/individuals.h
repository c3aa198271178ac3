#pragma once

#include <cstdint>
#include <string>

namespace crossmere {

struct Session;

// Item numbers of the crossing box and offspring box.
namespace individuals {
inline constexpr std::int32_t kOffspringWell = 2015;
}  // namespace individuals

// Draws the master picture of a genotype class (item 1..128), unless it is
// already drawn.
void BuildClassPicture(Session& session, std::int32_t classNumber);

// Shows an individual (object 131..540, its class already in the object
// table) as a picture of its class at a place of the main window.
void NewIndividual(Session& session, std::int32_t object, std::int32_t left, std::int32_t top);

// Removes every individual of the previous example from the workspace.
void ClearIndividuals(Session& session);

// "Crossing box, first place" or "second place": what a screen reader and
// the "Move to..." list call a parent place.
std::string ParentPlaceName(std::int32_t place);

// The parents in the crossing box and the offspring waiting in the offspring box.
void ShowCrossingBox(Session& session);
// The waiting offspring, centred in the offspring box.
void ShowPendingOffspring(Session& session);

// Draws every class picture again (after the genotype display has changed)
// and shows the new pictures on the individuals and parents of the workspace.
void RedrawIndividuals(Session& session);

}  // namespace crossmere
