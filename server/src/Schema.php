<?php
// The table's schema and its migrations, numbered; schema_version records the last one applied.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class Schema
{
    private const VERSION_TABLE = 'CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)';

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
        // How many shown rows have each score, kept by triggers whatever changes the rows (new,
        // deleted, hidden, shown again, score changed): a row's rank adds up the rows of the
        // higher scores here (a few thousand at most) instead of counting every row ahead of it,
        // which in a table of a million rows takes too long.
        3 => [
            'sqlite' => [
                'CREATE TABLE score_counts (score INTEGER PRIMARY KEY, total INTEGER NOT NULL)',
                'INSERT INTO score_counts (score, total) SELECT score, COUNT(*) FROM scores WHERE hidden = 0 GROUP BY score',
                'CREATE TRIGGER scores_counted_in AFTER INSERT ON scores WHEN NEW.hidden = 0 BEGIN
                    INSERT INTO score_counts (score, total) VALUES (NEW.score, 1)
                        ON CONFLICT (score) DO UPDATE SET total = total + 1;
                 END',
                'CREATE TRIGGER scores_counted_out AFTER DELETE ON scores WHEN OLD.hidden = 0 BEGIN
                    UPDATE score_counts SET total = total - 1 WHERE score = OLD.score;
                 END',
                'CREATE TRIGGER scores_recounted_out AFTER UPDATE OF score, hidden ON scores WHEN OLD.hidden = 0 BEGIN
                    UPDATE score_counts SET total = total - 1 WHERE score = OLD.score;
                 END',
                'CREATE TRIGGER scores_recounted_in AFTER UPDATE OF score, hidden ON scores WHEN NEW.hidden = 0 BEGIN
                    INSERT INTO score_counts (score, total) VALUES (NEW.score, 1)
                        ON CONFLICT (score) DO UPDATE SET total = total + 1;
                 END',
            ],
            'pgsql' => [
                'CREATE TABLE score_counts (score INTEGER PRIMARY KEY, total BIGINT NOT NULL)',
                'INSERT INTO score_counts (score, total) SELECT score, COUNT(*) FROM scores WHERE hidden = 0 GROUP BY score',
                'CREATE FUNCTION scores_count() RETURNS trigger LANGUAGE plpgsql AS $$
                 BEGIN
                    IF TG_OP IN (\'DELETE\', \'UPDATE\') AND OLD.hidden = 0 THEN
                        UPDATE score_counts SET total = total - 1 WHERE score = OLD.score;
                    END IF;
                    IF TG_OP IN (\'INSERT\', \'UPDATE\') AND NEW.hidden = 0 THEN
                        INSERT INTO score_counts (score, total) VALUES (NEW.score, 1)
                            ON CONFLICT (score) DO UPDATE SET total = score_counts.total + 1;
                    END IF;
                    RETURN NULL;
                 END $$',
                'CREATE TRIGGER scores_counted AFTER INSERT OR DELETE OR UPDATE OF score, hidden ON scores
                    FOR EACH ROW EXECUTE FUNCTION scores_count()',
            ],
        ],
        // PostgreSQL writes a new version of a count at every result: room left in each page
        // lets it do so in place (a HOT update), so the counts stay a few pages long between
        // vacuums and adding them up stays quick.
        4 => [
            'sqlite' => [],
            'pgsql' => ['ALTER TABLE score_counts SET (fillfactor = 50)'],
        ],
        // How many rows each minute brought, for the whole table's hourly ceiling: the ceiling
        // adds up the last hour's minutes instead of walking the last hour's rows, so its cost
        // stays the same however many results an hour brings. Triggers count every new row and
        // give a deleted row's place back; minutes older than two hours are dropped as new ones
        // begin. PostgreSQL writers run side by side and each holds the row it counted in until
        // its commit, so each transaction counts in a share of the minute (a shard) that no other
        // open transaction holds; SQLite has one writer at a time and one share.
        5 => [
            'sqlite' => [
                'CREATE TABLE new_row_counts (
                    period INTEGER NOT NULL, shard INTEGER NOT NULL, total INTEGER NOT NULL,
                    PRIMARY KEY (period, shard))',
                'INSERT INTO new_row_counts (period, shard, total)
                    SELECT submitted_at / 60, 0, COUNT(*) FROM scores
                    WHERE submitted_at >= (SELECT MAX(submitted_at) FROM scores) - 7200 GROUP BY submitted_at / 60',
                'CREATE TRIGGER scores_new_counted AFTER INSERT ON scores BEGIN
                    INSERT INTO new_row_counts (period, shard, total) VALUES (NEW.submitted_at / 60, 0, 1)
                        ON CONFLICT (period, shard) DO UPDATE SET total = total + 1;
                    DELETE FROM new_row_counts WHERE period < NEW.submitted_at / 60 - 120;
                 END',
                'CREATE TRIGGER scores_new_uncounted AFTER DELETE ON scores BEGIN
                    UPDATE new_row_counts SET total = total - 1
                        WHERE period = OLD.submitted_at / 60 AND shard = 0 AND total > 0;
                 END',
            ],
            'pgsql' => [
                'CREATE TABLE new_row_counts (
                    period BIGINT NOT NULL, shard INTEGER NOT NULL, total BIGINT NOT NULL,
                    PRIMARY KEY (period, shard)) WITH (fillfactor = 50)',
                'INSERT INTO new_row_counts (period, shard, total)
                    SELECT submitted_at / 60, 0, COUNT(*) FROM scores
                    WHERE submitted_at >= (SELECT MAX(submitted_at) FROM scores) - 7200 GROUP BY submitted_at / 60',
                'CREATE FUNCTION scores_new_count() RETURNS trigger LANGUAGE plpgsql AS $$
                 DECLARE
                    share INTEGER := 0;
                    fresh BOOLEAN;
                 BEGIN
                    IF TG_OP = \'DELETE\' THEN
                        UPDATE new_row_counts AS c SET total = c.total - 1
                            WHERE (c.period, c.shard) = (SELECT d.period, d.shard FROM new_row_counts AS d
                                WHERE d.period = OLD.submitted_at / 60 AND d.total > 0 ORDER BY d.shard LIMIT 1);
                        RETURN NULL;
                    END IF;
                    -- The first share no other open transaction holds (a transaction holds the
                    -- lock of its own share already); with all of them held, one is shared.
                    WHILE share < 64 AND NOT pg_try_advisory_xact_lock(4345, share) LOOP
                        share := share + 1;
                    END LOOP;
                    IF share = 64 THEN
                        share := pg_backend_pid() % 64;
                    END IF;
                    INSERT INTO new_row_counts AS c (period, shard, total) VALUES (NEW.submitted_at / 60, share, 1)
                        ON CONFLICT (period, shard) DO UPDATE SET total = c.total + 1
                        RETURNING c.xmax = 0 INTO fresh;
                    IF fresh THEN
                        DELETE FROM new_row_counts AS c WHERE c.shard = share
                            AND c.period < NEW.submitted_at / 60 - 120;
                    END IF;
                    RETURN NULL;
                 END $$',
                'CREATE TRIGGER scores_new_counted AFTER INSERT OR DELETE ON scores
                    FOR EACH ROW EXECUTE FUNCTION scores_new_count()',
            ],
        ],
        // A new result on PostgreSQL in one call and one round trip (PostgresSubmission): the
        // replay question, both bans, the whole table's hourly ceiling, the rate limit's count,
        // the new row and its rank, in the one transaction of the call. The function keeps its
        // query plans for the life of the connection, which the workers keep open. It does what
        // ScoreTable::submit with Application::admit does on SQLite; the numbers in it are
        // GlobalCeiling's minutes (60 seconds, 61 in the window, taking turns within p_near of
        // the ceiling) and RateLimit's hour.
        6 => [
            'sqlite' => [],
            'pgsql' => [self::SUBMIT_RESULT],
        ],
        // The check value is compared as the column's own type (CHAR), so that the replay
        // question walks the unique index instead of reading every row.
        7 => [
            'sqlite' => [],
            'pgsql' => [
                'DROP FUNCTION IF EXISTS submit_result(TEXT, INTEGER, TEXT, INTEGER, TEXT, BIGINT, TEXT, TEXT, TEXT,
                    INTEGER, INTEGER, INTEGER)',
                'DROP FUNCTION IF EXISTS submit_result(TEXT, INTEGER, TEXT, INTEGER, CHAR, BIGINT, TEXT, TEXT, TEXT,
                    INTEGER, INTEGER, INTEGER)',
                self::SUBMIT_RESULT,
            ],
        ],
        // How many shown rows each bucket of 128 scores holds (score / 128), kept by triggers like
        // the counts per score: a row's rank adds up at most a hundred buckets above its own and
        // the scores above it within its bucket, instead of the count of every higher score (up
        // to ten thousand of them). Integer division keeps the buckets in the order of their
        // scores, so every score of a higher bucket is higher. On PostgreSQL the table is locked
        // while the buckets are first counted, so that no result stored meanwhile is missed, and
        // a bucket is counted in shares (below).
        8 => [
            'sqlite' => [
                'CREATE TABLE score_bucket_counts (bucket INTEGER PRIMARY KEY, total INTEGER NOT NULL)',
                'INSERT INTO score_bucket_counts (bucket, total)
                    SELECT score / 128, COUNT(*) FROM scores WHERE hidden = 0 GROUP BY score / 128',
                'CREATE TRIGGER scores_bucket_counted_in AFTER INSERT ON scores WHEN NEW.hidden = 0 BEGIN
                    INSERT INTO score_bucket_counts (bucket, total) VALUES (NEW.score / 128, 1)
                        ON CONFLICT (bucket) DO UPDATE SET total = total + 1;
                 END',
                'CREATE TRIGGER scores_bucket_counted_out AFTER DELETE ON scores WHEN OLD.hidden = 0 BEGIN
                    UPDATE score_bucket_counts SET total = total - 1 WHERE bucket = OLD.score / 128;
                 END',
                'CREATE TRIGGER scores_bucket_recounted_out AFTER UPDATE OF score, hidden ON scores WHEN OLD.hidden = 0 BEGIN
                    UPDATE score_bucket_counts SET total = total - 1 WHERE bucket = OLD.score / 128;
                 END',
                'CREATE TRIGGER scores_bucket_recounted_in AFTER UPDATE OF score, hidden ON scores WHEN NEW.hidden = 0 BEGIN
                    INSERT INTO score_bucket_counts (bucket, total) VALUES (NEW.score / 128, 1)
                        ON CONFLICT (bucket) DO UPDATE SET total = total + 1;
                 END',
            ],
            'pgsql' => [
                'LOCK TABLE scores IN SHARE ROW EXCLUSIVE MODE',
                'CREATE TABLE score_bucket_counts (
                    bucket INTEGER NOT NULL, shard INTEGER NOT NULL, total BIGINT NOT NULL,
                    PRIMARY KEY (bucket, shard)) WITH (fillfactor = 50)',
                'INSERT INTO score_bucket_counts (bucket, shard, total)
                    SELECT score / 128, 0, COUNT(*) FROM scores WHERE hidden = 0 GROUP BY score / 128',
                // Writers run side by side, and a bucket's count is held by the writer that
                // changed it until its commit: a new row is counted in the share of the minute
                // its transaction holds for the hourly ceiling (new_row_counts), which no other
                // open transaction holds, so that writers of neighbouring scores never wait for
                // each other.
                'CREATE OR REPLACE FUNCTION scores_count() RETURNS trigger LANGUAGE plpgsql AS $$
                 DECLARE
                    share INTEGER := 0;
                 BEGIN
                    IF TG_OP IN (\'DELETE\', \'UPDATE\') AND OLD.hidden = 0 THEN
                        UPDATE score_counts SET total = total - 1 WHERE score = OLD.score;
                        UPDATE score_bucket_counts AS c SET total = c.total - 1
                            WHERE (c.bucket, c.shard) = (SELECT d.bucket, d.shard FROM score_bucket_counts AS d
                                WHERE d.bucket = OLD.score / 128 AND d.total > 0 ORDER BY d.shard LIMIT 1);
                    END IF;
                    IF TG_OP IN (\'INSERT\', \'UPDATE\') AND NEW.hidden = 0 THEN
                        INSERT INTO score_counts (score, total) VALUES (NEW.score, 1)
                            ON CONFLICT (score) DO UPDATE SET total = score_counts.total + 1;
                        WHILE share < 64 AND NOT pg_try_advisory_xact_lock(4345, share) LOOP
                            share := share + 1;
                        END LOOP;
                        IF share = 64 THEN
                            share := pg_backend_pid() % 64;
                        END IF;
                        INSERT INTO score_bucket_counts AS c (bucket, shard, total) VALUES (NEW.score / 128, share, 1)
                            ON CONFLICT (bucket, shard) DO UPDATE SET total = c.total + 1;
                    END IF;
                    RETURN NULL;
                 END $$',
                self::SUBMIT_RESULT,
            ],
        ],
    ];

    private const SUBMIT_RESULT = <<<'SQL'
        CREATE OR REPLACE FUNCTION submit_result(
            p_player TEXT, p_score INTEGER, p_email TEXT, p_rand INTEGER, p_check CHAR(32),
            p_now BIGINT, p_network TEXT, p_address TEXT, p_name_key TEXT,
            p_rate_limit INTEGER, p_ceiling INTEGER, p_near INTEGER)
        RETURNS TABLE (outcome TEXT, wait BIGINT, logged BOOLEAN, id BIGINT, player TEXT,
            score INTEGER, submitted_at BIGINT, ahead BIGINT)
        LANGUAGE plpgsql AS $$
        #variable_conflict use_column
        DECLARE
            row_id BIGINT;
            first_period BIGINT := p_now / 60 - 60;
            counted BIGINT;
            excess BIGINT;
            recent BIGINT;
            oldest BIGINT;
            noted INTEGER;
            minute RECORD;
        BEGIN
            SELECT s.id INTO row_id FROM scores AS s WHERE s.check_value = p_check AND s.rand = p_rand;
            IF row_id IS NULL THEN
                IF EXISTS (SELECT 1 FROM banned_names AS b WHERE b.name_key = p_name_key) THEN
                    RETURN QUERY SELECT 'name_banned'::TEXT, 0::BIGINT, FALSE, NULL::BIGINT, NULL::TEXT,
                        NULL::INTEGER, NULL::BIGINT, NULL::BIGINT;
                    RETURN;
                END IF;
                IF p_address IS NOT NULL AND EXISTS (SELECT 1 FROM banned_networks AS b
                        WHERE p_address::inet <<= b.network::inet) THEN
                    RETURN QUERY SELECT 'network_banned'::TEXT, 0::BIGINT, FALSE, NULL::BIGINT, NULL::TEXT,
                        NULL::INTEGER, NULL::BIGINT, NULL::BIGINT;
                    RETURN;
                END IF;
                IF p_ceiling > 0 THEN
                    SELECT COALESCE(SUM(c.total), 0) INTO counted FROM new_row_counts AS c
                        WHERE c.period >= first_period;
                    IF counted >= p_ceiling - p_near THEN
                        -- Near the ceiling writers take turns, each counting what those before it stored.
                        PERFORM pg_advisory_xact_lock(4344, 0);
                        SELECT COALESCE(SUM(c.total), 0) INTO counted FROM new_row_counts AS c
                            WHERE c.period >= first_period;
                    END IF;
                    IF counted >= p_ceiling THEN
                        -- The wait: until the oldest minutes have left the window with enough rows.
                        FOR minute IN SELECT c.period, SUM(c.total) AS total, SUM(SUM(c.total)) OVER () AS whole
                                FROM new_row_counts AS c WHERE c.period >= first_period
                                GROUP BY c.period ORDER BY c.period LOOP
                            excess := COALESCE(excess, minute.whole - p_ceiling + 1) - minute.total;
                            IF excess <= 0 THEN
                                INSERT INTO server_notices AS n (kind, logged_at) VALUES ('ceiling', p_now)
                                    ON CONFLICT (kind) DO UPDATE SET logged_at = excluded.logged_at
                                    WHERE n.logged_at <= p_now - 3600;
                                GET DIAGNOSTICS noted = ROW_COUNT;
                                RETURN QUERY SELECT 'table_full'::TEXT, GREATEST(1, (minute.period + 61) * 60 - p_now),
                                    noted > 0, NULL::BIGINT, NULL::TEXT, NULL::INTEGER, NULL::BIGINT, NULL::BIGINT;
                                RETURN;
                            END IF;
                        END LOOP;
                    END IF;
                END IF;
                IF p_rate_limit > 0 THEN
                    -- One client's requests take turns, so that two in flight cannot pass the limit together.
                    PERFORM pg_advisory_xact_lock(43, hashtext(p_network));
                    SELECT COUNT(*), MIN(a.at) INTO recent, oldest FROM submission_attempts AS a
                        WHERE a.client = p_network AND a.at > p_now - 3600;
                    IF recent >= p_rate_limit THEN
                        RETURN QUERY SELECT 'rate_limited'::TEXT, GREATEST(1, oldest + 3600 - p_now), FALSE,
                            NULL::BIGINT, NULL::TEXT, NULL::INTEGER, NULL::BIGINT, NULL::BIGINT;
                        RETURN;
                    END IF;
                    DELETE FROM submission_attempts AS a WHERE a.at <= p_now - 3600;
                    INSERT INTO submission_attempts (client, at) VALUES (p_network, p_now);
                END IF;
                INSERT INTO scores AS s (player, score, email, rand, check_value, submitted_at, client_network)
                    VALUES (p_player, p_score, p_email, p_rand, p_check, p_now, p_network)
                    ON CONFLICT (check_value, rand) DO NOTHING
                    RETURNING s.id INTO row_id;
                IF row_id IS NULL THEN
                    -- A copy that arrived at the same moment stored it first.
                    SELECT s.id INTO row_id FROM scores AS s WHERE s.check_value = p_check AND s.rand = p_rand;
                    IF row_id IS NULL THEN
                        RAISE EXCEPTION 'a conflicting row vanished';
                    END IF;
                END IF;
            END IF;
            -- The row with the number of shown rows ahead of it (none for a hidden row), as
            -- ScoreTable::rowWithRank counts them.
            RETURN QUERY SELECT 'stored'::TEXT, 0::BIGINT, FALSE, s.id, s.player, s.score, s.submitted_at,
                CASE WHEN s.hidden = 0 THEN
                    (SELECT COALESCE(SUM(b.total), 0) FROM score_bucket_counts AS b WHERE b.bucket > s.score / 128)::BIGINT
                    + (SELECT COALESCE(SUM(c.total), 0) FROM score_counts AS c WHERE c.score > s.score
                        AND c.score < s.score + 256 AND c.score / 128 = s.score / 128)::BIGINT
                    + (SELECT COUNT(*) FROM scores AS e WHERE e.hidden = 0 AND e.score = s.score AND e.id < s.id)
                END
                FROM scores AS s WHERE s.id = row_id;
        END $$
        SQL;

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
        if ($driver === 'sqlite') {
            // A write transaction on SQLite starts by locking this table (Database::writing).
            $pdo->exec(self::VERSION_TABLE);
        }
        Database::writing($pdo, static function () use ($pdo, $driver, $target): void {
            if ($driver === 'pgsql') {
                $pdo->query('SELECT pg_advisory_xact_lock(4343)');
            }
            $pdo->exec(self::VERSION_TABLE);
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
