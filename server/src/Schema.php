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
        // Moderation: hidden rows (kept, but out of the table and its ranks), the network each
        // result came from, banned names and networks, and notes of what was logged when.
        2 => [
            'sqlite' => [
                'ALTER TABLE scores ADD COLUMN hidden INTEGER NOT NULL DEFAULT 0 CHECK (hidden IN (0, 1))',
                "ALTER TABLE scores ADD COLUMN client_network TEXT NOT NULL DEFAULT ''",
                'DROP INDEX scores_by_rank',
                'CREATE INDEX scores_shown_by_rank ON scores (score DESC, id) WHERE hidden = 0',
                'CREATE INDEX scores_by_time ON scores (submitted_at)',
                'CREATE INDEX scores_by_network ON scores (client_network, submitted_at)',
                'CREATE TABLE banned_names (name_key TEXT PRIMARY KEY, name TEXT NOT NULL, banned_at INTEGER NOT NULL)',
                'CREATE TABLE banned_networks (network TEXT PRIMARY KEY, banned_at INTEGER NOT NULL)',
                'CREATE TABLE server_notices (kind TEXT PRIMARY KEY, logged_at INTEGER NOT NULL)',
            ],
            'pgsql' => [
                'ALTER TABLE scores ADD COLUMN hidden SMALLINT NOT NULL DEFAULT 0 CHECK (hidden IN (0, 1))',
                "ALTER TABLE scores ADD COLUMN client_network TEXT NOT NULL DEFAULT ''",
                'DROP INDEX scores_by_rank',
                'CREATE INDEX scores_shown_by_rank ON scores (score DESC, id) WHERE hidden = 0',
                'CREATE INDEX scores_by_time ON scores (submitted_at)',
                'CREATE INDEX scores_by_network ON scores (client_network, submitted_at)',
                'CREATE TABLE banned_names (name_key TEXT PRIMARY KEY, name TEXT NOT NULL, banned_at BIGINT NOT NULL)',
                'CREATE TABLE banned_networks (network TEXT PRIMARY KEY, banned_at BIGINT NOT NULL)',
                'CREATE TABLE server_notices (kind TEXT PRIMARY KEY, logged_at BIGINT NOT NULL)',
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

    /**
     * Applies the missing migrations, up to $version (default: all); workers starting together
     * apply each exactly once.
     */
    public static function bringUpToDate(PDO $pdo, ?int $version = null): void
    {
        $target = $version ?? self::latestVersion();
        if (self::currentVersion($pdo) >= $target) {
            return;
        }
        $driver = $pdo->getAttribute(PDO::ATTR_DRIVER_NAME);
        Database::writing($pdo, static function () use ($pdo, $driver, $target): void {
            if ($driver === 'pgsql') {
                $pdo->query('SELECT pg_advisory_xact_lock(4343)');
            }
            $pdo->exec('CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)');
            $current = self::currentVersion($pdo);
            foreach (self::MIGRATIONS as $version => $statements) {
                if ($version <= $current || $version > $target) {
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
