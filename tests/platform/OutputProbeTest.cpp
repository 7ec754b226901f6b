// The choice of sound and picture outputs from the machine's files: what counts as a device.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/OutputProbe.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace sixdice::platform {
namespace {

namespace fs = std::filesystem;

// A throw-away machine: folders standing for /dev, /etc, the runtime folder and the home.
class FakeMachine : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("sixdice-outputs-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        for (const char* folder : {"dev", "etc", "run", "home"})
            fs::create_directories(root_ / folder);
        places_.devices = root_ / "dev";
        places_.etc = root_ / "etc";
        places_.runtimeDir = root_ / "run";
        places_.home = root_ / "home";
    }
    void TearDown() override { fs::remove_all(root_); }

    void Touch(const fs::path& relative) {
        fs::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative).put('\n');
    }

    fs::path root_;
    OutputPlaces places_;
};

TEST_F(FakeMachine, AnEmptyMachineHasNoOutputsSoTheSilentDriverIsTakenAtOnce) {
    const OutputFacts facts = ProbeOutputs(places_);
    EXPECT_FALSE(facts.soundServer);
    EXPECT_FALSE(facts.soundDevice);
    EXPECT_FALSE(facts.soundConfig);
    EXPECT_FALSE(facts.graphicsDevice);
    EXPECT_EQ(AudioDriverFor(facts), "dummy");
    EXPECT_TRUE(PreferSoftwareRenderer(facts));
}

TEST_F(FakeMachine, OnlyAlsaPlaybackNodesCountAsASoundDevice) {
    Touch("dev/snd/controlC0");
    Touch("dev/snd/pcmC0D0c"); // capture only
    Touch("dev/snd/timer");
    EXPECT_FALSE(ProbeOutputs(places_).soundDevice) << "a card without playback cannot sound";
    Touch("dev/snd/pcmC0D3p");
    EXPECT_TRUE(ProbeOutputs(places_).soundDevice);
    EXPECT_EQ(AudioDriverFor(ProbeOutputs(places_)), "") << "SDL must be left to choose";
}

TEST_F(FakeMachine, EachKindOfSoundOutputLeavesTheChoiceToSdl) {
    struct Case {
        const char* file;
        const char* what;
    } cases[] = {
        {"run/pulse/native", "PulseAudio socket"},
        {"run/pipewire-0", "PipeWire socket"},
        {"dev/dsp", "OSS device"},
        {"etc/asound.conf", "system ALSA configuration"},
        {"home/.asoundrc", "user's ALSA configuration"},
    };
    for (const Case& c : cases) {
        SetUp();
        Touch(c.file);
        EXPECT_EQ(AudioDriverFor(ProbeOutputs(places_)), "") << c.what << " at " << c.file;
    }
}

TEST_F(FakeMachine, ANamedSoundServerCountsEvenWithoutASocketFile) {
    places_.pulseServer = "tcp:speakers.local";
    EXPECT_TRUE(ProbeOutputs(places_).soundServer);
    EXPECT_EQ(AudioDriverFor(ProbeOutputs(places_)), "");
}

TEST_F(FakeMachine, WithoutRuntimeFolderOrHomeOnlyDevicesAreLookedAt) {
    Touch("run/pulse/native");
    Touch("home/.asoundrc");
    places_.runtimeDir.clear();
    places_.home.clear();
    EXPECT_EQ(AudioDriverFor(ProbeOutputs(places_)), "dummy")
        << "the sockets of a folder the environment does not name are not ours";
}

TEST_F(FakeMachine, GpuNodesKeepTheAcceleratedRenderer) {
    Touch("dev/dri/by-path/pci-0000:00:02.0-card");
    EXPECT_TRUE(PreferSoftwareRenderer(ProbeOutputs(places_)))
        << "a link folder alone is no device";
    for (const char* node : {"dev/dri/renderD128", "dev/dri/card0", "dev/nvidia0"}) {
        SetUp();
        Touch(node);
        EXPECT_FALSE(PreferSoftwareRenderer(ProbeOutputs(places_))) << node;
    }
}

} // namespace
} // namespace sixdice::platform
