#include "workspace/screen_objects.h"

#include <gtest/gtest.h>

#include "tests/workspace/running_program.h"

#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace main_window;

class ScreenObjects : public testing::RunningProgram {
 protected:
  // Moves the waiting offspring out to (left, top) of the workspace; returns it.
  std::int32_t TakeOffspringTo(std::int32_t left, std::int32_t top) {
    const std::int32_t object = session.offspring.pending;
    const ServiceRect r = Rect(object);
    DragBy(object, left - r.left, top - r.top);
    return object;
  }
};

TEST_F(ScreenObjects, TheOffspringLeavesTheBoxAndTheNextOneComes) {
  const std::int32_t first = TakeOffspringTo(300, 250);
  EXPECT_EQ(Rect(first).left, 300);
  EXPECT_EQ(Rect(first).top, 250);
  EXPECT_NE(session.offspring.pending, first);
  EXPECT_NE(session.offspring.pending, 0);
  EXPECT_TRUE(service.ItemVisible(kWindow, session.offspring.pending));
  EXPECT_EQ(session.offspring.counters[0], 2);
}

TEST_F(ScreenObjects, HigherNumberWinsWhereIndividualsOverlap) {
  const std::int32_t a = TakeOffspringTo(300, 250);
  const std::int32_t b = TakeOffspringTo(320, 260);
  ASSERT_GT(b, a);
  EXPECT_EQ(PickIndividual(session, 330, 270), b);
  EXPECT_EQ(PickIndividual(session, 305, 255), a);
  EXPECT_EQ(PickIndividual(session, 700, 500), 0);
}

TEST_F(ScreenObjects, OnePixelOnTheBinDestroys) {
  const std::int32_t object = TakeOffspringTo(300, 250);
  const ServiceRect bin = Rect(screen::kBin);
  const ServiceRect r = Rect(object);
  // Its right edge ends one pixel inside the bin's left edge, the pointer well outside.
  DragBy(object, bin.left + 1 - r.right, bin.top - r.top);
  EXPECT_EQ(session.genetics.objectClass[object], 0);
  service.ItemSelect(kWindow, object);
  EXPECT_FALSE(service.Registers().itemFound);
}

TEST_F(ScreenObjects, DropsArePulledBackInsideTheLayout) {
  const std::int32_t object = TakeOffspringTo(300, 250);
  const std::int32_t width = Rect(object).right - Rect(object).left;
  ASSERT_GT(width, 80) << "a Monkbear is wider than the usual 80 pixels";
  DragBy(object, 460, 0);  // right edge beyond 800
  EXPECT_EQ(Rect(object).right, 800) << "pulled back by its own width, wholly inside";
  DragBy(object, -800, 0);
  EXPECT_EQ(Rect(object).left, 0);
  DragBy(object, 0, 400);  // bottom beyond 600 - 30
  EXPECT_EQ(Rect(object).top, 600 - 100);
}

// A parent place's picture is a little smaller than its individual's: taken
// out of the box to the right edge, the individual still lies wholly inside.
TEST_F(ScreenObjects, AParentTakenOutToTheEdgeLandsInside) {
  const std::int32_t parent = session.example.parentObjects[0];
  ASSERT_NE(parent, 0);
  DragBy(kFirstParentObject, 2000, 300);
  ASSERT_TRUE(service.ItemVisible(kWindow, parent));
  EXPECT_EQ(Rect(parent).right, session.startup.layout.width);
}

// Whatever is dragged stays where the student can reach it again.
TEST_F(ScreenObjects, TheBinAndContainersStayInsideTheLayout) {
  const LayoutSize layout = session.startup.layout;
  DragBy(screen::kBin, 0, 2000);
  EXPECT_LE(Rect(screen::kBin).bottom, layout.height);
  EXPECT_GE(Rect(screen::kBin).top, screen::kLowestBinTop);
  DragBy(screen::kBin, 3000, -100);
  EXPECT_LE(Rect(screen::kBin).right, layout.width);

  const std::int32_t cage = containers::kFirst + 1;  // from the spare pile
  const ServiceRect pile = Rect(cage);
  DragBy(cage, 500 - pile.left, 300 - pile.top);
  ASSERT_EQ(session.containers.Record(cage).count, 0);
  DragBy(cage, 2000, 0);
  EXPECT_LE(Rect(cage).right, layout.width);
  DragBy(cage, 0, 2000);
  EXPECT_LE(Rect(cage).bottom, layout.height);
  DragBy(containers::kFirst, -500, 0);
  EXPECT_GE(Rect(containers::kFirst).left, 0);
}

TEST_F(ScreenObjects, AStartingParentCanBeBinned) {
  const ServiceRect place = Rect(kFirstParentObject);
  const ServiceRect bin = Rect(screen::kBin);
  DragBy(kFirstParentObject, bin.left - place.left + 2, bin.top - place.top + 2, false);
  EXPECT_EQ(session.genetics.objectClass[kFirstParentObject], 0);
  EXPECT_EQ(session.example.parentObjects[0], 0);
  EXPECT_FALSE(service.ItemVisible(kWindow, kFirstParentObject));
}

TEST_F(ScreenObjects, ADropOnTheBoxesReturns) {
  const std::int32_t object = TakeOffspringTo(300, 250);
  const ServiceRect box = Rect(screen::kOffspringFrame);
  DragBy(object, box.left + 10 - 300, box.top + 10 - 250);
  EXPECT_EQ(Rect(object).left, 300);
  EXPECT_EQ(Rect(object).top, 250);
}

// The waiting offspring dropped on an empty parent place follows the
// crossing box's rules like any other individual.
TEST_F(ScreenObjects, TheWaitingOffspringOnAnEmptyParentPlace) {
  DragBy(kSecondParentObject, 300, 250);  // the father leaves; the mother stays
  ASSERT_EQ(session.genetics.objectClass[kSecondParentObject], 0);
  const std::int32_t waiting = session.offspring.pending;
  ASSERT_NE(waiting, 0);
  const ServiceRect place = Rect(kSecondParentObject);
  service.ClearTranscript();
  DragBy(waiting, place.left - Rect(waiting).left + 4, place.top - Rect(waiting).top + 4, false);
  ASSERT_EQ(service.Transcript().size(), 1u);
  EXPECT_EQ(service.Transcript()[0].text, "Please remove offspring from previous cross before setting up new cross");
  EXPECT_EQ(session.offspring.pending, waiting) << "it still waits in the box";

  // With the mother gone too, the offspring may take a place.
  DragBy(kFirstParentObject, 300, 150);
  ASSERT_EQ(session.genetics.objectClass[kFirstParentObject], 0);
  const ServiceRect first = Rect(kFirstParentObject);
  DragBy(waiting, first.left - Rect(waiting).left + 4, first.top - Rect(waiting).top + 4, false);
  EXPECT_EQ(session.example.parentObjects[0], waiting);
  EXPECT_NE(session.genetics.objectClass[kFirstParentObject], 0);
  EXPECT_NE(session.offspring.pending, waiting);
}

// Without separate sexes a parent may move to the other, empty place.
TEST_F(ScreenObjects, AParentMovesToTheOtherEmptyPlace) {
  ASSERT_TRUE(session.genetics.hermaphrodite);
  const std::int32_t mother = session.example.parentObjects[0];
  DragBy(kSecondParentObject, 300, 250);
  const ServiceRect from = Rect(kFirstParentObject);
  const ServiceRect to = Rect(kSecondParentObject);
  DragBy(kFirstParentObject, to.left - from.left + 4, 0, false);
  EXPECT_EQ(session.example.parentObjects[1], mother);
  EXPECT_EQ(session.example.parentObjects[0], 0);
  EXPECT_NE(session.genetics.objectClass[kSecondParentObject], 0);
  EXPECT_EQ(session.genetics.objectClass[kFirstParentObject], 0);
  EXPECT_TRUE(service.ItemVisible(kWindow, kSecondParentObject));
  EXPECT_FALSE(service.ItemVisible(kWindow, kFirstParentObject));
}

TEST_F(ScreenObjects, ParentsOutOfTheCrossingBoxAndBack) {
  const std::int32_t mother = session.example.parentObjects[0];
  const std::int32_t cross = session.cross.number;
  DragBy(kFirstParentObject, 300, 250);
  EXPECT_EQ(session.genetics.objectClass[kFirstParentObject], 0);
  EXPECT_FALSE(service.ItemVisible(kWindow, kFirstParentObject));
  ASSERT_TRUE(service.ItemVisible(kWindow, mother)) << "the mother now stands on the workspace";

  // The same individual back in its own place: no new cross.
  const ServiceRect place = Rect(kFirstParentObject);
  DragBy(mother, place.left - Rect(mother).left, place.top - Rect(mother).top);
  EXPECT_NE(session.genetics.objectClass[kFirstParentObject], 0);
  EXPECT_FALSE(service.ItemVisible(kWindow, mother));
  EXPECT_EQ(session.cross.number, cross);

  // Another individual while an offspring waits: refused.
  const std::int32_t child = TakeOffspringTo(400, 300);
  DragBy(kFirstParentObject, 300, 250);
  DragBy(child, place.left - Rect(child).left, place.top - Rect(child).top);
  EXPECT_EQ(session.genetics.objectClass[kFirstParentObject], 0);
  ASSERT_FALSE(service.Transcript().empty());
  EXPECT_EQ(service.Transcript().back().text,
            "Please remove offspring from previous cross before setting up new cross");

  // With the offspring box cleared, the child makes a new cross and offspring come.
  TakeOffspringTo(500, 420);
  EXPECT_EQ(session.offspring.pending, 0) << "no cross, no offspring";
  DragBy(child, place.left - Rect(child).left, place.top - Rect(child).top);
  EXPECT_NE(session.genetics.objectClass[kFirstParentObject], 0);
  EXPECT_EQ(session.cross.number, cross + 1);
  EXPECT_NE(session.offspring.pending, 0);
}

TEST_F(ScreenObjects, LockedParentsCannotBeDragged) {
  session.exercises.options[session.progress.current].Set(79);
  const std::int32_t before = session.genetics.objectClass[kFirstParentObject];
  DragBy(kFirstParentObject, 0, 400);  // would be the bin's row
  EXPECT_EQ(session.genetics.objectClass[kFirstParentObject], before);
  EXPECT_TRUE(service.ItemVisible(kWindow, kFirstParentObject));
}

TEST_F(ScreenObjects, TheBinStaysBelowTheBoxes) {
  const ServiceRect bin = Rect(screen::kBin);
  DragBy(screen::kBin, 0, 100 - bin.top);  // top 100: too high
  EXPECT_EQ(Rect(screen::kBin).top, bin.top);
  DragBy(screen::kBin, -100, 200 - bin.top);
  EXPECT_EQ(Rect(screen::kBin).top, 200);
  EXPECT_EQ(Rect(screen::kBin).left, bin.left - 100);
}

}  // namespace
}  // namespace crossmere
