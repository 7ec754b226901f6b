// The image and sound numbers of the game's list files, and where each highlight image is drawn.
#pragma once

#include "game/Language.h"

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

struct Position {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Position&, const Position&) = default;
};

// Where the highlight images go; several differ between the Czech and English artwork.
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

inline constexpr HighlightPositions CzechHighlights{
    .menuNewGame = {154, 31},
    .menuRules = {79, 116},
    .menuExit = {31, 203},
    .menuMail = {2, 3},
    .setupBack = {335, 273},
    .setupStart = {18, 249},
    .gameThrow = {79, 93},
    .gamePass = {325, 43},
    .highscoreBack = {282, 277},
    .highscoreSend = {5, 277},
    .webLink1 = {44, 427},
    .webLink2 = {299, 427},
};

inline constexpr HighlightPositions EnglishHighlights{
    .menuNewGame = {155, 34},
    .menuRules = {101, 117},
    .menuExit = {31, 202},
    .menuMail = {2, 3},
    .setupBack = {332, 273},
    .setupStart = {18, 250},
    .gameThrow = {81, 93},
    .gamePass = {348, 43},
    .highscoreBack = {336, 279},
    .highscoreSend = {5, 277},
    .webLink1 = {44, 427},
    .webLink2 = {299, 427},
};

constexpr const HighlightPositions& Highlights(game::Language language) {
    return language == game::Language::Czech ? CzechHighlights : EnglishHighlights;
}

} // namespace sixdice::ui::catalogue
