// Mixing a composition into a loop.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/MusicRender.h"

#include "tools/audiobuild/Instruments.h"

#include <cmath>
#include <numbers>

namespace sixdice::audio {

std::size_t LoopSamples(const Composition& c, int rate) {
    return static_cast<std::size_t>(std::llround(c.totalBeats * c.secondsPerBeat * rate));
}

Stereo RenderLoop(const MusicPiece& piece, const Composition& c, int rate) {
    const std::size_t loop = LoopSamples(c, rate);
    // Room for the longest release and the room's echoes past the loop's end.
    const std::size_t total = loop + static_cast<std::size_t>(8.0 * rate);
    Stereo dry;
    dry.resize(total);
    Samples send(total, 0.0f);
    std::uint64_t seed = piece.seed;
    for (const Track& track : c.tracks) {
        // Constant-power pan.
        const double angle = (track.pan + 1.0) * std::numbers::pi / 4.0;
        const auto left = static_cast<float>(track.gain * std::cos(angle) * std::numbers::sqrt2);
        const auto right = static_cast<float>(track.gain * std::sin(angle) * std::numbers::sqrt2);
        const auto toRoom = static_cast<float>(track.gain * track.reverbSend);
        for (const Note& n : track.notes) {
            const Samples note = RenderNote(track.timbre, n.midi, n.velocity,
                                            n.length * c.secondsPerBeat, rate, ++seed);
            const auto offset =
                static_cast<std::size_t>(std::llround(n.start * c.secondsPerBeat * rate));
            MixInto(dry.left, note, offset, left);
            MixInto(dry.right, note, offset, right);
            MixInto(send, note, offset, toRoom);
        }
    }
    const Stereo room = Reverberate(send, rate, piece.reverbRoom);
    const auto wet = static_cast<float>(piece.reverbMix * 4.0);
    for (std::size_t i = 0; i < total; ++i) {
        dry.left[i] += room.left[i] * wet;
        dry.right[i] += room.right[i] * wet;
    }
    WrapTail(dry, loop);
    ScaleToPeak(dry, piece.peak);
    return dry;
}

} // namespace sixdice::audio
