<?php
// The range of ranking values the table accepts; server/README.md derives the upper end from the
// game's rules and tests/server checks it against a search over the rules themselves.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class Plausibility
{
    /**
     * The highest ranking value of any game in which no player passes a turn before throwing
     * more than 3458 times: twelve best cells written after one throw each, 358 points in 12
     * throws, 30 x 358.
     */
    public const MAX_SCORE = 10740;
    public const MIN_SCORE = 0;
}
