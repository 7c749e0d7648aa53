#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

#include "core/GameState.h"
#include "core/Views.h"

namespace velmora::ui {

// Puts into words what the board and the panel show, for a player who listens: each burst of
// changes (a card turned, a pair taken, the cards turned down and the new status) becomes one
// short utterance. It knows only what the window was asked to show: who turns a card is what
// the status line says, who took a pair is the score that went up.
class Narrator {
 public:
  void FaceShown(int slot, const QString& card);
  void HintShown(int slot, const QString& card);
  void BackShown(int slot);
  void Cleared(int slot);
  void Dealt();
  void CaptionSet(Label label, const QString& text);

  // What happened since the last call, in the order a player should hear it; empty when
  // nothing worth saying changed.
  QString Take();

  // "Computer, 3 pairs": a score as the panel means it.
  static QString Score(int side, const QString& caption);

 private:
  enum class Shows { Nothing, Face, Hint, Back };
  // The sentence about `cards`: `one` with its number, or `more` with all but the last, then the
  // last.
  static QString Slots(const QList<int>& cards, const char* one, const char* more);

  std::array<Shows, kCardCount + 1> shows_{};
  QString status_;
  std::array<QString, 2> scores_;

  // Since the last Take.
  bool dealt_ = false;
  QStringList turned_;
  QString hint_;
  QList<int> down_;
  QList<int> taken_;
  std::array<bool, 2> scored_{};
  bool statusChanged_ = false;
};

}  // namespace velmora::ui
