// Table sine and additive voices: the building blocks of every tone in the sounds and the music.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace sixdice::audio {

// sin(2 pi x) for any x, from a table with linear interpolation (error below 1e-6): the music
// renders many partials per sample, and the table keeps the build fast.
float FastSine(double cycles);

// One component of a tone: its frequency as a multiple of the fundamental and its amplitude.
struct Partial {
    double ratio = 1.0;
    double amplitude = 1.0;
};

// Partials of the classic shapes, cut below `maxRatio` so nothing folds back above half the rate.
std::vector<Partial> SawPartials(double maxRatio);
std::vector<Partial> SquarePartials(double maxRatio);
std::vector<Partial> TrianglePartials(double maxRatio);

} // namespace sixdice::audio
