#pragma once

#include <string_view>

#include "core/GameState.h"

namespace velmora {

// The labels of the main window whose captions the game changes.
enum class Label {
  PotComputer,  // lbl_Pot(0)
  PotPlayer,    // lbl_Pot(1)
  Match,        // lbl_Match
  Counter,      // lbl_Counter (never visible)
  GameMode,     // lbl_GameMode
  Level,        // lbl_Level
  Clock,        // Label2
};

// The menu entries that carry check marks.
enum class MenuItem { Computer, Practice, Beginner, Intermediate, Advanced };

// Secondary windows without events of their own for the game, each opened modally.
enum class Window { Shuffle, Rules, About };

// Message box styles (icon and buttons), as the game passes them.
inline constexpr int kStyleCritical = 16;
inline constexpr int kStyleInformation = 64;

class LabelView {
 public:
  virtual ~LabelView() = default;
  virtual void SetCaption(Label label, std::string_view text) = 0;
  virtual void SetLabelVisible(Label label, bool visible) = 0;
};

class TimerView {
 public:
  virtual ~TimerView() = default;
  virtual void SetTimerInterval(int milliseconds) = 0;
  virtual void SetTimerEnabled(bool enabled) = 0;
};

class BoardView {
 public:
  virtual ~BoardView() = default;
  virtual void ShowFace(Int16 slot, Int16 cardNo) = 0;
  virtual void ShowBack(Int16 slot, Int16 backIndex) = 0;
  virtual void ClearSlot(Int16 slot) = 0;
  // The two moments a picture alone cannot tell apart from a turn or a redraw, for a window that
  // also speaks: a hinted card's face, on show for a glimpse, and a deal just laid face down.
  virtual void ShowHint(Int16 slot, Int16 cardNo) { ShowFace(slot, cardNo); }
  virtual void Dealt() {}
};

class MessageView {
 public:
  virtual ~MessageView() = default;
  // Modal message box; returns when the user has closed it.
  virtual void ShowMessage(std::string_view prompt, int style, std::string_view title) = 0;
};

class MenuView {
 public:
  virtual ~MenuView() = default;
  virtual void SetChecked(MenuItem item, bool checked) = 0;
  virtual bool IsChecked(MenuItem item) const = 0;
};

// The card-back chooser window (frm_Backs) as its rules see it. Pictures are numbered 1..12.
class BacksView {
 public:
  virtual ~BacksView() = default;
  // The thin single-line frame of a back picture.
  virtual void SetBorder(Int16 index, bool on) = 0;
  virtual void SetBackVisible(Int16 index, bool visible) = 0;
  // Closes and destroys the window; the call that opened it returns once the handler running
  // now has returned. No event reaches the chooser afterwards.
  virtual void Unload() = 0;
};

// The chooser window's events, delivered like the main window's.
class BacksEvents {
 public:
  virtual ~BacksEvents() = default;
  // The window has been created and centred and is about to show.
  virtual void Form_Load(BacksView& window) = 0;
  virtual void img_Back_Click(Int16 index) = 0;
  virtual void cmd_Ok_Click() = 0;
  virtual void cmd_Cancel_Click() = 0;
  // The close box: the window is going away without the game asking.
  virtual void Form_Unload() = 0;
};

class DialogView {
 public:
  virtual ~DialogView() = default;
  // Opens a secondary window modally; returns when it has been unloaded.
  virtual void OpenModal(Window window) = 0;
  // Opens the card-back chooser modally with its events going to `events`; returns when it
  // has been unloaded (by the chooser, its close box, or the end of the program).
  virtual void OpenBacks(BacksEvents& events) = 0;
};

// Everything the game logic may do to the main window.
class MainView : public LabelView,
                 public TimerView,
                 public BoardView,
                 public MessageView,
                 public MenuView,
                 public DialogView {
 public:
  virtual void EnableDeal() = 0;
  // Ends the program at once, closing every window.
  virtual void EndProgram() = 0;
};

// The main window's events, each delivered to its handler.
class MainEvents {
 public:
  virtual ~MainEvents() = default;
  virtual void img_Cards_Click(Int16 slot) = 0;
  virtual void btn_Deal_Click() = 0;
  virtual void Timer1_Timer() = 0;
  virtual void Form_Unload() = 0;
  virtual void mnu_NewGame_Click() = 0;
  virtual void mnu_Hint_Click() = 0;
  virtual void mnu_Exit_Click() = 0;
  virtual void mnu_Computer_Click() = 0;
  virtual void mnu_Practice_Click() = 0;
  virtual void mnu_Beginner_Click() = 0;
  virtual void mnu_Intermediate_Click() = 0;
  virtual void mnu_Advanced_Click() = 0;
  virtual void mnu_ChangeDeck_Click() = 0;
  virtual void mnu_Rules_Click() = 0;
  virtual void mnu_About_Click() = 0;
};

}  // namespace velmora
