#pragma once

#include <cstdint>
#include <string>

#include "genetics/stock.h"

namespace crossmere {

struct Session;

namespace containers {
inline constexpr std::int32_t kLabelOffset = 20;
inline constexpr std::int32_t kHighlight = 1340;
inline constexpr std::int32_t kSpareCages = 1341;
inline constexpr std::int32_t kSpareOthers = 2341;
inline constexpr std::int32_t kConfirmWindow = 422;
inline constexpr std::int32_t kRenameWindow = 423;
inline constexpr std::int32_t kFirstViewWindow = 440;  // + organism kind
inline constexpr std::int32_t kFirstShown = 581;
inline constexpr std::int32_t kViewArea = 500;

// Commands of the cage, bottle and tray menus.
inline constexpr std::int32_t kRename = 182;
inline constexpr std::int32_t kEmpty = 183;
inline constexpr std::int32_t kRecycle = 184;
inline constexpr std::int32_t kEmptyAll = 185;
inline constexpr std::int32_t kRecycleAll = 186;
inline constexpr std::int32_t kClearAll = 187;
inline constexpr std::int32_t kLookIn = 188;
inline constexpr std::int32_t kShut = 189;
}  // namespace containers

// Shows the containers as the state has them: those in use with their
// counts and names, one spare on the pile, the menu of the organism's word.
void ShowContainers(Session& session);

// Puts an individual (object 131..540) into a container; false when it is full.
bool PutInContainer(Session& session, std::int32_t container, std::int32_t object);
// A full container says so; true when it did.
bool RefusedAsFull(Session& session, std::int32_t container);

// Moves a container to a place of the main window; its label follows when redrawn.
void MoveContainer(Session& session, std::int32_t container, std::int32_t left, std::int32_t top);

// Names a container by what all its individuals share ("MIXED" when nothing).
void AutoName(Session& session, std::int32_t container);
// Draws the container's outline with its count, and its name under it.
void ContainerLabelRedraw(Session& session, std::int32_t container);
void Deselect(Session& session);
void SelectContainer(Session& session, std::int32_t container);
void UpdateContainerMenu(Session& session);

// A command of the container menu (182..189), or "Clear screen".
void ContainerCommand(Session& session, std::int32_t command);

// Asks before a container action; true when the student agreed.
bool Confirm(Session& session, std::int32_t kind, bool showName, bool skippable);

// Moves a container with the mouse; from the spare pile it comes into use.
void DragContainer(Session& session, std::int32_t container, bool doubleClick);
// Puts a container down at a place of the workspace and selects it; one from
// the spare pile comes into use and, without automatic naming, is named.
void SetDownContainer(Session& session, std::int32_t container, std::int32_t left, std::int32_t top);

// The word for containers of the current organism: cage, bottle or tray.
std::string ContainerWord(const Session& session);
// A container in words, for a screen reader and the "Move to..." list:
// "Cage Snout colour red, 12 individuals", or "Spare cage".
std::string ContainerDescription(const Session& session, const ContainerRecord& record);

}  // namespace crossmere
