#pragma once

#include <cstdint>

#include "game/screen.h"

namespace rufo {

class BitmapControl;

// The Start screen, where each child has a face slot, picks a face picture, puts the cap on a
// face to play, or wipes a profile away.
class StartScreen final : public Screen {
 public:
  void Build() override;
  void OnControlEvent(Control* control, int32_t event, bool live) override;
  void OnMessage(const Input& input, bool* unconsumed) override;
  void OnTick() override;
  bool OnPointer(uint8_t region) override;
  void Leave() override;

  bool ProfileChosen() const { return profileChosen_; }
  bool FacesClickable() const;
  bool CapHeld() const { return capHeld_; }
  int PendingDeleteRegion() const { return pendingDeleteRegion_; }

 private:
  // Starts one of the Start screen's speeches on "MLUVI"; one that cannot play counts as over
  // at once, so that the screen always leads on.
  void Say(int speech);
  void SpeechOver();
  void Jump();
  void Jumped();
  void ClickCap(Control& cap);
  void ChooseSlot(int slot, int face);
  void CycleFace(int slot);
  void WipeStep(int slot);
  void AskDeleteQuestion(uint8_t region);
  void AnswerDeleteQuestion();

  // The Start screen's own speech ("sp_intro", "sp_go" or "sp_wait"), apart from the shared
  // speech kind that the yes/no questions and the help also set.
  int speech_ = -1;
  bool profileChosen_ = false;
  bool capHeld_ = false;
  // "sp_wait" ended while the delete question was up: the introduction follows its answer, on
  // the next tick, so that the click that answered does not skip it at once.
  bool introPending_ = false;
  int pendingDeleteRegion_ = -1;
};

// On screens with an odd id the profile slots' regions set the cursor: over a face the hand for
// a free slot and the arrow for one in use, over a wipe button the hand for a slot with a face.
// True when the region was one of them.
bool ProfileSlotPointer(uint8_t region);

}  // namespace rufo
