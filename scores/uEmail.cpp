// PROVISIONAL: logic without the window, until the dialog service lands.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/uEmail.h"

#include "scores/Submission.h"

namespace sixdice::scores {

struct Temail::Form {
    bool visible = false;
    std::string email, send, label;
};

Temail::Temail(media::Services& services, Highscore& highscore, game::Random& random,
               const game::Clock& clock)
    : services_(services), highscore_(highscore), random_(random), clock_(clock),
      form_(std::make_unique<Form>()) {}
Temail::~Temail() = default;

void Temail::ShowModal(std::string_view send, std::string_view label) {
    form_->send = send;
    form_->label = label;
    form_->email.clear();
    form_->visible = true;
}
bool Temail::Visible() const {
    return form_->visible;
}
void Temail::HandleEvent(const media::InputEvent& event) {
    if (event.kind == media::EventKind::CloseRequest)
        Cancel();
}
void Temail::SubmitScore() {
    if (highscore_.ScoreSent)
        return;
    const Submission s = PrepareSubmission(ScoreServerBase(), highscore_.BestName,
                                           highscore_.BestValue, form_->email, random_, clock_);
    services_.shell().OpenDocument(s.address, media::ShowMode::Maximised);
    form_->visible = false;
    highscore_.ScoreSent = true;
}
void Temail::Cancel() {
    form_->visible = false;
}
std::string Temail::EmailText() const {
    return form_->email;
}
void Temail::SetEmailText(std::string_view t) {
    form_->email = t;
}
std::string Temail::SendCaption() const {
    return form_->send;
}
std::string Temail::LabelCaption() const {
    return form_->label;
}
std::optional<std::uint64_t> Temail::NextBlink(std::uint64_t) const {
    return std::nullopt;
}

} // namespace sixdice::scores

namespace sixdice::scores {
void Temail::Blink(std::uint64_t) {}
} // namespace sixdice::scores
