<?php
// The turns of the PHP workers writing one SQLite file, and the flushes of its write-ahead log.
//
// Turns: SQLite lets one writer in at a time and has the others poll, sleeping 1, 2, 5, 10 ms
// and longer between tries, so under load the lock stands idle while its waiters sleep. The
// workers queue on an operating-system lock beside the file instead: the next one is woken the
// moment the last one is done. A writer outside the server (the operator's tool) still meets
// SQLite's own lock and busy timeout, which bounds every turn.
//
// Flushes: the connections leave checkpoints to the server (no automatic checkpoint inside a
// commit). At most every `interval` seconds a writer copies the log into the database file
// after its commit; that also puts everything committed so far on the disk, whatever the
// synchronous setting. The first result after a quiet second is therefore on the disk before
// it is answered. The writer flushes before it passes its turn on, so that no other commit
// comes between, and waits a moment for the readers still on an older snapshot: the log is
// then copied whole and the next writer starts it over. A checkpoint that never waits copies
// only what every reader is done with, and under steady traffic some reader always holds the
// log's end: the log would grow by every commit (tens of megabytes a minute) and never start
// over.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class SqliteWriter
{
    /**
     * Milliseconds a flush waits for readers of an older snapshot (a page being read takes well
     * under one): a long reader, such as the operator's tool listing a large table, holds the
     * writers up no longer than this, and the flush copies what it can.
     */
    public const FLUSH_WAIT_MS = 100;

    /** @var resource|null */
    private $turn = null;
    private bool $flushDue = false;

    public function __construct(private readonly string $file, private readonly int $interval)
    {
    }

    /** Waits for this worker's turn to write (without one when the lock file cannot be made). */
    public function begin(): void
    {
        $this->flushDue = false;
        $handle = @fopen($this->file . '-writer', 'c');
        if ($handle !== false && flock($handle, LOCK_EX)) {
            $this->turn = $handle;
        } elseif ($handle !== false) {
            fclose($handle);
        }
    }

    /**
     * Inside the write lock, before the commit: whether this commit is followed by a flush.
     * Taking the decision under the lock lets exactly one writer per interval flush.
     */
    public function beforeCommit(): void
    {
        $marker = $this->file . '-flushed';
        clearstatcache(true, $marker);
        $last = @filemtime($marker);
        if ($last === false || time() - $last >= $this->interval) {
            $this->flushDue = true;
            @touch($marker);
        }
    }

    /** After the commit or the rollback: the flush if one is due, then the turn passes on. */
    public function end(PDO $pdo, bool $committed): void
    {
        if ($committed && $this->flushDue) {
            $this->flushDue = false;
            self::flush($pdo);
        }
        if ($this->turn !== null) {
            flock($this->turn, LOCK_UN);
            fclose($this->turn);
            $this->turn = null;
        }
    }

    /**
     * Copies the log into the database file and flushes both to the disk. RESTART waits (up to
     * FLUSH_WAIT_MS) until no reader needs the log any more, so that the next writer starts it
     * from the beginning; when a reader takes longer, it copies what it can and the next flush
     * goes on from there.
     */
    private static function flush(PDO $pdo): void
    {
        try {
            $pdo->exec('PRAGMA busy_timeout = ' . self::FLUSH_WAIT_MS);
            $pdo->query('PRAGMA wal_checkpoint(RESTART)')->fetchAll();
        } catch (\PDOException $failure) {
            // The result is committed; the next flush copies it.
            error_log('sixdice-server: flushing the write-ahead log failed: ' . $failure->getMessage());
        } finally {
            try {
                $pdo->exec('PRAGMA busy_timeout = ' . Database::SQLITE_BUSY_TIMEOUT_MS);
            } catch (\PDOException) {
                // Only a connection that is failing altogether refuses a setting; its next
                // request fails and reports it.
            }
        }
    }
}
