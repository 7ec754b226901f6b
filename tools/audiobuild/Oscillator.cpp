// Sine table and the partial series of the classic waveforms.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/Oscillator.h"

#include <array>
#include <cmath>
#include <numbers>

namespace sixdice::audio {

namespace {
constexpr int kTableSize = 8192;

const std::array<float, kTableSize + 1>& SineTable() {
    static const auto table = [] {
        std::array<float, kTableSize + 1> t{};
        for (int i = 0; i <= kTableSize; ++i) {
            t[i] = static_cast<float>(std::sin(2.0 * std::numbers::pi * i / kTableSize));
        }
        return t;
    }();
    return table;
}
} // namespace

float FastSine(double cycles) {
    const auto& table = SineTable();
    double frac = cycles - std::floor(cycles);
    const double pos = frac * kTableSize;
    const int i = static_cast<int>(pos);
    const float f = static_cast<float>(pos - i);
    return table[i] + (table[i + 1] - table[i]) * f;
}

std::vector<Partial> SawPartials(double maxRatio) {
    std::vector<Partial> p;
    for (int n = 1; n <= maxRatio; ++n) {
        p.push_back({double(n), 1.0 / n});
    }
    return p;
}

std::vector<Partial> SquarePartials(double maxRatio) {
    std::vector<Partial> p;
    for (int n = 1; n <= maxRatio; n += 2) {
        p.push_back({double(n), 1.0 / n});
    }
    return p;
}

std::vector<Partial> TrianglePartials(double maxRatio) {
    std::vector<Partial> p;
    for (int n = 1, k = 0; n <= maxRatio; n += 2, ++k) {
        p.push_back({double(n), (k % 2 == 0 ? 1.0 : -1.0) / (double(n) * n)});
    }
    return p;
}

} // namespace sixdice::audio
