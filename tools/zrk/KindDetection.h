// Telling an image list from a sound list by what the file holds, whoever wrote it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace sixdice::zrk {

enum class ListKind { Images, Sounds };

struct KindGuess {
    // std::nullopt when nothing in the file tells the kinds apart (an empty list, entries with
    // names only, a file too damaged to look into).
    std::optional<ListKind> kind;
    // Whether the entries' properties or the palette decided it, rather than a name.
    bool fromContent = false;
};

// The properties decide: a "List.ColorTable" or an image entry's property (a picture, patterns,
// transparency) makes an image list, a sound entry's property (a recording, "Looped",
// "MaxPlayingCount") a sound list. Failing those, the resource name or the root's class name may
// hint at it ("WAVE", "SOUND", "ZVUK" against "PICTURE", "IMAGE", "GRAFIK"); the stream format
// fixes neither, so another writer's lists carry names of their own.
KindGuess DetectKind(std::span<const std::uint8_t> bytes);

} // namespace sixdice::zrk
