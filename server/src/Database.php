<?php
// Opens the table's database through PDO (SQLite or PostgreSQL) and brings its schema up to date.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class Database
{
    public static function open(Config $config): PDO
    {
        $options = [
            PDO::ATTR_ERRMODE => PDO::ERRMODE_EXCEPTION,
            PDO::ATTR_DEFAULT_FETCH_MODE => PDO::FETCH_ASSOC,
            PDO::ATTR_EMULATE_PREPARES => false,
        ];
        if (str_starts_with($config->dsn, 'sqlite:')) {
            self::makeFolderFor(substr($config->dsn, strlen('sqlite:')));
            $options[PDO::ATTR_TIMEOUT] = 10; // seconds a writer waits for another's lock
        } elseif ($config->dbPersistent) {
            // A PHP worker keeps its PostgreSQL connection from one request to the next; PDO
            // rolls back whatever transaction a broken request left open.
            $options[PDO::ATTR_PERSISTENT] = true;
        }
        $pdo = new PDO($config->dsn, $config->dbUser, $config->dbPassword, $options);
        if (self::isSqlite($pdo)) {
            $pdo->exec('PRAGMA busy_timeout = 10000');
            self::useWriteAheadLog($pdo);
            $pdo->exec('PRAGMA synchronous = ' . $config->sqliteSynchronous);
        }
        Schema::bringUpToDate($pdo);
        return $pdo;
    }

    public static function isSqlite(PDO $pdo): bool
    {
        return $pdo->getAttribute(PDO::ATTR_DRIVER_NAME) === 'sqlite';
    }

    /**
     * Runs $work inside one write transaction. SQLite takes its write lock at the start, so two
     * writers never meet halfway.
     * @template T
     * @param callable(): T $work
     * @return T
     */
    public static function writing(PDO $pdo, callable $work): mixed
    {
        if (self::isSqlite($pdo)) {
            $pdo->exec('BEGIN IMMEDIATE');
        } else {
            $pdo->beginTransaction();
        }
        try {
            $result = $work();
            if (self::isSqlite($pdo)) {
                $pdo->exec('COMMIT');
            } else {
                $pdo->commit();
            }
            return $result;
        } catch (\Throwable $failure) {
            if (self::isSqlite($pdo)) {
                $pdo->exec('ROLLBACK');
            } elseif ($pdo->inTransaction()) {
                $pdo->rollBack();
            }
            throw $failure;
        }
    }

    /**
     * WAL mode stays with the file once set. Setting it takes the file for a moment, and SQLite
     * does not wait for that on its own, so workers meeting a new file take turns.
     */
    private static function useWriteAheadLog(PDO $pdo): void
    {
        for ($attempt = 1; $attempt <= 200; ++$attempt) {
            try {
                $mode = $pdo->query('PRAGMA journal_mode')->fetchColumn();
                if ($mode === 'wal' || $mode === 'memory'
                    || $pdo->query('PRAGMA journal_mode = WAL')->fetchColumn() === 'wal') {
                    return;
                }
            } catch (\PDOException) {
                // another worker is switching it right now
            }
            usleep(random_int(5_000, 20_000));
        }
        throw new \RuntimeException('the SQLite file cannot be switched to WAL mode');
    }

    private static function makeFolderFor(string $file): void
    {
        if ($file === '' || $file === ':memory:') {
            return;
        }
        $folder = dirname($file);
        if (!is_dir($folder) && !@mkdir($folder, 0750, true) && !is_dir($folder)) {
            throw new ConfigError("cannot create the data folder $folder");
        }
    }
}
