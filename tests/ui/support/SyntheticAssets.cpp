// Synthetic graphics and sound lists and the temporary working folder of the screen tests.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/support/SyntheticAssets.h"

#include "media/listfile/ListFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>

namespace sixdice::testsupport {
namespace {

void Fill(media::Picture& p, int x, int y, int w, int h, std::uint32_t rgb) {
    for (int yy = std::max(0, y); yy < std::min(p.height, y + h); ++yy) {
        for (int xx = std::max(0, x); xx < std::min(p.width, x + w); ++xx) {
            p.pixels[std::size_t(yy) * p.width + xx] = rgb;
        }
    }
}

void Frame(media::Picture& p, std::uint32_t rgb) {
    Fill(p, 0, 0, p.width, 1, rgb);
    Fill(p, 0, p.height - 1, p.width, 1, rgb);
    Fill(p, 0, 0, 1, p.height, rgb);
    Fill(p, p.width - 1, 0, 1, p.height, rgb);
}

constexpr std::uint32_t Magenta = 0xFF00FF;          // the transparent colour of the keyed entries
constexpr media::ColorCode MagentaCode = 0x00FF00FF; // $00BBGGRR

// The board: felt with the score sheet's rows ruled, so misplaced figures stand out.
media::Picture Board(std::uint32_t tint) {
    media::Picture p = media::Picture::Filled(547, 448, 0x004000 ^ tint);
    Fill(p, 0, 120, 547, 300, 0xF4EBD0);
    for (int row = 0; row < 16; ++row) {
        Fill(p, 0, 153 + 15 * row, 547, 1, 0xB0A080);
    }
    for (int column = 0; column <= 4; ++column) {
        Fill(p, 4 + 135 * column, 120, 1, 300, 0xB0A080);
    }
    return p;
}

// A die face: ivory with v dark squares in a row, so each face is distinct.
media::Picture Die(int v) {
    media::Picture p = media::Picture::Filled(50, 50, 0xFFFFF0);
    Frame(p, 0x404040);
    for (int i = 0; i < v; ++i) {
        Fill(p, 4 + 7 * i, 20, 5, 5, 0x202020);
    }
    return p;
}

media::ImageEntry Entry(std::string name, media::Picture picture, bool keyed) {
    media::ImageEntry e;
    e.name = std::move(name);
    e.picture = std::move(picture);
    e.transparent = keyed;
    e.transparentColor = keyed ? MagentaCode : 0;
    return e;
}

} // namespace

media::ImageList SyntheticImageList(int imageCount, std::uint32_t tint) {
    std::vector<media::ImageEntry> all;
    auto screen = [&](std::uint32_t rgb) {
        media::Picture p = media::Picture::Filled(400, 300, rgb ^ tint);
        Frame(p, 0xFFFFFF);
        Fill(p, 20, 20, 60, 10, 0x000000);
        return p;
    };
    auto highlight = [&](int w, int h, std::uint32_t rgb) {
        media::Picture p = media::Picture::Filled(w, h, rgb ^ tint);
        Frame(p, 0x000000);
        return p;
    };
    all.push_back(Entry("menu", screen(0x204060), false));
    all.push_back(Entry("menu new game", highlight(129, 31, 0xE0C040), false));
    all.push_back(Entry("menu rules", highlight(117, 28, 0xE0C040), false));
    all.push_back(Entry("menu exit", highlight(85, 30, 0xE0C040), false));
    all.push_back(Entry("menu mail", highlight(72, 35, 0xE0C040), false));
    all.push_back(Entry("exit", screen(0x602020), false));
    all.push_back(Entry("setup", screen(0x206040), false));
    all.push_back(Entry("setup back", highlight(54, 22, 0xE0C040), false));
    all.push_back(Entry("setup start", highlight(90, 27, 0xE0C040), false));
    for (int v = 1; v <= 6; ++v) {
        all.push_back(Entry("die " + std::to_string(v), Die(v), false));
    }
    all.push_back(Entry("board", Board(tint), false));
    {
        media::Picture marked = media::Picture::Filled(130, 28, 0xD4A017);
        Fill(marked, 0, 0, 4, 4, Magenta); // keyed corner: the board shows through
        all.push_back(Entry("plate marked", std::move(marked), true));
        media::Picture unmarked = media::Picture::Filled(130, 28, 0xA0A0A0);
        Fill(unmarked, 0, 0, 4, 4, Magenta);
        all.push_back(Entry("plate unmarked", std::move(unmarked), true));
    }
    {
        media::Picture free = media::Picture::Filled(31, 31, Magenta);
        Frame(free, 0x000000);
        all.push_back(Entry("marker not held", std::move(free), true));
        media::Picture held = media::Picture::Filled(31, 31, Magenta);
        Fill(held, 4, 4, 23, 23, 0xC00000);
        all.push_back(Entry("marker held", std::move(held), true));
    }
    all.push_back(Entry("throw highlight", highlight(146, 21, 0xE0C040), false));
    all.push_back(Entry("pass highlight", highlight(199, 23, 0xE0C040), false));
    all.push_back(Entry("highscore", screen(0x404080), false));
    all.push_back(Entry("highscore back", highlight(112, 18, 0xE0C040), false));
    all.push_back(Entry("highscore send", highlight(176, 18, 0xE0C040), false));
    all.push_back(Entry("throw picture", media::Picture::Filled(547, 120, 0x305030), false));
    all.push_back(Entry("web link 2", highlight(203, 18, 0xE0C040), false));
    all.push_back(Entry("web link 1", highlight(199, 15, 0xE0C040), false));

    media::ImageList list;
    all.resize(std::size_t(std::clamp(imageCount, 0, int(all.size()))));
    list.entries = std::move(all);
    return list;
}

media::SoundList SyntheticSoundList(int soundCount) {
    media::SoundList list;
    for (int i = 0; i < soundCount; ++i) {
        media::SoundEntry e;
        e.name = "sound " + std::to_string(i);
        // "fmt " of 16-bit mono PCM at 22050 Hz.
        e.format = {1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0};
        const int samples = 220 + 10 * i;
        for (int s = 0; s < samples; ++s) {
            const std::int16_t v = std::int16_t((s % 40 < 20 ? 1 : -1) * 4000);
            e.samples.push_back(std::uint8_t(v & 0xFF));
            e.samples.push_back(std::uint8_t((v >> 8) & 0xFF));
        }
        list.entries.push_back(std::move(e));
    }
    return list;
}

WorkingFolder::WorkingFolder() : previous_(std::filesystem::current_path()) {
    // A fresh folder of our own: create_directory says whether it made it or found it there.
    std::random_device seed;
    for (int attempt = 0; path_.empty(); ++attempt) {
        if (attempt == 100) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        char name[32];
        std::snprintf(name, sizeof name, "sixdice-ui-%08x", unsigned(seed()));
        const auto candidate = std::filesystem::temp_directory_path() / name;
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec)) {
            path_ = candidate;
        }
    }
    std::filesystem::current_path(path_);
}

WorkingFolder::~WorkingFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void WorkingFolder::WriteFile(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

void WorkingFolder::WriteImageList(const std::string& name, const media::ImageList& list) const {
    const auto bytes = media::WriteImageList(list, "TDXImageList");
    if (auto failure = media::SaveBytes((path_ / name).string(), bytes)) {
        throw std::runtime_error(*failure);
    }
}

void WorkingFolder::WriteSoundList(const std::string& name, const media::SoundList& list) const {
    const auto bytes = media::WriteSoundList(list, "TDXWaveList");
    if (auto failure = media::SaveBytes((path_ / name).string(), bytes)) {
        throw std::runtime_error(*failure);
    }
}

void WorkingFolder::WriteCompleteSet(const std::string& settings) const {
    WriteImageList("grafika_cz.zrk", SyntheticImageList());
    WriteImageList("grafika_en.zrk", SyntheticImageList(28, EnglishTint));
    WriteSoundList("zvuky.zrk", SyntheticSoundList());
    WriteFile("nastaveni.zrk", settings);
}

void WorkingFolder::WriteSetWithout(const char* settings, const char* removed) const {
    WriteCompleteSet(settings ? settings : "");
    if (!settings) {
        std::filesystem::remove(path_ / "nastaveni.zrk");
    }
    if (removed) {
        std::filesystem::remove(path_ / removed);
    }
}

std::vector<std::string> WorkingFolder::Listing() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_)) {
        names.push_back(std::filesystem::relative(entry.path(), path_).string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace sixdice::testsupport
