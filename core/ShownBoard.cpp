#include "core/ShownBoard.h"

namespace velmora {

void ShownBoard::ShowFace(Int16 slot, Int16 cardNo) {
  window_.ShowFace(slot, cardNo);
  Note(slot, Picture::Face);
}

void ShownBoard::ShowBack(Int16 slot, Int16 backIndex) {
  window_.ShowBack(slot, backIndex);
  Note(slot, Picture::Back);
}

void ShownBoard::ShowHint(Int16 slot, Int16 cardNo) {
  window_.ShowHint(slot, cardNo);
  Note(slot, Picture::Face);
}

void ShownBoard::ClearSlot(Int16 slot) {
  window_.ClearSlot(slot);
  Note(slot, Picture::Nothing);
}

void ShownBoard::Note(Int16 slot, Picture picture) {
  Drawn& drawn = slots_.at(Index(slot));
  drawn.picture = picture;
  ++drawn.drawings;
}

}  // namespace velmora
