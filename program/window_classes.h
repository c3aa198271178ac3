#pragma once

#include <vector>

#include "layer/window_service.h"

namespace crossmere {

// The program's windows that are more than a dialog of their own design:
// the main and welcome windows, the question windows of the question-type
// table, the windows that share a design, and the windows with a fixed title.
std::vector<WindowClass> ProgramWindowClasses();

}  // namespace crossmere
