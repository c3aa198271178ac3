#include "workspace/colour_dialog.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include "tests/workspace/running_program.h"

#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace main_window;

class ColourDialog : public testing::RunningProgram {
 protected:
  // What the main window shows of an item now.
  QImage Shown(std::int32_t item) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      for (auto* label : top->findChildren<QLabel*>()) {
        if (label->property("item").toInt() == item && top->property("dialog").toInt() == kWindow) {
          return label->pixmap().toImage();
        }
      }
    }
    ADD_FAILURE() << "no item " << item;
    return {};
  }
};

TEST_F(ColourDialog, ASwatchTakesTheChosenColour) {
  ASSERT_EQ(session.genetics.kind, kMonkbear);
  const Rgb16 before = session.palette.monkbearSnout[1];
  service.AnswerNextDialog([](ScriptedDialog& d) { d.Click(11); });  // brown snout
  service.AnswerNextColour(0x00FF00u);
  service.AnswerNextDialog([](ScriptedDialog& d) { d.Click(12); });  // red-brown, then cancelled
  service.AnswerNextColour(std::nullopt);
  service.AnswerNextDialog([](ScriptedDialog& d) { d.Click(1000); });
  ASSERT_TRUE(service.ChooseMenuCommand(kFileMenu, kColourCommand));
  EXPECT_EQ(session.palette.monkbearSnout[0], (Rgb16{0, 65535, 0}));
  EXPECT_EQ(session.palette.monkbearSnout[1], before) << "a cancelled chooser changes nothing";
  EXPECT_FALSE(service.WindowExists(382));
}

// The individuals already shown take the new colour at once.
TEST_F(ColourDialog, ThePicturesOnTheWorkspaceChangeAtOnce) {
  const QImage parent = Shown(kFirstParentObject);
  const QImage waiting = Shown(session.offspring.pending);
  service.AnswerNextDialog([](ScriptedDialog& d) { d.Click(11); });  // brown snout
  service.AnswerNextColour(0x00FF00u);
  service.AnswerNextDialog([](ScriptedDialog& d) { d.Click(1000); });
  ASSERT_TRUE(service.ChooseMenuCommand(kFileMenu, kColourCommand));
  EXPECT_NE(Shown(kFirstParentObject), parent);
  EXPECT_NE(Shown(session.offspring.pending), waiting);
}

TEST_F(ColourDialog, LabelColoursForUnlinkedLoci) {
  service.AnswerNextDialog([](ScriptedDialog& d) {
    d.SetChecked(72, true);
    d.Click(1000);
  });
  service.ChooseMenuCommand(kFileMenu, kColourCommand);
  EXPECT_TRUE(session.example.unlinkedLabelColours);
}

TEST_F(ColourDialog, DogsHaveNoColours) {
  session.genetics.kind = kDinosaurDog;
  std::string shown;
  service.AnswerNextDialog([&](ScriptedDialog& d) {
    EXPECT_EQ(d.Number(), 381);
    shown = service.ItemText(381, 5);
    d.Click(1000);
  });
  service.ChooseMenuCommand(kFileMenu, kColourCommand);
  EXPECT_EQ(shown, "Sorry - no colour for dogs");
}

}  // namespace
}  // namespace crossmere
