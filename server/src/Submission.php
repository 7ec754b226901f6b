<?php
// A verified submission: the name and e-mail address as UTF-8, the value, and its check.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class Submission
{
    public function __construct(
        public readonly string $player,
        public readonly int $score,
        public readonly string $email,
        public readonly int $rand,
        public readonly string $check,
    ) {
    }
}
