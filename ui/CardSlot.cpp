#include "ui/CardSlot.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace velmora::ui {

namespace {

// A slot as assistive tools see it: a button whose press action is a click.
class AccessibleCardSlot final : public QAccessibleWidget {
 public:
  explicit AccessibleCardSlot(CardSlot* slot) : QAccessibleWidget(slot, QAccessible::Button) {}

  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      static_cast<CardSlot*>(widget())->Press();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }
};

QAccessibleInterface* CardSlotAccessibility(const QString&, QObject* object) {
  auto* slot = qobject_cast<CardSlot*>(object);
  return slot != nullptr ? new AccessibleCardSlot(slot) : nullptr;
}

}  // namespace

CardSlot::CardSlot(int index, QWidget* parent) : QWidget(parent), index_(index) {
  static const bool accessible = (QAccessible::installFactory(CardSlotAccessibility), true);
  (void)accessible;
  setFocusPolicy(Qt::NoFocus);
  Describe(QStringLiteral("empty"));
}

void CardSlot::SetPicture(const QPixmap& picture, const QString& shows) {
  picture_ = picture;
  Describe(shows);
  update();
}

void CardSlot::ClearPicture() {
  picture_ = QPixmap();
  Describe(QStringLiteral("empty"));
  update();
}

void CardSlot::Describe(const QString& shows) {
  setAccessibleName(QStringLiteral("Card %1, %2").arg(index_).arg(shows));
}

void CardSlot::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;  // an empty slot shows the window behind it
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // All the picture's pixels go into the slot, whatever its ratio: a 2x face on a 200 % screen
  // is drawn at the screen's own resolution, only shrunk the little the slot is smaller.
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
