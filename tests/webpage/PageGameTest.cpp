// The game's run in the page on the recording double: it ends in the language it was left in,
// shows start-up failures, and leaves nothing of itself in the services it ran on, which the
// page shuts down right after it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/PageGame.h"

#include "media/testing/RecordingServices.h"
#include "tests/ui/support/SyntheticAssets.h"

#include <gmock/gmock.h>
#include <memory>

namespace sixdice::platform::web {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class PageGame : public ::testing::Test {
protected:
    testsupport::WorkingFolder folder_;
    std::unique_ptr<media::testing::RecordingServices> services_ =
        std::make_unique<media::testing::RecordingServices>();
    media::testing::CallLog& Log() { return services_->log(); }
};

TEST_F(PageGame, EndsInTheLanguageThePlayerLeftItIn) {
    folder_.WriteCompleteSet("0\n0\nCZ\n");
    services_->QueueCloseRequest();
    PageGameEnd end = PlayInPage(*services_, {"EN", false});
    EXPECT_EQ(end.exitCode, 0);
    EXPECT_EQ(end.language, "EN") << "the page's choice, not the file's";

    // The flag in the menu's corner switches to the other language before the close.
    services_ = std::make_unique<media::testing::RecordingServices>();
    services_->QueueClick(15, 288);
    services_->QueueCloseRequest();
    end = PlayInPage(*services_, {"EN", false});
    EXPECT_EQ(end.exitCode, 0);
    EXPECT_EQ(end.language, "CZ") << Log().Text();
    EXPECT_EQ(Log().Count("PlaySound 8"), 1) << "the flag's sound";
}

TEST_F(PageGame, LeavesNoHookOfTheGameInTheServices) {
    // The page shuts the services down after the game; a painter or restore handler left behind
    // would call into a game that is gone.
    folder_.WriteCompleteSet("menu.ogg\n0\nCZ\n");
    services_->SetMusicLength("hudba/menu.ogg", 400);
    services_->QueueMouseMove(100, 50);
    services_->QueueCloseRequest();
    ASSERT_EQ(PlayInPage(*services_, {"CZ", false}).exitCode, 0);
    EXPECT_EQ(Log().Count("Music.Close"), 1) << "the music is closed by the game itself";
    Log().Clear();
    services_->RaiseRestore();
    services_->graphics().Present();
    EXPECT_THAT(Log().Lines(), ElementsAre("Restore", "Present")) << "nothing redrew the game";
    services_.reset();
}

TEST_F(PageGame, AStartUpFailureIsShownAndEndsWithExitCode1) {
    folder_.WriteSetWithout("0\n0\nEN\n", "zvuky.zrk");
    const PageGameEnd end = PlayInPage(*services_, {"CZ", false});
    EXPECT_EQ(end.exitCode, 1);
    EXPECT_EQ(end.language, "CZ");
    const auto boxes = Log().Matching("MessageBox ");
    ASSERT_EQ(boxes.size(), 1u) << Log().Text();
    EXPECT_THAT(boxes[0], HasSubstr("zvuky.zrk"));
    EXPECT_EQ(Log().Count("Window.Show"), 0);
}

} // namespace
} // namespace sixdice::platform::web
