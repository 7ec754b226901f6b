// Fuzz entry for the list-file reader and the bitmap and wave file readers.
// Any bytes must load or fail cleanly within the decoding budget, and what loads must survive a
// write and a second read unchanged. The bitmap and wave readers are what `zrk pack` uses on
// outside files.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/BmpFile.h"
#include "media/listfile/DecodeBudget.h"
#include "media/listfile/ListFile.h"
#include "media/listfile/WavFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckPatterns(const sixdice::media::ImageEntry& e) {
    const int count = e.patternCount();
    Check(count >= 0);
    // Every pattern must lie inside the picture; a few from each end are enough to see it.
    for (int k = 0; k < count; k = (k == 8 && count > 16) ? count - 8 : k + 1) {
        const auto r = e.pattern(k);
        Check(r.x >= 0 && r.y >= 0 && r.width > 0 && r.height > 0);
        Check(r.x + r.width <= e.picture.width && r.y + r.height <= e.picture.height);
    }
}

// What a load holds, loaded or failed, must stay within the budget of one list.
void CheckImages(std::span<const std::uint8_t> bytes) {
    namespace limits = sixdice::media::decode_limits;
    sixdice::media::ImageList list;
    const auto error = sixdice::media::ReadImageList(bytes, list);
    std::int64_t pixels = 0;
    for (const auto& e : list.entries) {
        Check(e.picture.pixels.size() ==
              std::size_t(e.picture.width) * std::size_t(e.picture.height));
        Check(std::int64_t(e.picture.pixels.size()) <= limits::kPixelsPerPicture);
        pixels += std::int64_t(e.picture.pixels.size());
        CheckPatterns(e);
    }
    Check(pixels <= limits::kPixelsPerList);
    if (error) {
        return;
    }
    sixdice::media::ImageList expected = list;
    if (expected.colorTable.empty()) {
        expected.colorTable.assign(1024, 0); // the writer always stores the palette block
    }
    for (auto storage :
         {sixdice::media::PictureStorage::Dib, sixdice::media::PictureStorage::Bitmap}) {
        sixdice::media::ImageList again;
        Check(!sixdice::media::ReadImageList(sixdice::media::WriteImageList(list, "FUZZ", storage),
                                             again));
        Check(again == expected);
    }
}

void CheckSounds(std::span<const std::uint8_t> bytes) {
    sixdice::media::SoundList list;
    const auto error = sixdice::media::ReadSoundList(bytes, list);
    namespace limits = sixdice::media::decode_limits;
    std::int64_t samples = 0, milliseconds = 0;
    for (const auto& e : list.entries) {
        Check(e.maxPlayingCount >= 0);
        const std::int64_t n = sixdice::media::RecordingSamples(e);
        const std::int64_t ms = sixdice::media::RecordingMilliseconds(e);
        Check(n <= limits::kSamplesPerRecording && ms <= limits::kMillisecondsPerRecording);
        samples += n;
        milliseconds += ms;
    }
    Check(samples <= limits::kSamplesPerList && milliseconds <= limits::kMillisecondsPerList);
    if (error) {
        return;
    }
    sixdice::media::SoundList again;
    Check(!sixdice::media::ReadSoundList(sixdice::media::WriteSoundList(list, "FUZZ"), again));
    Check(again == list);
}

void CheckFiles(std::span<const std::uint8_t> bytes) {
    sixdice::media::Picture picture;
    if (!sixdice::media::ReadBmpFile(bytes, picture)) {
        Check(picture.pixels.size() == std::size_t(picture.width) * std::size_t(picture.height));
        Check(std::int64_t(picture.pixels.size()) <=
              sixdice::media::decode_limits::kPixelsPerPicture);
        sixdice::media::Picture again;
        Check(!sixdice::media::ReadBmpFile(sixdice::media::WriteBmpFile(picture), again));
        Check(again == picture);
    }
    sixdice::media::SoundEntry sound;
    if (!sixdice::media::ReadWavFile(bytes, sound)) {
        sixdice::media::SoundEntry again;
        Check(!sixdice::media::ReadWavFile(sixdice::media::WriteWaveImage(sound, true), again));
        Check(again.format == sound.format && again.samples == sound.samples);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    CheckImages(bytes);
    CheckSounds(bytes);
    CheckFiles(bytes);
    return 0;
}
