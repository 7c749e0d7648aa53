#include "ui/SpokenWidgets.h"

#include <QAccessibleWidget>

namespace velmora::ui {

namespace {

class AccessibleAnnouncer final : public QAccessibleWidget {
 public:
  explicit AccessibleAnnouncer(Announcer* announcer)
      : QAccessibleWidget(announcer, QAccessible::Notification) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<const Announcer*>(widget())->Said();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* SpokenWidgetAccessibility(const QString&, QObject* object) {
  if (auto* announcer = qobject_cast<Announcer*>(object)) return new AccessibleAnnouncer(announcer);
  if (auto* panel = qobject_cast<StatusPanel*>(object)) {
    return new QAccessibleWidget(panel, QAccessible::StatusBar);
  }
  return nullptr;
}

void InstallFactoryOnce() {
  static const bool installed = (QAccessible::installFactory(SpokenWidgetAccessibility), true);
  (void)installed;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  InstallFactoryOnce();
  setObjectName(QStringLiteral("announcer"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  resize(1, 1);
  hide();
}

void Announcer::Say(const QString& sentence) {
  said_ = sentence;
  hide();
  // Told before it shows, so that a screen reader which keeps names it has read hears this one.
  QAccessibleEvent renamed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&renamed);
  show();
}

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent) {
  InstallFactoryOnce();
  setObjectName(QStringLiteral("statusPanel"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

}  // namespace velmora::ui
