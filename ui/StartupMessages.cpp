// Composing the start-up failure messages in both languages, and making outside text safe to show.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StartupMessages.h"

#include "media/widgets/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace sixdice::ui {
namespace {

// Characters that are invisible or reorder what follows them: C1 controls, direction marks and
// embeddings, line and paragraph separators, the byte order mark.
bool ShownAsCode(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

std::string Hex(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

struct Bilingual {
    std::string cs;
    std::string en;
};

std::string Quoted(const std::string& text) {
    return "\"" + Printable(text, 120) + "\"";
}

Bilingual Noun(GameFile kind) {
    switch (kind) {
    case GameFile::Graphics:
        return {"Soubor s grafikou", "The graphics file"};
    case GameFile::Sounds:
        return {"Soubor se zvuky", "The sound file"};
    case GameFile::Picture:
        break;
    }
    return {"Soubor s obrázkem", "The picture file"};
}

// Czech writes sizes with a decimal comma.
std::string CzechSize(std::uint64_t bytes) {
    std::string text = media::SizeInWords(bytes);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

Bilingual WhatIsWrong(const media::FileRefusal& why) {
    using media::FileProblem;
    switch (why.problem) {
    case FileProblem::Missing:
        return {"chybí", "is missing"};
    case FileProblem::Folder:
        return {"je složka, ne soubor", "is a folder, not a file"};
    case FileProblem::NamedPipe:
        return {"je pojmenovaná roura, ne obyčejný soubor",
                "is a named pipe, not an ordinary file"};
    case FileProblem::Device:
        return {"je zařízení, ne obyčejný soubor", "is a device, not an ordinary file"};
    case FileProblem::Socket:
        return {"je socket, ne obyčejný soubor", "is a socket, not an ordinary file"};
    case FileProblem::NoPermission:
        return {"nelze číst, chybí oprávnění", "cannot be read: permission denied"};
    case FileProblem::TooLarge:
        return {"je příliš velký (" + CzechSize(why.size) + ", smí mít nejvýše " +
                    CzechSize(why.limit) + ")",
                "is too large (" + media::SizeInWords(why.size) + "; at most " +
                    media::SizeInWords(why.limit) + ")"};
    case FileProblem::HeldByWriter:
        return {"má otevřený k zápisu jiný program", "is held open for writing by another program"};
    case FileProblem::BadName:
        return {"má neplatný název (prázdný nebo s nulovým znakem)",
                "has an invalid name (empty or holding a NUL character)"};
    case FileProblem::Unreadable:
        break;
    }
    const std::string reason = why.SystemText();
    return {"nelze přečíst (" + reason + ")", "cannot be read (" + reason + ")"};
}

const Bilingual kReinstall{"Přeinstalujte hru.", "Reinstall the game."};

// One line per language, each the problem and the remedy, then the technical text if any.
std::string Compose(const Bilingual& problem, const Bilingual& remedy,
                    const std::string& technical = {}) {
    std::string text = problem.cs + " " + remedy.cs + "\n" + problem.en + " " + remedy.en;
    if (!technical.empty()) {
        text += "\n" + Printable(technical, 500);
    }
    return text;
}

Bilingual Sentence(const Bilingual& noun, const std::string& fileName, const Bilingual& what) {
    return {noun.cs + " " + Quoted(fileName) + " " + what.cs + ".",
            noun.en + " " + Quoted(fileName) + " " + what.en + "."};
}

bool HoldsNulBytes(const SettingsLines& settings) {
    for (std::size_t i = 0; i < settings.Count(); ++i) {
        if (settings.Line(i).find('\0') != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::string CzechCount(int n, GameFile kind) {
    const bool images = kind == GameFile::Graphics;
    const char* word = n == 1               ? (images ? "obrázek" : "zvuk")
                       : (n >= 2 && n <= 4) ? (images ? "obrázky" : "zvuky")
                                            : (images ? "obrázků" : "zvuků");
    return std::to_string(n) + " " + word;
}

std::string EnglishCount(int n, GameFile kind) {
    const std::string word = kind == GameFile::Graphics ? "image" : "sound";
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

} // namespace

std::string Printable(std::string_view text, std::size_t maxCharacters) {
    std::vector<std::string> shown; // one entry per character as shown
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = media::widgets::SequenceLength(text, i);
        const auto byte = static_cast<unsigned char>(text[i]);
        if (length == 0) {
            shown.push_back(Hex(byte));
            ++i;
            continue;
        }
        const std::string_view character = text.substr(i, length);
        if (length == 1 && (byte < 0x20 || byte == 0x7F)) {
            shown.push_back(Hex(byte));
        } else if (const char32_t cp = media::widgets::CodePointOf(character);
                   length > 1 && ShownAsCode(cp)) {
            char code[16];
            std::snprintf(code, sizeof code, "\\u{%04X}", unsigned(cp));
            shown.emplace_back(code);
        } else {
            shown.emplace_back(character);
        }
        i += length;
    }
    std::string out;
    if (shown.size() <= maxCharacters) {
        for (const auto& s : shown) {
            out += s;
        }
        return out;
    }
    const std::size_t head = (maxCharacters + 1) / 2;
    const std::size_t tail = maxCharacters - head;
    for (std::size_t i = 0; i < head; ++i) {
        out += shown[i];
    }
    out += " … ";
    for (std::size_t i = shown.size() - tail; i < shown.size(); ++i) {
        out += shown[i];
    }
    return out;
}

std::string SettingsUnreadableMessage(const std::string& path, bool perUser,
                                      const media::FileRefusal& why) {
    const Bilingual noun =
        perUser ? Bilingual{"Váš vlastní soubor s nastavením", "Your own settings file"}
                : Bilingual{"Soubor s nastavením", "The settings file"};
    const Bilingual remedy =
        perUser ? Bilingual{"Opravte ho, nebo ho smažte a hra použije nastavení ze své složky.",
                            "Repair it, or delete it and the game uses the settings in its own "
                            "folder."}
                : Bilingual{"Přeinstalujte hru, nebo soubor opravte: tři řádky s hudbou v menu, "
                            "hudbou ve hře a jazykem CZ nebo EN.",
                            "Reinstall the game, or repair the file: three lines naming the menu "
                            "music, the game music and the language, CZ or EN."};
    return Compose(Sentence(noun, path, WhatIsWrong(why)), remedy, "Cannot open file " + path);
}

std::string UnknownLanguageMessage(const SettingsLines& settings) {
    const std::string file = Quoted(settings.Source());
    const std::string line = "\"" + Printable(settings.StartLanguage(), 60) + "\"";
    Bilingual problem{"Třetí řádek souboru " + file + " je " + line +
                          "; povolené hodnoty jsou \"CZ\" (čeština) a \"EN\" (angličtina).",
                      "The third line of the file " + file + " is " + line +
                          "; the accepted values are \"CZ\" (Czech) and \"EN\" (English)."};
    if (HoldsNulBytes(settings)) {
        problem.cs += " Soubor obsahuje nulové bajty, není to tedy prostý text v kódování "
                      "Windows-1250 (tak vypadá třeba text uložený v UTF-16).";
        problem.en += " The file holds NUL bytes, so it is not plain text in code page "
                      "Windows-1250 (text saved as UTF-16 looks like this).";
    }
    return Compose(problem, {"Opravte tento řádek.", "Correct that line."});
}

std::string ListFileMessage(const std::string& fileName, GameFile kind,
                            const media::LoadFailure& failure) {
    const Bilingual what =
        failure.refusal ? WhatIsWrong(*failure.refusal) : Bilingual{"je poškozený", "is damaged"};
    return Compose(Sentence(Noun(kind), fileName, what), kReinstall, failure.message);
}

std::string TooFewEntriesMessage(const std::string& fileName, GameFile kind, int found,
                                 int needed) {
    const Bilingual what{
        "obsahuje jen " + CzechCount(found, kind) + "; hra jich potřebuje " +
            std::to_string(needed) + " (čísla 0 až " + std::to_string(needed - 1) + ")",
        "holds " + EnglishCount(found, kind) + "; the game needs " + std::to_string(needed) +
            " (numbers 0 to " + std::to_string(needed - 1) + ")"};
    return Compose(Sentence(Noun(kind), fileName, what), kReinstall);
}

std::string MusicMessage(const std::string& path, const std::string& line,
                         const SettingsLines& settings, const std::string& playerText,
                         const std::optional<media::FileRefusal>& why) {
    const Bilingual what = why ? WhatIsWrong(*why) : Bilingual{"nejde přehrát", "cannot be played"};
    const Bilingual problem = Sentence({"Soubor s hudbou", "The music file"}, path, what);
    const std::string settingsFile = Quoted(settings.Source());
    const Bilingual remedy{
        "Hra pokračuje bez hudby. Opravte řádek " + Quoted(line) + " v souboru " + settingsFile +
            ": má obsahovat název souboru ve složce \"hudba\", nebo 0 pro hru bez hudby.",
        "The game goes on without music. Correct the line " + Quoted(line) + " in the file " +
            settingsFile + ": it names a file in the folder \"hudba\", or 0 for no music."};
    return Compose(problem, remedy, playerText);
}

std::string NoDesktopMessage(const std::string& technical) {
    return Compose({"Hra potřebuje grafické prostředí (plochu), kde může otevřít své okno, a tady "
                    "žádné není.",
                    "The game needs a desktop session to open its window in, and there is none "
                    "here."},
                   {"Spusťte ji na ploše (přes SSH s přesměrováním X, ssh -X), nebo pro testy s "
                    "volbou --headless.",
                    "Start it on a desktop (over SSH with X forwarding, ssh -X), or with "
                    "--headless for tests."},
                   technical);
}

} // namespace sixdice::ui
