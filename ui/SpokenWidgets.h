#pragma once

#include <QString>
#include <QWidget>

namespace velmora::ui {

// Says a sentence through the screen reader without moving the focus. To assistive tools it
// is a notification whose name is the sentence; it shows again for each one, since a
// notification is read as it shows and not when its text changes, and tells of its new name
// first, since a screen reader may read a name it kept from before. It draws nothing.
class Announcer final : public QWidget {
  Q_OBJECT
 public:
  explicit Announcer(QWidget* parent);
  void Say(const QString& sentence);
  const QString& Said() const { return said_; }

 private:
  QString said_;
};

// The panel that holds the status line and the scores, which a screen reader reads on
// request as the window's status bar; each line in it offers its words as text too. It draws
// nothing and takes no clicks.
class StatusPanel final : public QWidget {
  Q_OBJECT
 public:
  explicit StatusPanel(QWidget* parent);
};

}  // namespace velmora::ui
