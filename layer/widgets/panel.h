#pragma once

#include <QFrame>

namespace crossmere {

// A panel groups items: showing one of its items shows the panel, and
// hiding its last visible item hides it.
class Panel : public QFrame {
  Q_OBJECT

 public:
  explicit Panel(QWidget* parent = nullptr) : QFrame(parent) {}
};

}  // namespace crossmere

using crossmere::Panel;
