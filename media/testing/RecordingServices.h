// A recording double of every media service: keeps the calls in order, draws images in software,
// runs on a fake clock. Screen tests use it instead of a window, a speaker and a desktop.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Services.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace sixdice::media::testing {

// The call log, one line per call, for example "DrawImage 15 0 0 0", "SetFont Arial Black 12
// 0,128,0", "DrawText 10 125 Alice", "Present", "PlaySound 11 wait", "Music.Open hudba/a.ogg",
// "Pointer.Hide", "Pointer.Shape hand", "Shell.Open rules.htm maximised", "MessageBox text",
// "Window.SetLayout large"; the dialog's calls start with "Dialog." ("Dialog.Open HIGHSCORE
// on-line 356x117", "Dialog.DrawPicture 0 0 356x117", "Dialog.FillRect 54 36 249 21 0,64,0",
// "Dialog.DrawText 57 40 text", "Dialog.Present", "Dialog.Close"). Queries (positions, widths,
// counts) are not logged.
class CallLog {
public:
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); }
    // Number of lines that start with `prefix`.
    int Count(const std::string& prefix) const;
    // The lines that start with `prefix`, in order.
    std::vector<std::string> Matching(const std::string& prefix) const;
    // All lines joined with newlines, for failure messages.
    std::string Text() const;

private:
    std::vector<std::string> lines_;
};

class RecordingServices final : public Services {
public:
    RecordingServices();
    ~RecordingServices() override;

    Window& window() override;
    Graphics& graphics() override;
    Sound& sound() override;
    MediaPlayer& music() override;
    Pointer& pointer() override;
    Shell& shell() override;
    MessageBox& messageBox() override;
    EventSource& events() override;
    // Draws in software on a picture of its client size (Capture), text only logged.
    Dialog& dialog() override;

    CallLog& log() { return log_; }

    // Events the next WaitEvent calls return, in order; once they are used up WaitEvent lets the
    // fake clock run to its timeout and returns nothing. Events for the dialog are queued with
    // EventWindow::Dialog (QueueEvent takes the event's own tag).
    void QueueEvent(const InputEvent& event);
    void QueueMouseMove(int x, int y, EventWindow window = EventWindow::Main);
    // A move to (x, y), the left press, the release and the click.
    void QueueClick(int x, int y, EventWindow window = EventWindow::Main);
    void QueueCloseRequest(EventWindow window = EventWindow::Main);
    std::size_t PendingEvents() const;

    // The fake clock; music positions advance with it while the music plays.
    std::uint64_t Now() const { return now_; }
    void AdvanceClock(std::uint64_t milliseconds);

    // Raises the restore notification now, as after a lost and restored display.
    void RaiseRestore();

    // Text measurement of the double: by default every code point is points * 2 / 3 pixels wide.
    void SetTextWidthFunction(std::function<int(const std::string& text, int points)> width);
    // Opening a file whose name is listed here fails with the given message.
    void FailMusicOpen(const std::string& fileName, const std::string& message);
    // Length the music player reports for a file (default 3000 ms).
    void SetMusicLength(const std::string& fileName, std::int64_t milliseconds);
    // How long a waited-for sound keeps the clock running (default 0 ms).
    void SetSoundDuration(int index, std::uint64_t milliseconds);

    // State the double keeps, for assertions.
    const ImageList& images() const;
    const SoundList& sounds() const;
    int PointerHideCount() const;
    // The last presented frame: the surface with the controls painted over it.
    const Picture& PresentedFrame() const;

private:
    friend class RecWindow;
    friend class RecGraphics;
    friend class RecSound;
    friend class RecMusic;
    friend class RecPointer;
    friend class RecShell;
    friend class RecMessageBox;
    friend class RecEvents;
    friend class RecDialog;

    CallLog log_;
    std::uint64_t now_ = 0;
    std::deque<InputEvent> queue_;
    std::function<int(const std::string&, int)> textWidth_;
    std::map<std::string, std::string> musicFailures_;
    std::map<std::string, std::int64_t> musicLengths_;
    std::map<int, std::uint64_t> soundDurations_;

    struct Parts;
    std::unique_ptr<Parts> parts_; // the service objects
};

} // namespace sixdice::media::testing
