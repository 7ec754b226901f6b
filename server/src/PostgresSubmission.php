<?php
// A new result stored on PostgreSQL in one round trip: the function submit_result (created by
// the schema's migrations) asks for a replay, both bans, the whole table's hourly ceiling and the
// client's rate limit, counts the attempt, stores the row and ranks it, all in the one
// transaction of the call. Each statement sent on its own is a round trip and is parsed and
// planned again; the function keeps its plans for as long as the worker keeps its connection.
// SQLite, in the same process, does the same steps one by one (ScoreTable::submit).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class PostgresSubmission
{
    public function __construct(private readonly PDO $pdo, private readonly Config $config)
    {
    }

    /**
     * Stores the submission (or finds its earlier copy) unless a ban or a limit refuses it: the
     * refusal, else its row with its rank among the shown rows, null when that row is hidden.
     * $address is the client's address, $network its key for the rate limit (Network::keyOf).
     * @return array{id:int, rank:int, player:string, score:int, submitted_at:int}|Refusal|null
     */
    public function store(Submission $submission, int $now, string $address, string $network): array|Refusal|null
    {
        $statement = $this->pdo->prepare(
            'SELECT outcome, wait, logged, id, player, score, submitted_at, ahead
             FROM submit_result(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)'
        );
        $statement->execute([
            $submission->player, $submission->score, $submission->email, $submission->rand,
            $submission->check, $now, $network, Network::canonicalAddress($address),
            Bans::nameKey($submission->player), $this->config->rateLimit, $this->config->maxNewPerHour,
            GlobalCeiling::NEAR,
        ]);
        $row = $statement->fetch(PDO::FETCH_ASSOC);
        $statement->closeCursor();
        if ($row === false) {
            throw new \RuntimeException('submit_result gave no answer');
        }
        $wait = (int) $row['wait'];
        return match ($row['outcome']) {
            'stored' => $row['ahead'] === null ? null : ScoreTable::typed($row, (int) $row['ahead'] + 1),
            'name_banned' => new Refusal(Reason::NameBanned),
            'network_banned' => new Refusal(Reason::NetworkBanned),
            'table_full' => self::tableFull($wait, (bool) $row['logged'], $this->config->maxNewPerHour),
            'rate_limited' => (new RateLimit($this->pdo, $this->config->rateLimit))->refusal($wait),
            default => throw new \RuntimeException('submit_result answered ' . $row['outcome']),
        };
    }

    private static function tableFull(int $wait, bool $logged, int $perHour): Refusal
    {
        if ($logged) {
            GlobalCeiling::logReached($perHour);
        }
        return new Refusal(Reason::TableFull, [intdiv($wait + 59, 60)], $wait);
    }
}
