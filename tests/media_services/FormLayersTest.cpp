// Forms drawn inside the main window: where a layer lies, what it draws over the frame, and which
// of the main window's events become the form's.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/FormLayers.h"
#include "media/widgets/WidgetLook.h"
#include "tests/media_services/HeadlessFixture.h"

namespace sixdice::media::sdl {
namespace {

TEST(PlaceLayer, CentresTheFramedFormAndKeepsALargeOneInside) {
    const LayerPlacement p = PlaceLayer({356, 117}, {400, 300});
    EXPECT_EQ(p.client.width, 356);
    EXPECT_EQ(p.client.height, 117);
    EXPECT_EQ(p.outer.width, 356 + 2 * kLayerBorder);
    EXPECT_EQ(p.outer.height, 117 + 2 * kLayerBorder + kLayerCaptionHeight);
    EXPECT_EQ(p.outer.x, (400 - p.outer.width) / 2);
    EXPECT_EQ(p.outer.y, (300 - p.outer.height) / 2);
    EXPECT_EQ(p.client.y, p.caption.y + kLayerCaptionHeight);
    // The close box sits at the caption bar's right end, inside it.
    EXPECT_GT(p.closeBox.x, p.caption.x + p.caption.width / 2);
    EXPECT_LE(p.closeBox.x + p.closeBox.width, p.caption.x + p.caption.width);
    EXPECT_LE(p.closeBox.y + p.closeBox.height, p.caption.y + p.caption.height);

    const LayerPlacement big = PlaceLayer({900, 700}, {400, 300});
    EXPECT_EQ(big.outer.x, 0);
    EXPECT_EQ(big.outer.y, 0);

    const Size room = LayerRoom({400, 300});
    const LayerPlacement fits = PlaceLayer(room, {400, 300});
    EXPECT_EQ(fits.outer, (Rect{0, 0, 400, 300}));
}

// A layer of 100 x 50 over the headless main window's 400 x 300 frame.
class FormLayersOverMain : public testing::HeadlessServices {
protected:
    void SetUp() override {
        HeadlessServices::SetUp();
        client_ = MakeDrawingSurface({100, 50});
        ASSERT_TRUE(client_);
        SDL_FillRect(client_.get(), nullptr, 0x00C00000);
        id_ = layers().Add("Form", client_.get());
        placement_ = PlaceLayer({100, 50}, {400, 300});
    }
    void TearDown() override {
        layers().Remove(id_);
        HeadlessServices::TearDown();
    }
    static FormLayers& layers() { return FormLayers::Instance(); }

    static SDL_Event Button(Uint32 type, int x, int y) {
        SDL_Event e{};
        e.type = type;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.windowID = 1;
        e.button.x = x;
        e.button.y = y;
        return e;
    }

    SdlPtr<SDL_Surface> client_;
    Uint32 id_ = 0;
    LayerPlacement placement_;
};

TEST_F(FormLayersOverMain, AHiddenLayerTakesNothing) {
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.windowID = 1;
    EXPECT_FALSE(layers().AnyShown());
    EXPECT_TRUE(layers().Route(key));
    EXPECT_EQ(key.key.windowID, 1u);
}

TEST_F(FormLayersOverMain, KeysTextAndThePointerOverTheFormBecomeTheForms) {
    layers().Show(id_);
    ASSERT_EQ(layers().HostSize(), (Size{400, 300}));

    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.windowID = 1;
    EXPECT_TRUE(layers().Route(key));
    EXPECT_EQ(key.key.windowID, id_);

    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    text.text.windowID = 1;
    EXPECT_TRUE(layers().Route(text));
    EXPECT_EQ(text.text.windowID, id_);

    SDL_Event move{};
    move.type = SDL_MOUSEMOTION;
    move.motion.windowID = 1;
    move.motion.x = placement_.client.x + 10;
    move.motion.y = placement_.client.y + 20;
    EXPECT_TRUE(layers().Route(move));
    EXPECT_EQ(move.motion.windowID, id_);
    EXPECT_EQ(move.motion.x, 10);
    EXPECT_EQ(move.motion.y, 20);

    // Beside the form the pointer stays the main window's, where a modal caller drops it.
    SDL_Event press = Button(SDL_MOUSEBUTTONDOWN, 5, 5);
    EXPECT_TRUE(layers().Route(press));
    EXPECT_EQ(press.button.windowID, 1u);
    EXPECT_EQ(press.button.x, 5);

    // The last pixel of the client area is the form's, the next one is not.
    SDL_Event edge = Button(SDL_MOUSEBUTTONUP, placement_.client.x + 99, placement_.client.y + 49);
    EXPECT_TRUE(layers().Route(edge));
    EXPECT_EQ(edge.button.windowID, id_);
    EXPECT_EQ(edge.button.x, 99);
    SDL_Event beyond = Button(SDL_MOUSEBUTTONUP, placement_.client.x + 100, placement_.client.y);
    EXPECT_TRUE(layers().Route(beyond));
    EXPECT_EQ(beyond.button.windowID, 1u);
}

TEST_F(FormLayersOverMain, AClickOnTheCloseBoxIsTheFormsCloseRequest) {
    layers().Show(id_);
    const int x = placement_.closeBox.x + placement_.closeBox.width / 2;
    const int y = placement_.closeBox.y + placement_.closeBox.height / 2;
    SDL_Event press = Button(SDL_MOUSEBUTTONDOWN, x, y);
    EXPECT_FALSE(layers().Route(press));
    SDL_Event release = Button(SDL_MOUSEBUTTONUP, x, y);
    ASSERT_TRUE(layers().Route(release));
    EXPECT_EQ(release.type, SDL_WINDOWEVENT);
    EXPECT_EQ(release.window.event, SDL_WINDOWEVENT_CLOSE);
    EXPECT_EQ(release.window.windowID, id_);

    // A release there without a press on it (the press began elsewhere) is no close request.
    SDL_Event lone = Button(SDL_MOUSEBUTTONUP, x, y);
    EXPECT_FALSE(layers().Route(lone));
}

TEST_F(FormLayersOverMain, TheTopmostShownLayerTakesTheInput) {
    layers().Show(id_);
    SdlPtr<SDL_Surface> second = MakeDrawingSurface({60, 30});
    ASSERT_TRUE(second);
    const Uint32 secondId = layers().Add("Box", second.get());
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    EXPECT_TRUE(layers().Route(key));
    EXPECT_EQ(key.key.windowID, id_) << "a layer not shown yet takes nothing";
    layers().Show(secondId);
    EXPECT_TRUE(layers().Route(key));
    EXPECT_EQ(key.key.windowID, secondId);
    layers().Remove(secondId);
    EXPECT_TRUE(layers().Route(key));
    EXPECT_EQ(key.key.windowID, id_);
}

TEST_F(FormLayersOverMain, ComposeDrawsTheFramedFormOverTheFrameAndNothingElse) {
    layers().Show(id_);
    SdlPtr<SDL_Surface> frame = MakeDrawingSurface({400, 300});
    ASSERT_TRUE(frame);
    SDL_FillRect(frame.get(), nullptr, 0x00000080);
    FontCache fonts;
    SurfaceCanvas canvas(fonts);
    canvas.SetTarget(frame.get());
    layers().Compose(canvas, *frame);
    const Picture pixels = CapturePixels(*frame);
    const auto at = [&](int x, int y) { return pixels.pixels[std::size_t(y) * 400 + x]; };
    EXPECT_EQ(at(placement_.client.x, placement_.client.y), 0x00C00000u);
    EXPECT_EQ(at(placement_.client.x + 99, placement_.client.y + 49), 0x00C00000u);
    EXPECT_EQ(at(placement_.outer.x - 1, placement_.outer.y), 0x00000080u);
    EXPECT_EQ(at(placement_.outer.x + placement_.outer.width, placement_.outer.y), 0x00000080u);
    EXPECT_NE(at(placement_.caption.x + 2, placement_.caption.y + 2), 0x00000080u);
    EXPECT_NE(at(placement_.outer.x, placement_.outer.y + placement_.outer.height - 1),
              0x00000080u);
}

} // namespace
} // namespace sixdice::media::sdl
