#include "ui/QtSettingsHost.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/Language.h"
#include "ui/WindowPlacement.h"

namespace velmora::ui {

void QtSettingsHost::Beep() {
  QApplication::beep();
}

void QtSettingsHost::ShowFatalError(std::string_view prompt, std::string_view title) {
  QMessageBox box(QMessageBox::Critical, Translated("Texts", title), Translated("Texts", prompt),
                  QMessageBox::Ok);
  KeepPlaced(box, Centring::LeftToToolkit);
  box.exec();
}

}  // namespace velmora::ui
