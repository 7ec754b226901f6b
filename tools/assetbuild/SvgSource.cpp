// Assembling artwork sources: include expansion, plate macros, placeholders, cuts and marking.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetbuild/SvgSource.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

namespace sixdice::art {
namespace {

constexpr int kMaxIncludeDepth = 8;

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw ArtError("cannot read " + file.string());
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The key="value" pairs of a processing instruction's body.
std::map<std::string, std::string> ParseAttributes(const std::string& body,
                                                   const std::string& where) {
    std::map<std::string, std::string> attributes;
    std::size_t i = 0;
    while (true) {
        while (i < body.size() && std::isspace(static_cast<unsigned char>(body[i]))) {
            ++i;
        }
        if (i >= body.size()) {
            break;
        }
        const std::size_t eq = body.find('=', i);
        if (eq == std::string::npos || eq + 1 >= body.size() || body[eq + 1] != '"') {
            throw ArtError(where + ": expected key=\"value\" in <?" + body + "?>");
        }
        const std::size_t close = body.find('"', eq + 2);
        if (close == std::string::npos) {
            throw ArtError(where + ": unterminated value in <?" + body + "?>");
        }
        std::string key = body.substr(i, eq - i);
        key.erase(
            std::remove_if(key.begin(), key.end(), [](unsigned char c) { return std::isspace(c); }),
            key.end());
        attributes[key] = body.substr(eq + 2, close - eq - 2);
        i = close + 1;
    }
    return attributes;
}

std::vector<int> ParseNumbers(const std::string& text, std::size_t count, const std::string& what,
                              const std::string& where) {
    std::vector<int> numbers;
    std::istringstream in(text);
    int value = 0;
    while (in >> value) {
        numbers.push_back(value);
    }
    if (numbers.size() != count || !in.eof()) {
        throw ArtError(where + ": " + what + " needs " + std::to_string(count) +
                       " whole numbers, got \"" + text + "\"");
    }
    return numbers;
}

const std::string& Require(const std::map<std::string, std::string>& attributes,
                           const std::string& key, const std::string& where) {
    const auto it = attributes.find(key);
    if (it == attributes.end()) {
        throw ArtError(where + ": missing " + key + "=\"...\"");
    }
    return it->second;
}

std::string Number(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

std::string Rect(const std::string& cls, int x, int y, int w, int h) {
    return "<rect class=\"" + cls + "\" x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
           "\" width=\"" + std::to_string(w) + "\" height=\"" + std::to_string(h) + "\"/>";
}

// A plate is drawn from whole-pixel rectangles so that its edges stay crisp: a dark rim, a
// light top-left and a dark bottom-right bevel, then the face. Marking changes only the face and
// the label, two pixels inside the rim, so a highlight cut to the plate matches at its border.
std::string ExpandPlate(const std::map<std::string, std::string>& a, const std::string& where,
                        PlateLayout& plateLayout) {
    plateLayout.id = Require(a, "id", where);
    const auto r = ParseNumbers(Require(a, "rect", where), 4, "rect", where);
    plateLayout.x1 = r[0];
    plateLayout.y1 = r[1];
    plateLayout.x2 = r[2];
    plateLayout.y2 = r[3];
    const int w = plateLayout.x2 - plateLayout.x1 + 1;
    const int h = plateLayout.y2 - plateLayout.y1 + 1;
    if (w < 6 || h < 6) {
        throw ArtError(where + ": plate " + plateLayout.id + " is too small");
    }
    std::string cls = "plate";
    if (a.contains("class")) {
        cls += " " + a.at("class");
    }
    const int x = plateLayout.x1;
    const int y = plateLayout.y1;
    std::string out = Rect("plate-shadow", x + 2, y + 2, w, h);
    out += "<g id=\"" + plateLayout.id + "\" class=\"" + cls + "\">";
    out += Rect("plate-rim", x, y, w, h);
    out += Rect("plate-hi", x + 1, y + 1, w - 2, h - 2);
    out += Rect("plate-lo", x + 2, y + 2, w - 3, h - 3);
    out += Rect("plate-face", x + 2, y + 2, w - 4, h - 4);
    out += Rect("plate-sheen", x + 2, y + 2, w - 4, std::max(1, (h - 4) * 2 / 5));
    if (a.contains("icon")) {
        const auto at = ParseNumbers(Require(a, "icon-at", where), 2, "icon-at", where);
        out += "<use class=\"plate-icon\" href=\"" + a.at("icon") + "\" x=\"" +
               std::to_string(at[0]) + "\" y=\"" + std::to_string(at[1]) + "\"/>";
    }
    if (a.contains("label")) {
        plateLayout.hasLabel = true;
        plateLayout.shrinkToFit = a.contains("fit") && a.at("fit") == "shrink";
        const double size = a.contains("size") ? std::stod(a.at("size")) : 16.0;
        double cx = x + w / 2.0;
        if (a.contains("label-x")) {
            cx = std::stod(a.at("label-x"));
        }
        // Lato's capitals stand 0.72 em tall: this baseline centres them on the plate.
        double baseline = y + h / 2.0 + 0.36 * size;
        if (a.contains("label-y")) {
            baseline = std::stod(a.at("label-y"));
        }
        out += "<text id=\"" + plateLayout.id + "-label\" class=\"plate-label\" x=\"" + Number(cx) +
               "\" y=\"" + Number(std::round(baseline * 2) / 2) + "\" font-size=\"" + Number(size) +
               "\">" + XmlEscape(a.at("label")) + "</text>";
    }
    out += "</g>";
    return out;
}

ImageCut ParseCut(const std::map<std::string, std::string>& a, const std::string& where) {
    ImageCut cut;
    const std::string& n = Require(a, "n", where);
    const auto [ptr, ec] = std::from_chars(n.data(), n.data() + n.size(), cut.number);
    if (ec != std::errc() || ptr != n.data() + n.size() || cut.number < 0) {
        throw ArtError(where + ": image number \"" + n + "\" is not a number");
    }
    cut.name = a.contains("name") ? a.at("name") : "image " + n;
    if (a.contains("mark")) {
        std::istringstream in(a.at("mark"));
        std::string id;
        while (in >> id) {
            cut.marks.push_back(id);
        }
    }
    const auto at = ParseNumbers(Require(a, "at", where), 2, "at", where);
    const auto size = ParseNumbers(Require(a, "size", where), 2, "size", where);
    cut.x = at[0];
    cut.y = at[1];
    cut.width = size[0];
    cut.height = size[1];
    if (cut.width <= 0 || cut.height <= 0) {
        throw ArtError(where + ": image " + n + " has no area");
    }
    if (a.contains("key")) {
        const std::string& key = a.at("key");
        if (key.size() != 7 || key[0] != '#') {
            throw ArtError(where + ": key colour must be #rrggbb");
        }
        cut.transparent = true;
        cut.transparentColor = static_cast<unsigned>(std::stoul(key.substr(1), nullptr, 16));
    }
    return cut;
}

struct Assembler {
    std::filesystem::path root;
    const Defines& defines;
    AssembledSource result;

    // Placeholders inside an instruction (a plate's label, say) are filled in before it is read.
    std::string Substitute(const std::string& body, const std::string& where) const {
        std::string out;
        std::size_t i = 0;
        while (true) {
            const std::size_t open = body.find("{{", i);
            if (open == std::string::npos) {
                out.append(body, i, std::string::npos);
                return out;
            }
            const std::size_t close = body.find("}}", open);
            if (close == std::string::npos) {
                throw ArtError(where + ": unterminated {{");
            }
            const std::string key = body.substr(open + 2, close - open - 2);
            const auto it = defines.find(key);
            if (it == defines.end()) {
                throw ArtError(where + ": no value given for {{" + key + "}}");
            }
            out.append(body, i, open - i);
            out += it->second;
            i = close + 2;
        }
    }

    std::string Expand(const std::string& text, const std::string& where, int depth) {
        if (depth > kMaxIncludeDepth) {
            throw ArtError(where + ": includes nested too deeply");
        }
        std::string out;
        out.reserve(text.size());
        std::size_t i = 0;
        while (i < text.size()) {
            const std::size_t pi = text.find("<?", i);
            const std::size_t ph = text.find("{{", i);
            const std::size_t next = std::min(pi, ph);
            if (next == std::string::npos) {
                out.append(text, i, std::string::npos);
                break;
            }
            out.append(text, i, next - i);
            if (next == ph) {
                const std::size_t close = text.find("}}", ph);
                if (close == std::string::npos) {
                    throw ArtError(where + ": unterminated {{");
                }
                const std::string key = text.substr(ph + 2, close - ph - 2);
                const auto it = defines.find(key);
                if (it == defines.end()) {
                    throw ArtError(where + ": no value given for {{" + key + "}}");
                }
                out += XmlEscape(it->second);
                i = close + 2;
                continue;
            }
            const std::size_t close = text.find("?>", pi);
            if (close == std::string::npos) {
                throw ArtError(where + ": unterminated <?");
            }
            const std::string body = Substitute(text.substr(pi + 2, close - pi - 2), where);
            i = close + 2;
            const std::size_t space = body.find_first_of(" \t\r\n");
            const std::string verb = body.substr(0, space);
            const std::string rest = space == std::string::npos ? "" : body.substr(space + 1);
            if (verb == "xml") {
                out += "<?" + body + "?>";
            } else if (verb == "include") {
                std::string name = rest;
                name.erase(0, name.find_first_not_of(" \t"));
                name.erase(name.find_last_not_of(" \t") + 1);
                const auto path = root / name;
                if (std::find(result.files.begin(), result.files.end(), path) ==
                    result.files.end()) {
                    result.files.push_back(path);
                }
                out += Expand(ReadFile(path), name, depth + 1);
            } else if (verb == "plate") {
                PlateLayout plateLayout;
                out += ExpandPlate(ParseAttributes(rest, where), where, plateLayout);
                result.plates.push_back(plateLayout);
            } else if (verb == "image") {
                result.cuts.push_back(ParseCut(ParseAttributes(rest, where), where));
            } else {
                throw ArtError(where + ": unknown instruction <?" + verb + "?>");
            }
        }
        return out;
    }
};

int RootDimension(const std::string& svg, const std::string& name, const std::string& where) {
    const std::size_t tag = svg.find("<svg");
    const std::size_t end = svg.find('>', tag);
    if (tag == std::string::npos || end == std::string::npos) {
        throw ArtError(where + ": no <svg> element");
    }
    const std::string head = svg.substr(tag, end - tag);
    const std::string key = " " + name + "=\"";
    const std::size_t at = head.find(key);
    if (at == std::string::npos) {
        throw ArtError(where + ": the <svg> element needs a " + name);
    }
    return std::atoi(head.c_str() + at + key.size());
}

} // namespace

std::string XmlEscape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

AssembledSource AssembleText(const std::string& text, const std::filesystem::path& root,
                             const Defines& defines, const std::string& origin) {
    Assembler assembler{root, defines, {}};
    assembler.result.svg = assembler.Expand(text, origin, 0);
    assembler.result.width = RootDimension(assembler.result.svg, "width", origin);
    assembler.result.height = RootDimension(assembler.result.svg, "height", origin);
    for (const ImageCut& cut : assembler.result.cuts) {
        if (cut.x < 0 || cut.y < 0 || cut.x + cut.width > assembler.result.width ||
            cut.y + cut.height > assembler.result.height) {
            throw ArtError(origin + ": image " + std::to_string(cut.number) +
                           " reaches outside the picture");
        }
    }
    return std::move(assembler.result);
}

AssembledSource AssembleSource(const std::filesystem::path& file, const std::filesystem::path& root,
                               const Defines& defines) {
    const std::string text = ReadFile(file);
    AssembledSource source = AssembleText(text, root, defines, file.filename().string());
    source.files.insert(source.files.begin(), file);
    return source;
}

std::string MarkElements(const std::string& svg, const std::vector<std::string>& ids) {
    std::string out = svg;
    for (const std::string& id : ids) {
        const std::string key = "id=\"" + id + "\"";
        std::size_t at = out.find(key);
        while (at != std::string::npos && at > 0 &&
               !std::isspace(static_cast<unsigned char>(out[at - 1]))) {
            at = out.find(key, at + 1);
        }
        if (at == std::string::npos) {
            throw ArtError("no element with id \"" + id + "\" to mark");
        }
        const std::size_t tagStart = out.rfind('<', at);
        const std::size_t tagEnd = out.find('>', at);
        const std::size_t cls = out.find("class=\"", tagStart);
        if (cls != std::string::npos && cls < tagEnd) {
            out.insert(cls + 7, "marked ");
        } else {
            const std::size_t nameEnd = out.find_first_of(" \t\r\n/>", tagStart + 1);
            out.insert(nameEnd, " class=\"marked\"");
        }
    }
    return out;
}

} // namespace sixdice::art
