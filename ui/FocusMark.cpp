#include "ui/FocusMark.h"

#include <QEvent>
#include <QPainter>

namespace velmora::ui {

void PaintFocusMark(QPainter& painter, const QRect& outer) {
  painter.save();
  painter.setPen(Qt::NoPen);
  const QRect inner = outer.adjusted(kFocusBand, kFocusBand, -kFocusBand, -kFocusBand);
  const QRect core = inner.adjusted(kFocusBand, kFocusBand, -kFocusBand, -kFocusBand);
  QRegion outerBand = QRegion(outer).subtracted(QRegion(inner));
  QRegion innerBand = QRegion(inner).subtracted(QRegion(core));
  painter.setClipRegion(outerBand);
  painter.fillRect(outer, kFocusOuter);
  painter.setClipRegion(innerBand);
  painter.fillRect(inner, kFocusInner);
  painter.restore();
}

FocusMarkAround::FocusMarkAround(QWidget* target)
    : QWidget(target->parentWidget()), target_(target) {
  setObjectName(target->objectName() + QStringLiteral("_focus"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  const int margin = 2 * kFocusBand;
  setGeometry(target->geometry().adjusted(-margin, -margin, margin, margin));
  target->installEventFilter(this);
  setVisible(target->hasFocus());
}

bool FocusMarkAround::eventFilter(QObject* watched, QEvent* event) {
  if (watched == target_ &&
      (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    setVisible(event->type() == QEvent::FocusIn);
  }
  return QWidget::eventFilter(watched, event);
}

void FocusMarkAround::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintFocusMark(painter, rect());
}

}  // namespace velmora::ui
