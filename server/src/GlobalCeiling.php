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
        $statement = $this->pdo->prepare('SELECT submitted_at FROM scores ORDER BY submitted_at DESC LIMIT 1 OFFSET ?');
        $statement->bindValue(1, $this->perHour - 1, PDO::PARAM_INT);
        $statement->execute();
        $nth = $statement->fetchColumn();
        $statement->closeCursor();
        if ($nth === false || (int) $nth <= $now - self::WINDOW) {
            return 0;
        }
        return max(1, (int) $nth + self::WINDOW - $now);
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
