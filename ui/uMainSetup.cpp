// Start-up of the main window: settings, language, the image and sound lists, the first frame.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/BmpFile.h"
#include "media/listfile/ListFile.h"
#include "platform/DataFiles.h"
#include "ui/Catalogue.h"
#include "ui/StartupMessages.h"
#include "ui/uMain.h"

#include <string>

namespace sixdice::ui {
namespace {

constexpr const char* SoundFileName = "zvuky.zrk";
constexpr const char* EmailPictureFileName = "email.bmp";

} // namespace

std::optional<std::string> Tmain::FormCreate() {
    // 1. The settings list, from the player's own settings file or the one beside the program.
    settings_.Clear();
    if (auto failure = loadSettings_(SettingsFileName, settings_)) {
        return failure;
    }
    // 2.
    musicOn_ = false;
    closeAllowed_ = true;
    currentScreen_ = game::Screen::Menu;
    // 3. The language of the third line: its image list and caption. Anything but "CZ" or "EN"
    // would leave the program without pictures, so start-up is refused with a message.
    const std::string& languageLine = settings_.StartLanguage();
    if (languageLine == "CZ") {
        if (auto failure = LoadLanguage(Language::Czech)) {
            return failure;
        }
    } else if (languageLine == "EN") {
        if (auto failure = LoadLanguage(Language::English)) {
            return failure;
        }
    } else {
        return UnknownLanguageMessage(settings_);
    }
    // 4. The sound list; a recording the output cannot convert stays silent.
    media::SoundList sounds;
    platform::AwaitDataFiles({SoundFileName});
    if (auto failure = media::LoadSoundList(SoundFileName, sounds)) {
        return ListFileMessage(SoundFileName, GameFile::Sounds, *failure);
    }
    if (static_cast<int>(sounds.entries.size()) < catalogue::sound::Count) {
        return TooFewEntriesMessage(SoundFileName, GameFile::Sounds,
                                    static_cast<int>(sounds.entries.size()),
                                    catalogue::sound::Count);
    }
    (void)services_.sound().SetSoundList(sounds);
    // 5.
    highlightShown_ = false;
    mouseX_ = 0;
    mouseY_ = 0;
    // 6.
    services_.window().SetLayout(media::Layout::Small);
    // 7. The menu music; a file that cannot be opened is reported and the game goes on silent.
    StartMusic(settings_.MenuMusic());
    return std::nullopt;
}

std::optional<std::string> Tmain::LoadLanguage(Language language) {
    const std::string fileName(GraphicsFileName(language));
    media::ImageList images;
    // The flag's click waits here for the other language's pictures where they must be fetched.
    platform::AwaitDataFiles({fileName});
    if (auto failure = media::LoadImageList(fileName, images)) {
        return ListFileMessage(fileName, GameFile::Graphics, *failure);
    }
    if (static_cast<int>(images.entries.size()) < catalogue::image::Count) {
        return TooFewEntriesMessage(fileName, GameFile::Graphics,
                                    static_cast<int>(images.entries.size()),
                                    catalogue::image::Count);
    }
    services_.graphics().SetImageList(images);
    services_.window().SetCaption(std::string(ProductTitle(language)));
    currentLanguage_ = language;
    return std::nullopt;
}

void Tmain::DXDrawRestoreSurface() {
    if (!services_.window().IsShown()) {
        services_.window().Show();
    }
    DrawImage(catalogue::image::Menu, 0, 0);
    Present();
}

media::Picture Tmain::LoadEmailPicture() {
    media::Picture picture;
    platform::AwaitDataFiles({EmailPictureFileName});
    if (auto failure = media::LoadBmpFile(EmailPictureFileName, picture)) {
        services_.messageBox().ShowError(
            ListFileMessage(EmailPictureFileName, GameFile::Picture, *failure));
        return {};
    }
    return picture;
}

} // namespace sixdice::ui
