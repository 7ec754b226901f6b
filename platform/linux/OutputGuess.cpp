// The output guess on Linux: from the device files, sound servers' sockets and ALSA settings.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OutputGuess.h"

#include "platform/linux/OutputProbe.h"

namespace sixdice::platform {

OutputGuess GuessOutputs() {
    const OutputFacts facts = ProbeOutputs(MachineOutputPlaces());
    return {AudioDriverFor(facts), PreferSoftwareRenderer(facts)};
}

} // namespace sixdice::platform
