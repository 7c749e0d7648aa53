#include "ui/QtSettingsHost.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/WindowPlacement.h"

namespace velmora::ui {

void QtSettingsHost::Beep() {
  QApplication::beep();
}

void QtSettingsHost::ShowFatalError(std::string_view prompt, std::string_view title) {
  QMessageBox box(
      QMessageBox::Critical, QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
      QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())), QMessageBox::Ok);
  KeepPlaced(box, Centring::LeftToToolkit);
  box.exec();
}

}  // namespace velmora::ui
