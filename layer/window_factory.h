#pragma once

#include <cstdint>

class QWidget;

namespace crossmere {

using WindowCreator = QWidget* (*)();

// Creates the window of a dialog number, or nullptr when there is none.
QWidget* CreateDialogWindow(std::int32_t number);

// Adds a window class for a dialog number (tests add their own dialogs).
void RegisterWindowClass(std::int32_t number, WindowCreator create);

}  // namespace crossmere
