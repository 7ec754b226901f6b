// Background music: starting a settings line's piece, stopping it and the 10 ms restart loop.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/RegularFile.h"
#include "platform/DataFiles.h"
#include "ui/MusicPath.h"
#include "ui/StartupMessages.h"
#include "ui/uMain.h"

namespace sixdice::ui {

void Tmain::StartMusic(const std::string& settingsLine) {
    if (settingsLine == "0") {
        return;
    }
    media::MediaPlayer& player = services_.music();
    const std::string path = MusicPath(settingsLine);
    platform::AwaitDataFiles({path});
    player.SetFileName(path);
    auto failure = player.Open();
    if (!failure && (failure = player.Play())) {
        player.Close();
    }
    if (failure) {
        // The player has closed what it held; the music is off whatever it was before, so the
        // restart loop never asks a closed player.
        musicOn_ = false;
        services_.messageBox().ShowError(
            MusicMessage(path, settingsLine, settings_, *failure,
                         media::InspectRegularFile(path, media::file_limits::kMusicFile)));
        return;
    }
    musicOn_ = true;
    musicTimer_.Arm(services_.events().Ticks());
}

void Tmain::StopMusic() {
    if (!musicOn_) {
        return;
    }
    services_.music().Stop();
    musicOn_ = false;
    musicTimer_.Disarm();
}

void Tmain::TimerTimer() {
    if (!musicOn_) {
        return;
    }
    media::MediaPlayer& player = services_.music();
    if (!player.IsOpen()) {
        return;
    }
    const std::int64_t length = player.Length();
    const std::int64_t position = player.Position();
    // A piece whose length the decoder cannot tell is restarted once it has stopped by itself.
    const bool atEnd = length > 0 ? position >= length : !player.IsPlaying();
    if (atEnd) {
        player.Rewind();
        if (player.Play()) {
            // Reported when the piece was started; now it cannot go on, so it stays off.
            player.Close();
            musicOn_ = false;
        }
    }
}

} // namespace sixdice::ui
