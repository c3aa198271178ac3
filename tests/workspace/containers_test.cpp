#include "workspace/containers.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/workspace/running_program.h"

#include "genetics/genotype_classes.h"
#include "workspace/crossing_box.h"
#include "workspace/individuals.h"
#include "workspace/keyboard_moves.h"
#include "workspace/main_window.h"
#include "workspace/screen_objects.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace main_window;
using namespace containers;

// Containers and individuals made the way a student makes them.
class Containers : public testing::RunningProgram {
 protected:
  // Takes the spare container to (left, top) of the workspace.
  std::int32_t NewContainer(std::int32_t left, std::int32_t top) {
    std::int32_t spare = 0;
    for (std::int32_t c = kFirst + 1; c <= kLast && spare == 0; ++c) {
      if (session.containers.Record(c).count < 0 && service.ItemVisible(kWindow, c)) spare = c;
    }
    const ServiceRect r = Rect(spare);
    DragBy(spare, left - r.left, top - r.top);
    return spare;
  }

  // Drags an individual shown in the open view to (x, y) of the workspace;
  // returns the individual it became there (0: none).
  std::int32_t TakeOut(std::int32_t shown, std::int32_t x, std::int32_t y) {
    const std::int32_t view = kFirstViewWindow + session.genetics.kind;
    // The pointer path is given in the view's coordinates.
    const ServiceRect target = service.MapRect(kWindow, {y, x, y + 1, x + 1}, view);
    service.ItemSelect(view, shown);
    const auto r = service.Registers().windowRect;
    service.QueuePointerPath({{{r.left + 1, r.top + 1}, {target.left + 1, target.top + 1}}});
    service.PostEvent(view, shown, 0);
    std::int32_t object = 0;
    for (std::int32_t o = kFirstOffspringObject; o <= kLastOffspringObject; ++o) {
      if (session.genetics.objectClass[o] != 0 && service.ItemVisible(kWindow, o)) object = o;
    }
    return object;
  }
};

TEST_F(Containers, TheExerciseStartsWithStorageAndOneSpare) {
  EXPECT_EQ(session.containers.Record(kFirst).count, 0);
  EXPECT_EQ(session.containers.Record(kFirst).name, "Storage cage");
  EXPECT_EQ(service.ItemText(kWindow, kFirst + kLabelOffset), "Storage cage");
  EXPECT_EQ(session.containers.Record(kFirst + 1).count, -1);
  EXPECT_TRUE(service.ItemVisible(kWindow, kFirst + 1));
  EXPECT_FALSE(service.ItemVisible(kWindow, kFirst + 2));
}

// Containers stand on the workspace itself, not on white rectangles.
TEST_F(Containers, TheWorkspaceShowsThroughTheContainers) {
  const std::int32_t c = NewContainer(500, 300);
  QImage shot;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* main = qobject_cast<QMainWindow*>(top)) shot = main->centralWidget()->grab().toImage();
  }
  ASSERT_FALSE(shot.isNull());
  for (const std::int32_t container : {kFirst, c}) {
    const ServiceRect r = Rect(container);
    std::int32_t white = 0;
    for (std::int32_t y = r.top; y < r.bottom; ++y) {
      for (std::int32_t x = r.left; x < r.right; ++x) {
        if (shot.pixelColor(x, y) == Qt::white) ++white;
      }
    }
    EXPECT_EQ(white, 0) << "container " << container;
  }
}

TEST_F(Containers, ASpareComesIntoUseAndTheNextTakesItsPlace) {
  const std::int32_t c = NewContainer(500, 300);
  EXPECT_EQ(Rect(c).left, 500);
  EXPECT_EQ(session.containers.Record(c).count, 0);
  EXPECT_EQ(session.containers.inUse, 2);
  EXPECT_TRUE(service.ItemVisible(kWindow, c + 1)) << "the next spare is on the pile";
  EXPECT_EQ(session.containers.selected, c);
  EXPECT_TRUE(service.ItemVisible(kWindow, kHighlight));
}

TEST_F(Containers, ContainersStayOutOfTheBoxesAtTheTop) {
  const std::int32_t c = NewContainer(500, 300);
  DragBy(c, 200 - 500, 60 - 300);  // left 200 <= 430 and top 60 above the limit
  EXPECT_EQ(Rect(c).left, 500);
  EXPECT_EQ(Rect(c).top, 300);
}

TEST_F(Containers, OverlapThresholdWithThePointerOutside) {
  const std::int32_t c = NewContainer(500, 300);  // 71 x 34 at (500, 300)
  struct Case {
    std::int32_t overlapWidth;
    bool goesIn;
  };
  for (const Case k : {Case{23, false}, Case{24, true}}) {
    const std::int32_t object = PutOnWorkspace(1, 200, 300);
    const ServiceRect r = Rect(object);
    const std::int32_t width = r.right - r.left;
    // The picture's right part covers the container's left part, full height;
    // the pointer is at the picture's top-left corner, outside the container.
    service.QueuePointerPath({{{r.left + 1, r.top + 1}, {500 + k.overlapWidth - width + 1, 300 + 1}}});
    service.PressPicture(kWindow, object);
    EXPECT_EQ(session.genetics.objectClass[object] == 0, k.goesIn) << k.overlapWidth << " x 34";
  }
  EXPECT_EQ(session.containers.Record(c).count, 1);
  EXPECT_EQ(service.ItemText(kWindow, c + kLabelOffset), session.containers.Record(c).name);
}

TEST_F(Containers, TheHundredAndFirstIsRefused) {
  const std::int32_t c = NewContainer(500, 300);
  for (int i = 0; i < kCapacity; ++i) {
    const std::int32_t object = PutOnWorkspace(1, 200, 300);
    ASSERT_TRUE(PutInContainer(session, c, object)) << i;
  }
  const std::int32_t extra = PutOnWorkspace(1, 200, 300);
  EXPECT_FALSE(PutInContainer(session, c, extra));
  EXPECT_EQ(service.Transcript().back(), (MessageRecord{op::kErrorBox, "Sorry.  Cage is full."}));
  EXPECT_EQ(session.containers.Record(c).count, kCapacity);
  EXPECT_NE(session.genetics.objectClass[extra], 0);
}

// A parent refused by a full container goes back to its place in the
// crossing box, not to a corner of the workspace.
TEST_F(Containers, AParentRefusedByAFullContainerStaysInTheCrossingBox) {
  const std::int32_t c = NewContainer(200, 450);  // well away from the bin
  for (int i = 0; i < kCapacity; ++i) ASSERT_TRUE(PutInContainer(session, c, PutOnWorkspace(1, 200, 300)));
  const auto parents = session.example.parentObjects;
  const std::int32_t parentClass = session.genetics.objectClass[kFirstParentObject];
  const ServiceRect place = Rect(kFirstParentObject);
  const ServiceRect cage = Rect(c);
  service.ClearTranscript();
  DragBy(kFirstParentObject, cage.left + 10 - (place.left + place.right) / 2,
         cage.top + 10 - (place.top + place.bottom) / 2);
  ASSERT_EQ(service.Transcript().size(), 1u);
  EXPECT_EQ(service.Transcript()[0], (MessageRecord{op::kErrorBox, "Sorry.  Cage is full."}));
  EXPECT_EQ(session.example.parentObjects, parents);
  EXPECT_EQ(session.genetics.objectClass[kFirstParentObject], parentClass);
  EXPECT_TRUE(service.ItemVisible(kWindow, kFirstParentObject));
  EXPECT_EQ(session.cross.inBoxes, 2);
  EXPECT_FALSE(service.ItemExists(kWindow, parents[0]) && service.ItemVisible(kWindow, parents[0]))
      << "no copy of the parent stands on the workspace";
}

TEST_F(Containers, StorageDraggedOntoThePileIsRefusedLikeTheCommand) {
  PutInContainer(session, kFirst, PutOnWorkspace(1, 200, 300));
  const ServiceRect storage = Rect(kFirst);
  const ServiceRect pile = Rect(kFirst + 1);
  service.ClearTranscript();
  DragBy(kFirst, pile.left - storage.left + 5, pile.top - storage.top + 5, false);
  ASSERT_EQ(service.Transcript().size(), 1u);
  EXPECT_EQ(service.Transcript()[0], (MessageRecord{op::kErrorBox, "Can't recycle Storage cage"}));
  EXPECT_EQ(session.containers.Record(kFirst).count, 1);
  EXPECT_EQ(session.containers.inUse, 1);
  EXPECT_EQ(Rect(kFirst).left, storage.left) << "Storage stays where it stood";
  EXPECT_EQ(Rect(kFirst).top, storage.top);
  EXPECT_TRUE(service.ItemVisible(kWindow, kFirst));
}

TEST_F(Containers, StorageSpotsAreNotReused) {
  for (int i = 0; i < kCapacity; ++i) ASSERT_TRUE(PutInContainer(session, kFirst, PutOnWorkspace(1, 200, 300)));
  session.containers.Record(kFirst).spots[3] = -1;  // taken out while open
  --session.containers.Record(kFirst).count;
  EXPECT_FALSE(PutInContainer(session, kFirst, PutOnWorkspace(1, 200, 300))) << "the counter reached 100";
  session.containers.selected = kFirst;
  service.AnswerNextDialog([](ScriptedDialog& d) { d.Click(1000); });
  ContainerCommand(session, kEmpty);
  EXPECT_EQ(session.containers.storageSpots, 0);
  EXPECT_TRUE(PutInContainer(session, kFirst, PutOnWorkspace(1, 200, 300)));
}

TEST_F(Containers, AutomaticNames) {
  GeneticsState& g = session.genetics;
  g.hermaphrodite = false;  // as in an exercise with sexes
  const std::int32_t c = NewContainer(500, 300);
  auto classOf = [&](std::int32_t sex, std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(g.classIndexTable[ClassIndexOf(sex, {0, a, 0, 0}, {0, b, 0, 0})]);
  };
  const std::int32_t female = classOf(0, 1, 1);
  PutInContainer(session, c, PutOnWorkspace(female, 200, 300));
  const std::string name = session.containers.Record(c).name;
  ASSERT_EQ(name.rfind("Female,", 0), 0u) << name;
  const std::string piece = name.substr(7);
  EXPECT_FALSE(piece.empty());
  PutInContainer(session, c, PutOnWorkspace(classOf(1, 1, 1), 200, 300));
  EXPECT_EQ(session.containers.Record(c).name, piece) << "one male drops the sex part";
  const std::int32_t other = classOf(0, 0, 0);
  ASSERT_NE(LocusPhenotype(g, other, 1), LocusPhenotype(g, female, 1));
  PutInContainer(session, c, PutOnWorkspace(other, 200, 300));
  EXPECT_EQ(session.containers.Record(c).name, "MIXED");
}

TEST_F(Containers, RenamingSwitchesAutomaticNamingOff) {
  const std::int32_t c = NewContainer(500, 300);
  service.AnswerNextDialog([](ScriptedDialog& d) {
    d.SetText(8, "My favourites");
    d.Click(1000);
  });
  ASSERT_TRUE(service.ChooseMenuCommand(kCagesMenu, kRename));
  EXPECT_EQ(session.containers.Record(c).name, "My favourites");
  EXPECT_FALSE(session.autoSettings.autoName);
  EXPECT_FALSE(service.MenuItems(kAutoNameCommand)[0].checked);
  session.containers.selected = kFirst;
  ContainerCommand(session, kRename);
  EXPECT_EQ(service.Transcript().back(), (MessageRecord{op::kErrorBox, "Can't change name of Storage cage"}));
}

// Typing a new name replaces the old one.
TEST_F(Containers, TheRenameFieldOffersTheOldNameForReplacing) {
  const std::int32_t c = NewContainer(500, 300);
  session.containers.Record(c).name = "Old name";
  std::string selected;
  bool focused = false;
  service.AnswerNextDialog([&](ScriptedDialog& d) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      for (auto* edit : top->findChildren<QLineEdit*>()) {
        if (edit->property("item").toInt() == 8 && edit->isVisible()) {
          selected = edit->selectedText().toStdString();
          focused = edit->window()->focusWidget() == edit;
        }
      }
    }
    d.Click(990);
  });
  SelectContainer(session, c);
  ContainerCommand(session, kRename);
  EXPECT_EQ(selected, "Old name");
  EXPECT_TRUE(focused);
}

TEST_F(Containers, RecyclingReturnsAContainerToThePile) {
  const std::int32_t c = NewContainer(500, 300);
  PutInContainer(session, c, PutOnWorkspace(1, 200, 300));
  SelectContainer(session, c);
  service.AnswerNextDialog([](ScriptedDialog& d) { d.Click(990); });
  ContainerCommand(session, kRecycle);
  EXPECT_EQ(session.containers.Record(c).count, 1) << "Cancel changes nothing";
  SelectContainer(session, c);
  service.AnswerNextDialog([](ScriptedDialog& d) {
    d.SetChecked(90, true);  // and do not ask again
    d.Click(1000);
  });
  ContainerCommand(session, kRecycle);
  EXPECT_EQ(session.containers.Record(c).count, -1);
  EXPECT_EQ(session.containers.inUse, 1);
  EXPECT_EQ(session.containers.held, 0);
  const std::int32_t again = NewContainer(450, 300);
  SelectContainer(session, again);
  ContainerCommand(session, kRecycle);  // no dialog: the student asked not to be asked
  EXPECT_EQ(session.containers.Record(again).count, -1);
  EXPECT_EQ(service.PendingResponders(), 0u);
}

TEST_F(Containers, LookingInAndShuttingKeepsStorageGaps) {
  for (int i = 0; i < 4; ++i) PutInContainer(session, kFirst, PutOnWorkspace(1, 200, 300));
  SelectContainer(session, kFirst);
  ContainerCommand(session, kLookIn);
  const std::int32_t view = kFirstViewWindow + session.genetics.kind;
  ASSERT_TRUE(service.WindowVisible(view));
  EXPECT_FALSE(service.MenuItems(kFileMenu)[0].enabled) << "menus wait while a container is open";
  EXPECT_TRUE(service.MenuItems(kShut)[0].enabled);
  // Take the third one out, dropping it far outside the view.
  service.ItemSelect(view, kFirstShown + 2);
  const auto r = service.Registers().windowRect;
  service.QueuePointerPath({{{r.left + 5, r.top + 5}, {r.left + 900, r.top + 5}}});
  service.PostEvent(view, kFirstShown + 2, 0);
  EXPECT_EQ(session.containers.Record(kFirst).count, 3);
  EXPECT_LT(session.containers.Record(kFirst).spots[3], 0);
  ContainerCommand(session, kShut);
  EXPECT_FALSE(service.WindowExists(view));
  EXPECT_LT(session.containers.Record(kFirst).spots[3], 0) << "the Storage container keeps the gap";
  EXPECT_TRUE(service.MenuItems(kFileMenu)[0].enabled);
}

// Individuals taken out land where they are dropped; one that would stand
// behind the view, or on another, finds a free spot beside the view.
TEST_F(Containers, TakenOutIndividualsLandWhereDroppedAndStayInSight) {
  for (int i = 0; i < 3; ++i) PutInContainer(session, kFirst, PutOnWorkspace(1, 200, 300));
  SelectContainer(session, kFirst);
  ContainerCommand(session, kLookIn);
  const std::int32_t view = kFirstViewWindow + session.genetics.kind;
  const ServiceRect behind = service.WindowRectIn(view, kWindow);
  auto overlap = [](const ServiceRect& a, const ServiceRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
  };
  // Far from the view: exactly there.
  const std::int32_t mainX = behind.right + 20 > 700 ? 10 : behind.right + 20;
  const std::int32_t first = TakeOut(kFirstShown, mainX, 450);
  ASSERT_NE(first, 0);
  EXPECT_EQ(Rect(first).left, mainX);
  EXPECT_EQ(Rect(first).top, 450);
  // Onto the first: beside the view instead, on neither.
  const std::int32_t second = TakeOut(kFirstShown + 1, mainX, 450);
  ASSERT_NE(second, 0);
  EXPECT_FALSE(overlap(Rect(second), Rect(first)));
  EXPECT_FALSE(overlap(Rect(second), behind));
  // Behind the view: beside it.
  const std::int32_t third = TakeOut(kFirstShown + 2, (behind.left + behind.right) / 2, (behind.top + behind.bottom) / 2);
  ASSERT_NE(third, 0);
  EXPECT_FALSE(overlap(Rect(third), behind));
  EXPECT_FALSE(overlap(Rect(third), Rect(first)));
  EXPECT_FALSE(overlap(Rect(third), Rect(second)));
}

// A Monkbear is wider than its place in the view: taken out at the right
// edge, it still lands wholly on the layout.
TEST_F(Containers, AnIndividualTakenOutAtTheEdgeLandsInsideTheLayout) {
  PutInContainer(session, kFirst, PutOnWorkspace(1, 200, 300));
  SelectContainer(session, kFirst);
  ContainerCommand(session, kLookIn);
  const std::int32_t object = TakeOut(kFirstShown, session.startup.layout.width - 3, 450);
  ASSERT_NE(object, 0);
  EXPECT_EQ(Rect(object).right, session.startup.layout.width);
}

// Escape (or the close box, which presses the same "Shut") shuts the
// container, and the menus come back.
TEST_F(Containers, ClosingTheViewShutsTheContainer) {
  PutInContainer(session, kFirst, PutOnWorkspace(1, 200, 300));
  const std::int32_t view = kFirstViewWindow + session.genetics.kind;
  SelectContainer(session, kFirst);
  ContainerCommand(session, kLookIn);
  ASSERT_TRUE(service.WindowVisible(view));
  QWidget* window = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->property("dialog").toInt() == view && w->isVisible()) window = w;
  }
  ASSERT_NE(window, nullptr);
  QTest::keyClick(window, Qt::Key_Escape);
  EXPECT_EQ(session.containers.open, 0);
  EXPECT_FALSE(service.WindowExists(view));
  EXPECT_TRUE(service.MenuItems(kFileMenu)[0].enabled);
  EXPECT_EQ(session.containers.Record(kFirst).count, 1);
}

// The main window's buttons stay live while a container is open: moving on
// shuts the container before the next example replaces the workspace.
TEST_F(Containers, MovingOnShutsAnOpenContainerFirst) {
  PutInContainer(session, kFirst, PutOnWorkspace(1, 200, 300));
  SelectContainer(session, kFirst);
  ContainerCommand(session, kLookIn);
  const std::int32_t view = kFirstViewWindow + session.genetics.kind;
  ASSERT_TRUE(service.WindowVisible(view));
  ASSERT_TRUE(service.ItemVisible(kWindow, 899)) << "Quit instructions";
  service.PostEvent(kWindow, 899, 0);
  EXPECT_EQ(session.progress.current, 2);
  EXPECT_EQ(session.containers.open, 0);
  EXPECT_FALSE(service.WindowExists(view)) << "no view of the last example's pictures is left";
  EXPECT_TRUE(service.MenuItems(kFileMenu)[0].enabled);
  EXPECT_TRUE(service.MenuItems(kExitCommand)[0].enabled);
}

// With every screen number taken, nothing leaves a container: the student
// is told, and the individual stays where it was.
TEST_F(Containers, NoFreeScreenNumberKeepsTheIndividualInItsContainer) {
  for (int i = 0; i < 2; ++i) PutInContainer(session, kFirst, PutOnWorkspace(1, 200, 300));
  SelectContainer(session, kFirst);
  ContainerCommand(session, kLookIn);
  const std::int32_t view = kFirstViewWindow + session.genetics.kind;
  for (std::int32_t object = kFirstOffspringObject; object <= kLastOffspringObject; ++object) {
    if (session.genetics.objectClass[object] == 0) session.genetics.objectClass[object] = 1;
  }
  service.ClearTranscript();
  service.ItemSelect(view, kFirstShown);
  const auto r = service.Registers().windowRect;
  service.QueuePointerPath({{{r.left + 5, r.top + 5}, {r.left + 900, r.top + 5}}});
  service.PostEvent(view, kFirstShown, 0);
  ASSERT_EQ(service.Transcript().size(), 1u);
  EXPECT_EQ(service.Transcript()[0], (MessageRecord{op::kInformationBox, "Sorry.  No more animals possible"}));
  EXPECT_EQ(session.containers.Record(kFirst).count, 2);
  EXPECT_GT(session.containers.Record(kFirst).spots[1], 0);
  EXPECT_EQ(session.containers.held, 2);
}

// Auto fill that makes an offspring with nowhere to go and no screen number
// left says so, and does not count an offspring that never came to be.
TEST_F(Containers, AutoFillWithNoFreeScreenNumberSaysSo) {
  const std::int32_t first = NewContainer(450, 300);
  ASSERT_TRUE(PutInContainer(session, first, session.offspring.pending));
  session.offspring.pending = 0;
  for (std::int32_t object = kFirstOffspringObject; object <= kLastOffspringObject; ++object) {
    if (session.genetics.objectClass[object] == 0) session.genetics.objectClass[object] = 1;
  }
  const std::int32_t made = session.offspring.counters[0];
  const std::int32_t held = session.containers.held;
  service.ClearTranscript();
  AutoFill(session);
  ASSERT_EQ(service.Transcript().size(), 1u);
  EXPECT_EQ(service.Transcript()[0], (MessageRecord{op::kInformationBox, "Sorry.  No more animals possible"}));
  EXPECT_EQ(session.offspring.counters[0] - made, session.containers.held - held)
      << "every offspring counted is in a container";
  std::int32_t cross = 0;
  for (const std::int32_t count : session.offspring.crossClassCount) cross += count;
  EXPECT_EQ(cross, session.containers.held) << "the cross's tallies hold only offspring that came to be";
}

// Any click stops auto fill, the bare workspace included, and so does
// Escape; neither does anything else: no drag starts, no command runs in the
// middle of the loop.
TEST_F(Containers, AClickOrEscapeStopsAutoFillAndDoesNothingElse) {
  QWidget* workspace = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* main = qobject_cast<QMainWindow*>(top)) workspace = main->centralWidget();
  }
  ASSERT_NE(workspace, nullptr);
  // A true-breeding cross: auto fill would fill a container to the top.
  GeneticsState& g = session.genetics;
  std::int32_t homozygote = 0;
  for (std::int32_t c = 1; c <= kClassCount && homozygote == 0; ++c) {
    if (g.classes[c].Sum(g.locusPosition[1]) == 0 && g.classes[c].Sex() == 0) homozygote = c;
  }
  g.objectClass[kFirstParentObject] = g.objectClass[kSecondParentObject] = homozygote;
  const std::int32_t standing = PutOnWorkspace(1, 200, 420);
  const ServiceRect place = Rect(standing);
  enum class Stop { ClickOnWorkspace, ClickOnIndividual, Escape };
  for (const Stop stop : {Stop::ClickOnWorkspace, Stop::ClickOnIndividual, Stop::Escape}) {
    const std::int32_t c = NewContainer(stop == Stop::ClickOnWorkspace ? 450 : stop == Stop::ClickOnIndividual ? 600 : 700, 300);
    ASSERT_TRUE(PutInContainer(session, c, PutOnWorkspace(homozygote, 300, 500)));
    // The click or key waits in the queue until the loop looks for one.
    if (stop == Stop::Escape) {
      QCoreApplication::postEvent(workspace, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    } else {
      const QPoint at = stop == Stop::ClickOnIndividual ? QPoint(place.left + 30, place.top + 30) : QPoint(700, 560);
      QWidget* target = workspace->childAt(at) ? workspace->childAt(at) : workspace;
      QCoreApplication::postEvent(target,
                                  new QMouseEvent(QEvent::MouseButtonPress, QPointF(target->mapFrom(workspace, at)),
                                                  workspace->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                                                  Qt::NoModifier));
    }
    const std::int32_t held = session.containers.held;
    AutoFill(session);
    EXPECT_LE(session.containers.held - held, 1) << "the loop stopped at the first look";
    EXPECT_EQ(Rect(standing).left, place.left) << "nothing was dragged";
    EXPECT_EQ(Rect(standing).top, place.top);
  }
}

TEST_F(Containers, AutoFillSortsUntilAPhenotypeHasNoContainer) {
  // Two containers, each holding one offspring phenotype of the standing cross.
  const std::int32_t first = NewContainer(450, 300);
  const std::int32_t pending = session.offspring.pending;
  ASSERT_NE(pending, 0);
  const ServiceRect r = Rect(pending);
  DragBy(pending, 450 + 10 - r.left, 300 + 5 - r.top, false);
  ASSERT_EQ(session.containers.Record(first).count, 1);
  EXPECT_EQ(session.containers.Record(first).crossTag, session.cross.number);

  session.autoSettings.autoFill = true;
  std::int32_t guard = 0;
  // Offspring of the other phenotype stop the loop; put one in a second container.
  while (LocusPhenotype(session.genetics, session.genetics.objectClass[session.offspring.pending], 1) ==
             LocusPhenotype(session.genetics, session.containers.Record(first).spots[1], 1) &&
         guard++ < 50) {
    const std::int32_t same = session.offspring.pending;
    DragBy(same, 450 + 10 - Rect(same).left, 300 + 5 - Rect(same).top, false);
  }
  const std::int32_t second = NewContainer(600, 300);
  const std::int32_t other = session.offspring.pending;
  DragBy(other, 600 + 10 - Rect(other).left, 300 + 5 - Rect(other).top, false);
  // Auto fill ran until one container held 100.
  const auto& a = session.containers.Record(first);
  const auto& b = session.containers.Record(second);
  EXPECT_TRUE(a.count == kCapacity || b.count == kCapacity);
  EXPECT_EQ(session.containers.Record(kFirst).count, 0) << "never into the Storage container";
  EXPECT_NE(session.offspring.pending, 0) << "the offspring that found no room waits in the box";
}

TEST_F(Containers, WrongSexForAPlace) {
  GeneticsState& g = session.genetics;
  g.hermaphrodite = false;
  const std::int32_t male = g.classIndexTable[ClassIndexOf(1, {0, 1, 0, 0}, {0, 1, 0, 0})];
  const std::int32_t object = PutOnWorkspace(male, 300, 300);
  DragBy(kFirstParentObject, 300, 250);  // empty the female place
  const ServiceRect place = Rect(kFirstParentObject);
  const ServiceRect r = Rect(object);
  DragBy(object, place.left - r.left, place.top - r.top);
  EXPECT_EQ(service.Transcript().back(), (MessageRecord{op::kErrorBox, "That's a male"}));
  EXPECT_EQ(Rect(object).left, 300) << "it goes back";
}

// What a screen reader says of the items of the workspace, read through
// Qt's accessibility interfaces: an individual its sex and phenotype, a
// container its name and count, a crossing box place what stands there.
TEST_F(Containers, ScreenReadersNameIndividualsContainersAndPlaces) {
  const auto spoken = [&](std::int32_t item) -> std::string {
    for (QWidget* w : QApplication::allWidgets()) {
      if (w->property("item").toInt() != item || !qobject_cast<QMainWindow*>(w->window())) continue;
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
      return face ? face->text(QAccessible::Name).toStdString() : "";
    }
    return "no item";
  };
  const std::int32_t pending = session.offspring.pending;
  const std::string looks = ClassDescription(session.genetics, session.genetics.objectClass[pending]);
  EXPECT_EQ(spoken(pending), looks);
  const CharacterTexts& words = session.genetics.vocabulary.characters[session.genetics.loci[1].character];
  EXPECT_NE(looks.find(words.name + ": "), std::string::npos) << looks;
  if (!session.genetics.hermaphrodite && !session.genetics.hiddenSex) {
    EXPECT_TRUE(looks.starts_with("Female; ") || looks.starts_with("Male; ")) << looks;
  }
  EXPECT_EQ(spoken(kFirstParentObject),
            "Crossing box, first place: " +
                ClassDescription(session.genetics, session.genetics.objectClass[kFirstParentObject]));
  EXPECT_EQ(spoken(individuals::kOffspringWell), "Offspring box");

  const std::int32_t c = NewContainer(450, 300);
  EXPECT_EQ(spoken(c), "Cage, 0 individuals");
  const ServiceRect r = Rect(pending);
  DragBy(pending, 450 + 10 - r.left, 300 + 5 - r.top, false);
  EXPECT_EQ(spoken(c), "Cage " + session.containers.Record(c).name + ", 1 individual");
  EXPECT_EQ(spoken(c + 1), "Spare cage");
}

// Without a mouse: Tab brings the focus to the waiting offspring, Ctrl+M
// opens "Move to...", and the cage chosen there takes it.
TEST_F(Containers, TheKeyboardMovesAnIndividualIntoACage) {
  const std::int32_t c = NewContainer(450, 300);
  const std::int32_t pending = session.offspring.pending;
  QMainWindow* main = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<QMainWindow*>(top)) main = window;
  }
  ASSERT_NE(main, nullptr);
  // The student has come back to the main window from the instructions.
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top != main) top->hide();
  }
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main));
  for (std::int32_t press = 0; press < 60 && service.FocusedItem(kWindow) != pending; ++press) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : main, Qt::Key_Tab);
  }
  ASSERT_EQ(service.FocusedItem(kWindow), pending) << "Tab reaches the waiting offspring";

  const auto places = MovePlacesFor(session, pending);
  std::vector<std::string> names;
  for (const MovePlace& place : places) names.push_back(place.name);
  const std::vector<std::string> expected{"Storage cage, 0 individuals", "Cage, 0 individuals", "Rubbish bin", "Workspace"};
  EXPECT_EQ(names, expected) << "both crossing box places are taken";
  service.AnswerNextDialog([](ScriptedDialog& d) {
    d.Select(11, 1);
    d.Click(1000);
  });
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(session.containers.Record(c).count, 1);
  EXPECT_NE(session.offspring.pending, 0) << "the next offspring waits";
}

TEST_F(Containers, OffspringOfTheStartingParentsCarryTheirCross) {
  EXPECT_EQ(session.cross.number, 1) << "the starting parents are the first cross";
  const std::int32_t c = NewContainer(450, 300);
  const std::int32_t pending = session.offspring.pending;
  EXPECT_EQ(session.offspring.f1[pending], 1);
  const ServiceRect r = Rect(pending);
  DragBy(pending, 450 + 10 - r.left, 300 + 5 - r.top, false);
  EXPECT_EQ(session.containers.Record(c).crossTag, 1);
  // The freed number goes to the next offspring, an F1 too.
  EXPECT_EQ(session.offspring.pending, pending);
  EXPECT_EQ(session.offspring.f1[pending], 1);
  FreeObject(session, pending);
  EXPECT_EQ(session.offspring.f1[pending], 0) << "freed with its number";
}

TEST_F(Containers, OtherContainersCloseTheirGaps) {
  const std::int32_t c = NewContainer(500, 300);
  std::vector<std::int32_t> classes;
  for (int i = 0; i < 4; ++i) {
    const std::int32_t classNumber = i % 2 == 0 ? 1 : 7;
    classes.push_back(classNumber);
    PutInContainer(session, c, PutOnWorkspace(classNumber, 200, 300));
  }
  SelectContainer(session, c);
  ContainerCommand(session, kLookIn);
  const std::int32_t view = kFirstViewWindow + session.genetics.kind;
  service.ItemSelect(view, kFirstShown + 2);
  const auto r = service.Registers().windowRect;
  service.QueuePointerPath({{{r.left + 5, r.top + 5}, {r.left + 900, r.top + 5}}});
  service.PostEvent(view, kFirstShown + 2, 0);
  ContainerCommand(session, kShut);
  const ContainerRecord& record = session.containers.Record(c);
  EXPECT_EQ(record.count, 3);
  EXPECT_EQ(record.spots[1], classes[0]);
  EXPECT_EQ(record.spots[2], classes[1]);
  EXPECT_EQ(record.spots[3], classes[3]) << "the fourth moved up into the gap";
  EXPECT_EQ(record.spots[4], 0);
}

TEST_F(Containers, WithAllSixteenInUseRecyclingRefillsThePile) {
  std::vector<std::int32_t> taken;
  for (int i = 0; i < 16; ++i) taken.push_back(NewContainer(440 + (i % 4) * 80, 140 + (i / 4) * 60));
  EXPECT_EQ(session.containers.inUse, 17);
  for (std::int32_t c = kFirst + 1; c <= kLast; ++c) EXPECT_GE(session.containers.Record(c).count, 0);
  SelectContainer(session, taken[5]);
  service.AnswerNextDialog([](ScriptedDialog& d) { d.Click(1000); });
  ContainerCommand(session, kRecycle);
  EXPECT_EQ(session.containers.inUse, 16);
  EXPECT_TRUE(service.ItemVisible(kWindow, taken[5])) << "back on the pile";
  EXPECT_EQ(Rect(taken[5]).left, 515);
  const std::int32_t again = NewContainer(700, 500);
  EXPECT_EQ(again, taken[5]);
  EXPECT_EQ(session.containers.inUse, 17);
}

TEST_F(Containers, AFemaleOnTheMalePlace) {
  GeneticsState& g = session.genetics;
  g.hermaphrodite = false;
  const std::int32_t female = g.classIndexTable[ClassIndexOf(0, {0, 1, 0, 0}, {0, 1, 0, 0})];
  const std::int32_t object = PutOnWorkspace(female, 300, 300);
  DragBy(kSecondParentObject, 300, 250);  // empty the male place
  const ServiceRect place = Rect(kSecondParentObject);
  const ServiceRect r = Rect(object);
  DragBy(object, place.left - r.left, place.top - r.top);
  EXPECT_EQ(service.Transcript().back(), (MessageRecord{op::kErrorBox, "That's a female"}));
  EXPECT_EQ(session.genetics.objectClass[kSecondParentObject], 0);
}

TEST_F(Containers, AutoFillLeavesEarlierCrossesAndStopsWhenFull) {
  // A container of an earlier cross holding the offspring's phenotype...
  const std::int32_t earlier = NewContainer(450, 300);
  const std::int32_t pending = session.offspring.pending;
  const std::int32_t phenotypeClass = session.genetics.objectClass[pending];
  PutInContainer(session, earlier, PutOnWorkspace(phenotypeClass, 200, 300));
  session.containers.Record(earlier).crossTag = session.cross.number + 7;
  // ...and one of this cross, almost full with the same phenotype.
  const std::int32_t current = NewContainer(600, 300);
  for (int i = 0; i < kCapacity - 1; ++i) PutInContainer(session, current, PutOnWorkspace(phenotypeClass, 200, 300));
  session.containers.Record(current).crossTag = session.cross.number;
  const std::int32_t earlierCount = session.containers.Record(earlier).count;
  session.autoSettings.autoFill = true;
  const ServiceRect r = Rect(pending);
  DragBy(pending, 600 + 10 - r.left, 300 + 5 - r.top, false);
  EXPECT_EQ(session.containers.Record(current).count, kCapacity);
  EXPECT_EQ(session.containers.Record(earlier).count, earlierCount) << "never a container of an earlier cross";
  EXPECT_NE(session.offspring.pending, 0) << "the offspring that found no room waits in the box";
}

TEST_F(Containers, MenuStateFollowsTheContainers) {
  auto enabled = [&](std::int32_t command) { return service.MenuItems(command)[0].enabled; };
  EXPECT_FALSE(enabled(kEmpty));
  EXPECT_FALSE(enabled(kRecycleAll)) << "only the Storage container is in use";
  const std::int32_t c = NewContainer(500, 300);
  EXPECT_TRUE(enabled(kRename)) << "the new container is selected";
  EXPECT_TRUE(enabled(kLookIn));
  EXPECT_FALSE(enabled(kEmpty)) << "it is empty";
  EXPECT_TRUE(enabled(kRecycleAll));
  EXPECT_FALSE(enabled(kEmptyAll));
  PutInContainer(session, c, PutOnWorkspace(1, 200, 300));
  EXPECT_TRUE(enabled(kEmptyAll));
  EXPECT_FALSE(enabled(kRename)) << "putting in deselects";
  SelectContainer(session, c);
  EXPECT_TRUE(enabled(kEmpty));
  service.AnswerNextDialog([](ScriptedDialog& d) { d.Click(1000); });
  ContainerCommand(session, kEmpty);
  EXPECT_FALSE(enabled(kEmpty));
  EXPECT_FALSE(enabled(kEmptyAll));
  EXPECT_EQ(session.containers.held, 0);
}

}  // namespace
}  // namespace crossmere
