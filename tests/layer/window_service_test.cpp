#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "layer/layout.h"
#include "layer/registers.h"
#include "tests/layer/service_fixture.h"

namespace crossmere::testing {
namespace {

constexpr std::int32_t kCheck = static_cast<std::int32_t>(MenuAction::Check);
constexpr std::int32_t kEnable = static_cast<std::int32_t>(MenuAction::Enable);
constexpr std::int32_t kCaption = static_cast<std::int32_t>(MenuAction::Caption);

class OpenDialog : public ServiceTest {
 protected:
  OpenDialog() { service.WindowOpen(kTestDialog, 0); }

  template <typename Control>
  Control* FindControl(std::int32_t item) {
    for (QWidget* w : QApplication::allWidgets()) {
      if (w->property("item").toInt() == item && w->window()->property("dialog").toInt() == kTestDialog) {
        if (auto* control = qobject_cast<Control*>(w)) return control;
      }
    }
    return nullptr;
  }
};

TEST_F(OpenDialog, ResultWordIsResetByEveryCall) {
  service.ServiceCall(op::kItemTemplate, kTestDialog, 60, 0, 0);
  ASSERT_GT(service.Registers().resultWord, 0);
  service.ServiceCall(op::kItemShow, kTestDialog, 60, 0, 0);
  EXPECT_EQ(service.Registers().resultWord, 0);

  service.ServiceCall(op::kItemSelect, kTestDialog, 26, 0, 0);
  service.ItemSelect(kTestDialog, 26);
  service.Registers().stringRegister = "";
  service.ServiceCall(op::kMemoLine, 0, 0, 0, 0);  // clear the memo
  service.ServiceCall(op::kMemoLine, 3, 0, 0, 0);
  EXPECT_EQ(service.Registers().resultWord, 0);
  service.ServiceCall(183, 1, 2, 3, 4);  // a code that does nothing
  EXPECT_EQ(service.Registers().resultWord, 0);
}

TEST_F(OpenDialog, UnknownCodesAreHarmless) {
  for (const std::int32_t code : {183, 206, 251, 1574, 1576, 1579, 1583, -1574, -1576, -1230, -1215, 5, 2316}) {
    service.ServiceCall(code, kTestDialog, 60, 1, 1);
  }
  EXPECT_TRUE(service.Transcript().empty());
  EXPECT_EQ(events, 0);
}

TEST_F(OpenDialog, LookupOfAMissingItemClearsTheCurrentItem) {
  service.ItemSelect(kTestDialog, 60);
  EXPECT_TRUE(service.Registers().itemFound);
  EXPECT_EQ(service.Registers().windowRect.left, 120);
  EXPECT_EQ(service.Registers().windowRect.bottom, 240);
  service.ItemSelect(kTestDialog, 61);
  EXPECT_FALSE(service.Registers().itemFound);
  service.ItemResize(5, 5);  // no current item: nothing to resize
  service.ItemSelect(kTestDialog, 60);
  EXPECT_EQ(service.Registers().windowRect.right, 160);
}

TEST_F(OpenDialog, ItemStateOfSelect) {
  service.ItemDisable(kTestDialog, 50);
  service.ItemSelect(kTestDialog, 50);
  const auto& state = service.Registers().itemState;
  EXPECT_EQ(state.enabled, -1);
  EXPECT_EQ(state.resID, 300);
  EXPECT_EQ(state.dialog, kTestDialog);
  EXPECT_EQ(state.item, 50);
  service.ItemEnable(kTestDialog, 50);
  service.ItemSelect(kTestDialog, 50);
  EXPECT_EQ(state.enabled, 1);
}

TEST_F(OpenDialog, ListCaptionsAreSetOnOpening) {
  EXPECT_EQ(service.ItemText(kTestDialog, 50), "Spare cages");
}

TEST_F(OpenDialog, NegativeShowHides) {
  ASSERT_TRUE(service.ItemVisible(kTestDialog, 60));
  service.ServiceCall(op::kItemShow, kTestDialog, -60, 0, 0);
  EXPECT_FALSE(service.ItemVisible(kTestDialog, 60));
  service.ItemShow(kTestDialog, 60);
  EXPECT_TRUE(service.ItemVisible(kTestDialog, 60));
}

TEST_F(OpenDialog, PanelFollowsItsItems) {
  service.ItemHide(kTestDialog, 41);
  EXPECT_TRUE(service.ItemVisible(kTestDialog, 40)) << "label 42 still shows";
  service.ItemHide(kTestDialog, 42);
  EXPECT_FALSE(service.ItemVisible(kTestDialog, 40)) << "last label hidden";
  service.ItemShow(kTestDialog, 41);
  EXPECT_TRUE(service.ItemVisible(kTestDialog, 40));
  EXPECT_FALSE(service.ItemVisible(kTestDialog, 42));
}

TEST_F(OpenDialog, BlankRealFieldAndUnselectedComboBox) {
  double real = 7;
  std::int32_t choice = 7;
  service.ItemSelect(kTestDialog, 12);
  service.ItemBind(real);
  service.ItemSelect(kTestDialog, 20);
  service.ItemBind(choice);
  service.AnswerNextDialog([](ScriptedDialog& d) {
    d.SetText(12, "");
    d.Select(20, -1);
    d.Click(1000);
  });
  service.WindowRunModal(kTestDialog);
  service.ItemRead(kTestDialog, 12);
  service.ItemRead(kTestDialog, 20);
  EXPECT_EQ(real, kBlankReal);
  EXPECT_EQ(choice, 1);
}

TEST_F(OpenDialog, WriteAndReadByControlClass) {
  std::int32_t whole = 12, longValue = 123456789, choice = 2, check = 1, radioA = 0, radioB = 0,
               list = 0, scroll = 40;
  double real = 2.5;
  std::string text = "name";
  auto bind = [&](std::int32_t item, auto& variable) {
    service.ItemSelect(kTestDialog, item);
    service.ItemBind(variable);
  };
  bind(10, whole);
  service.ItemSelect(kTestDialog, 11);
  service.ItemBind(longValue, 3);
  bind(12, real);
  bind(13, text);
  bind(20, choice);
  bind(21, check);
  bind(22, radioA);
  bind(23, radioB);
  bind(24, list);
  bind(25, scroll);
  for (const std::int32_t item : {10, 11, 12, 13, 20, 21, 25}) service.ItemWrite(kTestDialog, item);
  EXPECT_EQ(service.ItemText(kTestDialog, 10), "12");
  EXPECT_EQ(service.ItemText(kTestDialog, 11), "123456789");
  EXPECT_EQ(service.ItemText(kTestDialog, 12), "2.5");
  EXPECT_EQ(service.ItemText(kTestDialog, 13), "name");

  service.AnswerNextDialog([](ScriptedDialog& d) {
    d.SetText(10, "34");
    d.SetText(12, "0.75");
    d.SetText(13, std::string(60, 'z'));
    d.Select(20, 0);
    d.SetChecked(21, false);
    d.SetChecked(23, true);
    d.Click(1000);
  });
  service.WindowRunModal(kTestDialog);
  EXPECT_EQ(service.Registers().itemHit, 1000);
  for (const std::int32_t item : {10, 11, 12, 13, 20, 21, 22, 23, 24, 25}) service.ItemRead(kTestDialog, item);
  EXPECT_EQ(whole, 34);
  EXPECT_EQ(longValue, 123456789);
  EXPECT_EQ(real, 0.75);
  EXPECT_EQ(text, std::string(50, 'z'));
  EXPECT_EQ(service.Bindings().lastEnteredText, std::string(60, 'z'));
  EXPECT_EQ(choice, 1);
  EXPECT_EQ(check, 0);
  EXPECT_EQ(radioA, 0);
  EXPECT_EQ(radioB, 1);
  EXPECT_EQ(list, 0);  // nothing selected
  EXPECT_EQ(scroll, 40);
}

TEST_F(OpenDialog, BindingAnEditFieldWithAnUnknownKindWarns) {
  std::int32_t value = 0;
  service.ItemSelect(kTestDialog, 10);
  service.ItemBind(4, &value);
  ASSERT_EQ(service.Transcript().size(), 1u);
  EXPECT_EQ(service.Transcript()[0], (MessageRecord{op::kWarningBox, "m4 4 value!"}));
}

TEST_F(OpenDialog, ModalButtons) {
  struct Case {
    std::int32_t button;
    std::int32_t itemHit;
  };
  for (const Case c : {Case{1000, 1000}, Case{990, 990}, Case{30, 30}}) {
    service.Registers().itemHit = 5;
    service.AnswerNextDialog([c](ScriptedDialog& d) { d.Click(c.button); });
    service.WindowRunModal(kTestDialog);
    EXPECT_EQ(service.Registers().itemHit, c.itemHit) << c.button;
  }
  EXPECT_EQ(service.PendingResponders(), 0u);
  EXPECT_EQ(events, 0) << "buttons of a modal dialog post no events";
}

TEST_F(OpenDialog, ClosingWithoutAButtonCountsAsCancel) {
  service.Registers().itemHit = 1000;  // an OK from an earlier dialog must not stand
  service.AnswerNextDialog([](ScriptedDialog&) {});
  service.WindowRunModal(kTestDialog);
  EXPECT_EQ(service.Registers().itemHit, 990);
  std::vector<std::string> faults;
  service.SetFaultHandler([&faults](const std::string& fault) { faults.push_back(fault); });
  service.WindowRunModal(kTestDialog);  // nobody answers
  ASSERT_EQ(service.Transcript().size(), 1u);
  EXPECT_EQ(service.Transcript()[0].text, "no answer for dialog 9001");
  EXPECT_EQ(faults, std::vector<std::string>{"no answer for dialog 9001"});
}

TEST_F(OpenDialog, ButtonsOfAWindowThatIsNotModalPostEvents) {
  service.WindowShow(kTestDialog);
  auto* button = FindControl<QPushButton>(30);
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(events, 1);
  EXPECT_EQ(service.Registers().eventWindow, kTestDialog);
  EXPECT_EQ(service.Registers().eventItem, 30);
  EXPECT_EQ(service.Registers().itemHit, 30);
  EXPECT_TRUE(service.WindowVisible(kTestDialog)) << "only a modal run closes on a button";
}

TEST_F(OpenDialog, RealMousePressesOnPictures) {
  service.WindowShow(kTestDialog);
  auto* picture = FindControl<QWidget>(60);
  ASSERT_NE(picture, nullptr);
  QTest::mousePress(picture, Qt::RightButton);
  EXPECT_EQ(events, 0) << "the right button does nothing";
  QTest::mouseRelease(picture, Qt::RightButton);
  service.Registers().dragActive = true;
  QTest::mousePress(picture, Qt::LeftButton);
  EXPECT_EQ(events, 0) << "ignored while a drag runs";
  QTest::mouseRelease(picture, Qt::LeftButton);
  EXPECT_FALSE(service.Registers().dragActive) << "a mouse-up ends the drag";
  QTest::mousePress(picture, Qt::LeftButton);
  EXPECT_EQ(events, 1);
  EXPECT_EQ(service.Registers().clickCount, 1);
}

TEST_F(OpenDialog, MemoLines) {
  service.ItemSelect(kTestDialog, 26);
  FindControl<QPlainTextEdit>(26)->setPlainText("first\nsecond");
  service.MemoLineCount();
  EXPECT_EQ(service.Registers().intRegister, 2);
  service.MemoLine(3, 1);
  EXPECT_EQ(service.Registers().resultWord, 1);
  EXPECT_EQ(service.Registers().stringRegister, "second");
  service.MemoLine(3, 2);
  EXPECT_EQ(service.Registers().resultWord, 0) << "past the last line";
  service.MemoLine(0, 0);
  service.MemoLineCount();
  EXPECT_EQ(service.Registers().intRegister, 0);
}

TEST_F(OpenDialog, RealAndTextBindOnlyToEditFields) {
  double real = 1;
  std::string text;
  service.ItemSelect(kTestDialog, 21);  // a check box
  service.ItemBind(real);
  service.ItemBind(text);
  EXPECT_EQ(service.Transcript().size(), 2u);
  EXPECT_EQ(service.Bindings().kinds[21], ItemBindings::kUnbound);
}

TEST_F(OpenDialog, SystemDragWithoutAProxyAndPlainMoves) {
  service.ItemTemplate(kTestDialog, 60);
  const std::int32_t index = service.Registers().resultWord;
  // The test dialog has no proxy panel: mode 4 leaves everything as it was.
  service.ItemMove(index, 0, 0, MoveMode::SystemDrag);
  EXPECT_FALSE(service.Registers().dragActive);
  service.ItemMove(index, 33, 44, MoveMode::Place);
  service.ItemSelect(kTestDialog, 60);
  EXPECT_EQ(service.Registers().windowRect.left, 44);
  EXPECT_EQ(service.Registers().windowRect.top, 33);
}

TEST_F(OpenDialog, ReleasedWindowReopensAfresh) {
  std::string text = "typed";
  service.ItemSelect(kTestDialog, 13);
  service.ItemBind(text);
  service.ItemWrite(kTestDialog, 13);
  service.WindowRelease(kTestDialog);
  EXPECT_FALSE(service.WindowExists(kTestDialog));
  service.ServiceCall(op::kWindowOpen, -kTestDialog, 0, 0, 0);
  EXPECT_TRUE(service.WindowExists(kTestDialog));
  EXPECT_EQ(service.ItemText(kTestDialog, 13), "");
}

TEST_F(ServiceTest, MissingWindowsWarnAndAreFaults) {
  std::vector<std::string> faults;
  service.SetFaultHandler([&faults](const std::string& fault) { faults.push_back(fault); });
  service.WindowOpen(4242, 0);  // no such dialog: nothing is created
  EXPECT_FALSE(service.WindowExists(4242));
  for (const std::int32_t code : {op::kWindowBounds, op::kWindowHide, op::kWindowPlace,
                                  op::kWindowResize, op::kWindowRelease}) {
    service.ServiceCall(code, 4242, 0, 0, 0);
  }
  std::vector<MessageRecord> warnings;
  for (const auto& record : service.Transcript()) {
    if (record.kind != 0) warnings.push_back(record);
  }
  ASSERT_EQ(warnings.size(), 5u);
  for (const auto& record : warnings) {
    EXPECT_EQ(record, (MessageRecord{op::kWarningBox, "Window 4242 not found etc"}));
  }
  ASSERT_EQ(faults.size(), 6u);
  EXPECT_EQ(faults[0], "WindowOpen: no design for window 4242");
  EXPECT_EQ(faults[1], "no window 4242");
  EXPECT_EQ(service.Transcript().size(), 11u) << "every fault is in the transcript too";
}

TEST_F(ServiceTest, OperationsOnMissingItemsAreFaults) {
  std::vector<std::string> faults;
  service.SetFaultHandler([&faults](const std::string& fault) { faults.push_back(fault); });
  service.WindowOpen(kTestDialog, 0);
  service.ItemShow(kTestDialog, 77);
  service.SetItemText(kTestDialog, 77, "nobody reads this");
  service.PressPicture(kTestDialog, 78);
  service.WindowShow(4243);
  EXPECT_EQ(faults, (std::vector<std::string>{"ItemShow: no item 77 in window 9001",
                                              "SetItemText: no item 77 in window 9001",
                                              "PressPicture: no item 78 in window 9001",
                                              "WindowShow: no window 4243"}));
  // Asking is no fault: the program probes for items that may be missing.
  service.ItemSelect(kTestDialog, 77);
  EXPECT_FALSE(service.Registers().itemFound);
  EXPECT_FALSE(service.ItemExists(kTestDialog, 77));
  EXPECT_TRUE(service.ItemExists(kTestDialog, 60));
  EXPECT_FALSE(service.ItemVisible(kTestDialog, 77));
  EXPECT_EQ(faults.size(), 4u);
}

// A click during a pause runs no command in the middle of the action that
// pauses; a long action still hears it as a request to stop.
TEST_F(ServiceTest, NoCommandRunsDuringAPause) {
  QTimer::singleShot(0, [this] { service.PostEvent(kTestDialog, 30, 0); });
  service.DelayTicks(3);
  EXPECT_EQ(events, 0);
  service.PostEvent(kTestDialog, 30, 0);
  EXPECT_EQ(events, 1) << "after the pause commands run again";

  service.SetBusy(true);
  QTimer::singleShot(0, [this] { service.PostEvent(kTestDialog, 30, 0); });
  service.DelayTicks(3);
  EXPECT_TRUE(service.WaitForClick()) << "the click asks the long action to stop";
  service.SetBusy(false);
  EXPECT_EQ(events, 1);
}

TEST_F(ServiceTest, NumbersAndText) {
  auto& regs = service.Registers();
  regs.realRegister = 2.5;
  service.ServiceCall(op::kNumberToText, 0, 3, 0, 5);
  EXPECT_EQ(regs.stringRegister, "2.500");
  regs.intRegister = -12;
  service.NumberToText(2, 0);
  EXPECT_EQ(regs.stringRegister, "-12");
  regs.stringRegister = "";
  service.TextToNumber(5);
  EXPECT_EQ(regs.realRegister, 0.0);
  regs.stringRegister = "150";
  service.TextToNumber(3);
  EXPECT_EQ(regs.longRegister, 150);
  service.NumberToText(4, 0);
  service.TextToNumber(1);
  ASSERT_EQ(service.Transcript().size(), 2u);
  EXPECT_EQ(service.Transcript()[0], (MessageRecord{op::kErrorBox, "NumtoS unimplemented"}));
  EXPECT_EQ(service.Transcript()[1], (MessageRecord{op::kErrorBox, "StoNum unimplemented"}));
}

TEST_F(ServiceTest, ListStringsThroughTheService) {
  service.ServiceCall(op::kListString, 300, 0, 0, 4);
  EXPECT_EQ(service.Registers().stringRegister, "Spare cages");
  service.Registers().stringRegister = "override";
  service.ServiceCall(op::kListStringStore, 340, 1, 0, 3);
  service.ListString(340, 3);
  EXPECT_EQ(service.Registers().stringRegister, "override");
  EXPECT_TRUE(strings.Overrides().back().marked);
}

TEST_F(ServiceTest, MessageBoxesAreRecordedWithTheirKind) {
  for (const std::int32_t kind : {261, 262, 263, 264}) {
    service.Registers().stringRegister = "box " + std::to_string(kind);
    service.ServiceCall(kind, 0, 0, 0, 0);
  }
  ASSERT_EQ(service.Transcript().size(), 4u);
  EXPECT_EQ(service.Transcript()[1], (MessageRecord{262, "box 262"}));
  EXPECT_EQ(service.Transcript()[3], (MessageRecord{264, "box 264"}));
}

TEST_F(ServiceTest, TheTwoHundredAndFirstOverrideSaysSo) {
  for (std::int32_t index = 1; index <= 201; ++index) {
    service.Registers().stringRegister = "x";
    service.ListStringStore(741, index, 0);
  }
  ASSERT_EQ(service.Transcript().size(), 1u);
  EXPECT_EQ(service.Transcript()[0],
            (MessageRecord{op::kErrorBox, "Sorry.  Insufficient space to add more resources"}));
}

TEST_F(ServiceTest, ColourByNumber) {
  service.ColourSet(205, 1210);
  EXPECT_EQ(service.Registers().colour.rgb, 0xFF0000u);
  EXPECT_EQ(service.Registers().colour.red, 255 * 256);
  service.ColourSet(12, 1210);  // not a colour number: unchanged
  EXPECT_EQ(service.Registers().colour.rgb, 0xFF0000u);
}

TEST(Layout, SizeFollowsTheScreen) {
  EXPECT_EQ(LayoutForScreen(1920, 1080), (LayoutSize{1280, 960}));
  EXPECT_EQ(LayoutForScreen(1280, 1024), (LayoutSize{800, 960}));
  EXPECT_EQ(LayoutForScreen(1281, 961), (LayoutSize{1280, 960}));
  EXPECT_EQ(LayoutForScreen(1280, 960), (LayoutSize{800, 600}));
  EXPECT_EQ(LayoutForScreen(1024, 768), (LayoutSize{800, 600}));
}

TEST_F(OpenDialog, PlacingByTheLayout) {
  service.PretendScreen({1920, 1080});
  service.WindowResize(kTestDialog, 300, 400);
  service.WindowPlace(kTestDialog, 1, 3);
  service.WindowBounds(kTestDialog);
  EXPECT_EQ(service.Registers().windowRect.left, 1280 / 2 - 400 / 2);
  EXPECT_EQ(service.Registers().windowRect.top, 960 - 300);
  service.PretendScreen({1024, 768});
  service.WindowResize(kTestDialog, 301, 401);
  service.WindowPlace(kTestDialog, 2, 2);
  service.WindowBounds(kTestDialog);
  EXPECT_EQ(service.Registers().windowRect.left, 0);
  EXPECT_EQ(service.Registers().windowRect.top, -20);
  service.WindowPlace(kTestDialog, 1, 40);
  service.WindowBounds(kTestDialog);
  EXPECT_EQ(service.Registers().windowRect.left, 400 - 200);  // halves truncated
  EXPECT_EQ(service.Registers().windowRect.top, 40);
}

TEST_F(OpenDialog, ClonesTakeTheTemplatesShapeAndANewNumber) {
  service.ItemTemplate(kTestDialog, 60);
  service.ItemClone();
  service.ItemSetNumber(131);
  service.ItemSelect(kTestDialog, 131);
  ASSERT_TRUE(service.Registers().itemFound);
  EXPECT_FALSE(service.Registers().itemState.visible);
  EXPECT_EQ(service.Registers().windowRect.right - service.Registers().windowRect.left, 40);
  service.ItemDestroy(kTestDialog, 131);
  service.ItemSelect(kTestDialog, 131);
  EXPECT_FALSE(service.Registers().itemFound);
}

// Two clones given the same number: the earlier is the one found, until it
// goes or takes another number; then the later one is.
TEST_F(OpenDialog, AnItemNumberFindsTheFirstComponentCarryingIt) {
  const auto cloneOf60 = [&](std::int32_t number, std::int32_t width) {
    service.ItemTemplate(kTestDialog, 60);
    service.ItemClone();
    service.ItemSetNumber(number);
    service.ItemResize(40, width);
  };
  const auto widthOf = [&](std::int32_t number) {
    service.ItemSelect(kTestDialog, number);
    if (!service.Registers().itemFound) return -1;
    return service.Registers().windowRect.right - service.Registers().windowRect.left;
  };
  cloneOf60(131, 11);
  cloneOf60(131, 22);
  EXPECT_EQ(widthOf(131), 11);
  service.ItemSelect(kTestDialog, 131);
  service.ItemSetNumber(132);
  EXPECT_EQ(widthOf(131), 22) << "renumbered away";
  EXPECT_EQ(widthOf(132), 11);
  service.ItemSelect(kTestDialog, 131);
  service.ItemSetNumber(132);
  EXPECT_EQ(widthOf(131), -1);
  EXPECT_EQ(widthOf(132), 11) << "the earlier component stays first";
  service.ItemDestroy(kTestDialog, 132);
  EXPECT_EQ(widthOf(132), 22) << "destroyed";
  service.ItemDestroy(kTestDialog, 132);
  EXPECT_EQ(widthOf(132), -1);
  EXPECT_EQ(widthOf(60), 40) << "the template is untouched";
}

TEST_F(OpenDialog, ARangeOfItemsIsDestroyedAndNoOtherItem) {
  for (const std::int32_t number : {131, 135, 140}) {
    service.ItemTemplate(kTestDialog, 60);
    service.ItemClone();
    service.ItemSetNumber(number);
  }
  service.ItemDestroyRange(kTestDialog, 131, 139);
  for (const auto& [number, kept] : {std::pair{131, false}, std::pair{135, false}, std::pair{140, true}, std::pair{60, true}}) {
    service.ItemSelect(kTestDialog, number);
    EXPECT_EQ(service.Registers().itemFound, kept) << number;
  }
  EXPECT_EQ(FindControl<QLabel>(135), nullptr) << "the widget is gone at once";
}

class Dragging : public OpenDialog {
 protected:
  std::int32_t PictureIndex() {
    service.ItemTemplate(kTestDialog, 60);
    return service.Registers().resultWord;
  }
};

TEST_F(Dragging, ImageFollowsThePointer) {
  const std::int32_t index = PictureIndex();
  service.QueuePointerPath({{{130, 210}, {150, 215}, {180, 260}}});
  service.ItemMove(index, 0, 0, MoveMode::DragAndPlace);
  const auto& rect = service.Registers().dragRect;
  EXPECT_EQ(rect.left, 170);
  EXPECT_EQ(rect.top, 250);
  EXPECT_EQ(rect.right, 210);
  EXPECT_EQ(rect.bottom, 290);
  EXPECT_FALSE(service.Registers().dragActive);
  service.ItemSelect(kTestDialog, 60);
  EXPECT_EQ(service.Registers().windowRect.left, 170) << "mode 3 moves the item";
}

TEST_F(Dragging, PointerOutsideTheItemCentresTheImage) {
  const std::int32_t index = PictureIndex();
  service.QueuePointerPath({{{301, 101}, {311, 121}}});
  service.ItemMove(index, 0, 0, MoveMode::Drag);
  EXPECT_EQ(service.Registers().dragRect.left, 301 - 20 + 10);
  EXPECT_EQ(service.Registers().dragRect.top, 101 - 20 + 20);
  service.ItemSelect(kTestDialog, 60);
  EXPECT_EQ(service.Registers().windowRect.left, 120) << "mode 2 leaves the item";
}

TEST_F(Dragging, MouseDownsDuringADragAreIgnored) {
  service.Registers().dragActive = true;
  service.PressPicture(kTestDialog, 60);
  EXPECT_EQ(events, 0);
  service.ReleasePicture();
  service.PressPicture(kTestDialog, 60);
  EXPECT_EQ(events, 1);
  EXPECT_EQ(service.Registers().eventWindow, kTestDialog);
  EXPECT_EQ(service.Registers().eventItem, 60);
  EXPECT_EQ(service.Registers().itemHit, 60);
}

TEST_F(Dragging, RightButtonDoesNothing) {
  service.PressPicture(kTestDialog, 60, false, false);
  EXPECT_EQ(events, 0);
}

}  // namespace
}  // namespace crossmere::testing
