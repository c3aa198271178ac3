#pragma once

#include <cstdint>
#include <map>

#include "layer/window_service.h"

namespace crossmere {

// The dialog designs compiled into the program, by dialog number; the build
// makes this table from the designs it lists.
const std::map<std::int32_t, FormBuilder>& CompiledForms();

// A window built from a design and given the behaviour of its class.
QWidget* BuildWindow(FormBuilder build, const WindowClass& windowClass);

}  // namespace crossmere
