#include "ui/Language.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>

#include "core/CardNames.h"
#include "core/Texts.h"

namespace velmora::ui {

namespace {
constexpr char kTranslations[] = ":/i18n";
constexpr char kIndent[] = "  ";
}  // namespace

void UseDesktopLanguage() {
  auto* application = QCoreApplication::instance();
  for (const QString& name : QLocale::system().uiLanguages()) {
    const QLocale locale(name);
    // The first language the player named that the game speaks wins; English is built in.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) return;
    auto* game = new QTranslator(application);
    if (!game->load(locale, QStringLiteral("velmora"), QStringLiteral("_"),
                    QLatin1String(kTranslations))) {
      delete game;
      continue;
    }
    QCoreApplication::installTranslator(game);
    // Qt's own buttons (OK, Cancel) in the same language, when Qt's translations are installed.
    auto* qt = new QTranslator(application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(qt);
    } else {
      delete qt;
    }
    return;
  }
}

QString Translated(const char* context, std::string_view text) {
  const std::string source(text);
  return QCoreApplication::translate(context, source.c_str());
}

QString CardNameText(Int16 cardNo) {
  if (!IsCard(cardNo)) return QCoreApplication::translate("Cards", kNoCard);
  return QCoreApplication::translate("Cards", kCardNameTemplate)
      .arg(QCoreApplication::translate("Cards", CardRank(cardNo)),
           QCoreApplication::translate("Cards", CardSuit(cardNo)));
}

QStringList RuleLines(const QFontMetrics& metrics, int width) {
  const QString indent = QLatin1String(kIndent);
  QStringList lines;
  for (const char* paragraph : text::kRuleParagraphs) {
    lines << QString();
    const QString shown = QCoreApplication::translate("Rules", paragraph);
    if (shown == QLatin1String(paragraph)) {
      for (const QString& line : shown.split(QLatin1Char('\n'))) lines << indent + line;
      continue;
    }
    // A translation is wrapped here, so that no translator has to count how much a line holds.
    QString line = indent;
    for (const QString& word : shown.simplified().split(QLatin1Char(' '))) {
      const QString longer = line == indent ? indent + word : line + QLatin1Char(' ') + word;
      if (line != indent && metrics.horizontalAdvance(longer) > width) {
        lines << line;
        line = indent + word;
      } else {
        line = longer;
      }
    }
    lines << line;
  }
  return lines;
}

}  // namespace velmora::ui
