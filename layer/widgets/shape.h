#pragma once

#include <QFrame>

namespace crossmere {

// An outline drawn over other items, such as the selected container's frame.
class Shape : public QFrame {
  Q_OBJECT

 public:
  explicit Shape(QWidget* parent = nullptr) : QFrame(parent) {}
};

}  // namespace crossmere

using crossmere::Shape;
