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

    /**
     * Rows are counted per minute (the table new_row_counts, kept by triggers on scores). The
     * window holds the minute of now and the 60 before it: every row of the last hour is in it,
     * and a row leaves it between 60 and 61 minutes after it came. The ceiling therefore never
     * lets more than N rows into any hour and may ask for up to a minute more than the exact
     * wait.
     */
    public const PERIOD = 60;
    private const PERIODS = self::WINDOW / self::PERIOD + 1;

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
        $count = $this->count($now);
        if (!Database::isSqlite($this->pdo) && $count >= $this->perHour - self::NEAR) {
            $this->pdo->query('SELECT pg_advisory_xact_lock(4344, 0)')->closeCursor();
            // A new statement: it sees what the writers before this one committed.
            $count = $this->count($now);
        }
        return $count < $this->perHour ? 0 : $this->waitWhenFull($now);
    }

    /** 0 when one more row fits in the last hour, else the seconds until one does. */
    public function wait(int $now): int
    {
        if ($this->perHour <= 0 || $this->count($now) < $this->perHour) {
            return 0;
        }
        return $this->waitWhenFull($now);
    }

    /** The first minute of the window at this time. */
    private static function firstPeriod(int $now): int
    {
        return intdiv($now, self::PERIOD) - (self::PERIODS - 1);
    }

    /** The rows in the window: at most PERIODS minutes (of a few shares each) added up. */
    private function count(int $now): int
    {
        $statement = $this->pdo->prepare('SELECT COALESCE(SUM(total), 0) FROM new_row_counts WHERE period >= ?');
        $statement->execute([self::firstPeriod($now)]);
        $count = (int) $statement->fetchColumn();
        $statement->closeCursor();
        return $count;
    }

    /**
     * The seconds until the oldest minutes have left the window and taken enough rows with
     * them that one more fits: a minute leaves when the window's first minute passes it.
     */
    private function waitWhenFull(int $now): int
    {
        $statement = $this->pdo->prepare(
            'SELECT period, SUM(total) FROM new_row_counts WHERE period >= ? GROUP BY period ORDER BY period'
        );
        $statement->execute([self::firstPeriod($now)]);
        $minutes = $statement->fetchAll(PDO::FETCH_NUM);
        $excess = array_sum(array_map(static fn (array $minute): int => (int) $minute[1], $minutes)) - $this->perHour + 1;
        foreach ($minutes as [$period, $total]) {
            $excess -= (int) $total;
            if ($excess <= 0) {
                return max(1, ((int) $period + self::PERIODS) * self::PERIOD - $now);
            }
        }
        return 0; // the rows left meanwhile
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
            self::logReached($this->perHour);
        }
    }

    /** The log's line when the ceiling starts refusing results (at most once an hour). */
    public static function logReached(int $perHour): void
    {
        error_log("sixdice-server: the table took $perHour new results within the last hour"
            . ' (max_new_per_hour); new ones are refused with 503 until the count falls'
            . ' (said once an hour)');
    }
}
