#include "ui/SpokenWidgets.h"

#include <QAccessibleWidget>
#include <QLabel>

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

// A line of the status bar. Screen readers read a status bar's children by their text, so the
// line offers its spoken name as read-only text: a score reads as its sentence, not as a digit.
class AccessibleStatusLine final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit AccessibleStatusLine(QLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    const auto* label = static_cast<const QLabel*>(widget());
    if (t == QAccessible::Name && label->accessibleName().isEmpty()) return label->text();
    return QAccessibleWidget::text(t);
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(int start, int end) const override { return Line().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Line().size()); }
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}

 private:
  QString Line() const { return text(QAccessible::Name); }
};

QAccessibleInterface* SpokenWidgetAccessibility(const QString&, QObject* object) {
  if (auto* announcer = qobject_cast<Announcer*>(object)) return new AccessibleAnnouncer(announcer);
  if (auto* label = qobject_cast<QLabel*>(object);
      label != nullptr && qobject_cast<StatusPanel*>(label->parent()) != nullptr) {
    return new AccessibleStatusLine(label);
  }
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
