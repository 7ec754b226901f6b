<?php
// At most N new results per client network (Network::keyOf) in any hour. It is asked inside the
// transaction that stores the result (ScoreTable::submit), so the attempt is counted and the row
// stored together: concurrent requests of one client take turns and can never pass the limit
// together.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class RateLimit
{
    public const WINDOW = 3600;

    public function __construct(private readonly PDO $pdo, public readonly int $perHour)
    {
    }

    /** The seconds this client must wait before its next result is admitted (0: none), counting nothing. */
    public function wait(string $client, int $now): int
    {
        if ($this->perHour <= 0) {
            return 0;
        }
        $statement = $this->pdo->prepare(
            'SELECT COUNT(*), MIN(at) FROM submission_attempts WHERE client = ? AND at > ?'
        );
        $statement->execute([$client, $now - self::WINDOW]);
        [$recent, $oldest] = $statement->fetch(PDO::FETCH_NUM);
        if ((int) $recent < $this->perHour) {
            return 0;
        }
        return max(1, (int) $oldest + self::WINDOW - $now);
    }

    /**
     * Inside the write transaction that stores the result: null when the client may store one
     * more result now (and the attempt is counted), else the refusal saying when to try again.
     * On PostgreSQL, where writers run side by side, the client's turn is taken first; on
     * SQLite the write lock already gives one writer a turn.
     */
    public function admit(string $client, int $now): ?Refusal
    {
        if ($this->perHour <= 0) {
            return null;
        }
        if (!Database::isSqlite($this->pdo)) {
            $this->pdo->prepare('SELECT pg_advisory_xact_lock(43, hashtext(?))')->execute([$client]);
        }
        $wait = $this->wait($client, $now);
        if ($wait > 0) {
            return $this->refusal($wait);
        }
        $this->count($client, $now);
        return null;
    }

    public function refusal(int $wait): Refusal
    {
        return new Refusal(Reason::RateLimited, [$this->perHour, intdiv($wait + 59, 60)], $wait);
    }

    /** Counts a stored result and forgets attempts over an hour old. */
    public function count(string $client, int $now): void
    {
        if ($this->perHour <= 0) {
            return;
        }
        if (Database::isSqlite($this->pdo)) {
            $this->pdo->prepare('DELETE FROM submission_attempts WHERE at <= ?')->execute([$now - self::WINDOW]);
            $this->pdo->prepare('INSERT INTO submission_attempts (client, at) VALUES (?, ?)')->execute([$client, $now]);
            return;
        }
        // One round trip to PostgreSQL for both.
        $this->pdo->prepare(
            'WITH aged AS (DELETE FROM submission_attempts WHERE at <= ?) INSERT INTO submission_attempts (client, at) VALUES (?, ?)'
        )->execute([$now - self::WINDOW, $client, $now]);
    }
}
