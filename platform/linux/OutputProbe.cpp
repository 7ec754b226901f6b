// Output probing on Linux by file names: sound servers' sockets, ALSA and OSS devices, GPU nodes.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/OutputProbe.h"

#include <cstdlib>

namespace sixdice::platform {
namespace {

namespace fs = std::filesystem;

bool Exists(const fs::path& path) {
    std::error_code error;
    return !path.empty() && fs::exists(path, error);
}

// True when some entry of the folder has a name for which `wanted` holds.
template <typename Wanted>
bool FolderHas(const fs::path& folder, Wanted wanted) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        return false;
    }
    for (const fs::directory_entry& entry : it) {
        if (wanted(entry.path().filename().string())) {
            return true;
        }
    }
    return false;
}

// ALSA names playback devices pcmC<card>D<device>p; capture devices end in c.
bool IsAlsaPlayback(const std::string& name) {
    return name.size() > 4 && name.compare(0, 4, "pcmC") == 0 && name.back() == 'p';
}

bool IsGpuNode(const std::string& name) {
    return name.compare(0, 7, "renderD") == 0 || name.compare(0, 4, "card") == 0;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

OutputPlaces MachineOutputPlaces() {
    OutputPlaces places;
    places.runtimeDir = Environment("XDG_RUNTIME_DIR");
    places.home = Environment("HOME");
    places.pulseServer = Environment("PULSE_SERVER");
    return places;
}

OutputFacts ProbeOutputs(const OutputPlaces& places) {
    OutputFacts facts;
    facts.soundServer =
        !places.pulseServer.empty() ||
        (!places.runtimeDir.empty() && (Exists(places.runtimeDir / "pulse" / "native") ||
                                        Exists(places.runtimeDir / "pipewire-0")));
    facts.soundDevice =
        FolderHas(places.devices / "snd", IsAlsaPlayback) || Exists(places.devices / "dsp");
    facts.soundConfig = Exists(places.etc / "asound.conf") ||
                        (!places.home.empty() && Exists(places.home / ".asoundrc"));
    facts.graphicsDevice =
        FolderHas(places.devices / "dri", IsGpuNode) || Exists(places.devices / "nvidia0");
    return facts;
}

std::string AudioDriverFor(const OutputFacts& facts) {
    if (facts.soundServer || facts.soundDevice || facts.soundConfig) {
        return {};
    }
    return "dummy";
}

bool PreferSoftwareRenderer(const OutputFacts& facts) {
    return !facts.graphicsDevice;
}

} // namespace sixdice::platform
