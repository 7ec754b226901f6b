// `zrk list`, `extract` and `pack`: a folder of NNN.bmp / NNN.wav files with two listings.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zrk/Commands.h"

#include "media/listfile/BmpFile.h"
#include "media/listfile/ListFile.h"
#include "media/listfile/StreamNames.h"
#include "media/listfile/WavFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace sixdice::zrk {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: zrk list FILE | zrk extract FILE DIR | zrk pack images|sounds DIR OUT\n";
// list.txt repeats what `zrk list` prints; entries.txt holds every stored property for packing.
constexpr const char* kListingFile = "list.txt";
constexpr const char* kEntriesFile = "entries.txt";
constexpr const char* kColorTableFile = "colortable.bin";

std::string Numbered(std::size_t index, const char* extension) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%03zu.%s", index, extension);
    return buf;
}

std::optional<std::vector<std::uint8_t>> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

Outcome Failed(std::string message) {
    return Outcome{1, "", std::move(message) + "\n"};
}

std::string EntriesLine(int index, const media::ImageEntry& e) {
    std::ostringstream s;
    char color[16];
    std::snprintf(color, sizeof color, "$%08X", e.transparentColor);
    s << index << " image pattern=" << e.patternWidth << 'x' << e.patternHeight
      << " skip=" << e.skipWidth << 'x' << e.skipHeight
      << " systemmemory=" << (e.systemMemory ? "yes" : "no")
      << " transparent=" << (e.transparent ? "yes" : "no") << " color=" << color
      << " name=" << QuoteName(e.name);
    return s.str();
}

std::string EntriesLine(int index, const media::SoundEntry& e) {
    std::ostringstream s;
    s << index << " sound looped=" << (e.looped ? "yes" : "no") << " max=" << e.maxPlayingCount
      << " name=" << QuoteName(e.name);
    return s.str();
}

struct LoadedList {
    ListKind kind = ListKind::Images;
    media::ImageList images;
    media::SoundList sounds;
    media::LoadError error;
    std::string listing;
};

LoadedList Load(const std::string& file) {
    LoadedList l;
    if (auto bytes = ReadFile(file)) {
        l.kind = DetectKind(*bytes);
    }
    if (l.kind == ListKind::Sounds) {
        l.error = media::LoadSoundList(file, l.sounds);
        l.listing = Listing(l.sounds);
    } else {
        l.error = media::LoadImageList(file, l.images);
        l.listing = Listing(l.images);
    }
    return l;
}

std::optional<std::string> WriteText(const fs::path& path, const std::string& text) {
    return media::SaveBytes(
        path.string(), std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// "12x-3" into two numbers.
bool ParsePair(const std::string& text, std::int32_t& a, std::int32_t& b) {
    const auto x = text.find('x');
    if (x == std::string::npos) {
        return false;
    }
    try {
        std::size_t used = 0;
        a = std::stoi(text.substr(0, x), &used);
        if (used != x) {
            return false;
        }
        b = std::stoi(text.substr(x + 1), &used);
        return used == text.size() - x - 1;
    } catch (const std::exception&) {
        return false;
    }
}

bool ParseYesNo(const std::string& text, bool& v) {
    if (text == "yes" || text == "no") {
        v = text == "yes";
        return true;
    }
    return false;
}

bool ParseColor(const std::string& text, std::uint32_t& v) {
    if (text.size() != 9 || text[0] != '$') {
        return false;
    }
    try {
        std::size_t used = 0;
        v = std::uint32_t(std::stoul(text.substr(1), &used, 16));
        return used == 8;
    } catch (const std::exception&) {
        return false;
    }
}

bool ParseInt(const std::string& text, std::int32_t& v) {
    try {
        std::size_t used = 0;
        v = std::stoi(text, &used);
        return used == text.size();
    } catch (const std::exception&) {
        return false;
    }
}

// Applies the fields a listing line carries; unknown fields (such as "patterns") are ignored.
std::optional<std::string> ApplyFields(const ListingLine& line, media::ImageEntry& e) {
    for (const auto& [key, value] : line.fields) {
        bool ok = true;
        if (key == "pattern") {
            ok = ParsePair(value, e.patternWidth, e.patternHeight);
        } else if (key == "skip") {
            ok = ParsePair(value, e.skipWidth, e.skipHeight);
        } else if (key == "systemmemory") {
            ok = ParseYesNo(value, e.systemMemory);
        } else if (key == "transparent") {
            ok = ParseYesNo(value, e.transparent);
        } else if (key == "color") {
            ok = ParseColor(value, e.transparentColor);
        } else if (key == "name") {
            e.name = value;
        }
        if (!ok) {
            return "bad " + key + "=" + value + " for entry " + std::to_string(line.index);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ApplyFields(const ListingLine& line, media::SoundEntry& e) {
    for (const auto& [key, value] : line.fields) {
        bool ok = true;
        if (key == "looped") {
            ok = ParseYesNo(value, e.looped);
        } else if (key == "max") {
            ok = ParseInt(value, e.maxPlayingCount) && e.maxPlayingCount >= 0;
        } else if (key == "name") {
            e.name = value;
        }
        if (!ok) {
            return "bad " + key + "=" + value + " for entry " + std::to_string(line.index);
        }
    }
    return std::nullopt;
}

// The entries' properties: entries.txt, else list.txt, else one default entry per numbered file.
std::optional<std::string> ReadEntryLines(const fs::path& dir, const char* kindWord,
                                          const char* extension, std::vector<ListingLine>& lines) {
    for (const char* name : {kEntriesFile, kListingFile}) {
        std::ifstream in(dir / name);
        if (!in) {
            continue;
        }
        std::string text;
        int lineNumber = 0;
        while (std::getline(in, text)) {
            ++lineNumber;
            if (text.find_first_not_of(" \t\r") == std::string::npos) {
                continue;
            }
            auto parsed = ParseListingLine(text);
            if (!parsed || parsed->kind != kindWord) {
                return std::string(name) + ":" + std::to_string(lineNumber) + ": not a " +
                       kindWord + " entry line";
            }
            if (parsed->index != int(lines.size())) {
                return std::string(name) + ":" + std::to_string(lineNumber) + ": expected entry " +
                       std::to_string(lines.size());
            }
            lines.push_back(*parsed);
        }
        return std::nullopt;
    }
    for (std::size_t i = 0; fs::exists(dir / Numbered(i, extension)); ++i) {
        lines.push_back(ListingLine{int(i), kindWord, {}});
    }
    return std::nullopt;
}

Outcome PackImages(const fs::path& dir, const std::string& outFile) {
    std::vector<ListingLine> lines;
    if (auto error = ReadEntryLines(dir, "image", "bmp", lines)) {
        return Failed(*error);
    }
    media::ImageList list;
    if (auto table = ReadFile(dir / kColorTableFile)) {
        table->resize(media::kColorTableSize, 0);
        list.colorTable = std::move(*table);
    }
    for (const auto& line : lines) {
        media::ImageEntry e;
        if (auto error = ApplyFields(line, e)) {
            return Failed(*error);
        }
        const fs::path bmp = dir / Numbered(std::size_t(line.index), "bmp");
        if (auto bytes = ReadFile(bmp)) {
            if (auto error = media::ReadBmpFile(*bytes, e.picture)) {
                return Failed(bmp.string() + ": " + *error);
            }
        }
        list.entries.push_back(std::move(e));
    }
    if (auto error =
            media::SaveBytes(outFile, media::WriteImageList(list, media::kImageHolderClass))) {
        return Failed(*error);
    }
    return {};
}

Outcome PackSounds(const fs::path& dir, const std::string& outFile) {
    std::vector<ListingLine> lines;
    if (auto error = ReadEntryLines(dir, "sound", "wav", lines)) {
        return Failed(*error);
    }
    media::SoundList list;
    for (const auto& line : lines) {
        media::SoundEntry e;
        if (auto error = ApplyFields(line, e)) {
            return Failed(*error);
        }
        const fs::path wav = dir / Numbered(std::size_t(line.index), "wav");
        if (auto bytes = ReadFile(wav)) {
            if (auto error = media::ReadWavFile(*bytes, e)) {
                return Failed(wav.string() + ": " + *error);
            }
        }
        list.entries.push_back(std::move(e));
    }
    if (auto error =
            media::SaveBytes(outFile, media::WriteSoundList(list, media::kSoundHolderClass))) {
        return Failed(*error);
    }
    return {};
}

} // namespace

Outcome ListCommand(const std::string& file) {
    const LoadedList l = Load(file);
    Outcome o{0, l.listing, ""};
    if (l.error) {
        o.exitCode = 1;
        o.err = *l.error + "\n";
    }
    return o;
}

Outcome ExtractCommand(const std::string& file, const std::string& dirName) {
    const LoadedList l = Load(file);
    // A damaged file still gives up the entries read before the damage; the failure is reported.
    if (l.error && l.images.entries.empty() && l.sounds.entries.empty()) {
        return Failed(*l.error);
    }
    const fs::path dir(dirName);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) {
        return Failed("Cannot create folder " + dirName + ": " + ec.message());
    }
    std::string entries;
    std::optional<std::string> error;
    auto save = [&](const fs::path& path, std::span<const std::uint8_t> bytes) {
        if (!error) {
            error = media::SaveBytes(path.string(), bytes);
        }
    };
    if (l.kind == ListKind::Images) {
        for (std::size_t i = 0; i < l.images.entries.size(); ++i) {
            const auto& e = l.images.entries[i];
            entries += EntriesLine(int(i), e) + "\n";
            if (!e.picture.empty()) {
                save(dir / Numbered(i, "bmp"), media::WriteBmpFile(e.picture));
            }
        }
        if (!l.images.colorTable.empty()) {
            save(dir / kColorTableFile, l.images.colorTable);
        }
    } else {
        for (std::size_t i = 0; i < l.sounds.entries.size(); ++i) {
            const auto& e = l.sounds.entries[i];
            entries += EntriesLine(int(i), e) + "\n";
            if (!e.format.empty() || !e.samples.empty()) {
                save(dir / Numbered(i, "wav"), media::WriteWaveImage(e, true));
            }
        }
    }
    if (!error) {
        error = WriteText(dir / kListingFile, l.listing);
    }
    if (!error) {
        error = WriteText(dir / kEntriesFile, entries);
    }
    if (error) {
        return Failed(*error);
    }
    return l.error ? Failed(*l.error) : Outcome{};
}

Outcome PackCommand(ListKind kind, const std::string& dir, const std::string& outFile) {
    if (!fs::is_directory(dir)) {
        return Failed("Cannot open folder " + dir);
    }
    return kind == ListKind::Images ? PackImages(dir, outFile) : PackSounds(dir, outFile);
}

Outcome RunZrk(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "list") {
        return ListCommand(args[1]);
    }
    if (args.size() == 3 && args[0] == "extract") {
        return ExtractCommand(args[1], args[2]);
    }
    if (args.size() == 4 && args[0] == "pack" && (args[1] == "images" || args[1] == "sounds")) {
        return PackCommand(args[1] == "images" ? ListKind::Images : ListKind::Sounds, args[2],
                           args[3]);
    }
    return Outcome{2, "", kUsage};
}

} // namespace sixdice::zrk
