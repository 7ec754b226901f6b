// Font files on Linux through fontconfig, taking a family only when fontconfig really has it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontFiles.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

namespace sixdice::platform {
namespace {

struct Candidate {
    const char* family;
    const char* style; // nullptr: any style
};

bool ValueListHas(FcPattern* pattern, const char* object, const char* wanted) {
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(pattern, object, i, &value) == FcResultMatch; ++i) {
        if (strcasecmp(reinterpret_cast<const char*>(value), wanted) == 0)
            return true;
    }
    return false;
}

// The file of the best match for family and style, only when the match really is that family
// (fontconfig otherwise substitutes some other font, which would not be the face asked for).
std::string MatchExactly(const Candidate& c) {
    static FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config)
        return {};
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(c.family));
    if (c.style)
        FcPatternAddString(pattern, FC_STYLE, reinterpret_cast<const FcChar8*>(c.style));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    std::string file;
    if (match && ValueListHas(match, FC_FAMILY, c.family) &&
        (!c.style || ValueListHas(match, FC_STYLE, c.style))) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
            file = reinterpret_cast<const char*>(path);
    }
    if (match)
        FcPatternDestroy(match);
    return file;
}

std::vector<Candidate> CandidatesFor(const std::string& face) {
    if (strcasecmp(face.c_str(), "Arial Black") == 0)
        return {{"Arial Black", nullptr}, {"Lato", "Black"}, {"DejaVu Sans", "Bold"}};
    if (strcasecmp(face.c_str(), "MS Sans Serif") == 0)
        return {{"DejaVu Sans", "Book"}, {"DejaVu Sans", nullptr}};
    if (strcasecmp(face.c_str(), "MS Sans Serif Bold") == 0)
        return {{"DejaVu Sans", "Bold"}, {"DejaVu Sans", nullptr}};
    return {{face.c_str(), nullptr}, {"DejaVu Sans", "Book"}, {"DejaVu Sans", nullptr}};
}

} // namespace

// The distribution installs the stand-in fonts as packages, so fontconfig finds them by family and
// the shipped file names are not needed here.
std::string InstalledFontFile(const std::string& face, const std::vector<std::string>&) {
    for (const auto& candidate : CandidatesFor(face)) {
        std::string file = MatchExactly(candidate);
        if (!file.empty())
            return file;
    }
    return {};
}

} // namespace sixdice::platform
