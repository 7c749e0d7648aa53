#include "ui/BoardKeys.h"

#include <Qt>
#include <algorithm>

#include "core/GameState.h"

namespace velmora::ui {

namespace {
constexpr int kRowLength = 11;
constexpr int kLastRow = (kCardCount - 1) / kRowLength;
}  // namespace

int SlotAfterKey(int slot, int key, bool control) {
  const int row = (slot - 1) / kRowLength;
  const int rowFirst = row * kRowLength + 1;
  const int rowLast = std::min(rowFirst + kRowLength - 1, static_cast<int>(kCardCount));
  switch (key) {
    case Qt::Key_Left:
      return std::max(slot - 1, 1);
    case Qt::Key_Right:
      return std::min(slot + 1, static_cast<int>(kCardCount));
    case Qt::Key_Up:
      return row > 0 ? slot - kRowLength : slot;
    case Qt::Key_Down:
      return row < kLastRow ? std::min(slot + kRowLength, static_cast<int>(kCardCount)) : slot;
    case Qt::Key_Home:
      return control ? 1 : rowFirst;
    case Qt::Key_End:
      return control ? kCardCount : rowLast;
    default:
      return 0;
  }
}

}  // namespace velmora::ui
