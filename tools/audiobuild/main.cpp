// sixdice_audiobuild: synthesises the game's sounds and music and writes the settings file.
//
//   sixdice_audiobuild sounds OUT.zrk [--wav-dir DIR] SOUND.snd ...   the sound list, in the given
//   order sixdice_audiobuild music OUT.ogg PIECE.mus [--wav OUT.wav]        one seamless music loop
//   sixdice_audiobuild settings OUT MENU GAME LANGUAGE               "nastaveni.zrk"
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/ListFile.h"
#include "tools/audiobuild/Composer.h"
#include "tools/audiobuild/MusicRender.h"
#include "tools/audiobuild/MusicScript.h"
#include "tools/audiobuild/OggWriter.h"
#include "tools/audiobuild/SoundScript.h"
#include "tools/audiobuild/WaveData.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace sixdice;

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "sixdice_audiobuild: cannot read " << path << "\n";
        return false;
    }
    std::ostringstream s;
    s << file.rdbuf();
    text = s.str();
    return true;
}

int Fail(const std::string& message) {
    std::cerr << "sixdice_audiobuild: " << message << "\n";
    return 1;
}

int BuildSounds(const std::vector<std::string>& args) {
    std::string out;
    std::string wavDir;
    std::vector<std::string> sources;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--wav-dir" && i + 1 < args.size()) {
            wavDir = args[++i];
        } else if (out.empty()) {
            out = args[i];
        } else {
            sources.push_back(args[i]);
        }
    }
    if (out.empty() || sources.empty()) {
        return Fail("usage: sounds OUT.zrk [--wav-dir DIR] SOUND.snd ...");
    }
    media::SoundList list;
    for (const std::string& source : sources) {
        std::string text;
        if (!ReadText(source, text)) {
            return 1;
        }
        audio::SoundRecipe recipe;
        if (auto error = audio::ParseSoundScript(text, recipe)) {
            return Fail(source + ": " + *error);
        }
        const auto pcm = audio::ToPcm16(audio::RenderSound(recipe));
        media::SoundEntry entry;
        entry.name = recipe.name;
        entry.format = audio::PcmFormatBlock(1, recipe.rate);
        entry.samples = audio::PcmBytes(pcm);
        list.entries.push_back(std::move(entry));
        if (!wavDir.empty()) {
            std::filesystem::create_directories(wavDir);
            const std::size_t number = list.entries.size() - 1;
            const std::string wav = wavDir + "/" + (number < 10 ? "0" : "") +
                                    std::to_string(number) + "-" + recipe.name + ".wav";
            if (auto error = audio::WriteFile(wav, audio::WaveFile(pcm, recipe.rate))) {
                return Fail(*error);
            }
        }
    }
    if (auto error = media::SaveBytes(out, media::WriteSoundList(list, "DXWaveList"))) {
        return Fail(*error);
    }
    return 0;
}

int BuildMusic(const std::vector<std::string>& args) {
    std::string out;
    std::string source;
    std::string wav;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--wav" && i + 1 < args.size()) {
            wav = args[++i];
        } else if (out.empty()) {
            out = args[i];
        } else if (source.empty()) {
            source = args[i];
        } else {
            return Fail("music takes one description");
        }
    }
    if (out.empty() || source.empty()) {
        return Fail("usage: music OUT.ogg PIECE.mus [--wav OUT.wav]");
    }
    std::string text;
    if (!ReadText(source, text)) {
        return 1;
    }
    audio::MusicPiece piece;
    if (auto error = audio::ParseMusicScript(text, piece)) {
        return Fail(source + ": " + *error);
    }
    audio::Composition composition;
    if (auto error = audio::Compose(piece, composition)) {
        return Fail(source + ": " + *error);
    }
    constexpr int kRate = 44100;
    const audio::Stereo loop = audio::RenderLoop(piece, composition, kRate);
    const std::string title = std::filesystem::path(source).stem().string();
    if (auto error = audio::WriteOggVorbis(out, loop, kRate, piece.quality, title)) {
        return Fail(*error);
    }
    if (!wav.empty()) {
        // A mono mix-down for measuring the loop with other tools.
        audio::Samples mono(loop.size());
        for (std::size_t i = 0; i < loop.size(); ++i) {
            mono[i] = 0.5f * (loop.left[i] + loop.right[i]);
        }
        if (auto error = audio::WriteFile(wav, audio::WaveFile(audio::ToPcm16(mono), kRate))) {
            return Fail(*error);
        }
    }
    return 0;
}

int BuildSettings(const std::vector<std::string>& args) {
    if (args.size() != 4) {
        return Fail("usage: settings OUT MENU-MUSIC GAME-MUSIC CZ|EN");
    }
    if (args[3] != "CZ" && args[3] != "EN") {
        return Fail("the language line is CZ or EN");
    }
    // The game reads the file line by line; lines end with CR LF as on the game's home platform.
    const std::string text = args[1] + "\r\n" + args[2] + "\r\n" + args[3] + "\r\n";
    if (auto error =
            audio::WriteFile(args[0], std::vector<std::uint8_t>(text.begin(), text.end()))) {
        return Fail(*error);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Fail("usage: sixdice_audiobuild sounds|music|settings ...");
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "sounds") {
        return BuildSounds(args);
    }
    if (command == "music") {
        return BuildMusic(args);
    }
    if (command == "settings") {
        return BuildSettings(args);
    }
    return Fail("unknown command '" + command + "'");
}
