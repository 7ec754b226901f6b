<?php
// A refused request: the reason, the values its message names (a key, a limit), and for a refusal
// that passes with time the seconds after which to try again (0: none).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class Refusal
{
    /** @param list<int|string> $details */
    public function __construct(
        public readonly Reason $reason,
        public readonly array $details = [],
        public readonly int $retryAfter = 0,
    ) {
    }
}
