#include "main_window/window1.h"
#include "shell/implicit_instances.h"

#include <span>

namespace vantoro {

namespace {
using LabelAccessor = fw::Ref<fw::Label> (Window1::*)();
using FieldAccessor = fw::Ref<fw::TextField> (Window1::*)();
using ButtonAccessor = fw::Ref<fw::PushButton> (Window1::*)();

// A later game as Replay clears it: its two name labels, two strength labels
// and two score fields.
struct LaterGame {
    LabelAccessor names[2];
    LabelAccessor strengths[2];
    FieldAccessor scores[2];
};

// The final first, then the Crystal Bowl, then the China Bowl.
constexpr LaterGame kLaterGames[] = {
    {{&Window1::Label20, &Window1::Label21}, {&Window1::Label22, &Window1::Label23},
     {&Window1::TextField13, &Window1::TextField14}},
    {{&Window1::Label15, &Window1::Label16}, {&Window1::Label17, &Window1::Label18},
     {&Window1::TextField11, &Window1::TextField12}},
    {{&Window1::Label10, &Window1::Label11}, {&Window1::Label12, &Window1::Label13},
     {&Window1::TextField9, &Window1::TextField10}},
};

constexpr ButtonAccessor kOpeningGames[] = {&Window1::PushButton1, &Window1::PushButton2, &Window1::PushButton3,
                                            &Window1::PushButton4};

constexpr FieldAccessor kScoreFields[] = {
    &Window1::TextField1,  &Window1::TextField2,  &Window1::TextField3,  &Window1::TextField4,  &Window1::TextField5,
    &Window1::TextField6,  &Window1::TextField7,  &Window1::TextField8,  &Window1::TextField9,  &Window1::TextField10,
    &Window1::TextField11, &Window1::TextField12, &Window1::TextField13, &Window1::TextField14,
};
constexpr std::size_t kOpeningScoreFields = 8;
} // namespace

void Window1::PushButton8_Action(fw::Ref<fw::PushButton>) {
    fw::deref(implicit::Window1()).Close();
    fw::deref(implicit::Window1()).Show();
}

void Window1::PushButton9_Action(fw::Ref<fw::PushButton> button) {
    fw::deref(button).SetEnabled(false);
    for (const LaterGame& game : kLaterGames) {
        for (LabelAccessor name : game.names) fw::deref((this->*name)()).SetText("TEAM: TBA");
        for (LabelAccessor strength : game.strengths) fw::deref((this->*strength)()).SetText("");
        for (FieldAccessor score : game.scores) fw::deref((this->*score)()).SetText("");
    }
    for (ButtonAccessor play : kOpeningGames) fw::deref((this->*play)()).SetEnabled(true);
    for (FieldAccessor score : std::span(kScoreFields).first(kOpeningScoreFields))
        fw::deref((this->*score)()).SetText("");
    for (FieldAccessor score : kScoreFields) fw::deref((this->*score)()).SetBackColor(fw::Color{255, 255, 255});
}

void Window1::PushButton10_Action(fw::Ref<fw::PushButton> button) {
    fw::deref(PushButton9()).Push();
    for (ButtonAccessor play : kOpeningGames) fw::deref((this->*play)()).Push();
    fw::deref(Timer1()).SetMode(1);
    fw::deref(button).SetEnabled(false);
}

void Window1::Timer1_Action(fw::Ref<fw::Timer> timer) {
    fw::deref(PushButton5()).Push();
    fw::deref(PushButton6()).Push();
    fw::deref(Timer2()).SetMode(1);
    fw::deref(timer).SetMode(0);
}

void Window1::Timer2_Action(fw::Ref<fw::Timer> timer) {
    fw::deref(PushButton7()).Push();
    fw::deref(timer).SetMode(0);
}

void Window1::Timer3_Action(fw::Ref<fw::Timer> timer) {
    fw::deref(PushButton10()).Push();
    fw::deref(PushButton10()).SetEnabled(false);
    fw::deref(timer).SetMode(0);
}

} // namespace vantoro
