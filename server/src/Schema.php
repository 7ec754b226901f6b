<?php
// The table's schema and its migrations, numbered; schema_version records the last one applied.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class Schema
{
    /** Migration number => statements per PDO driver. */
    private const MIGRATIONS = [
        1 => [
            'sqlite' => [
                'CREATE TABLE scores (
                    id INTEGER PRIMARY KEY AUTOINCREMENT,
                    player TEXT NOT NULL,
                    score INTEGER NOT NULL,
                    email TEXT NOT NULL,
                    rand INTEGER NOT NULL CHECK (rand BETWEEN 0 AND 9999),
                    check_value TEXT NOT NULL CHECK (length(check_value) = 32),
                    submitted_at INTEGER NOT NULL,
                    UNIQUE (check_value, rand))',
                'CREATE INDEX scores_by_rank ON scores (score DESC, id)',
                'CREATE TABLE submission_attempts (client TEXT NOT NULL, at INTEGER NOT NULL)',
                'CREATE INDEX submission_attempts_by_client ON submission_attempts (client, at)',
                'CREATE INDEX submission_attempts_by_age ON submission_attempts (at)',
            ],
            'pgsql' => [
                'CREATE TABLE scores (
                    id BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
                    player TEXT NOT NULL CHECK (char_length(player) BETWEEN 1 AND 10),
                    score INTEGER NOT NULL,
                    email TEXT NOT NULL,
                    rand INTEGER NOT NULL CHECK (rand BETWEEN 0 AND 9999),
                    check_value CHAR(32) NOT NULL,
                    submitted_at BIGINT NOT NULL,
                    UNIQUE (check_value, rand))',
                'CREATE INDEX scores_by_rank ON scores (score DESC, id)',
                'CREATE TABLE submission_attempts (client TEXT NOT NULL, at BIGINT NOT NULL)',
                'CREATE INDEX submission_attempts_by_client ON submission_attempts (client, at)',
                'CREATE INDEX submission_attempts_by_age ON submission_attempts (at)',
            ],
        ],
    ];

    public static function latestVersion(): int
    {
        return max(array_keys(self::MIGRATIONS));
    }

    public static function currentVersion(PDO $pdo): int
    {
        try {
            return (int) $pdo->query('SELECT MAX(version) FROM schema_version')->fetchColumn();
        } catch (\PDOException) {
            return 0; // no schema yet
        }
    }

    /** Applies the missing migrations; workers starting together apply each exactly once. */
    public static function bringUpToDate(PDO $pdo): void
    {
        if (self::currentVersion($pdo) >= self::latestVersion()) {
            return;
        }
        $driver = $pdo->getAttribute(PDO::ATTR_DRIVER_NAME);
        Database::writing($pdo, static function () use ($pdo, $driver): void {
            if ($driver === 'pgsql') {
                $pdo->query('SELECT pg_advisory_xact_lock(4343)');
            }
            $pdo->exec('CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)');
            $current = self::currentVersion($pdo);
            foreach (self::MIGRATIONS as $version => $statements) {
                if ($version <= $current) {
                    continue;
                }
                foreach ($statements[$driver] ?? throw new ConfigError("no schema for $driver") as $sql) {
                    $pdo->exec($sql);
                }
                $pdo->prepare('INSERT INTO schema_version (version) VALUES (?)')->execute([$version]);
            }
        });
    }
}
