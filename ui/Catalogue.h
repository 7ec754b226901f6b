// The image and sound numbers of the game's list files, and where each highlight image is drawn.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Language.h"
#include "ui/ScreenTables.h"

namespace sixdice::ui::catalogue {

// Images of the graphics files (both languages use the same numbers and roles).
namespace image {
inline constexpr int Menu = 0;
inline constexpr int MenuNewGameHighlight = 1;
inline constexpr int MenuRulesHighlight = 2;
inline constexpr int MenuExitHighlight = 3;
inline constexpr int MenuMailHighlight = 4;
inline constexpr int ExitPicture = 5;
inline constexpr int PlayerSetup = 6;
inline constexpr int SetupBackHighlight = 7;
inline constexpr int SetupStartHighlight = 8;
inline constexpr int DieFaceOne = 9; // faces 1..6 are images 9..14
inline constexpr int DieFaceSix = 14;
inline constexpr int Board = 15;
inline constexpr int PlateMarked = 16;
inline constexpr int PlateUnmarked = 17;
inline constexpr int NotHeldMarker = 18;
inline constexpr int HeldMarker = 19;
inline constexpr int ThrowHighlight = 20;
inline constexpr int PassHighlight = 21;
inline constexpr int Highscore = 22;
inline constexpr int HighscoreBackHighlight = 23;
inline constexpr int HighscoreSendHighlight = 24;
inline constexpr int ThrowPicture = 25;
inline constexpr int WebLink2Highlight = 26;
inline constexpr int WebLink1Highlight = 27;

inline constexpr int Count = 28; // a graphics file holds at least images 0..Count-1

// The face image of a die showing v (1..6).
constexpr int DieFace(int v) {
    return DieFaceOne - 1 + v;
}
} // namespace image

// Sounds of the sound file.
namespace sound {
inline constexpr int Confirm = 0;
inline constexpr int Highlight = 1;
inline constexpr int Farewell = 2;
inline constexpr int Refusal = 3;
inline constexpr int DiceRolling = 4;
inline constexpr int ResultWritten = 5;
inline constexpr int GameEnd = 6;
inline constexpr int EndScreenLeft = 7;
inline constexpr int LanguageSwitched = 8;
inline constexpr int PlayerAdded = 9;
inline constexpr int PlayerRemoved = 10;
inline constexpr int GameStarted = 11;
inline constexpr int DieHold = 12;
inline constexpr int Typing = 13;

inline constexpr int Count = 14; // the sound file holds at least sounds 0..Count-1
} // namespace sound

using Position = ui::Position;

// Where the highlight images go; several differ between the Czech and English artwork. Read from
// the screens' hot-area tables, which hold each highlight beside the area it lights.
struct HighlightPositions {
    Position menuNewGame;
    Position menuRules;
    Position menuExit;
    Position menuMail;
    Position setupBack;
    Position setupStart;
    Position gameThrow;
    Position gamePass;
    Position highscoreBack;
    Position highscoreSend;
    Position webLink1;
    Position webLink2;
};

inline HighlightPositions Highlights(game::Language language) {
    const auto at = [language](AreaId id) { return AreaOf(language, id).highlightAt; };
    return {
        .menuNewGame = at(AreaId::NewGame),
        .menuRules = at(AreaId::Rules),
        .menuExit = at(AreaId::Exit),
        .menuMail = at(AreaId::AuthorMail),
        .setupBack = at(AreaId::SetupBack),
        .setupStart = at(AreaId::SetupStart),
        .gameThrow = at(AreaId::Throw),
        .gamePass = at(AreaId::Pass),
        .highscoreBack = at(AreaId::BackToMenu),
        .highscoreSend = at(AreaId::SendOnline),
        .webLink1 = at(AreaId::WebLink1),
        .webLink2 = at(AreaId::WebLink2),
    };
}

} // namespace sixdice::ui::catalogue
