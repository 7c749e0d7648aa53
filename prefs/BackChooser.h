#pragma once

#include <cstdint>

#include "core/GameState.h"
#include "core/Pause.h"
#include "core/ShownBoard.h"
#include "core/Views.h"
#include "prefs/Ini.h"

namespace velmora {

// Options > Change Deck and the card-back chooser (frm_Backs): which picture carries the
// border, the blink of a chosen picture, what OK and Cancel leave behind, and then the new
// back on every face-down card and in the settings file. The window itself only shows.
class BackChooser final : public BacksEvents {
 public:
  BackChooser(GameState& state, ShownBoard& board, DialogView& dialogs, Pause& pause, Ini& ini)
      : state_(state), board_(board), dialogs_(dialogs), pause_(pause), ini_(ini) {}

  // The main window's menu command: opens the chooser modally, then applies its choice.
  void mnu_ChangeDeck_Click();
  // Every face-down card that shows its back shows the chosen one. A face on show (the second
  // card of a turn, a hinted card) stays; it gets the new back when it turns face down.
  void GetNewBackofCards();

  // BacksEvents
  void Form_Load(BacksView& window) override;
  void img_Back_Click(Int16 index) override;
  void cmd_Ok_Click() override;
  void cmd_Cancel_Click() override { Unload(); }
  void Form_Unload() override { Forget(); }

  // The picture clicked last during this opening; 0 while none has been.
  Int16 SelectedBack = 0;
  // The picture whose border the next click must take away.
  Int16 MarkedBack = 0;

 private:
  void ShowNewCard();
  void ResetBorderStyles(Int16 index);
  void Unload();
  void Forget();

  GameState& state_;
  ShownBoard& board_;
  DialogView& dialogs_;
  Pause& pause_;
  Ini& ini_;
  BacksView* window_ = nullptr;
  std::uint64_t opening_ = 0;  // changes whenever the window comes or goes
  Int16 blinking_ = 0;         // the picture hidden for its blink now, if any
};

}  // namespace velmora
