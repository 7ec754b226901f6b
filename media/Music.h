// The music player: one file at a time, with position and length in milliseconds.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/MediaTypes.h"

#include <cstdint>
#include <string>

namespace sixdice::media {

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;

    virtual void SetFileName(const std::string& path) = 0;
    virtual std::string FileName() const = 0;

    // Closes whatever was open, then opens the file name; a failure returns the decoder's message
    // and leaves the player closed.
    virtual MediaError Open() = 0;
    virtual bool IsOpen() const = 0;
    // Plays from the current position; from the start when the music is at its end. A piece that
    // opened but cannot be started returns the decoder's message.
    virtual MediaError Play() = 0;
    // Stops playing; the position is kept and the file stays open.
    virtual void Stop() = 0;
    virtual void Close() = 0;
    // Back to the start, stopped.
    virtual void Rewind() = 0;
    virtual bool IsPlaying() const = 0;

    // Milliseconds from the start; once the music has ended it is at least Length(). 0 when closed.
    virtual std::int64_t Position() const = 0;
    // Length of the whole piece in milliseconds; 0 when closed.
    virtual std::int64_t Length() const = 0;
};

} // namespace sixdice::media
