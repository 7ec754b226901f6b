// The dialog window in the headless SDL build: drawing on its own surface, and its events
// arriving tagged as the dialog's.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeadlessFixture.h"
#include "media/sdl/SdlEvents.h"

#include <SDL.h>

namespace sixdice::media::testing {
namespace {

class HeadlessDialog : public HeadlessServices {
protected:
    // An SDL window of the process, found by its caption (0: none).
    static Uint32 WindowIdByTitle(const std::string& title) {
        for (Uint32 id = 1; id < 64; ++id) {
            SDL_Window* w = SDL_GetWindowFromID(id);
            if (w && SDL_GetWindowTitle(w) == title)
                return id;
        }
        return 0;
    }
    static Uint32 DialogWindowId() { return WindowIdByTitle("HIGHSCORE on-line"); }
    static Uint32 MainWindowId() { return WindowIdByTitle("Six Dice"); }
    void PushWindowEvent(Uint32 windowId, Uint8 what) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = windowId;
        e.window.event = what;
        SDL_PushEvent(&e);
    }
    void PushButton(Uint32 windowId, Uint32 type, int x, int y) {
        SDL_Event e{};
        e.type = type;
        e.button.windowID = windowId;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.clicks = 1;
        e.button.x = x;
        e.button.y = y;
        SDL_PushEvent(&e);
    }
    // The next event the game would see, waiting a little.
    std::optional<InputEvent> Next() { return s().events().WaitEvent(20); }
};

TEST_F(HeadlessDialog, ExistsOnlyWhileOpenAndDrawsOnItsOwnSurface) {
    Dialog& d = s().dialog();
    EXPECT_FALSE(d.IsOpen());
    EXPECT_EQ(DialogWindowId(), 0u) << "no window before it is opened";
    EXPECT_GT(d.TextWidth("Poslat"), 0) << "text can be measured before opening";

    ASSERT_EQ(d.Open("HIGHSCORE on-line", {356, 117}), std::nullopt);
    EXPECT_TRUE(d.IsOpen());
    EXPECT_NE(DialogWindowId(), 0u);
    EXPECT_EQ(d.CanvasSize(), (Size{356, 117}));
    Picture background = Picture::Filled(356, 117, 0x008000);
    background.pixels[5] = 0xABCDEF;
    d.DrawPicture(background, 0, 0);
    d.FillRect({54, 36, 249, 21}, {0, 64, 0});
    d.SetFont(kMsSansSerifBold, 8, {255, 255, 0});
    d.SetClip({54, 36, 249, 21});
    d.DrawText(40, 38, "jana@example.cz");
    d.ClearClip();
    d.Present();
    Picture shot = d.Capture();
    ASSERT_EQ(shot.width, 356);
    ASSERT_EQ(shot.height, 117);
    EXPECT_EQ(shot.at(5, 0), 0xABCDEFu);
    EXPECT_EQ(shot.at(100, 100), 0x008000u);
    EXPECT_EQ(shot.at(54, 36), 0x004000u);
    int yellowish = 0;
    for (int y = 36; y < 57; ++y) {
        for (int x = 0; x < 356; ++x) {
            const std::uint32_t p = shot.at(x, y);
            if ((p >> 16) > 0x80 && ((p >> 8) & 0xFF) > 0x80 && (p & 0xFF) < 0x40) {
                ++yellowish;
                EXPECT_GE(x, 54) << "text is clipped to the box";
            }
        }
    }
    EXPECT_GT(yellowish, 30) << "the bold yellow text was drawn";
    EXPECT_EQ(s().graphics().CaptureSurface().at(5, 0), 0u) << "the main surface is untouched";

    d.Close();
    EXPECT_FALSE(d.IsOpen());
    EXPECT_EQ(DialogWindowId(), 0u) << "closing destroys the window";
    EXPECT_TRUE(d.Capture().empty());
    d.FillRect({0, 0, 10, 10}, {255, 0, 0}); // nothing to draw on: no effect, no crash
    d.Present();

    ASSERT_EQ(d.Open("HIGHSCORE on-line", {200, 50}), std::nullopt);
    EXPECT_EQ(d.Capture().at(5, 0), 0u) << "a new opening starts from a fresh surface";
    EXPECT_EQ(d.CanvasSize(), (Size{200, 50}));
}

TEST_F(HeadlessDialog, ItsEventsAreTaggedAndItsCloseBoxIsItsOwn) {
    s().window().Show();
    while (Next()) {
    }
    ASSERT_EQ(s().dialog().Open("HIGHSCORE on-line", {356, 117}), std::nullopt);
    s().dialog().Present();
    while (Next()) {
    }
    const Uint32 dialog = DialogWindowId();
    const Uint32 main = MainWindowId();
    ASSERT_NE(dialog, 0u);
    ASSERT_NE(main, 0u);

    PushButton(dialog, SDL_MOUSEBUTTONDOWN, 150, 85);
    PushButton(dialog, SDL_MOUSEBUTTONUP, 151, 86);
    PushWindowEvent(dialog, SDL_WINDOWEVENT_CLOSE);
    PushWindowEvent(main, SDL_WINDOWEVENT_CLOSE);
    PushWindowEvent(main + dialog + 7, SDL_WINDOWEVENT_CLOSE); // a window that is not ours

    std::vector<std::pair<EventKind, EventWindow>> seen;
    while (auto e = Next())
        seen.emplace_back(e->kind, e->window);
    EXPECT_EQ(seen, (std::vector<std::pair<EventKind, EventWindow>>{
                        {EventKind::MouseDown, EventWindow::Dialog},
                        {EventKind::MouseUp, EventWindow::Dialog},
                        {EventKind::Click, EventWindow::Dialog},
                        {EventKind::CloseRequest, EventWindow::Dialog},
                        {EventKind::CloseRequest, EventWindow::Main}}));
    EXPECT_TRUE(s().dialog().IsOpen()) << "the caller decides whether a close request closes it";

    s().dialog().Close();
    PushButton(dialog, SDL_MOUSEBUTTONDOWN, 150, 85);
    EXPECT_FALSE(Next()) << "events of a closed dialog's window are dropped";
}

TEST_F(HeadlessDialog, WhileAMessageBoxWaitsOnlyCloseRequestsAndFocusAreKept) {
    auto& events = dynamic_cast<sdl::SdlEvents&>(s().events());
    const Uint32 main = MainWindowId();
    PushButton(main, SDL_MOUSEBUTTONDOWN, 10, 10); // a press before the box: no click after it
    ASSERT_TRUE(Next());
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONUP;
    e.button.windowID = main;
    e.button.button = SDL_BUTTON_LEFT;
    events.DuringModal(e);
    e = {};
    e.type = SDL_KEYDOWN;
    e.key.windowID = main;
    e.key.keysym.sym = SDLK_RETURN;
    events.DuringModal(e);
    e = {};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = main;
    e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    events.DuringModal(e);
    e.window.event = SDL_WINDOWEVENT_CLOSE;
    events.DuringModal(e);
    std::vector<EventKind> kept;
    while (auto next = Next())
        kept.push_back(next->kind);
    EXPECT_EQ(kept, (std::vector<EventKind>{EventKind::FocusLost, EventKind::CloseRequest}))
        << "input to the main window is dropped while the box is up";
}

TEST_F(HeadlessDialog, AHeadlessMessageBoxWritesToStandardErrorOnly) {
    ::testing::internal::CaptureStderr();
    s().messageBox().ShowError("Soubor chybí.\nThe file is missing.");
    ShowErrorWithoutServices("Šest kostek", "Bez služeb.", /*headless=*/true);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Soubor chybí.\nThe file is missing.\nBez služeb.\n")
        << "nothing waits: no window exists in headless mode";
}

} // namespace
} // namespace sixdice::media::testing
