#include "ui/RulesWindow.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPainter>
#include <QPushButton>

#include "ui/CardPictures.h"
#include "ui/Fonts.h"
#include "ui/Language.h"
#include "ui/Palette.h"

namespace velmora::ui {

namespace {
constexpr double kTextFontPoints = 9.6;

// One printed line as assistive tools see it: a label lying over the line, which the window
// paints itself. It paints nothing and takes no clicks.
class RuleLine final : public QWidget {
 public:
  RuleLine(const QString& line, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(line);
  }
};

QAccessibleInterface* RuleLineAccessibility(const QString&, QObject* object) {
  auto* line = dynamic_cast<RuleLine*>(object);
  return line != nullptr ? new QAccessibleWidget(line, QAccessible::StaticText) : nullptr;
}

}  // namespace

RulesWindow::RulesWindow(CardPictures& pictures, QWidget* parent)
    : SecondaryWindow("frm_Rules", QCoreApplication::translate("RulesWindow", "How to Play"),
                      kClientWidth, kClientHeight, pictures, parent) {
  setFont(GameFont(kTextFontPoints));
  // The rules are painted, not held by a control: a screen reader reviews them line by line
  // through labels lying over the painted lines.
  static const bool accessible = (QAccessible::installFactory(RuleLineAccessibility), true);
  (void)accessible;
  // A translation keeps a margin on the right as wide as the English lines' indent on the left.
  lines_ =
      RuleLines(fontMetrics(), width() - fontMetrics().horizontalAdvance(QStringLiteral("  ")));
  int top = 0;
  for (const QString& text : lines_) {
    auto* line = new RuleLine(text, this);
    line->setGeometry(0, top, width(), LineHeight());
    top += LineHeight();
  }

  QPushButton* ok =
      AddButton("btn_OK", QCoreApplication::translate("RulesWindow", "OK"), 3600, 5760, 1095, 375);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

int RulesWindow::LineHeight() const {
  return fontMetrics().height();
}

void RulesWindow::paintEvent(QPaintEvent*) {
  // Printed afresh from the top on every paint, so a repaint lands where the first one did.
  // Lines run on past the right edge, where the window cuts them; none wraps.
  QPainter painter(this);
  painter.setPen(kWhite);
  const int ascent = fontMetrics().ascent();
  int top = 0;
  for (const QString& line : lines_) {
    if (!line.isEmpty()) painter.drawText(QPoint(0, top + ascent), line);
    top += LineHeight();
  }
}

}  // namespace velmora::ui
