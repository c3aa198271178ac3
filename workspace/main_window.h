#pragma once

#include <cstdint>

namespace crossmere {

struct LayoutSize;
class WindowService;

// Numbers of the main window, its menus and its commands.
namespace main_window {
inline constexpr std::int32_t kWindow = 753;
// The OK button of every dialog.
inline constexpr std::int32_t kOkButton = 1000;
inline constexpr std::int32_t kWelcome = 752;

inline constexpr std::int32_t kClassPictureTemplate = 1;
inline constexpr std::int32_t kLastClassPicture = 128;
inline constexpr std::int32_t kSelectionBox = 1350;  // red frame round a chosen individual
inline constexpr std::int32_t kParentsLockedLabel = 4131;

inline constexpr std::int32_t kFileMenu = 102;
inline constexpr std::int32_t kAutoMenu = 105;
inline constexpr std::int32_t kCagesMenu = 107;
inline constexpr std::int32_t kBottlesMenu = 108;
inline constexpr std::int32_t kTraysMenu = 109;
inline constexpr std::int32_t kExercisesMenu = 113;
inline constexpr std::int32_t kExerciseAndAnswersMenu = 115;
inline constexpr std::int32_t kQuestionsMenu = 120;
inline constexpr std::int32_t kTrialMenu = 122;
inline constexpr std::int32_t kInstructionsMenu = 124;
inline constexpr std::int32_t kAnswersMenu = 126;
inline constexpr std::int32_t kAnswersMenuCopy = 127;

inline constexpr std::int32_t kOpenCommand = 160;
inline constexpr std::int32_t kSaveAsCommand = 163;
inline constexpr std::int32_t kColourCommand = 166;
inline constexpr std::int32_t kGenotypesCommand = 171;
inline constexpr std::int32_t kPhenotypesCommand = 177;
inline constexpr std::int32_t kClearScreenCommand = 195;
inline constexpr std::int32_t kMoveToCommand = 198;
inline constexpr std::int32_t kExitCommand = -106;
inline constexpr std::int32_t kAutoFillCommand = 194;
inline constexpr std::int32_t kAutoNameCommand = 190;
inline constexpr std::int32_t kEndTrialCommand = 176;
inline constexpr std::int32_t kFirstContainerCommand = 182;
inline constexpr std::int32_t kLastContainerCommand = 189;

inline constexpr std::int32_t kWelcomeElementary = 71;
inline constexpr std::int32_t kWelcomeAdvanced = 72;
inline constexpr std::int32_t kWelcomeSetup = 56;
inline constexpr std::int32_t kWelcomeLeftOrganism = 22;
inline constexpr std::int32_t kWelcomeRightOrganism = 24;
}  // namespace main_window

// Places an open dialog in the middle of the main window's layout.
void CentreOnLayout(WindowService& service, std::int32_t dialog, const LayoutSize& layout);

// Opens a dialog in the middle of the layout.
void OpenCentred(WindowService& service, std::int32_t dialog, const LayoutSize& layout);

// Runs an open dialog until it closes; returns the item that closed it.
std::int32_t RunModal(WindowService& service, std::int32_t dialog);

// Asks the student with a dialog in the middle of the layout; true when they
// pressed OK (1000).
bool AskInDialog(WindowService& service, std::int32_t dialog, const LayoutSize& layout);

// True for the cage, bottle and tray menus, which share their commands.
constexpr bool IsContainerMenu(std::int32_t menu) {
  return menu == main_window::kCagesMenu || menu == main_window::kBottlesMenu ||
         menu == main_window::kTraysMenu;
}

}  // namespace crossmere
