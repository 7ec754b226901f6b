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
#include <new>
#include <sstream>

namespace sixdice::zrk {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: zrk list [--images|--sounds] FILE\n"
    "       zrk extract [--images|--sounds] FILE DIR\n"
    "       zrk pack images|sounds DIR OUT\n"
    "The kind of a list is told from what it holds; --images or --sounds says it where the file\n"
    "cannot tell (an empty list, entries with names only).\n";
// list.txt repeats what `zrk list` prints; entries.txt holds every stored property for packing.
constexpr const char* kListingFile = "list.txt";
constexpr const char* kEntriesFile = "entries.txt";
constexpr const char* kColorTableFile = "colortable.bin";

std::string Numbered(std::size_t index, const char* extension) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%03zu.%s", index, extension);
    return buf;
}

Outcome Failed(std::string message) {
    return Outcome{1, "", std::move(message) + "\n"};
}

// An input file's bytes: a regular file within the limit of its kind, or the reason why not.
struct Input {
    std::vector<std::uint8_t> bytes;
    std::optional<media::FileRefusal> refusal;
    std::string Problem(const fs::path& path) const {
        return "Cannot open file " + path.string() + ": " + refusal->Reason();
    }
};

Input ReadInput(const fs::path& path, std::uint64_t limit) {
    Input input;
    media::FileBytes file;
    input.refusal = media::ReadRegularFile(path.string(), limit, file);
    if (!input.refusal) {
        input.bytes.assign(file.bytes().begin(), file.bytes().end());
    }
    return input;
}

bool IsMissing(const Input& input) {
    return input.refusal && input.refusal->problem == media::FileProblem::Missing;
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
    bool unreadable = false; // the file itself could not be read: nothing was listed
    std::string note;        // said on standard error when the kind was a guess
    std::string listing;
};

// Reads the file once, as the game does (a regular file within the list-file limit, shared with
// readers only), then as the kind it was told or the kind its content shows.
LoadedList Load(const std::string& file, std::optional<ListKind> told) {
    LoadedList l;
    KindGuess guess;
    {
        media::FileBytes bytes;
        if (auto refusal =
                media::ReadRegularFile(file, media::file_limits::kListFile, bytes, true)) {
            l.error = "Cannot open file " + file + ": " + refusal->Reason();
            l.unreadable = true;
            return l;
        }
        guess = told ? KindGuess{told, true} : DetectKind(bytes.bytes());
        l.kind = guess.kind.value_or(ListKind::Images);
        l.error = l.kind == ListKind::Sounds ? media::ReadSoundList(bytes.bytes(), l.sounds)
                                             : media::ReadImageList(bytes.bytes(), l.images);
    } // the file's bytes go before the listing is made
    l.listing = l.kind == ListKind::Sounds ? Listing(l.sounds) : Listing(l.images);
    // Entries that could be either kind are listed as images; say so, since they may not be.
    if (!guess.kind && !l.images.entries.empty()) {
        l.note = "zrk: nothing in " + file +
                 " tells images from sounds; listed as images (--sounds reads it as sounds)\n";
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
        const Input input = ReadInput(dir / name, media::file_limits::kListingText);
        if (IsMissing(input)) {
            continue;
        }
        if (input.refusal) {
            return input.Problem(dir / name);
        }
        std::istringstream in(std::string(input.bytes.begin(), input.bytes.end()));
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
    std::error_code ec;
    for (std::size_t i = 0; fs::exists(dir / Numbered(i, extension), ec); ++i) {
        lines.push_back(ListingLine{int(i), kindWord, {}});
    }
    return std::nullopt;
}

// A numbered picture or recording of the folder; a missing one leaves its entry empty.
template <typename Entry, typename ReadEntryFile>
std::optional<std::string> ReadNumbered(const fs::path& path, Entry& entry, ReadEntryFile read) {
    const Input input = ReadInput(path, media::file_limits::kListFile);
    if (IsMissing(input)) {
        return std::nullopt;
    }
    if (input.refusal) {
        return input.Problem(path);
    }
    if (auto error = read(input.bytes, entry)) {
        return path.string() + ": " + *error;
    }
    return std::nullopt;
}

Outcome PackImages(const fs::path& dir, const std::string& outFile) {
    std::vector<ListingLine> lines;
    if (auto error = ReadEntryLines(dir, "image", "bmp", lines)) {
        return Failed(*error);
    }
    media::ImageList list;
    Input table = ReadInput(dir / kColorTableFile, media::kColorTableSize);
    if (!table.refusal) {
        table.bytes.resize(media::kColorTableSize, 0);
        list.colorTable = std::move(table.bytes);
    } else if (!IsMissing(table)) {
        return Failed(table.Problem(dir / kColorTableFile));
    }
    for (const auto& line : lines) {
        media::ImageEntry e;
        if (auto error = ApplyFields(line, e)) {
            return Failed(*error);
        }
        if (auto error = ReadNumbered(dir / Numbered(std::size_t(line.index), "bmp"), e,
                                      [](const auto& bytes, media::ImageEntry& entry) {
                                          return media::ReadBmpFile(bytes, entry.picture);
                                      })) {
            return Failed(*error);
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
        if (auto error = ReadNumbered(dir / Numbered(std::size_t(line.index), "wav"), e,
                                      [](const auto& bytes, media::SoundEntry& entry) {
                                          return media::ReadWavFile(bytes, entry);
                                      })) {
            return Failed(*error);
        }
        list.entries.push_back(std::move(e));
    }
    if (auto error =
            media::SaveBytes(outFile, media::WriteSoundList(list, media::kSoundHolderClass))) {
        return Failed(*error);
    }
    return {};
}

// The command's words without the kind options, and the kind they name; false for both options.
bool TakeKindOption(std::vector<std::string>& words, std::optional<ListKind>& kind) {
    std::vector<std::string> rest;
    for (const auto& w : words) {
        if (w == "--images" || w == "--sounds") {
            const ListKind named = w == "--images" ? ListKind::Images : ListKind::Sounds;
            if (kind && *kind != named) {
                return false;
            }
            kind = named;
        } else {
            rest.push_back(w);
        }
    }
    words = std::move(rest);
    return true;
}

Outcome Dispatch(std::vector<std::string> args) {
    std::optional<ListKind> kind;
    if (args.empty() || !TakeKindOption(args, kind)) {
        return Outcome{2, "", kUsage};
    }
    if (args.size() == 2 && args[0] == "list") {
        return ListCommand(args[1], kind);
    }
    if (args.size() == 3 && args[0] == "extract") {
        return ExtractCommand(args[1], args[2], kind);
    }
    if (!kind && args.size() == 4 && args[0] == "pack" &&
        (args[1] == "images" || args[1] == "sounds")) {
        return PackCommand(args[1] == "images" ? ListKind::Images : ListKind::Sounds, args[2],
                           args[3]);
    }
    return Outcome{2, "", kUsage};
}

} // namespace

Outcome ListCommand(const std::string& file, std::optional<ListKind> kind) {
    LoadedList l = Load(file, kind);
    Outcome o{0, std::move(l.listing), std::move(l.note)};
    if (l.error) {
        o.exitCode = 1;
        o.err += *l.error + "\n";
    }
    return o;
}

Outcome ExtractCommand(const std::string& file, const std::string& dirName,
                       std::optional<ListKind> kind) {
    const LoadedList l = Load(file, kind);
    // A damaged file still gives up the entries read before the damage; the failure is reported.
    if (l.unreadable || (l.error && l.images.entries.empty() && l.sounds.entries.empty())) {
        return Failed(l.note + *l.error);
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
        return Failed(l.note + *error);
    }
    Outcome o = l.error ? Failed(*l.error) : Outcome{};
    o.err = l.note + o.err;
    return o;
}

Outcome PackCommand(ListKind kind, const std::string& dir, const std::string& outFile) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) {
        return Failed("Cannot open folder " + dir + (ec ? ": " + ec.message() : ""));
    }
    return kind == ListKind::Images ? PackImages(dir, outFile) : PackSounds(dir, outFile);
}

Outcome RunZrk(const std::vector<std::string>& args) {
    // Whatever goes wrong underneath (memory, the file system) ends as a message, never an abort.
    try {
        return Dispatch(args);
    } catch (const std::bad_alloc&) {
        return Failed("zrk: out of memory");
    } catch (const std::exception& e) {
        return Failed(std::string("zrk: ") + e.what());
    }
}

} // namespace sixdice::zrk
