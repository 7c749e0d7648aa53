#include "ui/CardSlot.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmora::ui {

CardSlot::CardSlot(int index, QWidget* parent) : QWidget(parent), index_(index) {
  setAccessibleName(QStringLiteral("Card slot %1").arg(index));
}

void CardSlot::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void CardSlot::ClearPicture() {
  picture_ = QPixmap();
  update();
}

void CardSlot::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;  // an empty slot shows the window behind it
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), picture_);
}

void CardSlot::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void CardSlot::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a press and release of the left button inside the slot.
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit Clicked(index_);
}

}  // namespace velmora::ui
