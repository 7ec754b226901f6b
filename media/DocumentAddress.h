// Turning what the game opens (web address, mailto, local document) into a URL for the desktop.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sixdice::media {

// Web and mail addresses (anything with a URL scheme) come back unchanged; a local path, relative
// to `workingFolder` unless absolute, becomes an absolute "file://" URL with every byte outside the
// unreserved set and "/" percent-encoded. Backslashes, in the path or the working folder, separate
// folders; a path on a Windows drive becomes "file:///C:/...", the drive's colon kept.
std::string DocumentAddress(const std::string& address, const std::string& workingFolder);

// Percent-encodes every byte that is not an unreserved URL character (A-Z a-z 0-9 - . _ ~) or "/".
std::string PercentEncodePath(const std::string& path);

} // namespace sixdice::media
