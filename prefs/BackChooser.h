#pragma once

#include <cstdint>

#include "core/GameState.h"
#include "core/Pause.h"
#include "core/Views.h"

namespace velmora {

// The rules of the card-back chooser (frm_Backs): which picture carries the border, the blink
// of a chosen picture, and what OK and Cancel leave behind. The window itself only shows.
class BackChooser final : public BacksEvents {
 public:
  BackChooser(GameState& state, Pause& pause);

  // Opens the window modally and returns once it has gone, however it went.
  void Show(DialogView& dialogs);

  // BacksEvents
  void Form_Load(BacksView& window) override;
  void img_Back_Click(Int16 index) override;
  void cmd_Ok_Click() override;
  void cmd_Cancel_Click() override;
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
  Pause& pause_;
  BacksView* window_ = nullptr;
  std::uint64_t opening_ = 0;  // changes whenever the window comes or goes
  Int16 blinking_ = 0;         // the picture hidden for its blink now, if any
};

}  // namespace velmora
