// The main window's menus, addressed by menu and command numbers. One number
// may stand on several items (the cage, bottle and tray menus share theirs);
// every change reaches all of them.

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "layer/service_impl.h"

namespace crossmere {
namespace {

std::vector<QAction*> Entries(const QMenu* menu) {
  std::vector<QAction*> entries;
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator()) entries.push_back(action);
  }
  return entries;
}

// Where a caption's mnemonic mark (a lone '&') stands, or -1.
qsizetype MnemonicMarkAt(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return i;
    ++i;
  }
  return -1;
}

// The letter after a lone '&' in a caption, or none.
QChar MnemonicOf(const QString& text) {
  const qsizetype mark = MnemonicMarkAt(text);
  return mark < 0 ? QChar() : text[mark + 1].toLower();
}

// A caption as the program gave it, without its mnemonic mark.
QString WithoutMnemonic(const QString& text) {
  QString plain;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

// Gives every command of the menu that has no mnemonic one of its own:
// the first free initial of a word, else the first free letter or digit.
// Captions change while the program runs, so this is done as the menu opens.
void GiveMnemonics(const QMenu* menu) {
  const auto entries = Entries(menu);
  QString used;
  for (const QAction* action : entries) {
    if (const QChar letter = MnemonicOf(action->text()); !letter.isNull()) used += letter;
  }
  for (QAction* action : entries) {
    const QString text = action->text();
    if (!MnemonicOf(text).isNull()) continue;
    qsizetype chosen = -1;
    for (const bool initialsOnly : {true, false}) {
      for (qsizetype i = 0; i < text.size() && chosen < 0; ++i) {
        const bool initial = i == 0 || text[i - 1] == QLatin1Char(' ');
        if ((initialsOnly && !initial) || !text[i].isLetterOrNumber() || used.contains(text[i].toLower())) continue;
        chosen = i;
      }
    }
    if (chosen < 0) continue;
    used += text[chosen].toLower();
    action->setText(text.left(chosen) + QLatin1Char('&') + text.mid(chosen));
  }
}

// A menu bar answers Alt and the marked letter of every title, shown or not,
// and where titles share a letter Qt hands the presses to each in turn, so a
// hidden title would swallow every other press. A hidden title gives up its
// mark and takes it back when shown.
void MarkTitleOnlyWhileShown(QAction* title) {
  static const char* const kMarked = "markedTitle";
  if (title->isVisible()) {
    if (const QVariant marked = title->property(kMarked); marked.isValid()) {
      title->setText(marked.toString());
      title->setProperty(kMarked, QVariant());
    }
    return;
  }
  const QString text = title->text();
  if (const qsizetype mark = MnemonicMarkAt(text); mark >= 0) {
    title->setProperty(kMarked, text);
    title->setText(text.left(mark) + text.mid(mark + 1));
  }
}

}  // namespace

void WindowService::Impl::WireMenus(QMainWindow* window) {
  for (QMenu* menu : window->menuBar()->findChildren<QMenu*>()) {
    menu->menuAction()->setProperty("item", menu->property("item"));
    QAction* title = menu->menuAction();
    MarkTitleOnlyWhileShown(title);
    QObject::connect(title, &QAction::visibleChanged, title, [title] { MarkTitleOnlyWhileShown(title); });
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { GiveMnemonics(menu); });
    for (QAction* action : Entries(menu)) {
      QObject::connect(action, &QAction::triggered, action,
                       [this, menu, action] { OnMenuTriggered(menu, action); });
    }
  }
}

std::vector<QAction*> WindowService::Impl::MenuActions() {
  std::vector<QAction*> actions;
  QMainWindow* main = MainWindow();
  if (!main) return actions;
  for (QAction* top : main->menuBar()->actions()) {
    actions.push_back(top);
    if (QMenu* menu = top->menu()) {
      for (QAction* action : Entries(menu)) actions.push_back(action);
    }
  }
  return actions;
}

void WindowService::Impl::OnMenuTriggered(const QMenu* menu, QAction* action) {
  const auto entries = Entries(menu);
  const auto at = std::find(entries.begin(), entries.end(), action);
  self.PostEvent(NumberOf(menu), NumberOf(action),
                 static_cast<std::int32_t>(at - entries.begin()) + 1);
}

void WindowService::Menu(std::int32_t menu, std::int32_t b, std::int32_t action, std::int32_t d) {
  registers_.resultWord = 0;
  const auto all = impl_->MenuActions();
  std::vector<QAction*> targets;
  if (menu != 0 && d >= 1) {
    for (QAction* item : all) {
      if (Impl::NumberOf(item) != menu || !item->menu()) continue;
      const auto entries = Entries(item->menu());
      if (d <= static_cast<std::int32_t>(entries.size())) targets.push_back(entries[d - 1]);
    }
  } else {
    const std::int32_t number = menu != 0 ? menu : d;
    if (number == 0) return;  // items without a number are never addressed
    for (QAction* item : all) {
      if (Impl::NumberOf(item) == number) targets.push_back(item);
    }
  }
  for (QAction* target : targets) {
    if (d == -2) target->setVisible(false);
    if (d == -1) target->setVisible(true);
    switch (static_cast<MenuAction>(action)) {
      case MenuAction::Check:
        target->setCheckable(true);
        target->setChecked(b != 0);
        break;
      case MenuAction::Enable:
        target->setEnabled(b != 0);
        break;
      case MenuAction::Caption:
        target->setText(Impl::MenuCaption(registers_.stringRegister));
        break;
      case MenuAction::HideOrCaption:
        if (b == -1) {
          target->setVisible(false);
        } else if (b == 0) {
          target->setVisible(true);
          target->setText(Impl::MenuCaption(registers_.stringRegister));
        }
        break;
    }
  }
}

std::vector<WindowService::MenuItemState> WindowService::MenuItems(std::int32_t number) const {
  std::vector<MenuItemState> states;
  for (QAction* item : impl_->MenuActions()) {
    if (Impl::NumberOf(item) != number) continue;
    states.push_back({item->isVisible(), item->isEnabled(), item->isChecked(),
                      WithoutMnemonic(item->text()).toStdString()});
  }
  return states;
}

QString WindowService::Impl::MenuCaption(const std::string& caption) {
  // An ampersand in the program's text is shown, not taken as a mnemonic.
  return QString::fromStdString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

bool WindowService::ChooseMenuCommand(std::int32_t menu, std::int32_t command) {
  for (QAction* top : impl_->MenuActions()) {
    if (!top->menu() || Impl::NumberOf(top) != menu || !top->isVisible() || !top->isEnabled())
      continue;
    for (QAction* action : Entries(top->menu())) {
      if (Impl::NumberOf(action) == command && action->isVisible() && action->isEnabled()) {
        action->trigger();
        return true;
      }
    }
  }
  return false;
}

}  // namespace crossmere
