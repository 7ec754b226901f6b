// Composing every screen the way the game draws it, with sample texts, highlights and outlines.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetbuild/ContactSheet.h"

#include "media/listfile/ListFile.h"
#include "tools/assetbuild/SvgRender.h"
#include "tools/assetbuild/SvgSource.h"
#include "ui/BoardLayout.h"
#include "ui/Catalogue.h"
#include "ui/LanguageTexts.h"

#include <array>
#include <cairo.h>
#include <cmath>
#include <iostream>
#include <sstream>

namespace sixdice::art {
namespace {

namespace board = ui::board;
namespace image = ui::catalogue::image;

constexpr std::uint32_t kClickOutline = 0xFF0000;
constexpr std::uint32_t kHoverOutline = 0x00FFFF;

// A text the game draws: placed by the top-left of its cell, in the game's font (Lato Black
// stands in for Arial Black), or in the window font of the native controls.
struct Text {
    double x = 0;
    double top = 0;
    std::string text;
    double pixels = 16; // 12 pt at 96 dpi
    std::string colour = "#000000";
    bool centred = false;
    bool outlined = false;
    bool windowFont = false;
};

std::string OverlaySvg(int width, int height, const std::vector<Text>& texts,
                       const std::string& extra = "") {
    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
        << "\">" << extra;
    for (const Text& t : texts) {
        // The cell's top lies one ascent (0.987 em in Lato) above the baseline.
        const double baseline = std::round(t.top + 0.987 * t.pixels);
        const std::string font = t.windowFont ? "font-family=\"DejaVu Sans\" font-weight=\"400\""
                                              : "font-family=\"Lato\" font-weight=\"900\"";
        const std::string anchor = t.centred ? " text-anchor=\"middle\"" : "";
        auto put = [&](double dx, double dy, const std::string& colour) {
            svg << "<text x=\"" << t.x + dx << "\" y=\"" << baseline + dy << "\" " << font
                << " font-size=\"" << t.pixels << "\" fill=\"" << colour << "\"" << anchor << ">"
                << XmlEscape(t.text) << "</text>";
        };
        if (t.outlined) {
            put(0, -1, "#ffff00");
            put(0, 1, "#ffff00");
            put(-1, 0, "#ffff00");
            put(1, 0, "#ffff00");
            put(0, 0, "#ff0000");
        } else {
            put(0, 0, t.colour);
        }
    }
    svg << "</svg>";
    return svg.str();
}

media::Picture Blank(int width, int height) {
    return media::Picture::Filled(width, height, 0x004000);
}

// A sample game in progress: three players, the second on turn after a throw with dice 1, 2
// and 4 held.
struct SampleGame {
    std::array<int, 6> dice{3, 3, 5, 3, 5, 3};
    std::array<bool, 6> held{true, true, false, true, false, false};
    std::vector<std::string> names;
    std::vector<std::array<std::string, 13>> cells;
    std::vector<int> throwsLeft{2, 1, 4};
    std::vector<int> totals{46, 59, 38};
    int current = 2;
    std::array<int, 13> offered{0, 0, 12, 0, 0, 0, 0, 0, 0, 0, 22, 0, 0};
};

SampleGame MakeSample(Language language) {
    SampleGame game;
    game.names = language == Language::Czech ? std::vector<std::string>{"Eva", "Tomáš", "Jana"}
                                             : std::vector<std::string>{"Eve", "Tom", "Jane"};
    game.cells = {
        {"-", "8", "-", "-", "25", "-", "-", "-", "13", "-", "-", "-", "-"},
        {"4", "-", "-", "16", "-", "-", "21", "-", "-", "18", "-", "-", "-"},
        {"-", "-", "-", "-", "-", "24", "-", "14", "-", "-", "-", "-", "-"},
    };
    return game;
}

// Pixels of a text of that many points at 96 dpi.
constexpr double PixelsOf(int points) {
    return points * 4.0 / 3.0;
}

void DrawBoard(media::Picture& screen, const media::ImageList& list, const SampleGame& game,
               bool endOfGame, std::vector<Text>& texts) {
    DrawEntry(screen, list, image::Board, 0, 0);
    for (int die = 1; die <= 6; ++die) {
        DrawEntry(screen, list, image::DieFace(game.dice[std::size_t(die - 1)]), board::DieX(die),
                  0);
    }
    for (int die = 1; die <= 6; ++die) {
        DrawEntry(screen, list,
                  game.held[std::size_t(die - 1)] ? image::HeldMarker : image::NotHeldMarker,
                  board::MarkerX(die), board::MarkerY);
    }
    const int players = int(game.names.size());
    for (int p = 1; p <= players; ++p) {
        DrawEntry(screen, list,
                  endOfGame || p == game.current ? image::PlateMarked : image::PlateUnmarked,
                  board::PlateX(p), board::HeaderY);
    }
    const double namePixels = PixelsOf(board::NamePoints);
    const double figurePixels = PixelsOf(board::FigurePoints);
    for (int p = 1; p <= players; ++p) {
        const bool lit = endOfGame || p == game.current;
        texts.push_back({double(board::NameX(p)), board::HeaderY, game.names[std::size_t(p - 1)],
                         namePixels, lit ? "#008000" : "#000000"});
        const double x = board::ColumnX(p);
        for (int cell = 1; cell <= 13; ++cell) {
            const int offered = game.offered[std::size_t(cell - 1)];
            const bool offer = !endOfGame && p == game.current && offered > 0;
            texts.push_back({x, double(board::CellY(cell)),
                             offer ? std::to_string(offered)
                                   : game.cells[std::size_t(p - 1)][std::size_t(cell - 1)],
                             figurePixels, offer ? "#ff0000" : "#000000"});
        }
        const int left = endOfGame ? 0 : game.throwsLeft[std::size_t(p - 1)];
        const int total =
            game.totals[std::size_t(p - 1)] + (endOfGame ? game.throwsLeft[std::size_t(p - 1)] : 0);
        texts.push_back({x, board::ThrowsY, std::to_string(left), figurePixels, "#000000"});
        texts.push_back({x, board::TotalY, std::to_string(total), figurePixels, "#000000"});
    }
}

void DrawSetupControls(Language language, std::vector<Text>& texts, std::string& extra) {
    const bool cz = language == Language::Czech;
    // Two players chosen: boxes 1 and 2 shown with their default names.
    for (int n = 0; n < 2; ++n) {
        const int top = 55 + 30 * n;
        extra += "<rect x=\"250\" y=\"" + std::to_string(top) +
                 "\" width=\"121\" height=\"21\" fill=\"#0080ff\" stroke=\"#202020\"/>";
        texts.push_back({254, top + 3.0, (cz ? "hráč " : "Player ") + std::to_string(n + 1), 11,
                         "#000000", false, false, true});
    }
    const std::array<std::pair<int, std::string>, 2> buttons{
        {{10, cz ? "<< uber hráče" : "<< rem player"},
         {115, cz ? "přidej hráče >>" : "add player >>"}}};
    for (const auto& [left, caption] : buttons) {
        extra += "<rect x=\"" + std::to_string(left) +
                 "\" y=\"40\" width=\"100\" height=\"20\" fill=\"#d4d0c8\" stroke=\"#404040\"/>";
        texts.push_back({left + 50.0, 43, caption, 10.7, "#000000", true});
    }
}

void WriteLanguage(const std::filesystem::path& outDir, Language language,
                   const media::ImageList& list) {
    const std::string lang = LanguageSlug(language);
    const bool cz = language == Language::Czech;
    auto save = [&](const std::string& name, const media::Picture& picture) {
        SavePng(picture, outDir / (lang + "-" + name + ".png"));
    };
    const SampleGame game = MakeSample(language);

    for (const Screen screen : AllScreens()) {
        const ScreenLayout layout = LayoutOf(screen, language);
        media::Picture plain = Blank(layout.width, layout.height);
        std::vector<Text> texts;
        std::string extra;
        switch (screen) {
        case Screen::Menu:
            DrawEntry(plain, list, 0, 0, 0);
            break;
        case Screen::Setup:
            DrawEntry(plain, list, 6, 0, 0);
            DrawSetupControls(language, texts, extra);
            break;
        case Screen::Game:
            DrawBoard(plain, list, game, false, texts);
            break;
        case Screen::Highscore:
            DrawEntry(plain, list, 22, 0, 0);
            texts.push_back(
                {200, 120,
                 (cz ? "Nejvíce bodů získal(a) " : "Most points of all gained ") + game.names[1],
                 16, "#ffffff", true});
            texts.push_back({200, 160, "1475", 21.33, "#ffffff", true});
            break;
        }
        media::Picture areas = plain;
        DrawSvgOver(plain, OverlaySvg(layout.width, layout.height, texts, extra));
        save(layout.slug, plain);

        for (const HotArea& area : layout.areas) {
            if (area.highlight >= 0) {
                DrawEntry(areas, list, area.highlight, area.highlightX, area.highlightY);
            }
        }
        for (const HotArea& area : layout.areas) {
            const HotRect hover = ClipToScreen(area.hover, layout.width, layout.height);
            const HotRect click = ClipToScreen(area.click, layout.width, layout.height);
            if (hover.x1 != click.x1 || hover.x2 != click.x2 || hover.y1 != click.y1 ||
                hover.y2 != click.y2) {
                Outline(areas, hover, kHoverOutline);
            }
            Outline(areas, click, kClickOutline);
        }
        save(layout.slug + "-areas", areas);
    }

    // The throw: the rolling dice over the dice row, held dice drawn on top.
    {
        media::Picture screen = Blank(547, 448);
        std::vector<Text> texts;
        DrawBoard(screen, list, game, false, texts);
        DrawEntry(screen, list, image::ThrowPicture, 0, 0);
        for (int die = 1; die <= 6; ++die) {
            if (game.held[std::size_t(die - 1)]) {
                DrawEntry(screen, list, image::DieFace(game.dice[std::size_t(die - 1)]),
                          board::DieX(die), 0);
            }
        }
        DrawSvgOver(screen, OverlaySvg(547, 448, texts));
        save("throw", screen);
    }
    // The end of the game: every plate marked, every name green, the outlined line over it.
    {
        media::Picture screen = Blank(547, 448);
        std::vector<Text> texts;
        DrawBoard(screen, list, game, true, texts);
        texts.push_back({board::EndLineCentre, board::EndLineTop,
                         ui::EndOfGameLine(language, game.names[0]), PixelsOf(board::NamePoints),
                         "", true, true});
        DrawSvgOver(screen, OverlaySvg(547, 448, texts));
        save("end", screen);
    }
    {
        media::Picture screen = Blank(400, 300);
        DrawEntry(screen, list, image::ExitPicture, 0, 0);
        save("farewell", screen);
    }
}

} // namespace

void DrawEntry(media::Picture& target, const media::ImageList& list, int image, int x, int y) {
    if (image < 0 || std::size_t(image) >= list.entries.size()) {
        throw ArtError("image " + std::to_string(image) + " is not in the list");
    }
    const media::ImageEntry& entry = list.entries[std::size_t(image)];
    const media::Picture& picture = entry.picture;
    const std::uint32_t c = entry.transparentColor;
    const std::uint32_t key = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    for (int sy = 0; sy < picture.height; ++sy) {
        const int ty = y + sy;
        if (ty < 0 || ty >= target.height) {
            continue;
        }
        for (int sx = 0; sx < picture.width; ++sx) {
            const int tx = x + sx;
            if (tx < 0 || tx >= target.width) {
                continue;
            }
            const std::uint32_t pixel = picture.at(sx, sy);
            if (entry.transparent && pixel == key) {
                continue;
            }
            target.pixels[std::size_t(ty) * target.width + tx] = pixel;
        }
    }
}

void Outline(media::Picture& target, const HotRect& rect, std::uint32_t colour) {
    auto put = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < target.width && y < target.height) {
            target.pixels[std::size_t(y) * target.width + x] = colour;
        }
    };
    for (int x = rect.x1; x <= rect.x2; ++x) {
        put(x, rect.y1);
        put(x, rect.y2);
    }
    for (int y = rect.y1; y <= rect.y2; ++y) {
        put(rect.x1, y);
        put(rect.x2, y);
    }
}

void SavePng(const media::Picture& picture, const std::filesystem::path& file) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < picture.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = 0; x < picture.width; ++x) {
            row[x] = 0xFF000000u | picture.at(x, y);
        }
    }
    cairo_surface_mark_dirty(surface);
    const cairo_status_t status = cairo_surface_write_to_png(surface, file.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        throw ArtError("cannot write " + file.string() + ": " + cairo_status_to_string(status));
    }
}

int WriteContactSheets(const std::filesystem::path& outDir, const std::string& czechFile,
                       const std::string& englishFile) {
    std::filesystem::create_directories(outDir);
    const std::array<std::pair<Language, std::string>, 2> files{
        {{Language::Czech, czechFile}, {Language::English, englishFile}}};
    for (const auto& [language, file] : files) {
        media::ImageList list;
        if (const auto failure = media::LoadImageList(file, list)) {
            std::cerr << "sixdice_artbuild: " << failure->message << "\n";
            return 1;
        }
        WriteLanguage(outDir, language, list);
    }
    return 0;
}

} // namespace sixdice::art
