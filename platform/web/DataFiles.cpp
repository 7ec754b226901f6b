// Data files fetched over HTTP into the game's in-memory file system: the page's fetcher brings
// them (looked up in manifest.json) while the game sleeps, drawing the loading bar.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFiles.h"

#include "platform/web/DataFileProgress.h"

#include <emscripten.h>

// Hands the names (one a line) to the page's fetcher with a writer into the file system; a file
// is written whole once it has come, its folders made as needed.
EM_JS(void, sixdice_files_begin, (const char* names), {
    const store = function(name, bytes) {
        const slash = name.lastIndexOf("/");
        if (slash > 0) {
            FS.mkdirTree(name.substring(0, slash));
        }
        FS.writeFile(name, bytes);
    };
    Module.sixdiceFiles.begin(UTF8ToString(names).split("\n").filter(Boolean), store);
});

// Of the named files: how many are on their way; the bytes loaded and expected go to `bytes`.
EM_JS(int, sixdice_files_progress, (const char* names, double* bytes), {
    const progress = Module.sixdiceFiles.progress(UTF8ToString(names).split("\n").filter(Boolean));
    HEAPF64[bytes >> 3] = progress[1];
    HEAPF64[(bytes >> 3) + 1] = progress[2];
    return progress[0];
});

namespace sixdice::platform {
namespace {

// How often the bar is redrawn while the game waits.
constexpr int kProgressIntervalMs = 30;

std::string JoinLines(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) {
        joined += name;
        joined += '\n';
    }
    return joined;
}

web::ProgressPainter& Painter() {
    static web::ProgressPainter painter;
    return painter;
}

} // namespace

namespace web {

void SetDataFileProgress(ProgressPainter painter) {
    Painter() = std::move(painter);
}

} // namespace web

void PrefetchDataFiles(const std::vector<std::string>& names) {
    const std::string joined = JoinLines(names);
    sixdice_files_begin(joined.c_str());
}

void AwaitDataFiles(const std::vector<std::string>& names) {
    const std::string joined = JoinLines(names);
    sixdice_files_begin(joined.c_str());
    bool first = true;
    for (;;) {
        double bytes[2] = {0, 0};
        const int pending = sixdice_files_progress(joined.c_str(), bytes);
        // Files that are here already show no bar at all.
        if (pending == 0 && first)
            return;
        const auto loaded = static_cast<std::uint64_t>(bytes[0]);
        const auto expected = static_cast<std::uint64_t>(bytes[1]);
        if (Painter())
            Painter()(loaded, expected, first ? web::ProgressStep::First : web::ProgressStep::Next);
        first = false;
        if (pending == 0) {
            if (Painter())
                Painter()(loaded, expected, web::ProgressStep::Done);
            return;
        }
        emscripten_sleep(kProgressIntervalMs);
    }
}

} // namespace sixdice::platform
