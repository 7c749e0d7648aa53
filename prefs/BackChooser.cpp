#include "prefs/BackChooser.h"

#include "core/Texts.h"

namespace velmora {

void BackChooser::mnu_ChangeDeck_Click() {
  if (state_.PlayersTurn != 1) return;  // not while the computer plays
  dialogs_.OpenBacks(*this);
  Forget();
  pause_.AfterModal();
  const bool changed = state_.BackChanged != kFalse;
  state_.BackChanged = kFalse;  // as the chooser's next opening would set it
  if (!changed) return;
  GetNewBackofCards();
  ini_.WriteDeckBack(state_.BackIndex);
}

void BackChooser::GetNewBackofCards() {
  for (Int16 s = 1; s <= kCardCount; ++s) {
    if (state_.Board[s].Turned != kTrue && board_.Shows(s) == ShownBoard::Picture::Back) {
      board_.ShowBack(s, state_.BackIndex);
    }
  }
}

void BackChooser::Form_Load(BacksView& window) {
  window_ = &window;
  ++opening_;
  blinking_ = 0;
  state_.BackChanged = kFalse;
  SelectedBack = 0;
  MarkedBack = state_.BackIndex;
  if (MarkedBack >= 1 && MarkedBack <= kBackCount) window_->SetBorder(MarkedBack, true);
}

void BackChooser::img_Back_Click(Int16 index) {
  if (index < 1 || index > kBackCount || window_ == nullptr) return;
  SelectedBack = index;
  // The border moves before the blink, not after it: a click that arrives during the blink
  // then finds the border where it belongs and moves it on, so only one picture ever has it.
  ResetBorderStyles(MarkedBack);
  MarkedBack = SelectedBack;
  ShowNewCard();
}

void BackChooser::ShowNewCard() {
  const Int16 index = SelectedBack;
  // A click during another picture's blink ends that blink at once.
  if (blinking_ != 0) window_->SetBackVisible(blinking_, true);
  window_->SetBorder(index, true);
  window_->SetBackVisible(index, false);
  blinking_ = index;
  const std::uint64_t opening = opening_;
  pause_.Delay(pause::kBlink);
  if (opening_ != opening) throw WindowClosed{};  // OK, Cancel or the close box came first
  window_->SetBackVisible(index, true);
  if (blinking_ == index) blinking_ = 0;
}

void BackChooser::ResetBorderStyles(Int16 index) {
  if (MarkedBack != 0 && MarkedBack != SelectedBack && index >= 1 && index <= kBackCount) {
    window_->SetBorder(index, false);
  }
}

void BackChooser::cmd_Ok_Click() {
  if (window_ != nullptr && SelectedBack != 0) {
    state_.BackIndex = SelectedBack;
    state_.BackChanged = kTrue;
  }
  Unload();
}

void BackChooser::Unload() {
  BacksView* window = window_;
  Forget();
  if (window != nullptr) window->Unload();
}

void BackChooser::Forget() {
  window_ = nullptr;
  ++opening_;
}

}  // namespace velmora
