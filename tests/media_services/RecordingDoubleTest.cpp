// The recording double: the log the screen tests read, its software drawing and its fake clock.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeadlessFixture.h"
#include "media/testing/PngFile.h"
#include "media/testing/RecordingServices.h"

#include <filesystem>

namespace sixdice::media::testing {
namespace {

TEST(RecordingServices, LogsEveryCallInOrder) {
    RecordingServices r;
    Services& s = r;
    s.window().SetCaption("Six Dice");
    s.window().SetLayout(Layout::Large);
    s.graphics().SetFont(kArialBlack, 12, {0, 128, 0});
    s.graphics().DrawText(10, 125, "hráč 1");
    s.graphics().Present();
    s.sound().PlaySound(11, true);
    s.music().SetFileName("hudba/menu.ogg");
    s.music().Open();
    s.pointer().Hide();
    s.pointer().SetShape(PointerShape::Hand);
    s.shell().OpenDocument("rules.htm", ShowMode::Maximised);
    s.messageBox().ShowError("Cannot open file x");
    EXPECT_EQ(r.log().Lines(),
              (std::vector<std::string>{
                  "Window.SetCaption Six Dice", "Window.SetLayout large",
                  "SetFont Arial Black 12 0,128,0", "DrawText 10 125 hráč 1", "Present",
                  "PlaySound 11 wait", "Music.SetFileName hudba/menu.ogg",
                  "Music.Open hudba/menu.ogg", "Pointer.Hide", "Pointer.Shape hand",
                  "Shell.Open rules.htm maximised", "MessageBox Cannot open file x"}))
        << r.log().Text();
    EXPECT_EQ(r.log().Count("Music."), 2);
}

TEST(RecordingServices, DrawsImagesLikeTheRealSurface) {
    RecordingServices r;
    ImageList list;
    ImageEntry e;
    e.picture = Picture::Filled(3, 1, 0xFF0000);
    e.picture.pixels[1] = 0x00FF00;
    e.transparentColor = 0x0000FF00;
    list.entries.push_back(e);
    r.graphics().SetImageList(ThroughListFile(list));
    r.graphics().FillRect({0, 0, 400, 300}, {0, 0, 255});
    EXPECT_FALSE(r.graphics().DrawImage(0, 398, 0, 0)) << "clipped, not an error";
    EXPECT_TRUE(r.graphics().DrawImage(1, 0, 0, 0));
    const Picture p = r.graphics().CaptureSurface();
    EXPECT_EQ(p.at(398, 0), 0xFF0000u);
    EXPECT_EQ(p.at(399, 0), 0x0000FFu) << "the key colour is left out";
    r.window().SetLayout(Layout::Large);
    EXPECT_EQ(r.graphics().CaptureSurface().width, 547);
    EXPECT_EQ(r.window().Position(), (Point{30, 40})) << "moved 70 left and 60 up";
}

TEST(RecordingServices, MusicRunsOnTheFakeClock) {
    RecordingServices r;
    r.SetMusicLength("a.ogg", 100);
    r.FailMusicOpen("bad.ogg", "Cannot open bad.ogg");
    MediaPlayer& m = r.music();
    m.SetFileName("a.ogg");
    ASSERT_FALSE(m.Open());
    m.Play();
    r.events().Delay(60);
    EXPECT_EQ(m.Position(), 60);
    r.events().WaitEvent(50); // nothing queued: the clock runs to the timeout
    EXPECT_EQ(m.Position(), 100);
    EXPECT_FALSE(m.IsPlaying());
    EXPECT_GE(m.Position(), m.Length());
    m.SetFileName("bad.ogg");
    EXPECT_EQ(m.Open(), "Cannot open bad.ogg");
    EXPECT_FALSE(m.IsOpen());
    EXPECT_EQ(m.Length(), 0);
}

TEST(RecordingServices, QueuedEventsAndTheFirstRestore) {
    RecordingServices r;
    int restores = 0;
    r.graphics().SetRestoreHandler([&] { ++restores; });
    r.window().Show();
    r.QueueClick(20, 30);
    auto move = r.events().WaitEvent(100);
    EXPECT_EQ(restores, 1);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->kind, EventKind::MouseMove);
    EXPECT_EQ(move->x, 20);
    r.events().WaitEvent(0);
    r.events().WaitEvent(0);
    auto click = r.events().WaitEvent(0);
    ASSERT_TRUE(click);
    EXPECT_EQ(click->kind, EventKind::Click);
    EXPECT_EQ(r.Now(), 0u) << "queued events come without waiting";
    EXPECT_FALSE(r.events().WaitEvent(10));
    EXPECT_EQ(r.Now(), 10u);
    EXPECT_EQ(restores, 1);
}

TEST(RecordingServices, TheDialogLogsDrawsInSoftwareAndTakesQueuedEvents) {
    RecordingServices r;
    Dialog& d = r.dialog();
    EXPECT_EQ(d.Open("HIGHSCORE on-line", {356, 117}), std::nullopt);
    d.DrawPicture(Picture::Filled(356, 117, 0x008000), 0, 0);
    d.SetClip({54, 36, 249, 21});
    d.FillRect({0, 0, 400, 300}, {0, 64, 0});
    d.ClearClip();
    d.SetFont(kMsSansSerifBold, 8, {255, 255, 0});
    d.DrawText(57, 40, "jana@example.cz");
    d.Present();
    EXPECT_EQ(d.TextWidth("abc"), 3 * 8 * 2 / 3);
    const Picture shot = d.Capture();
    EXPECT_EQ(shot.width, 356);
    EXPECT_EQ(shot.at(53, 36), 0x008000u);
    EXPECT_EQ(shot.at(54, 36), 0x004000u) << "the fill is clipped to the box";
    EXPECT_EQ(shot.at(303, 36), 0x008000u);
    d.Close();
    EXPECT_FALSE(d.IsOpen());
    EXPECT_TRUE(d.Capture().empty());
    EXPECT_EQ(
        r.log().Matching("Dialog."),
        (std::vector<std::string>{
            "Dialog.Open HIGHSCORE on-line 356x117", "Dialog.DrawPicture 0 0 356x117",
            "Dialog.FillRect 0 0 400 300 0,64,0", "Dialog.SetFont MS Sans Serif Bold 8 255,255,0",
            "Dialog.DrawText 57 40 jana@example.cz", "Dialog.Present", "Dialog.Close"}));
    EXPECT_EQ(r.log().Count("FillRect"), 0) << "the main surface's lines stay apart";

    r.QueueClick(150, 85, EventWindow::Dialog);
    r.QueueCloseRequest(EventWindow::Dialog);
    r.QueueCloseRequest();
    std::vector<EventWindow> windows;
    while (auto e = r.events().WaitEvent(0))
        windows.push_back(e->window);
    EXPECT_EQ(windows, (std::vector<EventWindow>{EventWindow::Dialog, EventWindow::Dialog,
                                                 EventWindow::Dialog, EventWindow::Dialog,
                                                 EventWindow::Dialog, EventWindow::Main}));
}

TEST(RecordingServices, PointerVisibilityIsCounted) {
    RecordingServices r;
    r.pointer().Hide();
    r.pointer().Hide();
    r.pointer().Show();
    EXPECT_FALSE(r.pointer().IsVisible()) << "two hides need two shows";
    r.pointer().Show();
    EXPECT_TRUE(r.pointer().IsVisible());
}

TEST(PngFile, SavedPicturesLoadBackTheSame) {
    Picture p = Picture::Filled(5, 3, 0x123456);
    p.pixels[7] = 0xFEDCBA;
    const std::string file = ::testing::TempDir() + "sixdice-roundtrip.png";
    ASSERT_FALSE(SavePng(p, file));
    const auto back = LoadPng(file);
    ASSERT_TRUE(back);
    EXPECT_TRUE(ComparePictures(p, *back).Same());
    Picture other = p;
    other.pixels[7] = 0;
    other.pixels[9] = 0;
    const PictureDifference d = ComparePictures(p, other);
    EXPECT_EQ(d.differing, 2);
    EXPECT_EQ(d.firstX, 2);
    EXPECT_EQ(d.firstY, 1);
    EXPECT_FALSE(ComparePictures(p, Picture::Filled(3, 5, 0)).sameSize);
    EXPECT_FALSE(LoadPng(file + ".missing"));
    EXPECT_TRUE(SavePng(Picture{}, file)) << "an empty picture is refused";
}

} // namespace
} // namespace sixdice::media::testing
