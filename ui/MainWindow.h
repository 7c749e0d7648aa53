#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <map>

#include "core/Views.h"
#include "ui/Narrator.h"

class QAction;
class QLabel;
class QPushButton;

namespace velmora::ui {

class Announcer;
class CardPictures;
class CardSlot;
class QtEventPump;

// The game's main window: the board, the panel of labels, the clock's timer and the menus.
// It holds no game logic; it passes each event to the game and shows what the game asks.
class MainWindow final : public QMainWindow, public MainView {
  Q_OBJECT
 public:
  // The client area, in twips: the stored size plus a strip for the status label, which
  // would otherwise sit below the window's bottom edge.
  static constexpr int kClientWidth = 10836;
  static constexpr int kMatchTop = 7416;
  static constexpr int kMatchHeight = 192;
  static constexpr int kClientHeight = kMatchTop + kMatchHeight + 96;

  MainWindow(QtEventPump& pump, CardPictures& pictures);
  ~MainWindow() override;

  // The handlers every event goes to; events before this is set are dropped.
  void SetEvents(MainEvents* events) { events_ = events; }
  void ShowCentred();

  // MainView
  void SetCaption(Label label, std::string_view text) override;
  void SetLabelVisible(Label label, bool visible) override;
  void SetTimerInterval(int milliseconds) override;
  void SetTimerEnabled(bool enabled) override;
  void ShowFace(Int16 slot, Int16 cardNo) override;
  void ShowBack(Int16 slot, Int16 backIndex) override;
  void ClearSlot(Int16 slot) override;
  void ShowHint(Int16 slot, Int16 cardNo) override;
  void Dealt() override;
  void SetChecked(MenuItem item, bool checked) override;
  bool IsChecked(MenuItem item) const override;
  void EnableDeal() override;
  void ShowMessage(std::string_view prompt, int style, std::string_view title) override;
  void OpenModal(Window window) override;
  void OpenBacks(BacksEvents& events) override;
  void EndProgram() override;

  // For tests and tools: the widgets as the player sees them.
  CardSlot* Slot(int index) const { return slots_.at(static_cast<std::size_t>(index)); }
  QLabel* LabelWidget(Label label) const { return labels_.at(label); }
  QPushButton* DealButton() const { return deal_; }
  QAction* MenuAction(const char* name) const;
  QTimer& Timer1() { return timer1_; }
  // What the window last said to the screen reader.
  Announcer* Speech() const { return announcer_; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Tab and Shift+Tab go between Deal and the board only.
  bool focusNextPrevChild(bool next) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  template <class Handler>
  void Deliver(Handler handler);
  void BuildBoard(QWidget* client);
  void BuildPanel(QWidget* client);
  void BuildMenus();
  void MoveFocus(int from, int key, bool control);
  // Shows a card's face in its slot; returns the card's name.
  QString PutFace(Int16 slot, Int16 cardNo);
  // Says what changed once the handler running now lets the window breathe: one utterance
  // for each burst of changes.
  void SpeakSoon();
  QAction* AddCommand(QMenu* menu, const char* name, const QString& caption,
                      void (MainEvents::*handler)());

  QtEventPump& pump_;
  CardPictures& pictures_;
  MainEvents* events_ = nullptr;
  std::array<CardSlot*, 53> slots_{};
  std::map<Label, QLabel*> labels_;
  QPushButton* deal_ = nullptr;
  std::map<MenuItem, QAction*> checkItems_;
  std::map<MenuItem, bool> checked_;
  QTimer timer1_;
  bool iconGiven_ = false;
  Narrator narrator_;
  Announcer* announcer_ = nullptr;
  bool speechDue_ = false;
  int focusSlot_ = 1;  // where the focus enters the board
};

}  // namespace velmora::ui
