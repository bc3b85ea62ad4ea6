#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "tournament/bowl_game.h"
#include "tournament/bracket.h"

namespace vantoro {

using bracket::kGames;

void Window1::PushButton8_Action(fw::Ref<fw::PushButton>) {
    fw::deref(implicit::Window1()).Close();
    fw::deref(implicit::Window1()).Show();
}

void Window1::PushButton9_Action(fw::Ref<fw::PushButton> button) {
    fw::deref(button).SetEnabled(false);
    // The final first, then the Crystal Bowl, then the China Bowl.
    for (std::size_t i = bracket::laterGames().size(); i-- > 0;) {
        const bracket::Game& game = bracket::laterGames()[i];
        for (const bracket::Slot& slot : game.slots) fw::deref((this->*slot.name)()).SetText("TEAM: TBA");
        for (const bracket::Slot& slot : game.slots) fw::deref((this->*slot.strength)()).SetText("");
        for (FieldAccessor score : game.scores) fw::deref((this->*score)()).SetText("");
    }
    for (const bracket::Game& game : bracket::openingGames()) fw::deref((this->*game.play)()).SetEnabled(true);
    for (const bracket::Game& game : bracket::openingGames())
        for (FieldAccessor score : game.scores) fw::deref((this->*score)()).SetText("");
    for (const bracket::Game& game : kGames)
        for (FieldAccessor score : game.scores) fw::deref((this->*score)()).SetBackColor(kWhite);
}

void Window1::PushButton10_Action(fw::Ref<fw::PushButton> button) {
    fw::deref(PushButton9()).Push();
    for (const bracket::Game& game : bracket::openingGames()) fw::deref((this->*game.play)()).Push();
    fw::deref(Timer1()).SetMode(1);
    fw::deref(button).SetEnabled(false);
}

void Window1::Timer1_Action(fw::Ref<fw::Timer> timer) {
    for (const bracket::Game& game : bracket::semiFinals()) fw::deref((this->*game.play)()).Push();
    fw::deref(Timer2()).SetMode(1);
    fw::deref(timer).SetMode(0);
}

void Window1::Timer2_Action(fw::Ref<fw::Timer> timer) {
    fw::deref((this->*bracket::theFinal().play)()).Push();
    fw::deref(timer).SetMode(0);
}

void Window1::Timer3_Action(fw::Ref<fw::Timer> timer) {
    fw::deref(PushButton10()).Push();
    fw::deref(PushButton10()).SetEnabled(false);
    fw::deref(timer).SetMode(0);
}

} // namespace vantoro
