#pragma once

#include <gtest/gtest.h>

#include <string>

#include "layer/window_service.h"

namespace crossmere::testing {

// Scripted mode for a test: a window or item the test drives that does not
// exist, or a dialog nobody answers, fails the test where it happens.
inline void ScriptStrictly(WindowService& service) {
  service.SetScripted(true);
  service.SetFaultHandler([](const std::string& fault) { ADD_FAILURE() << "service fault: " << fault; });
}

}  // namespace crossmere::testing
