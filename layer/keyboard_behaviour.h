#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QDialog;
class QWidget;

namespace crossmere {

// What the keyboard does beyond the controls' own keys. The filters live as
// long as `owner`.

// F6 (Shift+F6 backwards) takes the keyboard from one of the program's open
// windows to the next, in the order `windows` gives them: the main window, a
// question, the instructions, a container's view. A modal dialog or an open
// menu keeps it.
void InstallWindowCycling(QObject* owner, std::function<std::vector<QWidget*>()> windows);

// While a long action runs (auto fill), Escape anywhere in the program calls
// `stop`, as a click would stop it.
void InstallEscapeStops(QObject* owner, std::function<void()> stop);

// A dialog that opens on a set of choices gives the focus to the one chosen,
// so that the arrow keys move on from there; the program's own choice of
// focus stands.
void FocusChosenRadio(QDialog* dialog);

}  // namespace crossmere
