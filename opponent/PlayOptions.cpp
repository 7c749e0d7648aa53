#include "opponent/PlayOptions.h"

#include "core/Texts.h"

namespace velmora {

namespace {

struct Level {
  MenuItem item;
  Int16 memorySize;
  const char* name;
};

// In the order the check marks are set.
constexpr Level kLevels[] = {
    {MenuItem::Beginner, 5, VELMORA_TEXT("Texts", "Beginner")},
    {MenuItem::Intermediate, 10, VELMORA_TEXT("Texts", "Intermediate")},
    {MenuItem::Advanced, 15, VELMORA_TEXT("Texts", "Advanced")},
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

void PlayOptions::SetMode(bool practice) {
  // Both commands set the Practice mark first.
  menu_.SetChecked(MenuItem::Practice, practice);
  menu_.SetChecked(MenuItem::Computer, !practice);
  state_.ComputerMode = practice ? kFalse : kTrue;
  state_.PracticeMode = practice ? kTrue : kFalse;
  labels_.SetCaption(Label::GameMode, practice ? VELMORA_TEXT("Texts", "Practice")
                                               : VELMORA_TEXT("Texts", "Computer"));
  // A deal not yet touched is simply played in the new mode.
  if (state_.GameInProgress != kFalse && state_.MustDeal == kFalse) state_.MustDeal = kTrue;
}

}  // namespace velmora
