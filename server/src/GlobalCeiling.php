<?php
// At most N new rows an hour for the whole table, whoever sends them: a flood from many networks
// fills the table no faster than that. Reaching it is logged once an hour, not once per refusal.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class GlobalCeiling
{
    public const WINDOW = 3600;

    /** @param int $perHour 0 switches the ceiling off */
    public function __construct(private readonly PDO $pdo, private readonly int $perHour)
    {
    }

    /** Within this many rows of the ceiling, PostgreSQL writers take turns (see admit). */
    public const NEAR = 256;

    /**
     * Inside the write transaction that stores the row: 0 when it fits, else the seconds to wait.
     * SQLite lets one writer in at a time anyway. PostgreSQL writers run side by side, and two
     * could take the last place together; so once the hour's rows come within NEAR of the ceiling,
     * they take turns on a lock held to the end of the transaction, and each counts the rows the
     * ones before it stored. Below that, fewer than NEAR writers at once cannot reach it.
     */
    public function admit(int $now): int
    {
        if ($this->perHour <= 0) {
            return 0;
        }
        if (!Database::isSqlite($this->pdo)
            && ($this->perHour <= self::NEAR || $this->newestInWindow($this->perHour - self::NEAR, $now))) {
            $this->pdo->query('SELECT pg_advisory_xact_lock(4344, 0)')->closeCursor();
        }
        return $this->wait($now);
    }

    /**
     * 0 when one more row fits in the last hour, else the seconds until one does: when the
     * N-th newest row is an hour old, only N - 1 are left in the window. Finding it walks at most
     * N entries of the time index, however many rows the table holds.
     */
    public function wait(int $now): int
    {
        if ($this->perHour <= 0) {
            return 0;
        }
        $nth = $this->newest($this->perHour);
        if ($nth === null || $nth <= $now - self::WINDOW) {
            return 0;
        }
        return max(1, $nth + self::WINDOW - $now);
    }

    /** The time of the n-th newest row (1: the newest), or null when there are fewer rows. */
    private function newest(int $n): ?int
    {
        $statement = $this->pdo->prepare('SELECT submitted_at FROM scores ORDER BY submitted_at DESC LIMIT 1 OFFSET ?');
        $statement->bindValue(1, $n - 1, PDO::PARAM_INT);
        $statement->execute();
        $time = $statement->fetchColumn();
        $statement->closeCursor();
        return $time === false ? null : (int) $time;
    }

    /** True when at least n rows are less than an hour old. */
    private function newestInWindow(int $n, int $now): bool
    {
        $time = $this->newest($n);
        return $time !== null && $time > $now - self::WINDOW;
    }

    /** Logs that the ceiling refuses results, unless that was logged within the last hour. */
    public function noteReached(int $now): void
    {
        $statement = $this->pdo->prepare(
            "INSERT INTO server_notices (kind, logged_at) VALUES ('ceiling', ?)
             ON CONFLICT (kind) DO UPDATE SET logged_at = excluded.logged_at
             WHERE server_notices.logged_at <= ?"
        );
        $statement->execute([$now, $now - self::WINDOW]);
        if ($statement->rowCount() > 0) {
            error_log("sixdice-server: the table took {$this->perHour} new results within the last hour"
                . " (max_new_per_hour); new ones are refused with 503 until the count falls"
                . ' (said once an hour)');
        }
    }
}
