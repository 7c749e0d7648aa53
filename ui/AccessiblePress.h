#pragma once

#include <QAccessibleWidget>
#include <QStringList>

namespace velmora::ui {

// A picture that answers clicks, as assistive tools see it: a widget of the given role whose
// press action is a click on it. `Picture` has Press(), the click's own path.
template <typename Picture>
class AccessiblePress : public QAccessibleWidget {
 public:
  AccessiblePress(Picture* picture, QAccessible::Role role) : QAccessibleWidget(picture, role) {}

  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      static_cast<Picture*>(widget())->Press();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }
};

}  // namespace velmora::ui
