#pragma once

#include <QPixmap>
#include <QWidget>

namespace velmora::ui {

// One board slot: stretches its picture to its own size, or shows nothing, and reports clicks
// with its index. To assistive tools it is a button named for what a player sees ("Card 12,
// face down", "Card 12, queen of hearts", "Card 12, empty") whose press action clicks it. It
// takes the keyboard focus from keys only, never from a click: Space and Enter click it, and
// the focus mark shows while it has the focus.
class CardSlot final : public QWidget {
  Q_OBJECT
 public:
  CardSlot(int index, QWidget* parent);
  // `shows` names the picture aloud: "face down", or the card's name.
  void SetPicture(const QPixmap& picture, const QString& shows);
  void ClearPicture();
  // A click from anywhere but the mouse (the accessible press action).
  void Press() { emit Clicked(index_); }
  const QPixmap& Picture() const { return picture_; }
  int Index() const { return index_; }

 signals:
  void Clicked(int index);
  // An arrow, Home or End key pressed while the slot has the focus.
  void MoveKey(int index, int key, bool control);
  void FocusedIn(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Describe(const QString& shows);

  int index_;
  QPixmap picture_;
  bool pressed_ = false;
};

}  // namespace velmora::ui
