// Sound output: the prepared sound list and playing its entries with voices.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/MediaTypes.h"
#include "media/listfile/ListData.h"

namespace sixdice::media {

class Sound {
public:
    virtual ~Sound() = default;

    // Replaces every sound by the list's entries, converted once to the output's format. An entry
    // that cannot be converted stays silent; the first such failure's text is returned.
    virtual MediaError SetSoundList(const SoundList& list) = 0;
    virtual int SoundCount() const = 0;

    // Starts sound `index` from its beginning. A sound still playing gets a further voice; when the
    // entry's MaxPlayingCount is above 0 and reached, its oldest voice restarts instead. A looped
    // entry restarts its single voice, which repeats without end. With `wait`, a call for a
    // non-looped entry returns only when its voice has stopped (tested every 10 ms). An index
    // outside the list returns the error's text.
    virtual MediaError PlaySound(int index, bool wait) = 0;
};

} // namespace sixdice::media
