#pragma once

#include <QTimer>

#include "ui/SecondaryWindow.h"

namespace velmora::ui {

// The "Shuffling" notice: a small modal window that closes itself three seconds after it is
// shown. It has no buttons and ignores Esc; its close box still ends it early.
class ShuffleNotice final : public SecondaryWindow {
  Q_OBJECT
 public:
  static constexpr int kShowMilliseconds = 3000;

  ShuffleNotice(CardPictures& pictures, QWidget* parent);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QTimer wait_;
};

}  // namespace velmora::ui
