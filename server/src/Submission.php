<?php
// A verified submission: the name and e-mail address as UTF-8, the value, and its check.

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
