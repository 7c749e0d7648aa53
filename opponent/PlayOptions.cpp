#include "opponent/PlayOptions.h"

namespace velmora {

namespace {

struct Level {
  MenuItem item;
  Int16 memorySize;
  const char* name;
};

// In the order the check marks are set.
constexpr Level kLevels[] = {
    {MenuItem::Beginner, 5, "Beginner"},
    {MenuItem::Intermediate, 10, "Intermediate"},
    {MenuItem::Advanced, 15, "Advanced"},
};

}  // namespace

PlayOptions::PlayOptions(GameState& state, LabelView& labels, MenuView& menu)
    : state_(state), labels_(labels), menu_(menu) {}

void PlayOptions::SetLevel(MenuItem level) {
  const Level* chosen = nullptr;
  for (const Level& each : kLevels) {
    menu_.SetChecked(each.item, each.item == level);
    if (each.item == level) chosen = &each;
  }
  state_.MemorySize = chosen->memorySize;
  labels_.SetCaption(Label::Level, chosen->name);
}

void PlayOptions::mnu_Computer_Click() {
  menu_.SetChecked(MenuItem::Practice, false);
  menu_.SetChecked(MenuItem::Computer, true);
  state_.ComputerMode = kTrue;
  state_.PracticeMode = kFalse;
  labels_.SetCaption(Label::GameMode, "Computer");
  EndDealInProgress();
}

void PlayOptions::mnu_Practice_Click() {
  menu_.SetChecked(MenuItem::Practice, true);
  menu_.SetChecked(MenuItem::Computer, false);
  state_.ComputerMode = kFalse;
  state_.PracticeMode = kTrue;
  labels_.SetCaption(Label::GameMode, "Practice");
  EndDealInProgress();
}

void PlayOptions::EndDealInProgress() {
  // A deal not yet touched is simply played in the new mode.
  if (state_.GameInProgress != kFalse && state_.MustDeal == kFalse) state_.MustDeal = kTrue;
}

}  // namespace velmora
