// The decoding budget of one list: its picture and recording limits and their messages.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/DecodeBudget.h"

#include "media/listfile/ReadFailure.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace sixdice::media {

namespace {

// Sample kinds whose stored width is what they decode from: PCM, IEEE float, A-law, mu-law and
// the extensible form of these.
bool StoresWholeSamples(std::uint16_t formatTag) {
    return formatTag == 1 || formatTag == 3 || formatTag == 6 || formatTag == 7 ||
           formatTag == 0xFFFE;
}

// "20 s", "20.5 s", "20.001 s": to the millisecond, without trailing zeros.
std::string Seconds(std::int64_t milliseconds) {
    std::string text = std::to_string(milliseconds / 1000);
    if (const std::int64_t rest = milliseconds % 1000; rest != 0) {
        char fraction[8];
        std::snprintf(fraction, sizeof fraction, ".%03d", int(rest));
        text += fraction;
        while (text.back() == '0') {
            text.pop_back();
        }
    }
    return text + " s";
}

} // namespace

std::int64_t RecordingSamples(const SoundEntry& entry) {
    const WaveFormat f = entry.waveFormat();
    const std::int64_t bits =
        StoresWholeSamples(f.formatTag) ? std::max<std::int64_t>(8, f.bitsPerSample) : 4;
    return (std::int64_t(entry.samples.size()) * 8 + bits - 1) / bits;
}

std::int64_t RecordingMilliseconds(const SoundEntry& entry) {
    const WaveFormat f = entry.waveFormat();
    if (f.sampleRate == 0 || entry.samples.empty()) {
        return 0;
    }
    const std::int64_t channels = std::max<std::int64_t>(1, f.channels);
    const std::int64_t frames = (RecordingSamples(entry) + channels - 1) / channels;
    return (frames * 1000 + f.sampleRate - 1) / f.sampleRate;
}

void DecodeBudget::TakePicture(std::int64_t width, std::int64_t height) {
    const std::int64_t pixels = width * height;
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (pixels > decode_limits::kPixelsPerPicture) {
        throw ReadFailure("Picture of " + size + " pixels is larger than the " +
                          std::to_string(decode_limits::kPixelsPerPicture) +
                          " pixels a picture may have");
    }
    if (pixels_ + pixels > decode_limits::kPixelsPerList) {
        throw ReadFailure("Picture of " + size + " pixels would bring the list to " +
                          std::to_string(pixels_ + pixels) + " pixels, more than the " +
                          std::to_string(decode_limits::kPixelsPerList) +
                          " pixels a list may have");
    }
    pixels_ += pixels;
}

void DecodeBudget::TakeRecording(const SoundEntry& entry) {
    const std::int64_t samples = RecordingSamples(entry);
    if (samples > decode_limits::kSamplesPerRecording) {
        throw ReadFailure(
            "Recording of " + std::to_string(samples) + " samples is larger than the " +
            std::to_string(decode_limits::kSamplesPerRecording) + " samples a recording may have");
    }
    if (samples_ + samples > decode_limits::kSamplesPerList) {
        throw ReadFailure(
            "Recording of " + std::to_string(samples) + " samples would bring the list to " +
            std::to_string(samples_ + samples) + " samples, more than the " +
            std::to_string(decode_limits::kSamplesPerList) + " samples a list may have");
    }
    const std::int64_t ms = RecordingMilliseconds(entry);
    if (ms > decode_limits::kMillisecondsPerRecording) {
        throw ReadFailure("Recording of " + Seconds(ms) + " is longer than the " +
                          Seconds(decode_limits::kMillisecondsPerRecording) +
                          " a recording may last");
    }
    if (milliseconds_ + ms > decode_limits::kMillisecondsPerList) {
        throw ReadFailure("Recording of " + Seconds(ms) + " would bring the list to " +
                          Seconds(milliseconds_ + ms) + ", more than the " +
                          Seconds(decode_limits::kMillisecondsPerList) + " a list may last");
    }
    samples_ += samples;
    milliseconds_ += ms;
}

} // namespace sixdice::media
