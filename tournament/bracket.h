// The bracket: the seven bowl games, the main window's controls that make up
// each, and where each winner goes. The Play handlers, the pairing chain,
// Replay, the tests and the measurements all take the bracket from here.
#pragma once

#include "main_window/window1.h"
#include "tournament/accessors.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace vantoro {

namespace bracket {

// A game's two sides by their place in its box: team A on the left, team B on
// the right.
enum Side : std::size_t { kLeft, kRight };

// The games in the order of their Play buttons; the index into kGames.
enum GameId : std::size_t {
    kPastaBowl,
    kSaladBowl,
    kCerealBowl,
    kSoupBowl,
    kChinaBowl,
    kCrystalBowl,
    kSilverBowl, // the final
    kGameCount,
};
inline constexpr std::size_t kOpeningGameCount = 4;
// Two teams open each opening game; the results list keeps a row for each.
inline constexpr std::size_t kTeamCount = 2 * kOpeningGameCount;

// One side of a later game: the team row and the strength its feeding game
// wrote there. The strength label is hidden.
struct Slot {
    LabelAccessor name = nullptr;
    LabelAccessor strength = nullptr;
};

// The game and the side of it that a winner moves on to.
struct Onward {
    GameId game;
    Side side;
};

struct Game {
    std::string_view name; // as its caption reads
    LabelAccessor caption = nullptr;
    // An opening game takes its teams from two pairing popups, a later game
    // from the two slots its feeding games fill; the other pair stays null.
    std::array<PopupAccessor, 2> pairings{};
    std::array<Slot, 2> slots{};
    std::array<FieldAccessor, 2> scores{};
    ButtonAccessor play = nullptr;
    std::optional<Onward> winnerTo{}; // none for the final
};

inline constexpr std::array<Game, kGameCount> kGames{{
    {.name = "Pasta Bowl",
     .caption = &Window1::Label1,
     .pairings = {&Window1::PopupMenu17, &Window1::PopupMenu18},
     .scores = {&Window1::TextField1, &Window1::TextField2},
     .play = &Window1::PushButton1,
     .winnerTo = Onward{kChinaBowl, kLeft}},
    {.name = "Salad Bowl",
     .caption = &Window1::Label2,
     .pairings = {&Window1::PopupMenu19, &Window1::PopupMenu20},
     .scores = {&Window1::TextField3, &Window1::TextField4},
     .play = &Window1::PushButton2,
     .winnerTo = Onward{kChinaBowl, kRight}},
    // The window creates PopupMenu22 before PopupMenu21, but 21 stands on the
    // left and the chain reaches it first.
    {.name = "Cereal Bowl",
     .caption = &Window1::Label3,
     .pairings = {&Window1::PopupMenu21, &Window1::PopupMenu22},
     .scores = {&Window1::TextField5, &Window1::TextField6},
     .play = &Window1::PushButton3,
     .winnerTo = Onward{kCrystalBowl, kLeft}},
    {.name = "Soup Bowl",
     .caption = &Window1::Label4,
     .pairings = {&Window1::PopupMenu23, &Window1::PopupMenu24},
     .scores = {&Window1::TextField7, &Window1::TextField8},
     .play = &Window1::PushButton4,
     .winnerTo = Onward{kCrystalBowl, kRight}},
    {.name = "China Bowl",
     .caption = &Window1::Label9,
     .slots = {{{&Window1::Label10, &Window1::Label12}, {&Window1::Label11, &Window1::Label13}}},
     .scores = {&Window1::TextField9, &Window1::TextField10},
     .play = &Window1::PushButton5,
     .winnerTo = Onward{kSilverBowl, kLeft}},
    {.name = "Crystal Bowl",
     .caption = &Window1::Label14,
     .slots = {{{&Window1::Label15, &Window1::Label17}, {&Window1::Label16, &Window1::Label18}}},
     .scores = {&Window1::TextField11, &Window1::TextField12},
     .play = &Window1::PushButton6,
     .winnerTo = Onward{kSilverBowl, kRight}},
    {.name = "Silver Bowl",
     .caption = &Window1::Label19,
     .slots = {{{&Window1::Label20, &Window1::Label22}, {&Window1::Label21, &Window1::Label23}}},
     .scores = {&Window1::TextField13, &Window1::TextField14},
     .play = &Window1::PushButton7},
}};

constexpr std::span<const Game, kOpeningGameCount> openingGames() {
    return std::span(kGames).first<kOpeningGameCount>();
}
// The semi-finals and the final.
constexpr std::span<const Game, kGameCount - kOpeningGameCount> laterGames() {
    return std::span(kGames).last<kGameCount - kOpeningGameCount>();
}
constexpr std::span<const Game, 2> semiFinals() { return laterGames().first<2>(); }
constexpr const Game& theFinal() { return kGames[kSilverBowl]; }

// The game a winner of `game` plays next; not for the final.
constexpr const Game& nextGame(const Game& game) { return kGames[game.winnerTo->game]; }
// Where the winner of `game` goes.
constexpr const Slot& winnerSlot(const Game& game) { return nextGame(game).slots[game.winnerTo->side]; }
// The next game's other slot: its strength shows once the other feeding game
// has ended, and the next game opens when both have.
constexpr const Slot& otherFeedingSlot(const Game& game) {
    return nextGame(game).slots[game.winnerTo->side == kLeft ? kRight : kLeft];
}

// The pairing popups in the order the chain fills them: each opening game's
// team A, then its team B.
inline constexpr auto kPairingChain = [] {
    std::array<PopupAccessor, kTeamCount> chain{};
    for (std::size_t k = 0; k < chain.size(); ++k) chain[k] = kGames[k / 2].pairings[k % 2];
    return chain;
}();
// The opening game of a place in the chain, and its side there.
constexpr const Game& chainGame(std::size_t place) { return kGames[place / 2]; }
constexpr Side chainSide(std::size_t place) { return place % 2 == 0 ? kLeft : kRight; }

// Each later game is fed once on each side, by an earlier game.
consteval bool eachLaterGameFedOnBothSides() {
    for (std::size_t later = kOpeningGameCount; later < kGameCount; ++later) {
        int fed[2] = {0, 0};
        for (std::size_t k = 0; k < kGameCount; ++k)
            if (kGames[k].winnerTo && kGames[k].winnerTo->game == later) {
                if (k >= later) return false;
                ++fed[kGames[k].winnerTo->side];
            }
        if (fed[kLeft] != 1 || fed[kRight] != 1) return false;
    }
    return true;
}
static_assert(eachLaterGameFedOnBothSides());

} // namespace bracket
} // namespace vantoro
