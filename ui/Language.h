#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "core/GameState.h"

class QFontMetrics;

namespace velmora::ui {

// Installs the game's translation for the first of the desktop's languages (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) that the game speaks, with Qt's own for its buttons; English, or a language
// the game does not speak, installs nothing. Call once the application exists.
void UseDesktopLanguage();

// A text from the game logic, marked there with VELMORA_TEXT under `context`, in the player's
// language.
QString Translated(const char* context, std::string_view text);

// What a card is called aloud, "king of clubs", in the player's language.
QString CardNameText(Int16 cardNo);

// How To Play as printed lines for a window `width` wide: English keeps its own lines, a
// translation is wrapped word by word to the width. Each line opens with two blanks.
QStringList RuleLines(const QFontMetrics& metrics, int width);

}  // namespace velmora::ui
