// CreateSdlServices: starts SDL and its mixer and fonts, then builds every service on them.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/Services.h"
#include "media/VideoOutput.h"
#include "media/sdl/SdlDesktop.h"
#include "media/sdl/SdlDialog.h"
#include "media/sdl/SdlErrorBox.h"
#include "media/sdl/SdlEvents.h"
#include "media/sdl/SdlGraphics.h"
#include "media/sdl/SdlMusic.h"
#include "media/sdl/SdlScale.h"
#include "media/sdl/SdlSessionEnd.h"
#include "media/sdl/SdlSound.h"
#include "media/sdl/SdlWindow.h"
#include "media/sdl/SdlWindowIcon.h"
#include "platform/DesktopSession.h"
#include "platform/OutputGuess.h"
#include "platform/Termination.h"

#include <cstdlib>

namespace sixdice::media {

namespace sdl {
namespace {

// Wakes the event wait when the system asks the program to end: an SDL_QUIT, which is what
// SDL's queue carries for it (SDL itself sends none for a closed window or a signal here).
void WakeForTermination() {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

// The session ends and the system may end the process as soon as the window has answered: the
// music and sounds stop and the program ends here, with the exit code of an ordered end.
[[noreturn]] void EndNow() {
    if (Mix_QuerySpec(nullptr, nullptr, nullptr) != 0) {
        Mix_HaltMusic();
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
    }
    std::exit(0);
}

// SDL's part in ending on the system's request: the program's own signal handlers instead of
// SDL's (which would leave SIGHUP out), and the wake-up of the event wait while SDL runs.
void PrepareTerminationRequests() {
    platform::ListenForTermination();
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

// SDL, its mixer and its font engine, started in this order and shut down in reverse.
class SdlSession {
public:
    bool Start(bool headless, const platform::OutputGuess& outputs, std::string& error) {
        if (headless) {
            SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
            SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        } else if (!outputs.audioDriver.empty()) {
            // A normal-priority hint: SDL_AUDIODRIVER in the environment still decides.
            SDL_SetHint(SDL_HINT_AUDIODRIVER, outputs.audioDriver.c_str());
        }
        // The game decides itself what a close request does, so SDL must not quit on its own.
        SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
        SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
            error = "Cannot start the video output: " + SdlErrorText();
            return false;
        }
        sdl_ = true;
        platform::SetTerminationWake(WakeForTermination);
        WatchSessionEnd(EndNow);
        if (TTF_Init() != 0) {
            error = "Cannot start the font engine: " + SdlErrorText();
            return false;
        }
        ttf_ = true;
        // Without a sound device the game still runs: the silent dummy output keeps the sounds'
        // lengths and the music's position going, so waits and the music loop behave the same.
        if (!OpenAudio() && !headless) {
            SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
            OpenAudio();
        }
        return true;
    }

    bool OpenAudio() {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            ReportSdlError("SDL_InitSubSystem(audio)");
            return false;
        }
        if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
            ReportSdlError("Mix_OpenAudio");
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        if (!mixInit_) {
            Mix_Init(MIX_INIT_OGG);
            mixInit_ = true;
        }
        Mix_AllocateChannels(16);
        Mix_Volume(-1, MIX_MAX_VOLUME);
        Mix_VolumeMusic(MIX_MAX_VOLUME);
        audio_ = true;
        return true;
    }

    ~SdlSession() {
        if (audio_)
            Mix_CloseAudio();
        if (mixInit_)
            Mix_Quit();
        if (ttf_)
            TTF_Quit();
        if (sdl_) {
            StopWatchingSessionEnd();
            platform::SetTerminationWake(nullptr);
            SDL_Quit();
        }
    }

    bool AudioOpen() const { return audio_; }

private:
    bool sdl_ = false;
    bool ttf_ = false;
    bool mixInit_ = false;
    bool audio_ = false;
};

// Without a GPU, OpenGL is Mesa's software rasteriser, which costs a large part of start-up and
// of every present; SDL's software renderer draws the same pixels. SDL_RENDER_DRIVER in the
// environment still picks a renderer of the user's choice. Sets the hint SDL reads for window
// surfaces and returns the choice.
bool ChooseSoftwareRenderer(bool headless, const platform::OutputGuess& outputs) {
    const bool software =
        headless || (outputs.preferSoftwareRenderer && !SDL_GetHint(SDL_HINT_RENDER_DRIVER));
    if (software)
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    return software;
}

class SdlServices final : public Services {
public:
    // Members are destroyed in reverse order: the services first, SDL itself last.
    std::unique_ptr<SdlSession> session;
    SdlPtr<SDL_Window> sdlWindow;
    std::unique_ptr<SdlGraphics> graphicsPart;
    std::unique_ptr<SdlWindow> windowPart;
    std::unique_ptr<SdlSound> soundPart;
    std::unique_ptr<SdlMusic> musicPart;
    std::unique_ptr<SdlPointer> pointerPart;
    std::unique_ptr<SdlShell> shellPart;
    std::unique_ptr<SdlMessageBox> messageBoxPart;
    std::unique_ptr<SdlDialog> dialogPart;
    std::unique_ptr<SdlEvents> eventsPart;

    ~SdlServices() override {
        eventsPart.reset();
        dialogPart.reset();
        messageBoxPart.reset();
        shellPart.reset();
        pointerPart.reset();
        musicPart.reset();
        soundPart.reset();
        windowPart.reset();
        graphicsPart.reset();
        sdlWindow.reset();
        session.reset();
    }

    Window& window() override { return *windowPart; }
    Graphics& graphics() override { return *graphicsPart; }
    Sound& sound() override { return *soundPart; }
    MediaPlayer& music() override { return *musicPart; }
    Pointer& pointer() override { return *pointerPart; }
    Shell& shell() override { return *shellPart; }
    MessageBox& messageBox() override { return *messageBoxPart; }
    EventSource& events() override { return *eventsPart; }
    Dialog& dialog() override { return *dialogPart; }
};

} // namespace
} // namespace sdl

void ShowErrorWithoutServices(const std::string& title, const std::string& utf8, bool headless) {
    using namespace sdl;
    WriteToStandardError(utf8);
    if (headless || HeadlessRequested())
        return;
    // SDL's video and the font engine just for the box; where there is no display, standard
    // error is all there is (SDL would otherwise take its invisible "offscreen" driver, and the
    // box would wait unseen for ever).
    if (!platform::DesktopSessionPresent())
        return;
    const char* requestedDriver = std::getenv("SDL_VIDEODRIVER");
    PinWindowClass();
    PrepareTerminationRequests();
    const bool softwareRenderer = ChooseSoftwareRenderer(false, platform::GuessOutputs());
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return;
    if (!DisplayProblemAfterStart(SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "",
                                  requestedDriver)
             .empty()) {
        SDL_Quit();
        return;
    }
    platform::SetTerminationWake(WakeForTermination);
    if (TTF_Init() == 0) {
        {
            // The fonts close before the font engine stops.
            FontCache fonts;
            SdlShell clipboard(/*headless=*/false);
            RunErrorBox({title,
                         fonts,
                         clipboard,
                         nullptr,
                         softwareRenderer,
                         {},
                         ChooseDisplayScale(std::nullopt)},
                        utf8);
        }
        TTF_Quit();
    }
    platform::SetTerminationWake(nullptr);
    SDL_Quit();
}

ServicesResult CreateSdlServices(const ServiceOptions& options) {
    using namespace sdl;
    const bool headless = options.headless || HeadlessRequested();
    auto s = std::make_unique<SdlServices>();
    s->session = std::make_unique<SdlSession>();
    ServicesResult result;
    // The window class goes into the environment, which must not change once SDL runs threads
    // that read it (its audio thread looks up hints there).
    PinWindowClass();
    PrepareTerminationRequests();
    // Read by SDL at start-up: the name sound servers and the desktop show for the program.
    SDL_SetHint(SDL_HINT_APP_NAME, options.applicationTitle.c_str());
    if (!options.vsync)
        SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    const char* requestedDriver = std::getenv("SDL_VIDEODRIVER");
    if (!headless) {
        result.error = DisplayProblemBeforeStart(platform::DesktopSessionPresent());
        if (!result.error.empty()) {
            result.noDesktop = true;
            return result;
        }
    }
    const platform::OutputGuess outputs = platform::GuessOutputs();
    const bool softwareRenderer = ChooseSoftwareRenderer(headless, outputs);
    if (!s->session->Start(headless, outputs, result.error))
        return result;
    if (!headless) {
        const char* driver = SDL_GetCurrentVideoDriver();
        result.error = DisplayProblemAfterStart(driver ? driver : "", requestedDriver);
        if (!result.error.empty()) {
            result.noDesktop = true;
            return result;
        }
    }

    const Size size = SurfaceSize(options.layout);
    // The window shows every surface pixel as scale x scale screen pixels.
    const int scale = ChooseDisplayScale(options.scale);
    const Size shown = Scaled(size, scale);
    s->sdlWindow.reset(SDL_CreateWindow(options.caption.c_str(), SDL_WINDOWPOS_CENTERED,
                                        SDL_WINDOWPOS_CENTERED, shown.width, shown.height,
                                        SDL_WINDOW_HIDDEN));
    if (!s->sdlWindow) {
        result.error = "Cannot create the window: " + SdlErrorText();
        return result;
    }
    SetWindowIcon(s->sdlWindow.get());
    s->graphicsPart =
        std::make_unique<SdlGraphics>(s->sdlWindow.get(), size, headless, softwareRenderer);
    if (!s->graphicsPart->Failure().empty()) {
        result.error = s->graphicsPart->Failure();
        return result;
    }
    s->windowPart =
        std::make_unique<SdlWindow>(s->sdlWindow.get(), *s->graphicsPart, options.layout, scale);
    s->soundPart = std::make_unique<SdlSound>(s->session->AudioOpen());
    s->musicPart = std::make_unique<SdlMusic>(s->session->AudioOpen());
    s->pointerPart = std::make_unique<SdlPointer>();
    s->shellPart = std::make_unique<SdlShell>(headless);
    // While the error box waits, the other windows' events go to the event source, which
    // repaints them and keeps their close requests and focus changes for the game.
    SdlServices* services = s.get();
    s->messageBoxPart = std::make_unique<SdlMessageBox>(
        ErrorBoxContext{options.applicationTitle, s->graphicsPart->Fonts(), *s->shellPart,
                        s->sdlWindow.get(), softwareRenderer,
                        [services](const SDL_Event& e) {
                            if (services->eventsPart)
                                services->eventsPart->DuringModal(e);
                        },
                        scale},
        headless);
    s->dialogPart = std::make_unique<SdlDialog>(s->sdlWindow.get(), s->graphicsPart->Fonts(),
                                                headless, softwareRenderer, scale);
    s->eventsPart = std::make_unique<SdlEvents>(s->sdlWindow.get(), *s->windowPart,
                                                *s->graphicsPart, *s->dialogPart, headless, scale);
    result.services = std::move(s);
    return result;
}

} // namespace sixdice::media
