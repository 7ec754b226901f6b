// The recording double's services: each logs its calls and keeps just enough state to answer.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/testing/RecordingServices.h"

#include "media/ColourKey.h"
#include "media/listfile/ListData.h"

#include <algorithm>

namespace sixdice::media::testing {
namespace {

std::string ColourText(Rgb c) {
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

int CodePoints(const std::string& utf8) {
    return static_cast<int>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string RectText(const Rect& r) {
    return std::to_string(r.x) + " " + std::to_string(r.y) + " " + std::to_string(r.width) + " " +
           std::to_string(r.height);
}

// The double's line height: a little more than the size in pixels at 96 dots per inch.
int LineHeightOf(int points) {
    return points * 4 / 3 + 2;
}

// Pixels drawn in software, clipped like the SDL surface clips them.
struct SoftwareSurface {
    Picture pixels;
    Rect clip;

    // A surface of the new size keeping what fits of the old picture, the rest black.
    void Resize(Size size) {
        Picture next = Picture::Filled(size.width, size.height, 0);
        for (int y = 0; y < std::min(size.height, pixels.height); ++y) {
            for (int x = 0; x < std::min(size.width, pixels.width); ++x)
                next.pixels[std::size_t(y) * size.width + x] = pixels.at(x, y);
        }
        pixels = std::move(next);
        ClearClip();
    }
    void ClearClip() { clip = {0, 0, pixels.width, pixels.height}; }
    bool InClip(int x, int y) const {
        return x >= 0 && y >= 0 && x < pixels.width && y < pixels.height && x >= clip.x &&
               y >= clip.y && x < clip.x + clip.width && y < clip.y + clip.height;
    }
    void Put(int x, int y, std::uint32_t pixel) {
        if (InClip(x, y))
            pixels.pixels[std::size_t(y) * pixels.width + x] = pixel;
    }
    void Fill(const Rect& rect, Rgb colour) {
        const std::uint32_t pixel =
            (std::uint32_t(colour.red) << 16) | (std::uint32_t(colour.green) << 8) | colour.blue;
        for (int y = rect.y; y < rect.y + rect.height; ++y) {
            for (int x = rect.x; x < rect.x + rect.width; ++x)
                Put(x, y, pixel);
        }
    }
    // Copies `source` of the picture to (x, y), leaving out the key colour when there is one.
    void Blit(const Picture& picture, const Rect& source, int x, int y,
              std::optional<std::uint32_t> key) {
        for (int py = 0; py < source.height; ++py) {
            for (int px = 0; px < source.width; ++px) {
                const std::uint32_t pixel = picture.at(source.x + px, source.y + py);
                if (!key || pixel != *key)
                    Put(x + px, y + py, pixel);
            }
        }
    }
};

} // namespace

int CallLog::Count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(
        lines_.begin(), lines_.end(), [&](const std::string& l) { return l.starts_with(prefix); }));
}

std::vector<std::string> CallLog::Matching(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& l : lines_) {
        if (l.starts_with(prefix))
            out.push_back(l);
    }
    return out;
}

std::string CallLog::Text() const {
    std::string out;
    for (const auto& l : lines_)
        out += l + "\n";
    return out;
}

class RecWindow final : public Window {
public:
    explicit RecWindow(RecordingServices& s) : s_(s) {}
    void SetCaption(const std::string& utf8) override {
        caption_ = utf8;
        s_.log_.Add("Window.SetCaption " + utf8);
    }
    std::string Caption() const override { return caption_; }
    void SetLayout(Layout layout) override;
    Layout CurrentLayout() const override { return layout_; }
    Point Position() const override { return position_; }
    void Show() override {
        s_.log_.Add("Window.Show");
        if (!shown_)
            restorePending_ = true;
        shown_ = true;
    }
    bool IsShown() const override { return shown_; }

    bool restorePending_ = false;

private:
    RecordingServices& s_;
    std::string caption_;
    Layout layout_ = Layout::Small;
    Point position_{100, 100};
    bool shown_ = false;
};

class RecGraphics final : public Graphics {
public:
    explicit RecGraphics(RecordingServices& s) : s_(s) { Resize(SurfaceSize(Layout::Small)); }

    void Resize(Size size) { surface_.Resize(size); }

    void SetImageList(const ImageList& list) override {
        images_ = list;
        s_.log_.Add("SetImageList " + std::to_string(list.entries.size()));
    }
    int ImageCount() const override { return static_cast<int>(images_.entries.size()); }

    MediaError DrawImage(int index, int x, int y, int pattern) override {
        Log("DrawImage " + std::to_string(index) + " " + std::to_string(x) + " " +
            std::to_string(y) + " " + std::to_string(pattern));
        if (index < 0 || index >= ImageCount()) {
            return "Image " + std::to_string(index) + " does not exist: the image list holds " +
                   std::to_string(ImageCount()) + " images";
        }
        const ImageEntry& e = images_.entries[index];
        if (pattern < 0 || pattern >= e.patternCount())
            return std::nullopt;
        const PatternRect r = e.pattern(pattern);
        surface_.Blit(e.picture, {r.x, r.y, r.width, r.height}, x, y, TransparentPixel(e));
        return std::nullopt;
    }

    void SetFont(const std::string& face, int points, Rgb colour) override {
        points_ = points;
        Log("SetFont " + face + " " + std::to_string(points) + " " + ColourText(colour));
    }
    void DrawText(int x, int y, const std::string& utf8) override {
        Log("DrawText " + std::to_string(x) + " " + std::to_string(y) + " " + utf8);
    }
    int TextWidth(const std::string& utf8) override { return s_.textWidth_(utf8, points_); }
    int LineHeight() override { return LineHeightOf(points_); }

    void FillRect(const Rect& rect, Rgb colour) override {
        Log("FillRect " + RectText(rect) + " " + ColourText(colour));
        surface_.Fill(rect, colour);
    }
    void SetClip(const Rect& rect) override { surface_.clip = rect; }
    void ClearClip() override { surface_.ClearClip(); }
    Size CanvasSize() const override { return {surface_.pixels.width, surface_.pixels.height}; }

    void Present() override {
        ++presents_;
        s_.log_.Add("Present");
        if (overlay_) {
            // The controls paint over the presented frame only; the surface stays as drawn. Their
            // drawing calls are not logged: the log is what the game drew.
            const Picture kept = surface_.pixels;
            paintingOverlay_ = true;
            overlay_(*this);
            paintingOverlay_ = false;
            presented_ = surface_.pixels;
            surface_.pixels = kept;
        } else {
            presented_ = surface_.pixels;
        }
    }
    int PresentCount() const override { return presents_; }
    void SetOverlayPainter(std::function<void(Canvas&)> painter) override {
        overlay_ = std::move(painter);
    }
    void SetRestoreHandler(std::function<void()> handler) override {
        restore_ = std::move(handler);
    }
    Picture CaptureSurface() const override { return surface_.pixels; }

    void Restore() {
        s_.log_.Add("Restore");
        if (restore_)
            restore_();
    }

    ImageList images_;
    Picture presented_; // the last presented frame, controls included

private:
    void Log(std::string line) {
        if (!paintingOverlay_)
            s_.log_.Add(std::move(line));
    }

    RecordingServices& s_;
    SoftwareSurface surface_;
    int points_ = 8;
    int presents_ = 0;
    bool paintingOverlay_ = false;
    std::function<void(Canvas&)> overlay_;
    std::function<void()> restore_;
};

void RecWindow::SetLayout(Layout layout) {
    s_.log_.Add(std::string("Window.SetLayout ") + (layout == Layout::Small ? "small" : "large"));
    if (layout == layout_)
        return;
    if (layout == Layout::Large) {
        position_.x -= LayoutShift.x;
        position_.y -= LayoutShift.y;
    } else {
        position_.x += LayoutShift.x;
        position_.y += LayoutShift.y;
    }
    layout_ = layout;
    static_cast<RecGraphics&>(s_.graphics()).Resize(SurfaceSize(layout));
}

class RecSound final : public Sound {
public:
    explicit RecSound(RecordingServices& s) : s_(s) {}
    MediaError SetSoundList(const SoundList& list) override {
        sounds_ = list;
        s_.log_.Add("SetSoundList " + std::to_string(list.entries.size()));
        return std::nullopt;
    }
    int SoundCount() const override { return static_cast<int>(sounds_.entries.size()); }
    MediaError PlaySound(int index, bool wait) override {
        s_.log_.Add("PlaySound " + std::to_string(index) + (wait ? " wait" : ""));
        if (index < 0 || index >= SoundCount()) {
            return "Sound " + std::to_string(index) + " does not exist: the sound list holds " +
                   std::to_string(SoundCount()) + " sounds";
        }
        if (wait && !sounds_.entries[index].looped) {
            const auto it = s_.soundDurations_.find(index);
            if (it != s_.soundDurations_.end())
                s_.AdvanceClock(it->second);
        }
        return std::nullopt;
    }
    SoundList sounds_;

private:
    RecordingServices& s_;
};

class RecMusic final : public MediaPlayer {
public:
    explicit RecMusic(RecordingServices& s) : s_(s) {}
    void SetFileName(const std::string& path) override {
        fileName_ = path;
        s_.log_.Add("Music.SetFileName " + path);
    }
    std::string FileName() const override { return fileName_; }
    MediaError Open() override {
        s_.log_.Add("Music.Open " + fileName_);
        open_ = false;
        playing_ = false;
        position_ = 0;
        const auto failure = s_.musicFailures_.find(fileName_);
        if (failure != s_.musicFailures_.end())
            return failure->second;
        const auto length = s_.musicLengths_.find(fileName_);
        length_ = length != s_.musicLengths_.end() ? length->second : 3000;
        open_ = true;
        return std::nullopt;
    }
    bool IsOpen() const override { return open_; }
    MediaError Play() override {
        s_.log_.Add("Music.Play");
        if (!open_)
            return std::nullopt;
        if (position_ >= length_)
            position_ = 0;
        playing_ = true;
        return std::nullopt;
    }
    void Stop() override {
        s_.log_.Add("Music.Stop");
        playing_ = false;
    }
    void Close() override {
        s_.log_.Add("Music.Close");
        open_ = false;
        playing_ = false;
        position_ = 0;
    }
    void Rewind() override {
        s_.log_.Add("Music.Rewind");
        playing_ = false;
        position_ = 0;
    }
    bool IsPlaying() const override { return playing_; }
    std::int64_t Position() const override { return open_ ? position_ : 0; }
    std::int64_t Length() const override { return open_ ? length_ : 0; }

    void Advance(std::uint64_t ms) {
        if (!playing_)
            return;
        position_ += static_cast<std::int64_t>(ms);
        if (position_ >= length_) {
            position_ = length_;
            playing_ = false;
        }
    }

private:
    RecordingServices& s_;
    std::string fileName_;
    bool open_ = false;
    bool playing_ = false;
    std::int64_t position_ = 0;
    std::int64_t length_ = 0;
};

class RecPointer final : public Pointer {
public:
    explicit RecPointer(RecordingServices& s) : s_(s) {}
    void Hide() override {
        ++hidden_;
        s_.log_.Add("Pointer.Hide");
    }
    void Show() override {
        --hidden_;
        s_.log_.Add("Pointer.Show");
    }
    bool IsVisible() const override { return hidden_ <= 0; }
    void SetShape(PointerShape shape) override {
        shape_ = shape;
        s_.log_.Add(std::string("Pointer.Shape ") +
                    (shape == PointerShape::Hand ? "hand" : "arrow"));
    }
    PointerShape Shape() const override { return shape_; }
    int hidden_ = 0;

private:
    RecordingServices& s_;
    PointerShape shape_ = PointerShape::Arrow;
};

class RecShell final : public Shell {
public:
    explicit RecShell(RecordingServices& s) : s_(s) {}
    void OpenDocument(const std::string& address, ShowMode mode) override {
        s_.log_.Add("Shell.Open " + address +
                    (mode == ShowMode::Maximised ? " maximised" : " normal"));
    }
    std::string ClipboardText() const override { return clipboard_; }
    void SetClipboardText(const std::string& utf8) override { clipboard_ = utf8; }

private:
    RecordingServices& s_;
    std::string clipboard_;
};

class RecMessageBox final : public MessageBox {
public:
    explicit RecMessageBox(RecordingServices& s) : s_(s) {}
    void ShowError(const std::string& utf8) override { s_.log_.Add("MessageBox " + utf8); }

private:
    RecordingServices& s_;
};

class RecDialog final : public Dialog {
public:
    explicit RecDialog(RecordingServices& s) : s_(s) {}

    MediaError Open(const std::string& caption, Size client) override {
        s_.log_.Add("Dialog.Open " + caption + " " + std::to_string(client.width) + "x" +
                    std::to_string(client.height));
        surface_.pixels = {};
        surface_.Resize(client);
        open_ = true;
        return std::nullopt;
    }
    bool IsOpen() const override { return open_; }
    void Close() override {
        s_.log_.Add("Dialog.Close");
        open_ = false;
        surface_.pixels = {};
        surface_.ClearClip();
    }
    void DrawPicture(const Picture& picture, int x, int y) override {
        s_.log_.Add("Dialog.DrawPicture " + std::to_string(x) + " " + std::to_string(y) + " " +
                    std::to_string(picture.width) + "x" + std::to_string(picture.height));
        surface_.Blit(picture, {0, 0, picture.width, picture.height}, x, y, std::nullopt);
    }
    void Present() override { s_.log_.Add("Dialog.Present"); }
    Picture Capture() const override { return surface_.pixels; }

    void SetFont(const std::string& face, int points, Rgb colour) override {
        points_ = points;
        s_.log_.Add("Dialog.SetFont " + face + " " + std::to_string(points) + " " +
                    ColourText(colour));
    }
    void DrawText(int x, int y, const std::string& utf8) override {
        s_.log_.Add("Dialog.DrawText " + std::to_string(x) + " " + std::to_string(y) + " " + utf8);
    }
    int TextWidth(const std::string& utf8) override { return s_.textWidth_(utf8, points_); }
    int LineHeight() override { return LineHeightOf(points_); }
    void FillRect(const Rect& rect, Rgb colour) override {
        s_.log_.Add("Dialog.FillRect " + RectText(rect) + " " + ColourText(colour));
        surface_.Fill(rect, colour);
    }
    void SetClip(const Rect& rect) override { surface_.clip = rect; }
    void ClearClip() override { surface_.ClearClip(); }
    Size CanvasSize() const override { return {surface_.pixels.width, surface_.pixels.height}; }

private:
    RecordingServices& s_;
    SoftwareSurface surface_;
    bool open_ = false;
    int points_ = 8;
};

class RecEvents final : public EventSource {
public:
    explicit RecEvents(RecordingServices& s) : s_(s) {}
    std::optional<InputEvent> WaitEvent(int timeoutMs) override;
    std::uint64_t Ticks() const override { return s_.now_; }
    void Delay(int milliseconds) override {
        s_.AdvanceClock(std::uint64_t(std::max(0, milliseconds)));
    }

private:
    RecordingServices& s_;
};

struct RecordingServices::Parts {
    explicit Parts(RecordingServices& s)
        : window(s), graphics(s), sound(s), music(s), pointer(s), shell(s), messageBox(s),
          events(s), dialog(s) {}
    RecWindow window;
    RecGraphics graphics;
    RecSound sound;
    RecMusic music;
    RecPointer pointer;
    RecShell shell;
    RecMessageBox messageBox;
    RecEvents events;
    RecDialog dialog;
};

std::optional<InputEvent> RecEvents::WaitEvent(int timeoutMs) {
    if (s_.parts_->window.restorePending_) {
        s_.parts_->window.restorePending_ = false;
        s_.parts_->graphics.Restore();
    }
    if (!s_.queue_.empty()) {
        InputEvent e = s_.queue_.front();
        s_.queue_.pop_front();
        return e;
    }
    s_.AdvanceClock(std::uint64_t(std::max(0, timeoutMs)));
    return std::nullopt;
}

RecordingServices::RecordingServices()
    : textWidth_(
          [](const std::string& text, int points) { return CodePoints(text) * points * 2 / 3; }),
      parts_(std::make_unique<Parts>(*this)) {}

RecordingServices::~RecordingServices() = default;

Window& RecordingServices::window() {
    return parts_->window;
}
Graphics& RecordingServices::graphics() {
    return parts_->graphics;
}
Sound& RecordingServices::sound() {
    return parts_->sound;
}
MediaPlayer& RecordingServices::music() {
    return parts_->music;
}
Pointer& RecordingServices::pointer() {
    return parts_->pointer;
}
Shell& RecordingServices::shell() {
    return parts_->shell;
}
MessageBox& RecordingServices::messageBox() {
    return parts_->messageBox;
}
EventSource& RecordingServices::events() {
    return parts_->events;
}
Dialog& RecordingServices::dialog() {
    return parts_->dialog;
}

void RecordingServices::QueueEvent(const InputEvent& event) {
    queue_.push_back(event);
}

void RecordingServices::QueueMouseMove(int x, int y, EventWindow window) {
    InputEvent e;
    e.kind = EventKind::MouseMove;
    e.window = window;
    e.x = x;
    e.y = y;
    queue_.push_back(e);
}

void RecordingServices::QueueClick(int x, int y, EventWindow window) {
    QueueMouseMove(x, y, window);
    InputEvent e;
    e.window = window;
    e.x = x;
    e.y = y;
    e.button = 1;
    e.clicks = 1;
    e.kind = EventKind::MouseDown;
    queue_.push_back(e);
    e.kind = EventKind::MouseUp;
    queue_.push_back(e);
    e.kind = EventKind::Click;
    queue_.push_back(e);
}

void RecordingServices::QueueCloseRequest(EventWindow window) {
    InputEvent e;
    e.kind = EventKind::CloseRequest;
    e.window = window;
    queue_.push_back(e);
}

std::size_t RecordingServices::PendingEvents() const {
    return queue_.size();
}

void RecordingServices::AdvanceClock(std::uint64_t milliseconds) {
    now_ += milliseconds;
    parts_->music.Advance(milliseconds);
}

void RecordingServices::RaiseRestore() {
    parts_->graphics.Restore();
}

void RecordingServices::SetTextWidthFunction(std::function<int(const std::string&, int)> width) {
    textWidth_ = std::move(width);
}

void RecordingServices::FailMusicOpen(const std::string& fileName, const std::string& message) {
    musicFailures_[fileName] = message;
}

void RecordingServices::SetMusicLength(const std::string& fileName, std::int64_t milliseconds) {
    musicLengths_[fileName] = milliseconds;
}

void RecordingServices::SetSoundDuration(int index, std::uint64_t milliseconds) {
    soundDurations_[index] = milliseconds;
}

const ImageList& RecordingServices::images() const {
    return parts_->graphics.images_;
}
const SoundList& RecordingServices::sounds() const {
    return parts_->sound.sounds_;
}
const Picture& RecordingServices::PresentedFrame() const {
    return parts_->graphics.presented_;
}
int RecordingServices::PointerHideCount() const {
    return parts_->pointer.hidden_;
}

} // namespace sixdice::media::testing
