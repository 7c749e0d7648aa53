#pragma once

#include <QPixmap>
#include <QWidget>

namespace velmora::ui {

// One board slot: stretches its picture to its own size, or shows nothing, and reports clicks
// with its index.
class CardSlot final : public QWidget {
  Q_OBJECT
 public:
  CardSlot(int index, QWidget* parent);
  void SetPicture(const QPixmap& picture);
  void ClearPicture();
  const QPixmap& Picture() const { return picture_; }
  int Index() const { return index_; }

 signals:
  void Clicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int index_;
  QPixmap picture_;
  bool pressed_ = false;
};

}  // namespace velmora::ui
