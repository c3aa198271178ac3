#pragma once

#include <QLabel>

namespace crossmere {

// A label whose caption may come from a string list: when its window opens,
// a label with resID >= 1 and value >= 1 shows entry `value` of list `resID`.
class Tlabelp : public QLabel {
  Q_OBJECT
  Q_PROPERTY(int resID READ resID WRITE setResID)
  Q_PROPERTY(int value READ value WRITE setValue)
  Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
  Q_PROPERTY(int maximum READ maximum WRITE setMaximum)

 public:
  // Labels only show text: clicks go through to whatever lies beneath.
  explicit Tlabelp(QWidget* parent = nullptr) : QLabel(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

  int resID() const { return resID_; }
  void setResID(int list) { resID_ = list; }
  int value() const { return value_; }
  void setValue(int index) { value_ = index; }
  int minimum() const { return minimum_; }
  void setMinimum(int minimum) { minimum_ = minimum; }
  int maximum() const { return maximum_; }
  void setMaximum(int maximum) { maximum_ = maximum; }

 private:
  int resID_ = 0;
  int value_ = 0;
  int minimum_ = 0;
  int maximum_ = 0;
};

}  // namespace crossmere

using crossmere::Tlabelp;
