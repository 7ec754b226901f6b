// sixdice_artbuild: renders the artwork sources, packs the graphics files, draws the contact sheet.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/BmpFile.h"
#include "media/listfile/ListFile.h"
#include "tools/assetbuild/ContactSheet.h"
#include "tools/assetbuild/IcoFile.h"
#include "tools/assetbuild/IconRender.h"
#include "tools/assetbuild/PictureBundle.h"
#include "tools/assetbuild/SvgRender.h"
#include "tools/assetbuild/SvgSource.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace sixdice;

constexpr const char* kUsage =
    "usage:\n"
    "  sixdice_artbuild render SOURCE.svg ART_ROOT OUT.pics [--depfile FILE] [-DNAME=VALUE...]\n"
    "  sixdice_artbuild pack OUT.zrk RESOURCE_NAME COUNT BUNDLE.pics...\n"
    "  sixdice_artbuild bmp SOURCE.svg ART_ROOT OUT.bmp [--depfile FILE]\n"
    "  sixdice_artbuild contact-sheet OUTDIR GRAFIKA_CZ.zrk GRAFIKA_EN.zrk\n"
    "  sixdice_artbuild preview SOURCE.svg ART_ROOT OUT.png [-DNAME=VALUE...]\n"
    "  sixdice_artbuild icons SOURCE.svg ART_ROOT OUTDIR NAME SIZE... [--depfile FILE]\n"
    "  sixdice_artbuild icon-pixels SOURCE.svg ART_ROOT OUT.h SIZE [--depfile FILE]\n"
    "  sixdice_artbuild ico SOURCE.svg ART_ROOT OUT.ico SIZE... [--depfile FILE]\n";

std::string DepfileEscape(const std::string& path) {
    std::string out;
    for (const char c : path) {
        if (c == ' ' || c == '#') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

void WriteDepfile(const std::string& depfile, const std::string& target,
                  const std::vector<std::filesystem::path>& files) {
    std::ofstream out(depfile, std::ios::trunc);
    out << DepfileEscape(target) << ":";
    for (const auto& file : files) {
        out << " \\\n  " << DepfileEscape(std::filesystem::absolute(file).string());
    }
    out << "\n";
    if (!out) {
        throw art::ArtError("cannot write " + depfile);
    }
}

// Options after the positional arguments: --depfile FILE and -DNAME=VALUE.
struct Options {
    std::string depfile;
    art::Defines defines;
};

Options ParseOptions(const std::vector<std::string>& args, std::size_t from) {
    Options options;
    for (std::size_t i = from; i < args.size(); ++i) {
        if (args[i] == "--depfile" && i + 1 < args.size()) {
            options.depfile = args[++i];
        } else if (args[i].rfind("-D", 0) == 0 && args[i].find('=') != std::string::npos) {
            const std::size_t eq = args[i].find('=');
            options.defines[args[i].substr(2, eq - 2)] = args[i].substr(eq + 1);
        } else {
            throw art::ArtError("unknown option " + args[i]);
        }
    }
    return options;
}

art::AssembledSource AssembleChecked(const std::string& file, const std::string& root,
                                     const art::Defines& defines) {
    art::AssembledSource source = art::AssembleSource(file, root, defines);
    art::ShrinkLabelsToFit(source);
    const auto faults = art::CheckPlateLabels(source);
    if (!faults.empty()) {
        std::string message = file + ":";
        for (const auto& fault : faults) {
            message += "\n  " + fault;
        }
        throw art::ArtError(message);
    }
    return source;
}

int Render(const std::vector<std::string>& args) {
    const Options options = ParseOptions(args, 5);
    const art::AssembledSource source = AssembleChecked(args[2], args[3], options.defines);
    std::vector<art::BundledImage> bundle;
    for (auto& image : art::RenderCuts(source)) {
        bundle.push_back({image.cut.number, image.cut.name, image.cut.transparent,
                          image.cut.transparentColor, std::move(image.picture)});
    }
    art::SaveBundle(args[4], bundle);
    if (!options.depfile.empty()) {
        WriteDepfile(options.depfile, args[4], source.files);
    }
    return 0;
}

int Pack(const std::vector<std::string>& args) {
    std::vector<art::BundledImage> images;
    for (std::size_t i = 5; i < args.size(); ++i) {
        auto bundle = art::LoadBundle(args[i]);
        for (auto& image : bundle) {
            images.push_back(std::move(image));
        }
    }
    const media::ImageList list = art::BuildImageList(images, std::stoi(args[4]));
    const auto bytes = media::WriteImageList(list, args[3]);
    if (const auto failure = media::SaveBytes(args[2], bytes)) {
        throw art::ArtError(*failure);
    }
    return 0;
}

int Bmp(const std::vector<std::string>& args) {
    const Options options = ParseOptions(args, 5);
    const art::AssembledSource source = AssembleChecked(args[2], args[3], options.defines);
    const auto images = art::RenderCuts(source);
    if (images.size() != 1) {
        throw art::ArtError(args[2] + ": a picture source declares exactly one image");
    }
    const auto bytes = media::WriteBmpFile(images.front().picture);
    if (const auto failure = media::SaveBytes(args[4], bytes)) {
        throw art::ArtError(*failure);
    }
    if (!options.depfile.empty()) {
        WriteDepfile(options.depfile, args[4], source.files);
    }
    return 0;
}

// The whole document unmarked plus each image it yields, as PNGs beside OUT.png, for drawing.
int Preview(const std::vector<std::string>& args) {
    const Options options = ParseOptions(args, 5);
    const art::AssembledSource source = AssembleChecked(args[2], args[3], options.defines);
    const std::filesystem::path out = args[4];
    art::SavePng(art::RenderSvg(source.svg, source.width, source.height,
                                {0, 0, source.width, source.height}),
                 out);
    for (const auto& image : art::RenderCuts(source)) {
        auto name = out;
        name.replace_filename(out.stem().string() + "-" + std::to_string(image.cut.number) +
                              ".png");
        art::SavePng(image.picture, name);
    }
    return 0;
}

void SaveText(const std::string& file, const std::string& text) {
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    if (const auto failure = media::SaveBytes(file, bytes)) {
        throw art::ArtError(*failure);
    }
}

int PositiveSize(const std::string& text) {
    std::size_t used = 0;
    int size = 0;
    try {
        size = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || size <= 0 || size > 4096) {
        throw art::ArtError("not an icon size: " + text);
    }
    return size;
}

// The icon theme's folders under OUTDIR: SIZExSIZE/apps/NAME.png for every size and
// scalable/apps/NAME.svg, the assembled source itself.
int Icons(const std::vector<std::string>& args) {
    std::size_t optionsAt = 6;
    while (optionsAt < args.size() && args[optionsAt].rfind("-", 0) != 0) {
        ++optionsAt;
    }
    const Options options = ParseOptions(args, optionsAt);
    const art::AssembledSource source = art::AssembleSource(args[2], args[3], options.defines);
    const std::filesystem::path outdir = args[4];
    const std::string& name = args[5];
    std::vector<std::filesystem::path> written;
    for (std::size_t i = 6; i < optionsAt; ++i) {
        const int size = PositiveSize(args[i]);
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        std::filesystem::create_directories(outdir / folder / "apps");
        art::SaveIconPng(art::RenderIcon(source, size), outdir / folder / "apps" / (name + ".png"));
    }
    std::filesystem::create_directories(outdir / "scalable" / "apps");
    const auto scalable = outdir / "scalable" / "apps" / (name + ".svg");
    SaveText(scalable.string(), source.svg);
    if (!options.depfile.empty()) {
        WriteDepfile(options.depfile, scalable.string(), source.files);
    }
    return 0;
}

// The Windows icon file: every size rendered from the source; 256 pixels and more as PNG, which
// keeps the file small, the smaller ones as bitmaps, which every reader of icon files takes.
int Ico(const std::vector<std::string>& args) {
    std::size_t optionsAt = 5;
    while (optionsAt < args.size() && args[optionsAt].rfind("-", 0) != 0) {
        ++optionsAt;
    }
    const Options options = ParseOptions(args, optionsAt);
    const art::AssembledSource source = art::AssembleSource(args[2], args[3], options.defines);
    std::vector<art::IcoEntry> entries;
    for (std::size_t i = 5; i < optionsAt; ++i) {
        art::IcoEntry entry;
        entry.picture = art::RenderIcon(source, PositiveSize(args[i]));
        if (entry.picture.size >= 256) {
            entry.png = art::IconPngBytes(entry.picture);
        }
        entries.push_back(std::move(entry));
    }
    const std::vector<std::uint8_t> bytes = art::WriteIco(entries);
    std::ofstream out(args[4], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out.flush()) {
        throw art::ArtError("cannot write " + args[4]);
    }
    if (!options.depfile.empty()) {
        WriteDepfile(options.depfile, args[4], source.files);
    }
    return 0;
}

int IconPixels(const std::vector<std::string>& args) {
    const Options options = ParseOptions(args, 6);
    const art::AssembledSource source = art::AssembleSource(args[2], args[3], options.defines);
    const std::string text = art::IconPixelsSource(art::RenderIcon(source, PositiveSize(args[5])));
    SaveText(args[4], text);
    if (!options.depfile.empty()) {
        WriteDepfile(options.depfile, args[4], source.files);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv, argv + argc);
    try {
        if (args.size() >= 5 && args[1] == "render") {
            return Render(args);
        }
        if (args.size() >= 6 && args[1] == "pack") {
            return Pack(args);
        }
        if (args.size() >= 5 && args[1] == "bmp") {
            return Bmp(args);
        }
        if (args.size() >= 5 && args[1] == "preview") {
            return Preview(args);
        }
        if (args.size() >= 7 && args[1] == "icons") {
            return Icons(args);
        }
        if (args.size() >= 6 && args[1] == "ico") {
            return Ico(args);
        }
        if (args.size() >= 6 && args[1] == "icon-pixels") {
            return IconPixels(args);
        }
        if (args.size() == 5 && args[1] == "contact-sheet") {
            return sixdice::art::WriteContactSheets(args[2], args[3], args[4]);
        }
    } catch (const std::exception& e) {
        std::cerr << "sixdice_artbuild: " << e.what() << "\n";
        return 1;
    }
    std::cerr << kUsage;
    return 2;
}
