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

    /** 0 when one more row fits in the last hour, else the seconds until one does. */
    public function wait(int $now): int
    {
        if ($this->perHour <= 0) {
            return 0;
        }
        $count = $this->pdo->prepare('SELECT COUNT(*) FROM scores WHERE submitted_at > ?');
        $count->execute([$now - self::WINDOW]);
        $recent = (int) $count->fetchColumn();
        if ($recent < $this->perHour) {
            return 0;
        }
        // Room for one more once all but perHour - 1 of the hour's rows are an hour old.
        $oldest = $this->pdo->prepare(
            'SELECT submitted_at FROM scores WHERE submitted_at > ? ORDER BY submitted_at LIMIT 1 OFFSET ?'
        );
        $oldest->bindValue(1, $now - self::WINDOW, PDO::PARAM_INT);
        $oldest->bindValue(2, $recent - $this->perHour, PDO::PARAM_INT);
        $oldest->execute();
        $expires = (int) $oldest->fetchColumn() + self::WINDOW;
        return max(1, $expires - $now);
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
