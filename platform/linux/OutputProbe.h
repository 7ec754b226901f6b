// Which sound and picture outputs can work on a Linux machine, judged from files alone.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace sixdice::platform {

// What the machine offers, as far as the files and the environment tell without opening anything.
struct OutputFacts {
    bool soundServer = false; // a PulseAudio or PipeWire socket, or a server named in PULSE_SERVER
    bool soundDevice = false; // an ALSA playback device or an OSS /dev/dsp
    bool soundConfig = false; // an ALSA configuration of the user's or the system's own
    bool graphicsDevice = false; // a DRI or NVIDIA device node, so OpenGL may be accelerated
};

// Where the probe looks; the defaults are the machine's own places.
struct OutputPlaces {
    std::filesystem::path devices = "/dev";
    std::filesystem::path etc = "/etc";
    std::filesystem::path runtimeDir; // XDG_RUNTIME_DIR; empty: none
    std::filesystem::path home;       // HOME; empty: none
    std::string pulseServer;          // PULSE_SERVER; empty: none
};

// The places of the running process, from its environment.
OutputPlaces MachineOutputPlaces();

OutputFacts ProbeOutputs(const OutputPlaces& places);

// The audio driver to ask SDL for: "dummy" when no sound output can possibly open (trying them
// costs a PulseAudio connection, an ALSA configuration search and SDL's device thread), else
// empty, which leaves the choice to SDL and to the environment variable SDL_AUDIODRIVER.
std::string AudioDriverFor(const OutputFacts& facts);

// True when OpenGL could only be Mesa's software rasteriser: SDL's own software renderer then
// starts in a fraction of the time and presents a frame without the GL pipeline.
bool PreferSoftwareRenderer(const OutputFacts& facts);

} // namespace sixdice::platform
