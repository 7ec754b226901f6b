<?php
// A database for the storage tests: the one SIXDICE_TEST_DSN names (emptied first), otherwise a
// fresh SQLite file in a temporary folder.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server\Tests;

use SixDice\Server\Config;

final class TestDatabase
{
    private static ?string $folder = null;

    public static function config(int $rateLimit = 30): Config
    {
        $dsn = getenv('SIXDICE_TEST_DSN');
        if (!is_string($dsn) || $dsn === '') {
            self::$folder ??= sys_get_temp_dir() . '/sixdice-server-test-' . getmypid() . '-' . bin2hex(random_bytes(4));
            $dsn = 'sqlite:' . self::$folder . '/' . bin2hex(random_bytes(4)) . '/scores.sqlite';
        }
        return new Config(dsn: $dsn, rateLimit: $rateLimit);
    }

    /** Empties the tables of a shared database (a no-op for a fresh SQLite file). */
    public static function empty(\PDO $pdo): void
    {
        $pdo->exec('DELETE FROM scores');
        foreach (['submission_attempts', 'banned_names', 'banned_networks', 'server_notices', 'score_counts', 'score_bucket_counts', 'new_row_counts'] as $table) {
            $pdo->exec("DELETE FROM $table");
        }
    }

    public static function removeFiles(): void
    {
        if (self::$folder !== null && is_dir(self::$folder)) {
            exec('rm -rf ' . escapeshellarg(self::$folder));
        }
    }
}

register_shutdown_function([TestDatabase::class, 'removeFiles']);
