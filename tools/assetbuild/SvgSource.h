// An artwork source assembled for rendering: includes, button plates, placeholders and image cuts.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace sixdice::art {

// A fault in an artwork source or in the builder's input; the message names the file.
struct ArtError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One image the source yields: the source rendered with the elements `marks` marked, cut to a
// rectangle. `transparent` names an optional key colour 0x00RRGGBB (opaque when absent).
struct ImageCut {
    int number = -1;
    std::string name;
    std::vector<std::string> marks;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool transparent = false;
    unsigned transparentColor = 0;
};

// A labelled button plate covering an inclusive rectangle [x1..x2] x [y1..y2].
struct PlateLayout {
    std::string id;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool hasLabel = false;
    bool shrinkToFit = false; // the label (a build option, say) may be set smaller to fit
};

struct AssembledSource {
    std::string svg; // the complete document, ready for the renderer
    int width = 0;   // the document's size in pixels
    int height = 0;
    std::vector<ImageCut> cuts;
    std::vector<PlateLayout> plates;
    std::vector<std::filesystem::path> files; // every file read, the source first
};

using Defines = std::map<std::string, std::string>;

// Reads `file` and expands, recursively, every `<?include PATH?>` (PATH relative to `root`),
// `<?plate ...?>` and `{{NAME}}` (from `defines`); collects `<?image ...?>` declarations.
AssembledSource AssembleSource(const std::filesystem::path& file, const std::filesystem::path& root,
                               const Defines& defines = {});

// The same for a document given as text (includes are still read from `root`).
AssembledSource AssembleText(const std::string& text, const std::filesystem::path& root,
                             const Defines& defines = {}, const std::string& origin = "source");

// Adds the class "marked" to each element whose id is listed; an id that is missing is an error.
std::string MarkElements(const std::string& svg, const std::vector<std::string>& ids);

// Escapes text for an XML text node or attribute.
std::string XmlEscape(const std::string& text);

} // namespace sixdice::art
