// How much one list may decode to, whatever its file claims: pixels of pictures, time of sound.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListData.h"

#include <cstdint>

namespace sixdice::media {

// The game's own graphics lists decode to 798,300 pixels each (28 pictures, the largest the
// 547 x 448 game screen), its sound list to 340,235 samples and 7.7 s (14 mono recordings, the
// longest 1.8 s). The limits leave room for a reskin in which every one of the 28 pictures fills
// the window, and for 60 s of CD-quality stereo sound.
namespace decode_limits {
inline constexpr std::int64_t kPixelsPerPicture = 2 * 1024 * 1024; // 8 MB decoded
inline constexpr std::int64_t kPixelsPerList = 8 * 1024 * 1024;    // 32 MB decoded
// Samples of all channels as the decoder makes them (at most 4 bytes each).
inline constexpr std::int64_t kSamplesPerRecording = 2 * 1024 * 1024;
inline constexpr std::int64_t kSamplesPerList = 6 * 1024 * 1024;
// Playing time, which bounds what the sound output makes of a recording at its own rate.
inline constexpr std::int64_t kMillisecondsPerRecording = 20'000;
inline constexpr std::int64_t kMillisecondsPerList = 60'000;
} // namespace decode_limits

// The most samples (of all channels) a decoder can make of a recording, reckoned from its sample
// bytes and the width of its samples: 4 bits for the compressed kinds, so no decoder makes more.
std::int64_t RecordingSamples(const SoundEntry& entry);
// The longest a recording can play: its samples over its channels and its rate; 0 for a
// recording without a rate, which no decoder plays.
std::int64_t RecordingMilliseconds(const SoundEntry& entry);

// Counts what one list decodes to; each Take fails the load with ReadFailure before a picture or
// recording would pass a limit, so no memory is taken for it.
class DecodeBudget {
public:
    void TakePicture(std::int64_t width, std::int64_t height);
    void TakeRecording(const SoundEntry& entry);

    std::int64_t Pixels() const { return pixels_; }
    std::int64_t Samples() const { return samples_; }
    std::int64_t Milliseconds() const { return milliseconds_; }

private:
    std::int64_t pixels_ = 0;
    std::int64_t samples_ = 0;
    std::int64_t milliseconds_ = 0;
};

} // namespace sixdice::media
