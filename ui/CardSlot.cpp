#include "ui/CardSlot.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/AccessiblePress.h"
#include "ui/FocusMark.h"

namespace velmora::ui {

namespace {

QAccessibleInterface* CardSlotAccessibility(const QString&, QObject* object) {
  auto* slot = qobject_cast<CardSlot*>(object);
  // A button whose press is a click.
  return slot != nullptr ? new AccessiblePress<CardSlot>(slot, QAccessible::Button) : nullptr;
}

}  // namespace

CardSlot::CardSlot(int index, QWidget* parent) : QWidget(parent), index_(index) {
  static const bool accessible = (QAccessible::installFactory(CardSlotAccessibility), true);
  (void)accessible;
  setFocusPolicy(Qt::TabFocus);  // the window keeps the tab order to Deal and the board
  Describe(QCoreApplication::translate("Board", "empty"));
}

void CardSlot::SetPicture(const QPixmap& picture, const QString& shows) {
  picture_ = picture;
  Describe(shows);
  update();
}

void CardSlot::ClearPicture() {
  picture_ = QPixmap();
  Describe(QCoreApplication::translate("Board", "empty"));
  update();
}

void CardSlot::Describe(const QString& shows) {
  setAccessibleName(QCoreApplication::translate("Board", "Card %1, %2").arg(index_).arg(shows));
}

void CardSlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // An empty slot shows the window behind it.
  if (!picture_.isNull()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // All the picture's pixels go into the slot, whatever its ratio: a 2x face on a 200 %
    // screen is drawn at the screen's own resolution, only shrunk the little the slot is smaller.
    painter.drawPixmap(rect(), picture_);
  }
  if (hasFocus()) PaintFocusMark(painter, rect());
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

void CardSlot::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // A held key is one press, as a held mouse button is one click.
      if (!event->isAutoRepeat()) emit Clicked(index_);
      return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
      emit MoveKey(index_, event->key(), event->modifiers().testFlag(Qt::ControlModifier));
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void CardSlot::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  emit FocusedIn(index_);
  update();
}

void CardSlot::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace velmora::ui
