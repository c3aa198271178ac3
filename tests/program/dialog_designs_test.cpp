#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QWidget>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

#include "exercises/question_types.h"
#include "layer/string_lists.h"
#include "layer/widgets/tlabelp.h"
#include "layer/window_factory.h"
#include "program/window_classes.h"
#include "tutor/question_window.h"

namespace crossmere {
namespace {

bool InsideMenu(const QWidget* widget) {
  for (; widget; widget = widget->parentWidget()) {
    if (qobject_cast<const QMenu*>(widget) || qobject_cast<const QMenuBar*>(widget)) return true;
  }
  return false;
}

// Every numbered control of a design: named C<seq>_<label>, its number used
// once, and a list caption that the string lists hold.
TEST(DialogDesigns, EveryControlIsNumberedOnceAndNamedByItsCaption) {
  const StringLists strings;
  const QRegularExpression name("^C[0-9]+_[A-Za-z0-9]*$");
  ASSERT_FALSE(CompiledForms().empty());
  for (const auto& [number, build] : CompiledForms()) {
    std::unique_ptr<QWidget> window(build());
    ASSERT_NE(window, nullptr) << "design " << number;
    std::map<std::int32_t, int> uses;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
      if (!control->property("item").isValid() || InsideMenu(control)) continue;
      const std::int32_t item = control->property("item").toInt();
      ++uses[item];
      EXPECT_TRUE(name.match(control->objectName()).hasMatch())
          << "design " << number << " item " << item << " is named " << control->objectName().toStdString();
      if (const auto* label = qobject_cast<const Tlabelp*>(control); label && label->resID() >= 1 && label->value() >= 1) {
        EXPECT_FALSE(strings.ListString(label->resID(), label->value()).empty())
            << "design " << number << " item " << item << " shows list " << label->resID() << " entry "
            << label->value();
      }
    }
    EXPECT_FALSE(uses.empty()) << "design " << number << " has no numbered control";
    for (const auto& [item, count] : uses) {
      EXPECT_EQ(count, 1) << "design " << number << " numbers " << count << " controls " << item;
    }
  }
}

// The program's window classes are built from designs that exist, and every
// question window has the controls the question framework drives.
TEST(DialogDesigns, WindowClassesHaveTheirDesignsAndQuestionWindowsTheirControls) {
  const auto& forms = CompiledForms();
  std::set<std::int32_t> questionWindows;
  for (const WindowClass& windowClass : ProgramWindowClasses()) {
    const std::int32_t form = windowClass.form != 0 ? windowClass.form : windowClass.number;
    if (windowClass.form != 0 || windowClass.style != WindowStyle::Dialog) {
      EXPECT_TRUE(forms.contains(form)) << "window " << windowClass.number << " has no design " << form;
    }
    if (IsQuestionWindow(windowClass.number)) questionWindows.insert(windowClass.number);
  }
  for (std::int32_t type = kFirstQuestionType; type <= kLastQuestionType; ++type) {
    const std::int32_t form = QuestionTypeOf(type).form;
    if (form == 0) continue;
    EXPECT_TRUE(questionWindows.contains(QuestionWindowOf(type))) << "type " << type;
    std::unique_ptr<QWidget> window(forms.at(form)());
    std::set<std::int32_t> items;
    for (const QWidget* control : window->findChildren<QWidget*>()) items.insert(control->property("item").toInt());
    using namespace question_window;
    for (const std::int32_t item : {kMark, kExplain, kHide, kSeeGenotypes, kGoodImage, kGoodText, kBadImage,
                                    kBadText, kMarksText, kInstruction}) {
      EXPECT_TRUE(items.contains(item)) << "type " << type << " design " << form << " lacks item " << item;
    }
  }
}

// Every caption a design gives (its own, or the list entry a label shows)
// fits its control in the font it is drawn in: no text cut off on the right
// or below.
TEST(DialogDesigns, EveryCaptionFitsItsControl) {
  const StringLists strings;
  int captions = 0;
  for (const auto& [number, build] : CompiledForms()) {
    std::unique_ptr<QWidget> window(build());
    // Style sheets set their fonts as a widget is polished.
    window->ensurePolished();
    for (auto* label : window->findChildren<QLabel*>()) {
      if (InsideMenu(label) || !label->isVisibleTo(window.get())) continue;
      if (const auto* listed = qobject_cast<const Tlabelp*>(label); listed && listed->resID() >= 1 && listed->value() >= 1) {
        label->setText(QString::fromStdString(strings.ListString(listed->resID(), listed->value())));
      }
      if (label->text().isEmpty() || label->textFormat() == Qt::RichText || !label->pixmap().isNull()) continue;
      ++captions;
      const QRect room = label->contentsRect();
      const QFontMetrics metrics(label->font());
      const QRect needed = label->wordWrap()
                               ? QRect(0, 0, room.width(), label->heightForWidth(room.width()))
                               : metrics.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft, label->text());
      EXPECT_TRUE(needed.width() <= room.width() && needed.height() <= room.height() + 2)
          << "design " << number << " item " << label->property("item").toInt() << " \""
          << label->text().left(40).toStdString() << "\" needs " << needed.width() << "x" << needed.height()
          << ", has " << room.width() << "x" << room.height();
    }
    for (auto* button : window->findChildren<QAbstractButton*>()) {
      if (InsideMenu(button) || !button->isVisibleTo(window.get()) || button->text().isEmpty()) continue;
      ++captions;
      const QSize needed = button->sizeHint();
      EXPECT_TRUE(needed.width() <= button->width())
          << "design " << number << " button " << button->property("item").toInt() << " \""
          << button->text().toStdString() << "\" needs " << needed.width() << ", has " << button->width();
    }
  }
  EXPECT_GT(captions, 400) << "the designs' captions were read";
}

}  // namespace
}  // namespace crossmere
