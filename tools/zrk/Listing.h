// The one-line-per-entry listing of a list file, and reading such lines back for packing.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListData.h"
#include "tools/zrk/KindDetection.h"

#include <map>
#include <optional>
#include <span>
#include <string>

namespace sixdice::zrk {

std::string ImageLine(int index, const media::ImageEntry& entry);
std::string SoundLine(int index, const media::SoundEntry& entry);
std::string Listing(const media::ImageList& list);
std::string Listing(const media::SoundList& list);

// A name in double quotes; '"', '\' and control bytes are written as \", \\ and \xHH.
std::string QuoteName(const std::string& name);

// One parsed listing line: the index, the kind word and its key=value fields (name unquoted).
struct ListingLine {
    int index = 0;
    std::string kind;
    std::map<std::string, std::string> fields;
};
// std::nullopt for a line that is not of the form `N kind key=value ... name="..."`.
std::optional<ListingLine> ParseListingLine(const std::string& line);

} // namespace sixdice::zrk
