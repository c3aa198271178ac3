#pragma once

#include <QWidget>

namespace crossmere {

// An area the program draws into, such as the organisms of the welcome window.
class PaintBox : public QWidget {
  Q_OBJECT

 public:
  explicit PaintBox(QWidget* parent = nullptr) : QWidget(parent) {}
};

}  // namespace crossmere

using crossmere::PaintBox;
