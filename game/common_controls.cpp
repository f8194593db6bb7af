#include "game/common_controls.h"

#include <memory>

#include "controls/control_list.h"
#include "controls/question_control.h"
#include "controls/scripted_animation_control.h"
#include "controls/toolbar_control.h"
#include "engine/interface.h"
#include "game/game_state.h"
#include "game/screen.h"
#include "game/screen_rules.h"

namespace rufo {
namespace {

constexpr int kHelpItem = 0;
constexpr int kStartItem = 1;
constexpr int kAlbumItem = 2;
constexpr int kBackItem = 3;
constexpr int kEndItem = 4;

struct ItemPlace {
  int x;
  int y;
  const char* name;
};
constexpr ItemPlace kItems[] = {
    {37, 23, "tb0"}, {86, 22, "tb1"}, {154, 22, "tb2"}, {224, 22, "tb3"}, {279, 20, "tb4"}};

bool CreateToolbar() {
  auto toolbar = std::make_unique<ToolbarControl>(kToolbarId);
  if (!toolbar->Init(144, 397, 459, "tbar", kToolbarFlags)) return false;
  for (const ItemPlace& item : kItems) {
    if (!toolbar->AddItem(item.x, item.y, item.name)) return false;
  }
  return AddControl(toolbar.release());
}

bool CreateQuestion(int32_t id, bool closingSounds) {
  auto question = std::make_unique<QuestionControl>(id);
  if (!question->Init(140, 100, "Bitmaps\\buble", 0)) return false;
  if (!question->AddAnswer(80, 25, "Bitmaps\\ano", 4, 0.1f, "Sounds\\ano",
                           closingSounds ? "Sounds\\end" : nullptr, 0, 0, 107, 120) ||
      !question->AddAnswer(202, 30, "Bitmaps\\ne", 8, 0.1f, "Sounds\\ne",
                           closingSounds ? "Sounds\\hura" : nullptr, 0, 0, 100, 115)) {
    return false;
  }
  question->SetFlags(kCfTransparent | kCfPersistent | kCfHidden);
  return AddControl(question.release());
}

void AnswerEndQuestion(int result) {
  if (result != kDialogYes) {
    CloseDialog(kEndQuestionId, true);
    // The End screen has no toolbar to go on with: the child plays on in the learning garden.
    if (Engine().CurrentScreen() == kScreenEnd) {
      Engine().ChangeScreen(kScreenLearnHub, 0, false);
      return;
    }
    if (ToolbarControl* toolbar = Toolbar()) toolbar->ClearFlags(kCfDisabled);
    return;
  }
  if (Engine().CurrentScreen() == kScreenEnd) {
    CloseDialog(kEndQuestionId, true);
    Engine().ChangeScreen(kScreenCredits, 0, false);
    return;
  }
  CloseDialog(kEndQuestionId, false);
  Engine().ChangeScreen(kScreenLearnHub, 0, false);
  State().learning.farewell = true;
}

void ToggleHelp(ToolbarControl& toolbar) {
  if (StopHelp()) return;
  SoundObject* help = State().helpSound.get();
  if (!help) return;
  help->Load("Sounds\\help");
  help->Play();
  SetSpeechKind(kSpeechHelp);
  toolbar.SetKeepOpen(true);
}

void ChooseToolbarItem(ToolbarControl& toolbar) {
  int item = toolbar.GetChosenItem();
  if (item == kHelpItem) {
    ToggleHelp(toolbar);
    return;
  }
  if (StopHelp()) return;
  if (item == kStartItem) Engine().ChangeScreen(kScreenStart, 0, false);
  if (item == kAlbumItem) Engine().ChangeScreen(kScreenAlbum, 0, false);
  if (item == kBackItem && CurrentScreen()) CurrentScreen()->OnBack();
  if (item == kEndItem) AskEndQuestion();
}

}  // namespace

ToolbarControl* Toolbar() {
  return dynamic_cast<ToolbarControl*>(FindControl(kToolbarId));
}

QuestionControl* Question(int32_t id) {
  return dynamic_cast<QuestionControl*>(FindControl(id));
}

void CreateCommonControls() {
  if (!Toolbar()) CreateToolbar();
  if (!Question(kEndQuestionId)) CreateQuestion(kEndQuestionId, true);
  if (!Question(kDeleteQuestionId)) CreateQuestion(kDeleteQuestionId, false);
}

void PrepareToolbar(ScreenId id) {
  ToolbarControl* toolbar = Toolbar();
  if (!toolbar) return;
  toolbar->ClearFlags(kCfHidden | kCfDisabled);
  if (ToolbarOffersBack(id)) {
    toolbar->EnableItem(kBackItem);
    toolbar->DisableItem(kEndItem);
  } else {
    toolbar->DisableItem(kBackItem);
    toolbar->EnableItem(kEndItem);
  }
}

void HideToolbar() {
  if (ToolbarControl* toolbar = Toolbar()) toolbar->SetFlags(kCfHidden);
}

void RaiseToolbar() {
  ToolbarControl* toolbar = Toolbar();
  if (toolbar && (toolbar->GetFlags() & (kCfHidden | kCfDisabled)) != kCfHidden) {
    MoveControl(kToolbarId, ControlList::kCapacity);
  }
}

bool ShowDialog(int32_t id) {
  QuestionControl* question = Question(id);
  if (!question) return false;
  question->ClearFlags(kCfHidden | kCfDisabled);
  MoveControl(id, ControlList::kCapacity);
  SetModalDialog(true);
  return true;
}

void CloseDialog(int32_t id, bool disable) {
  if (QuestionControl* question = Question(id)) {
    question->SetFlags(disable ? kCfHidden | kCfDisabled : kCfHidden);
  }
  SetModalDialog(false);
}

void AskEndQuestion() {
  if (!Question(kEndQuestionId)) return;
  if (ToolbarControl* toolbar = Toolbar()) toolbar->SetFlags(kCfDisabled);
  ReevaluateCursor();
  ShowDialog(kEndQuestionId);
  PlayQuestion("Sounds\\end_que", kSpeechEndQuestion);
}

bool StopHelp() {
  SoundObject* help = State().helpSound.get();
  if (!help || !help->IsPlaying()) return false;
  help->Stop();
  SetSpeechKind(kSpeechNone);
  if (ToolbarControl* toolbar = Toolbar()) toolbar->SetKeepOpen(false);
  return true;
}

bool HandleCommonEvent(Control* control, int32_t event, bool live) {
  if (!control || event != kEventClicked || !live) return false;
  switch (control->GetId()) {
    case kEndQuestionId:
      if (Question(kEndQuestionId) != control) return false;
      AnswerEndQuestion(Question(kEndQuestionId)->GetResult());
      return true;
    case kToolbarId:
      if (Toolbar() != control) return false;
      ChooseToolbarItem(*Toolbar());
      return true;
    default:
      return false;
  }
}

}  // namespace rufo
