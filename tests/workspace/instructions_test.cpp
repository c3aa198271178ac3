#include <gtest/gtest.h>

#include "tests/workspace/running_program.h"

#include "layer/layout_text.h"
#include "workspace/instructions.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace instructions;

class Instructions : public testing::RunningProgram {
};

TEST_F(Instructions, TheExerciseOpensWithItsDescription) {
  ASSERT_TRUE(service.WindowVisible(kDescriptionWindow));
  EXPECT_EQ(service.ItemText(kDescriptionWindow, kHeading), "1.  Getting started");
  EXPECT_EQ(service.ItemText(kDescriptionWindow, kText), LayoutText(session.strings, 822));
  service.ChooseMenuCommand(main_window::kQuestionsMenu, kDescriptionCommand);  // again: same window
  EXPECT_TRUE(service.WindowVisible(kDescriptionWindow));
  service.PostEvent(kDescriptionWindow, kClose, 0);
  EXPECT_FALSE(service.WindowExists(kDescriptionWindow));
  ASSERT_TRUE(service.ChooseMenuCommand(main_window::kQuestionsMenu, kDescriptionCommand));
  EXPECT_TRUE(service.WindowVisible(kDescriptionWindow));
}

TEST_F(Instructions, EachHelpPageFromItsMenuCommand) {
  struct Page {
    std::int32_t command, window, list;
    const char* heading;
  };
  for (const Page p : {Page{kProgramCommand, kHelpWindow, kProgramPage, "The program"},
                       Page{kMenuCommandsCommand, kHelpWindow, kMenuCommandsPage, "Menu Commands"},
                       Page{kAboutCommand, kAboutWindow, kAboutPage, "About Crossmere"}}) {
    ASSERT_TRUE(service.ChooseMenuCommand(main_window::kInstructionsMenu, p.command)) << p.heading;
    EXPECT_TRUE(service.WindowVisible(p.window)) << p.heading;
    EXPECT_EQ(service.ItemText(p.window, kHeading), p.heading);
    const std::string text = service.ItemText(p.window, kText);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text, LayoutText(session.strings, p.list));
  }
  service.PostEvent(kHelpWindow, kClose, 0);
  EXPECT_FALSE(service.WindowExists(kHelpWindow));
}

}  // namespace
}  // namespace crossmere
