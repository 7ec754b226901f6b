// MD5 in the browser build: nettle, built from its Debian source for this target.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Md5.h"

#include <nettle/md5.h>

namespace sixdice::platform {

std::optional<Md5Digest> Md5(std::string_view bytes) {
    md5_ctx context;
    md5_init(&context);
    md5_update(&context, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    Md5Digest digest{};
    md5_digest(&context, digest.size(), digest.data());
    return digest;
}

} // namespace sixdice::platform
