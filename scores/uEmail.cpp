// The e-mail form: its window and controls, opening, sending and cancelling.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/uEmail.h"

#include "media/widgets/Button.h"
#include "media/widgets/Label.h"
#include "media/widgets/TextBox.h"
#include "media/widgets/WidgetGroup.h"
#include "scores/Submission.h"

namespace sixdice::scores {
namespace {

using media::widgets::Button;
using media::widgets::Label;
using media::widgets::TextBox;
using media::widgets::WidgetId;

constexpr const char* Caption = "HIGHSCORE on-line";
constexpr media::Size ClientSize{356, 117};
constexpr media::Rgb FormGreen{0, 128, 0};
constexpr media::Rgb Yellow{255, 255, 0};

// Widget ids in tab order; the label takes no focus.
constexpr WidgetId LabelId = 0;
constexpr WidgetId EmailBox = 1;
constexpr WidgetId SendButton = 2;

media::widgets::LabelStyle LabelLook() {
    media::widgets::LabelStyle style;
    style.font = {media::kArialBlack, 10, Yellow};
    // Right-aligned, so the caption of either language ends at x = 99, just before the box.
    style.align = media::widgets::Align::Right;
    return style;
}

media::widgets::TextBoxStyle EmailLook() {
    media::widgets::TextBoxStyle style;
    style.font = {media::kMsSansSerifBold, 8, Yellow};
    style.background = {0, 64, 0};
    return style; // no length limit: an address is as long as it is
}

} // namespace

struct Temail::Form {
    explicit Form(media::Shell& clipboard) : controls(clipboard) {
        controls.Add<Label>(media::Rect{14, 9, 85, 18}, "", LabelLook());
        controls.Add<TextBox>(media::Rect{54, 36, 249, 21}, EmailLook());
        controls.Add<Button>(media::Rect{140, 79, 75, 20}, "");
        // Return in the e-mail box sends, as the form's one button is its default.
        controls.SetDefaultButton(SendButton);
    }

    media::widgets::WidgetGroup controls;
    bool visible = false;
    bool pictureTried = false;
    media::Picture picture; // empty when the file could not be read
};

Temail::Temail(media::Services& services, Highscore& highscore, game::Random& random,
               const game::Clock& clock, PictureLoader loadPicture)
    : services_(services), highscore_(highscore), random_(random), clock_(clock),
      loadPicture_(std::move(loadPicture)), form_(std::make_unique<Form>(services.shell())) {}

Temail::~Temail() {
    if (form_->visible) {
        services_.dialog().Close();
    }
}

void Temail::ShowModal(std::string_view sendCaption, std::string_view labelCaption) {
    form_->controls.Get<Button>(SendButton).SetCaption(std::string(sendCaption));
    form_->controls.Get<Label>(LabelId).SetText(std::string(labelCaption));
    form_->controls.Get<TextBox>(EmailBox).SetText("");
    if (!form_->pictureTried) {
        // Without its picture the form still works on its own green.
        form_->pictureTried = true;
        if (loadPicture_) {
            form_->picture = loadPicture_();
        }
    }
    if (auto failure = services_.dialog().Open(Caption, ClientSize)) {
        services_.messageBox().ShowError(*failure);
        return;
    }
    form_->visible = true;
    form_->controls.SetFocus(EmailBox, services_.events().Ticks());
    Repaint();
}

bool Temail::Visible() const {
    return form_->visible;
}

void Temail::HandleEvent(const media::InputEvent& event) {
    if (!form_->visible) {
        return;
    }
    if (event.kind == media::EventKind::CloseRequest) {
        Cancel();
        return;
    }
    const media::widgets::GroupResult result =
        form_->controls.Handle(event, services_.events().Ticks());
    if (result.escape) {
        Cancel();
        return;
    }
    if (result.activated == SendButton) {
        SubmitScore();
        return;
    }
    if (result.repaint) {
        Repaint();
    }
}

void Temail::SubmitScore() {
    if (highscore_.ScoreSent) {
        return;
    }
    const Submission submission = PrepareSubmission(
        ScoreServerBase(), highscore_.BestName, highscore_.BestValue, EmailText(), random_, clock_);
    // The browser sends it and shows the table's answer; nothing comes back to the game.
    services_.shell().OpenDocument(submission.address, media::ShowMode::Maximised);
    Close();
    highscore_.ScoreSent = true;
}

void Temail::Cancel() {
    Close();
}

void Temail::Close() {
    if (form_->visible) {
        form_->visible = false;
        services_.dialog().Close();
    }
}

std::string Temail::EmailText() const {
    return dynamic_cast<const TextBox&>(form_->controls.At(EmailBox)).Text();
}

void Temail::SetEmailText(std::string_view text) {
    form_->controls.Get<TextBox>(EmailBox).SetText(std::string(text));
    if (form_->visible) {
        Repaint();
    }
}

std::string Temail::SendCaption() const {
    return dynamic_cast<const Button&>(form_->controls.At(SendButton)).Caption();
}

std::string Temail::LabelCaption() const {
    return dynamic_cast<const Label&>(form_->controls.At(LabelId)).Text();
}

std::optional<std::uint64_t> Temail::NextBlink(std::uint64_t now) const {
    return form_->visible ? form_->controls.NextLookChange(now) : std::nullopt;
}

void Temail::Blink(std::uint64_t now) {
    if (form_->visible && form_->controls.LookChanged(now)) {
        Repaint();
    }
}

void Temail::Repaint() {
    media::Dialog& dialog = services_.dialog();
    dialog.FillRect({0, 0, ClientSize.width, ClientSize.height}, FormGreen);
    if (!form_->picture.empty()) {
        dialog.DrawPicture(form_->picture, 0, 0);
    }
    form_->controls.Paint(dialog, services_.events().Ticks());
    dialog.Present();
}

} // namespace sixdice::scores
