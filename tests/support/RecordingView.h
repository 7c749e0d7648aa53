#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/Views.h"

namespace velmora::testing {

// What a board slot shows.
struct SlotPicture {
  enum Kind { Nothing, Face, Back } kind = Nothing;
  Int16 number = 0;  // card number for a face, back index for a back
  bool operator==(const SlotPicture&) const = default;
};

// One change of a board slot's picture, stamped with the (virtual) time it happened.
struct BoardChange {
  double time = 0.0;
  Int16 slot = 0;
  SlotPicture picture;
};

struct Message {
  std::string prompt;
  int style = 0;
  std::string title;
};

// A main window that only remembers what the game asked of it.
class RecordingView : public MainView {
 public:
  RecordingView() {
    // As the window is laid out.
    checks[MenuItem::Computer] = true;
    checks[MenuItem::Intermediate] = true;
    captions[Label::GameMode] = "Computer";
    captions[Label::Level] = "Intermediate";
  }

  void SetCaption(Label label, std::string_view text) override {
    captions[label] = std::string(text);
    ++captionWrites[label];
    if (label == Label::Match) matchLog.push_back({Now(), std::string(text)});
    if (label == Label::Clock) clockLog.push_back({Now(), std::string(text)});
  }
  void SetLabelVisible(Label label, bool visible) override {
    hidden[label] = !visible;
    visibilityLog.push_back({label, visible});
  }
  void SetTimerInterval(int milliseconds) override { timerInterval = milliseconds; }
  void SetTimerEnabled(bool enabled) override { timerEnabled = enabled; }
  void ShowFace(Int16 slot, Int16 cardNo) override { Show(slot, {SlotPicture::Face, cardNo}); }
  void ShowBack(Int16 slot, Int16 backIndex) override {
    Show(slot, {SlotPicture::Back, backIndex});
  }
  void ClearSlot(Int16 slot) override { Show(slot, {}); }
  void SetChecked(MenuItem item, bool checked) override {
    checks[item] = checked;
    checkLog.push_back({item, checked});
  }
  bool IsChecked(MenuItem item) const override {
    auto it = checks.find(item);
    return it != checks.end() && it->second;
  }
  void EnableDeal() override { dealEnabled = true; }
  void ShowMessage(std::string_view prompt, int style, std::string_view title) override {
    messages.push_back({std::string(prompt), style, std::string(title)});
  }
  void OpenModal(Window window) override {
    opened.push_back(window);
    if (onOpenModal) onOpenModal(window);
  }
  void OpenBacks(BacksEvents& events) override {
    ++backsOpenings;
    if (onOpenBacks) onOpenBacks(events);
  }
  void EndProgram() override {
    ++endRequests;
    if (onEndProgram) onEndProgram();
  }

  std::string Caption(Label label) const {
    auto it = captions.find(label);
    return it == captions.end() ? std::string() : it->second;
  }

  double Now() const { return clock ? clock() : 0.0; }

  std::map<Label, std::string> captions;
  std::map<Label, int> captionWrites;
  std::map<Label, bool> hidden;
  std::vector<std::pair<Label, bool>> visibilityLog;
  std::map<MenuItem, bool> checks;
  SlotPicture board[kCardCount + 1]{};
  std::vector<Message> messages;
  std::vector<Window> opened;
  int timerInterval = 0;
  bool timerEnabled = false;
  bool dealEnabled = false;
  int endRequests = 0;
  // Lets a test act while a modal window is "open" (e.g. pause as the shuffle notice does).
  std::function<void(Window)> onOpenModal;
  std::function<void()> onEndProgram;
  // Plays the chooser window: load it, click, close. Without it the chooser opens and closes
  // as if Cancel had been pressed at once.
  std::function<void(BacksEvents&)> onOpenBacks;
  int backsOpenings = 0;
  // Stamps the logs below; the fixtures point it at their virtual clock.
  std::function<double()> clock;
  std::vector<BoardChange> boardLog;
  std::vector<std::pair<double, std::string>> matchLog;
  std::vector<std::pair<double, std::string>> clockLog;
  std::vector<std::pair<MenuItem, bool>> checkLog;

 private:
  void Show(Int16 slot, SlotPicture picture) {
    board[slot] = picture;
    boardLog.push_back({Now(), slot, picture});
  }
};

}  // namespace velmora::testing
