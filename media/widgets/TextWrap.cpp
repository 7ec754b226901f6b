// Greedy word wrap: as many words on a line as fit, then the next line.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/widgets/TextWrap.h"

#include "media/widgets/Utf8.h"

namespace sixdice::media::widgets {
namespace {

std::vector<std::string> Paragraphs(std::string_view text) {
    std::vector<std::string> out(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out.emplace_back();
        } else {
            out.back() += c == '\t' ? ' ' : c;
        }
    }
    return out;
}

// Cuts a word that does not fit a line into pieces that do (at least one character each);
// the last piece stays open for the words that follow.
void CutWord(const std::string& word, int maxWidth, const MeasureText& measure,
             std::vector<std::string>& lines, std::string& line) {
    for (const std::string& c : SplitCharacters(word)) {
        if (!line.empty() && measure(line + c) > maxWidth) {
            lines.push_back(line);
            line.clear();
        }
        line += c;
    }
}

void WrapParagraph(const std::string& paragraph, int maxWidth, const MeasureText& measure,
                   std::vector<std::string>& lines) {
    std::string line;
    std::size_t at = 0;
    while (at < paragraph.size()) {
        const std::size_t wordStart = paragraph.find_first_not_of(' ', at);
        const std::string spaces = paragraph.substr(at, std::min(wordStart, paragraph.size()) - at);
        if (wordStart == std::string::npos) {
            if (measure(line + spaces) <= maxWidth)
                line += spaces; // trailing spaces stay while they fit
            break;
        }
        const std::size_t wordEnd = std::min(paragraph.find(' ', wordStart), paragraph.size());
        const std::string word = paragraph.substr(wordStart, wordEnd - wordStart);
        at = wordEnd;
        if (measure(line + spaces + word) <= maxWidth) {
            line += spaces + word;
            continue;
        }
        if (!line.empty()) {
            lines.push_back(line);
            line.clear();
        }
        if (measure(word) <= maxWidth)
            line = word;
        else
            CutWord(word, maxWidth, measure, lines, line);
    }
    lines.push_back(line);
}

} // namespace

std::vector<std::string> WrapText(std::string_view text, int maxWidth, const MeasureText& measure) {
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    for (const std::string& paragraph : Paragraphs(text))
        WrapParagraph(paragraph, maxWidth, measure, lines);
    return lines;
}

} // namespace sixdice::media::widgets
