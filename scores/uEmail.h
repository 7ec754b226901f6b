// The e-mail form Temail: asks for the player's address and sends the best result on-line through
// the desktop's browser.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Clock.h"
#include "game/Random.h"
#include "media/Events.h"
#include "media/Services.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace sixdice::scores {

// The best result of the last finished game, kept in memory only, and whether it has been sent.
struct Highscore {
    std::int32_t BestValue = 0;
    std::string BestName;
    bool ScoreSent = false;
};

// Reads the form's background picture; an empty picture when it cannot be read (the loader has
// reported why). Called once, when the form is first shown.
using PictureLoader = std::function<media::Picture()>;

class Temail {
public:
    Temail(media::Services& services, Highscore& highscore, game::Random& random,
           const game::Clock& clock, PictureLoader loadPicture);
    ~Temail();
    Temail(const Temail&) = delete;
    Temail& operator=(const Temail&) = delete;

    // Shows the form modally with the language's captions and an empty e-mail box. The main window
    // takes no input while it is shown.
    void ShowModal(std::string_view sendCaption, std::string_view labelCaption);
    bool Visible() const;

    // An event of the form's window: typing, the send button, the close box, Escape.
    void HandleEvent(const media::InputEvent& event);

    // The send button: a fresh random number, the check value, the address handed to the browser,
    // the form closed and the result marked as sent. Nothing happens once it has been sent.
    void SubmitScore();
    // The close box or Escape: the form closes and nothing is sent.
    void Cancel();

    std::string EmailText() const;
    void SetEmailText(std::string_view text);
    std::string SendCaption() const;
    std::string LabelCaption() const;

    // When the e-mail box's caret blinks next while the form is shown, and showing the blink.
    std::optional<std::uint64_t> NextBlink(std::uint64_t now) const;
    void Blink(std::uint64_t now);

private:
    struct Form;
    void Close();
    void Repaint();
    media::Services& services_;
    Highscore& highscore_;
    game::Random& random_;
    const game::Clock& clock_;
    PictureLoader loadPicture_;
    std::unique_ptr<Form> form_;
};

} // namespace sixdice::scores
