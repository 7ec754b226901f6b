<?php
// The stored results: recording a submission once, the first hundred, one row's rank. Hidden rows
// stay stored but are left out of the table and of every rank a player sees.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class ScoreTable
{
    public const SHOWN = 100;

    public function __construct(private readonly PDO $pdo)
    {
    }

    /** The row of an earlier submission with the same check value and random number. */
    public function findReplay(string $check, int $rand): ?int
    {
        $statement = $this->pdo->prepare('SELECT id FROM scores WHERE check_value = ? AND rand = ?');
        $statement->execute([$check, $rand]);
        $id = $statement->fetchColumn();
        return $id === false ? null : (int) $id;
    }

    /**
     * Stores a new submission in one write transaction together with its admission: $admit runs
     * first inside it and returns null to store or a refusal. The row's id, also when a copy of
     * the same submission (same check value and random number) was stored already.
     * $network is the client's network (Network::keyOf), kept for the operator's reports.
     * @param callable(): ?Refusal $admit
     */
    public function submit(Submission $submission, int $now, string $network, callable $admit): int|Refusal
    {
        return Database::writing($this->pdo, function () use ($submission, $now, $network, $admit): int|Refusal {
            $id = $this->findReplay($submission->check, $submission->rand);
            if ($id !== null) {
                return $id;
            }
            return $admit() ?? $this->record($submission, $now, $network);
        });
    }

    /**
     * Stores the submission unless its check value and random number are stored already; its row.
     * $network is the client's network (Network::keyOf), kept for the operator's reports.
     */
    public function record(Submission $submission, int $now, string $network = ''): int
    {
        $statement = $this->pdo->prepare(
            'INSERT INTO scores (player, score, email, rand, check_value, submitted_at, client_network)
             VALUES (?, ?, ?, ?, ?, ?, ?)
             ON CONFLICT (check_value, rand) DO NOTHING
             RETURNING id'
        );
        $statement->execute([
            $submission->player, $submission->score, $submission->email,
            $submission->rand, $submission->check, $now, $network,
        ]);
        $id = $statement->fetchColumn();
        $statement->closeCursor();
        if ($id !== false) {
            return (int) $id;
        }
        // A copy that arrived at the same moment stored it first.
        return $this->findReplay($submission->check, $submission->rand)
            ?? throw new \RuntimeException('a conflicting row vanished');
    }

    /**
     * The best rows by score, the earlier first on equal scores, with their ranks.
     * @return list<array{id:int, rank:int, player:string, score:int, submitted_at:int}>
     */
    public function top(int $limit = self::SHOWN): array
    {
        $statement = $this->pdo->prepare(
            'SELECT id, player, score, submitted_at FROM scores WHERE hidden = 0 ORDER BY score DESC, id ASC LIMIT ?'
        );
        $statement->bindValue(1, $limit, PDO::PARAM_INT);
        $statement->execute();
        $rows = [];
        foreach ($statement->fetchAll() as $index => $row) {
            $rows[] = self::typed($row, $index + 1);
        }
        return $rows;
    }

    /**
     * A shown row with its rank among the shown rows; null for a hidden row or none.
     * @return array{id:int, rank:int, player:string, score:int, submitted_at:int}|null
     */
    public function rowWithRank(int $id): ?array
    {
        // The shown rows with a higher score: those of the higher buckets of 128 scores, from the
        // counts per bucket, and those above it within its own bucket (which spans less than 256
        // scores), from the counts per score; then those with the same score stored before it,
        // from the index of the shown rows by (score, id): one statement.
        $statement = $this->pdo->prepare(
            'SELECT id, player, score, submitted_at,
                (SELECT COALESCE(SUM(total), 0) FROM score_bucket_counts WHERE bucket > s.score / 128)
                + (SELECT COALESCE(SUM(total), 0) FROM score_counts
                    WHERE score > s.score AND score < s.score + 256 AND score / 128 = s.score / 128)
                + (SELECT COUNT(*) FROM scores AS e WHERE e.hidden = 0 AND e.score = s.score AND e.id < s.id) AS ahead
             FROM scores AS s WHERE id = ? AND hidden = 0'
        );
        $statement->execute([$id]);
        $row = $statement->fetch(PDO::FETCH_ASSOC);
        $statement->closeCursor();
        return $row === false ? null : self::typed($row, (int) $row['ahead'] + 1);
    }

    /**
     * Every row with its e-mail address, best first, hidden ones too (for the operator's tool only).
     * @return list<array<string, int|string>>
     */
    public function everything(): array
    {
        return $this->pdo->query(
            'SELECT id, player, score, email, rand, check_value, submitted_at, hidden, client_network
             FROM scores ORDER BY score DESC, id ASC'
        )->fetchAll();
    }

    /** Hides a row from the table or shows it again; false when there is no such row. */
    public function setHidden(int $id, bool $hidden): bool
    {
        $statement = $this->pdo->prepare('UPDATE scores SET hidden = ? WHERE id = ?');
        $statement->execute([$hidden ? 1 : 0, $id]);
        return $statement->rowCount() > 0;
    }

    public function count(): int
    {
        return (int) $this->pdo->query('SELECT COUNT(*) FROM scores')->fetchColumn();
    }

    public function delete(int $id): bool
    {
        $statement = $this->pdo->prepare('DELETE FROM scores WHERE id = ?');
        $statement->execute([$id]);
        return $statement->rowCount() > 0;
    }

    /**
     * A row of the table as the pages show it, from a row of the database and its rank.
     * @param array<string, mixed> $row
     * @return array{id:int, rank:int, player:string, score:int, submitted_at:int}
     */
    public static function typed(array $row, int $rank): array
    {
        return [
            'id' => (int) $row['id'],
            'rank' => $rank,
            'player' => (string) $row['player'],
            'score' => (int) $row['score'],
            'submitted_at' => (int) $row['submitted_at'],
        ];
    }
}
