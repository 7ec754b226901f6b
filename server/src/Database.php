<?php
// Opens the table's database through PDO (SQLite or PostgreSQL), keeps the connection open from
// one request to the next, and brings the schema up to date once per connection.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class Database
{
    /**
     * A connection is prepared (PRAGMAs, schema) once, then kept by the PHP worker. PDO hands a
     * kept connection back with the attributes it had, so the default fetch mode, set last, tells
     * a prepared connection from a new one without asking the database anything.
     */
    private const PREPARED_FETCH_MODE = PDO::FETCH_ASSOC;

    /** Milliseconds a SQLite writer waits for another's lock before the request fails. */
    public const SQLITE_BUSY_TIMEOUT_MS = 10_000;

    /** @var \WeakMap<PDO, SqliteWriter>|null the writer of each SQLite connection of this request */
    private static ?\WeakMap $writers = null;

    public static function open(Config $config): PDO
    {
        $options = [
            PDO::ATTR_ERRMODE => PDO::ERRMODE_EXCEPTION,
            PDO::ATTR_EMULATE_PREPARES => false,
        ];
        $sqlite = str_starts_with($config->dsn, 'sqlite:');
        if ($sqlite) {
            $file = substr($config->dsn, strlen('sqlite:'));
            $options[PDO::ATTR_TIMEOUT] = intdiv(self::SQLITE_BUSY_TIMEOUT_MS, 1000); // seconds a writer waits for another's lock
            $key = $config->dbPersistent ? self::sqliteConnectionKey($file) : null;
            if ($key !== null) {
                $options[PDO::ATTR_PERSISTENT] = $key;
            } else {
                // A file with an identity has its folder; only a new file may need one.
                self::makeFolderFor($file);
            }
        } else {
            // Seconds to wait for a PostgreSQL server that does not answer (libpq's
            // connect_timeout): the request is refused and the worker free again.
            $options[PDO::ATTR_TIMEOUT] = 5;
            // Each statement in one round trip with its parameters sent apart from it (libpq's
            // PQexecParams), instead of three: prepare, execute and deallocate.
            $options[PDO::PGSQL_ATTR_DISABLE_PREPARES] = true;
        }
        if (!$sqlite && $config->dbPersistent) {
            // PDO checks a kept PostgreSQL connection before handing it out and reconnects when
            // the server went away; it rolls back whatever transaction a broken request left open.
            $options[PDO::ATTR_PERSISTENT] = true;
        }
        $pdo = new PDO($config->dsn, $config->dbUser, $config->dbPassword, $options);
        if ($sqlite && $file !== '' && $file !== ':memory:') {
            self::$writers ??= new \WeakMap();
            self::$writers[$pdo] = new SqliteWriter($file, $config->sqliteFlushInterval);
        }
        if ($pdo->getAttribute(PDO::ATTR_DEFAULT_FETCH_MODE) === self::PREPARED_FETCH_MODE) {
            return $pdo;
        }
        if ($sqlite) {
            $pdo->exec('PRAGMA busy_timeout = ' . self::SQLITE_BUSY_TIMEOUT_MS);
            self::useWriteAheadLog($pdo);
            $pdo->exec('PRAGMA synchronous = ' . $config->sqliteSynchronous);
            // Checkpoints are the writers' (SqliteWriter), once per flush interval.
            $pdo->exec('PRAGMA wal_autocheckpoint = 0');
        }
        Schema::bringUpToDate($pdo);
        $pdo->setAttribute(PDO::ATTR_DEFAULT_FETCH_MODE, self::PREPARED_FETCH_MODE);
        return $pdo;
    }

    public static function isSqlite(PDO $pdo): bool
    {
        return $pdo->getAttribute(PDO::ATTR_DRIVER_NAME) === 'sqlite';
    }

    /**
     * Runs $work inside one write transaction. On SQLite the write lock is taken at the start
     * (waiting for another writer like any write does), so what $work reads stays true until the
     * commit and two writers never meet halfway. The transaction is PDO's own, so PDO rolls it
     * back when a request dies inside it and the kept connection is clean for the next one.
     * @template T
     * @param callable(): T $work
     * @return T
     */
    public static function writing(PDO $pdo, callable $work): mixed
    {
        $writer = self::$writers[$pdo] ?? null;
        $writer?->begin();
        $committed = false;
        try {
            $pdo->beginTransaction();
            if (self::isSqlite($pdo)) {
                $pdo->exec('UPDATE schema_version SET version = version WHERE 0');
            }
            $result = $work();
            $writer?->beforeCommit();
            $pdo->commit();
            $committed = true;
            return $result;
        } catch (\Throwable $failure) {
            if ($pdo->inTransaction()) {
                $pdo->rollBack();
            }
            throw $failure;
        } finally {
            $writer?->end($pdo, $committed);
        }
    }

    /**
     * The key a worker keeps its SQLite connection under: the file's identity and whether it is
     * writable. A file replaced by a restored copy, or a file system mounted read-write again,
     * gets a new connection instead of one that still holds the old file or opened it read-only.
     * A file that does not exist yet is opened for this request only: a connection kept under
     * no identity could later stand for a file deleted in the meantime.
     */
    private static function sqliteConnectionKey(string $file): ?string
    {
        if ($file === '' || $file === ':memory:' || str_starts_with($file, 'file:')) {
            return null;
        }
        clearstatcache(true, $file);
        $inode = @fileinode($file);
        if ($inode === false) {
            return null;
        }
        return $inode . (is_writable($file) ? 'w' : 'r');
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
