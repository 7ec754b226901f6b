<?php
// The table at scale: fills the database DSN up to ROWS rows (distinct valid-looking results
// spread over the whole score range and a year of dates, names TAB0000001 ...), then times what
// a request does with that many rows: the table page (the first hundred, rendered) and a new
// submission's rank, for rows from the top to the very bottom, and the hourly ceiling's count.
// Prints one JSON object.
//   php scale.php DSN ROWS
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

require __DIR__ . '/../../server/src/autoload.php';

use SixDice\Server\Config;
use SixDice\Server\Database;
use SixDice\Server\GlobalCeiling;
use SixDice\Server\HtmlView;
use SixDice\Server\Plausibility;
use SixDice\Server\Query;
use SixDice\Server\ScoreTable;

[, $dsn, $rows] = $argv + [null, null, null];
$rows = (int) $rows;
if (!is_string($dsn) || $rows < 1) {
    fwrite(STDERR, "usage: php scale.php DSN ROWS\n");
    exit(2);
}
$pdo = Database::open(new Config(dsn: $dsn));
$table = new ScoreTable($pdo);

// Filling: many rows per statement and per transaction, the triggers keeping the counts per score;
// a generator's rows need not survive a power cut, so nothing waits for the disk meanwhile.
$have = $table->count();
$pdo->exec(Database::isSqlite($pdo) ? 'PRAGMA synchronous = OFF' : 'SET synchronous_commit = off');
if (!Database::isSqlite($pdo)) {
    // A million rows in a few big transactions would leave a million dead versions of the counts
    // per score, which years of single results (and autovacuum) never do: PostgreSQL counts the
    // rows once afterwards instead, as the schema's migration counts an existing table. The rows
    // are dated a year and more ago, beyond the minutes the hourly ceiling counts.
    $pdo->exec('ALTER TABLE scores DISABLE TRIGGER scores_counted');
    $pdo->exec('ALTER TABLE scores DISABLE TRIGGER scores_new_counted');
}
$start = hrtime(true);
$batch = 500;
for ($next = $have; $next < $rows;) {
    $pdo->beginTransaction();
    for ($end = min($rows, $next + 50 * $batch); $next < $end; $next += $n) {
        $n = min($batch, $end - $next);
        $values = [];
        for ($i = $next; $i < $next + $n; ++$i) {
            // A deterministic spread: scores over 0..MAX_SCORE, a result every ~30 s for a year.
            array_push($values, sprintf('S%09d', $i), ($i * 7919) % (Plausibility::MAX_SCORE + 1), '',
                $i % 10000, md5("scale $i"), 1_700_000_000 + 31 * $i);
        }
        $pdo->prepare('INSERT INTO scores (player, score, email, rand, check_value, submitted_at) VALUES '
            . implode(', ', array_fill(0, $n, '(?, ?, ?, ?, ?, ?)')))->execute($values);
    }
    $pdo->commit();
}
if (Database::isSqlite($pdo)) {
    $pdo->query('PRAGMA wal_checkpoint(TRUNCATE)')->fetchAll();
    $pdo->exec('PRAGMA synchronous = NORMAL');
} else {
    $pdo->exec('SET synchronous_commit = on');
    $pdo->beginTransaction();
    $pdo->exec('DELETE FROM score_counts');
    $pdo->exec('INSERT INTO score_counts (score, total) SELECT score, COUNT(*) FROM scores WHERE hidden = 0 GROUP BY score');
    $pdo->exec('DELETE FROM score_bucket_counts');
    $pdo->exec('INSERT INTO score_bucket_counts (bucket, shard, total)
        SELECT score / 128, 0, COUNT(*) FROM scores WHERE hidden = 0 GROUP BY score / 128');
    $pdo->exec('ALTER TABLE scores ENABLE TRIGGER scores_counted');
    $pdo->exec('ALTER TABLE scores ENABLE TRIGGER scores_new_counted');
    $pdo->commit();
    // What autovacuum does a little later: the index-only scans need the visibility map.
    $pdo->exec('VACUUM ANALYZE scores');
    $pdo->exec('VACUUM ANALYZE score_counts');
    $pdo->exec('VACUUM ANALYZE score_bucket_counts');
}
$filled = (hrtime(true) - $start) / 1e9;

/** @param list<float> $times milliseconds */
$figures = static function (array $times): array {
    sort($times);
    return [
        'median_ms' => round($times[intdiv(count($times), 2)], 3),
        'p99_ms' => round($times[min(count($times) - 1, (int) floor(0.99 * count($times)))], 3),
        'max_ms' => round(end($times), 3),
    ];
};
$page = [];
$query = Query::parse('gid=43');
for ($i = 0; $i < 200; ++$i) {
    $t = hrtime(true);
    (new HtmlView('en', 'Europe/Prague'))->table($table->top(), null, $query);
    $page[] = (hrtime(true) - $t) / 1e6;
}
// Ranks of rows all over the table: the best, the worst, and a spread in between.
$ids = $pdo->query('SELECT MIN(id), MAX(id) FROM scores')->fetch(PDO::FETCH_NUM);
$worst = $pdo->query('SELECT id FROM scores WHERE hidden = 0 ORDER BY score ASC, id DESC LIMIT 1')->fetchColumn();
$best = $table->top(1)[0]['id'];
$rank = [];
$checked = 0;
foreach (array_merge([(int) $worst, (int) $best], array_map(static fn (): int => random_int((int) $ids[0], (int) $ids[1]), range(1, 300))) as $id) {
    $t = hrtime(true);
    $row = $table->rowWithRank($id);
    $rank[] = (hrtime(true) - $t) / 1e6;
    if ($row !== null && $checked < 3) {
        // The rank agrees with counting every row ahead (slow, so only a few).
        $ahead = $pdo->prepare('SELECT COUNT(*) FROM scores WHERE hidden = 0 AND (score > ? OR (score = ? AND id < ?))');
        $ahead->execute([$row['score'], $row['score'], $id]);
        if ((int) $ahead->fetchColumn() + 1 !== $row['rank']) {
            fwrite(STDERR, "row $id: rank {$row['rank']} disagrees with counting\n");
            exit(1);
        }
        ++$checked;
    }
}
// The whole table's hourly ceiling, as a submission asks it, at its default and at a thousand
// results a second.
$ceilingTimes = [];
foreach ([600, 3_600_000] as $perHour) {
    $ceiling = new GlobalCeiling($pdo, $perHour);
    for ($i = 0; $i < 100; ++$i) {
        $t = hrtime(true);
        $ceiling->wait(time());
        $ceilingTimes[] = (hrtime(true) - $t) / 1e6;
    }
}
echo json_encode([
    'driver' => $pdo->getAttribute(PDO::ATTR_DRIVER_NAME),
    'rows' => $table->count(),
    'fill_seconds' => round($filled, 1),
    'table_page' => $figures($page),
    'rank' => $figures($rank),
    'hourly_ceiling' => $figures($ceilingTimes),
    'worst_rank' => $table->rowWithRank((int) $worst)['rank'],
]), "\n";
