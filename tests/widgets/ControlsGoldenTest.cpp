// The controls drawn by the headless SDL services with the pinned fonts, against a golden image.
//
// To regenerate the picture after a deliberate change of the look, run
//   SIXDICE_UPDATE_GOLDENS=1 ./tests/widgets/widgets_tests --gtest_filter='ControlsGolden.*'
// in the build folder and review tests/widgets/golden/controls.png before committing it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/Services.h"
#include "media/testing/PngFile.h"
#include "media/widgets/Button.h"
#include "media/widgets/Label.h"
#include "media/widgets/TextBox.h"
#include "media/widgets/WidgetGroup.h"
#include "tests/support/BuildPaths.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace sixdice::media::widgets {
namespace {

TEST(ControlsGolden, SetupAndEmailControlsOnTheFelt) {
    setenv("SIXDICE_FONT_DIR", build_paths::fontDir, 1);
    ServiceOptions options;
    options.headless = true;
    ServicesResult started = CreateSdlServices(options);
    ASSERT_TRUE(started.services) << started.error;
    Services& s = *started.services;
    Graphics& g = s.graphics();
    g.FillRect({0, 0, 400, 300}, {0, 64, 0});

    // The setup screen's controls, Tab having brought the focus to the second name box.
    WidgetGroup setup(s.shell());
    TextBoxStyle name;
    name.background = {0, 128, 255};
    name.rules.maxCharacters = 10;
    setup.Add<TextBox>(Rect{250, 55, 121, 21}, name).SetText("hráč 1");
    TextBox& second = setup.Add<TextBox>(Rect{250, 85, 121, 21}, name);
    second.SetText("Žluťoučký");
    setup.Add<Button>(Rect{115, 40, 100, 20}, "přidej hráče >>");
    setup.Add<Button>(Rect{10, 40, 100, 20}, "<< uber hráče").SetEnabled(false);
    LabelStyle wrapped;
    wrapped.font = {kMsSansSerif, 8, {246, 239, 214}};
    wrapped.wrap = true;
    setup.Add<Label>(Rect{10, 80, 200, 60},
                     "Soubor \"hudba/menu.ogg\" nelze otevřít: není to hudba ve formátu OGG.",
                     wrapped);
    setup.SetFocus(second.Id(), 0);
    setup.Paint(g, 0);

    // The e-mail form's controls with an address typed in full, so the box scrolls.
    WidgetGroup form(s.shell());
    LabelStyle labelStyle;
    labelStyle.font = {kArialBlack, 10, {255, 255, 0}};
    labelStyle.align = Align::Right;
    form.Add<Label>(Rect{14, 159, 85, 18}, "Váš e-mail:", labelStyle);
    TextBoxStyle mail;
    mail.font = {kMsSansSerifBold, 8, {255, 255, 0}};
    mail.background = {0, 64, 0};
    TextBox& address = form.Add<TextBox>(Rect{54, 186, 249, 21}, mail);
    Button& send = form.Add<Button>(Rect{140, 229, 75, 20}, "Poslat");
    form.SetDefaultButton(send.Id());
    form.SetFocus(address.Id(), 0);
    InputEvent typed;
    typed.kind = EventKind::TextInput;
    typed.text = "jana.novakova@priklad-domeny.example.cz";
    form.Handle(typed, 0);
    form.Paint(g, 0);
    EXPECT_GT(address.ScrollOffset(), 0) << "the address is wider than its box";

    // A button held down by the mouse.
    WidgetGroup held(s.shell());
    Button& ok = held.Add<Button>(Rect{300, 260, 75, 23}, "OK");
    InputEvent press;
    press.kind = EventKind::MouseDown;
    press.button = 1;
    press.clicks = 1;
    press.x = 310;
    press.y = 270;
    held.Handle(press, 0);
    held.Paint(g, 0);
    EXPECT_TRUE(ok.Pressed());

    const Picture actual = g.CaptureSurface();
    const std::string file = std::string(build_paths::goldenDir) + "/controls.png";
    if (const char* update = std::getenv("SIXDICE_UPDATE_GOLDENS"); update && *update == '1') {
        const auto failure = testing::SavePng(actual, file);
        ASSERT_EQ(failure, std::nullopt) << *failure;
        return;
    }
    const auto expected = testing::LoadPng(file);
    ASSERT_TRUE(expected) << "cannot read " << file;
    const auto difference = testing::ComparePictures(*expected, actual);
    EXPECT_TRUE(difference.Same()) << difference.Describe();
}

} // namespace
} // namespace sixdice::media::widgets
