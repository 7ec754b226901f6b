// The standard error message box (its text also goes to standard error).
#pragma once

#include <string>

namespace sixdice::media {

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows the text and waits until the player dismisses it.
    virtual void ShowError(const std::string& utf8) = 0;
};

} // namespace sixdice::media
