<?php
// At most N new results per client address in any hour. Each admitted attempt is written before
// it is counted, so concurrent requests of one client can never pass the limit together.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class RateLimit
{
    public const WINDOW = 3600;

    public function __construct(private readonly PDO $pdo, private readonly int $perHour)
    {
    }

    /** 0 when the attempt is admitted, else the seconds until the client may try again. */
    public function admit(string $client, int $now): int
    {
        if ($this->perHour <= 0) {
            return 0;
        }
        if ($this->recent($client, $now) >= $this->perHour) {
            return $this->oldestExpires($client, $now);
        }
        Database::writing($this->pdo, function () use ($client, $now): void {
            $this->pdo->prepare('DELETE FROM submission_attempts WHERE at <= ?')
                ->execute([$now - self::WINDOW]);
            $this->pdo->prepare('INSERT INTO submission_attempts (client, at) VALUES (?, ?)')
                ->execute([$client, $now]);
        });
        if ($this->recent($client, $now) > $this->perHour) {
            return $this->oldestExpires($client, $now);
        }
        return 0;
    }

    /** The seconds this client must wait before its next attempt is admitted (0: none), counting nothing. */
    public function wait(string $client, int $now): int
    {
        if ($this->perHour <= 0 || $this->recent($client, $now) < $this->perHour) {
            return 0;
        }
        return $this->oldestExpires($client, $now);
    }

    private function recent(string $client, int $now): int
    {
        $statement = $this->pdo->prepare(
            'SELECT COUNT(*) FROM submission_attempts WHERE client = ? AND at > ?'
        );
        $statement->execute([$client, $now - self::WINDOW]);
        return (int) $statement->fetchColumn();
    }

    private function oldestExpires(string $client, int $now): int
    {
        $statement = $this->pdo->prepare(
            'SELECT MIN(at) FROM submission_attempts WHERE client = ? AND at > ?'
        );
        $statement->execute([$client, $now - self::WINDOW]);
        $oldest = (int) $statement->fetchColumn();
        return max(1, $oldest + self::WINDOW - $now);
    }
}
