#pragma once

#include <QLabel>

namespace crossmere {

// A gene slot of a genotype question: holds one gene symbol. A symbol is
// dropped in from the template (or from another slot) and dragged out to
// remove it; with the keyboard a focused slot takes a typed letter, "+"
// (or the symbol of a male's missing gene), and Delete or Backspace empties it.
class GeneSlot : public QLabel {
  Q_OBJECT

 public:
  explicit GeneSlot(QWidget* parent = nullptr);

  // A symbol arrives (dropped or typed).
  void Receive(const QString& symbol);
  // The symbol leaves (dragged out); the slot is empty after.
  void Release() { clear(); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// A symbol of the template box: dragged into slots any number of times.
class SymbolTile : public QLabel {
  Q_OBJECT

 public:
  explicit SymbolTile(QWidget* parent = nullptr);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace crossmere

using crossmere::GeneSlot;
using crossmere::SymbolTile;
