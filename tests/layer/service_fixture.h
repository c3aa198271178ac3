#pragma once

#include <gtest/gtest.h>

#include <QDialog>

#include "layer/string_lists.h"
#include "layer/window_service.h"
#include "tests/layer/strict_service.h"
#include "ui_TW9001.h"

namespace crossmere::testing {

// A dialog with one control of each class: edit fields 10 (whole), 11 (long),
// 12 (real), 13 (text); combo 20, check box 21, radio buttons 22 and 23, list
// 24, scroll bar 25, memo 26; buttons 1000 OK, 990 Cancel, 30 other; panel 40
// holding labels 41 and 42; label 50 (list 300, entry 4); picture 60 at
// (120, 200), 40 x 40.
inline constexpr std::int32_t kTestDialog = 9001;

inline QWidget* CreateTestDialog() {
  auto* dialog = new QDialog;
  Ui::TW9001 form;
  form.setupUi(dialog);
  return dialog;
}

// A scripted service over the program's own string lists.
class ServiceTest : public ::testing::Test {
 protected:
  ServiceTest() {
    service.AddForm(kTestDialog, CreateTestDialog);
    ScriptStrictly(service);
    service.SetEventHandler([this] { ++events; });
  }

  StringLists strings;
  WindowService service{strings};
  int events = 0;
};

}  // namespace crossmere::testing
