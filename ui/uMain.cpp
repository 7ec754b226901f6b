// The main window's construction and what the rules ask of it: images, sounds, pointer, timer.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/uMain.h"

#include <utility>

namespace sixdice::ui {

Tmain::Tmain(media::Services& services, SettingsLoader loadSettings, const game::Clock& clock)
    : services_(services), loadSettings_(std::move(loadSettings)), rules_(state_, *this, clock),
      setup_(services.shell()), email_(services, highscore_, rules_.Generator(), clock,
                                       [this] { return LoadEmailPicture(); }) {
    services_.graphics().SetRestoreHandler([this] { DXDrawRestoreSurface(); });
    // The setup controls lie over the surface: they are painted over every presented frame.
    services_.graphics().SetOverlayPainter([this](media::Canvas& canvas) {
        if (setup_.AnyVisible()) {
            setup_.Paint(canvas, services_.events().Ticks());
        }
    });
}

Tmain::~Tmain() {
    services_.graphics().SetOverlayPainter({});
    services_.graphics().SetRestoreHandler({});
}

void Tmain::DrawImage(int image, int x, int y) {
    // Start-up refuses graphics files without every image of the catalogue, so the number is
    // always inside the list here.
    (void)services_.graphics().DrawImage(image, x, y, 0);
}

void Tmain::Present() {
    services_.graphics().Present();
}

void Tmain::PlaySound(int sound, bool waitToEnd) {
    (void)services_.sound().PlaySound(sound, waitToEnd);
}

void Tmain::HidePointer() {
    services_.pointer().Hide();
}

void Tmain::ShowPointer() {
    services_.pointer().Show();
}

void Tmain::StartPassTimer() {
    passTimer_.Start(services_.events().Ticks());
}

void Tmain::StopPassTimer() {
    passTimer_.Stop();
}

void Tmain::WindowActivated(std::uint64_t now) {
    passTimer_.Activate(now);
}

void Tmain::WindowDeactivated() {
    passTimer_.Deactivate();
}

std::optional<std::uint64_t> Tmain::TimeToNextTimer(std::uint64_t now) const {
    std::optional<std::uint64_t> sleep = SleepUntilDeadline(
        now, musicOn_ ? MusicTickDeadline(now) : std::nullopt, passTimer_.Deadline());
    // The carets of the controls blink while a text box has the focus.
    std::optional<std::uint64_t> blink;
    if (email_.Visible()) {
        blink = email_.NextBlink(now);
    } else if (setup_.AnyVisible()) {
        blink = setup_.NextBlink(now);
    }
    const std::optional<std::uint64_t> toBlink = SleepUntilDeadline(now, blink, std::nullopt);
    if (toBlink && (!sleep || *toBlink < *sleep)) {
        sleep = toBlink;
    }
    return sleep;
}

std::optional<std::uint64_t> Tmain::MusicTickDeadline(std::uint64_t now) const {
    std::optional<std::uint64_t> tick = musicTimer_.Deadline();
    if (!tick) {
        return std::nullopt;
    }
    // Every tick before the piece can have reached its end finds nothing to do, so the loop
    // sleeps through them to the first tick at or after the end; the piece still restarts
    // within one 10 ms tick of ending, and an idle menu with music wakes once per round.
    const media::MediaPlayer& player = services_.music();
    if (!player.IsOpen() || !player.IsPlaying()) {
        return tick;
    }
    const std::int64_t remaining = player.Length() - player.Position();
    if (remaining <= 0) {
        return tick;
    }
    const std::uint64_t end = now + std::uint64_t(remaining);
    if (end <= *tick) {
        return tick;
    }
    const std::uint64_t interval = musicTimer_.Interval();
    return *tick + (end - *tick + interval - 1) / interval * interval;
}

void Tmain::RunDueTimers(std::uint64_t now) {
    if (musicOn_) {
        musicTimer_.Arm(now);
        if (musicTimer_.Take(now)) {
            TimerTimer();
        }
    } else {
        musicTimer_.Disarm();
    }
    if (passTimer_.Due(now)) {
        DXTimerTimer();
    }
    if (email_.Visible()) {
        email_.Blink(now);
    } else if (setup_.AnyVisible() && setup_.BlinkDue(now)) {
        Present();
    }
}

void Tmain::DXTimerTimer() {
    rules_.PassTimerExpired();
}

} // namespace sixdice::ui
