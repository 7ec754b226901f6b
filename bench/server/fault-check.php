<?php
// Checks a load run made while a fault was injected (bench/server/run-faults):
//   php fault-check.php answers DSN TAG LIST LOG RESEND_FILE [--no-answer-allowed]
//       every request of LIST (load.php --log=LOG): answered 200 and then stored exactly once,
//       or answered 503 with Retry-After, or 500 with a page that says to try again (anything
//       else is counted as "other"); writes the paths not answered 200 to RESEND_FILE. A
//       connection closed without an answer is wrong too, unless --no-answer-allowed (a server
//       with no proxy in front of it, whose worker was killed, has nobody left to answer).
//   php fault-check.php stored DSN TAG LIST
//       after those were sent again: every request of LIST stored exactly once, and the
//       database consistent (SQLite's integrity check; the counts per score against the rows)
// Prints one JSON object; exits 1 when something is wrong.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

[, $step, $dsn, $tag, $list] = $argv + [null, null, null, null, null];
if (!in_array($step, ['answers', 'stored'], true) || !is_string($dsn) || !is_string($tag) || !is_string($list)) {
    fwrite(STDERR, "usage: php fault-check.php answers|stored DSN TAG LIST [LOG RESEND_FILE]\n");
    exit(2);
}
$paths = file($list, FILE_IGNORE_NEW_LINES | FILE_SKIP_EMPTY_LINES);
$pdo = new PDO($dsn, options: [PDO::ATTR_ERRMODE => PDO::ERRMODE_EXCEPTION]);
$statement = $pdo->prepare('SELECT player, COUNT(*) FROM scores WHERE player LIKE ? GROUP BY player');
$statement->execute([$tag . '%']);
$stored = $statement->fetchAll(PDO::FETCH_KEY_PAIR);
// The name of the n-th path (make-addresses.php): the tag and the number, ten characters.
$name = static fn (int $index): string => $tag . str_pad((string) $index, 10 - strlen($tag), '0', STR_PAD_LEFT);
$problems = [];

if ($step === 'answers') {
    [$log, $resendFile, $allowance] = array_slice($argv, 5, 3) + [null, null, null];
    $figures = ['sent' => count($paths), 'ok' => 0, 'unavailable_503' => 0, 'failed_500' => 0, 'no_answer' => 0,
        'other' => 0, 'ok_stored_once' => 0, 'ok_lost' => 0, 'ok_twice' => 0, 'to_resend' => 0];
    $resend = '';
    foreach (file((string) $log, FILE_IGNORE_NEW_LINES) as $line) {
        [$number, $status, $retryAfter, $tryAgain] = explode("\t", $line);
        $index = (int) $number - 1;
        $times = (int) ($stored[$name($index)] ?? 0);
        if ($status === '200') {
            ++$figures['ok'];
            $figures[match ($times) { 1 => 'ok_stored_once', 0 => 'ok_lost', default => 'ok_twice' }]++;
            continue;
        }
        $resend .= $paths[$index] . "\n";
        ++$figures['to_resend'];
        if ($status === '503' && $retryAfter !== '-') {
            ++$figures['unavailable_503'];
        } elseif ($status === '500' && $tryAgain === '1') {
            ++$figures['failed_500'];
        } elseif ($status === '0') {
            ++$figures['no_answer'];
            if ($allowance !== '--no-answer-allowed') {
                $problems[] = "request $number got no answer";
            }
        } else {
            ++$figures['other'];
            $problems[] = "request $number answered $status (Retry-After $retryAfter)";
        }
    }
    if ($figures['ok'] + $figures['to_resend'] !== count($paths)) {
        $problems[] = 'the log does not cover every request';
    }
    if ($figures['ok_lost'] > 0 || $figures['ok_twice'] > 0) {
        $problems[] = "answered 200 but lost: {$figures['ok_lost']}, stored twice: {$figures['ok_twice']}";
    }
    file_put_contents((string) $resendFile, $resend);
} else {
    $figures = ['rows' => array_sum($stored), 'names' => count($stored), 'lost' => 0, 'duplicates' => 0];
    foreach (array_keys($paths) as $index) {
        $times = (int) ($stored[$name($index)] ?? 0);
        if ($times === 0) {
            ++$figures['lost'];
        } elseif ($times > 1) {
            $figures['duplicates'] += $times - 1;
        }
    }
    if ($figures['lost'] > 0 || $figures['duplicates'] > 0) {
        $problems[] = "after sending again: {$figures['lost']} lost, {$figures['duplicates']} stored twice";
    }
    if ($pdo->getAttribute(PDO::ATTR_DRIVER_NAME) === 'sqlite') {
        $figures['integrity'] = $pdo->query('PRAGMA integrity_check')->fetchColumn();
        if ($figures['integrity'] !== 'ok') {
            $problems[] = "integrity check: {$figures['integrity']}";
        }
    }
    // The counts per score and per bucket of scores agree with the rows; no (check value,
    // random number) twice.
    $wrong = (int) $pdo->query(
        'SELECT COUNT(*) FROM (SELECT score, COUNT(*) AS n FROM scores WHERE hidden = 0 GROUP BY score) AS r
         FULL OUTER JOIN (SELECT score, total FROM score_counts WHERE total <> 0) AS c ON c.score = r.score
         WHERE r.n IS NULL OR c.total IS NULL OR r.n <> c.total'
    )->fetchColumn();
    $wrong += (int) $pdo->query(
        'SELECT COUNT(*) FROM (SELECT score / 128 AS bucket, COUNT(*) AS n FROM scores WHERE hidden = 0 GROUP BY score / 128) AS r
         FULL OUTER JOIN (SELECT bucket, SUM(total) AS total FROM score_bucket_counts GROUP BY bucket HAVING SUM(total) <> 0) AS c
             ON c.bucket = r.bucket
         WHERE r.n IS NULL OR c.total IS NULL OR r.n <> c.total'
    )->fetchColumn();
    $twice = (int) $pdo->query(
        'SELECT COUNT(*) FROM (SELECT 1 FROM scores GROUP BY check_value, rand HAVING COUNT(*) > 1) AS d'
    )->fetchColumn();
    // The hourly ceiling's counts per minute agree with the rows of the minutes it keeps.
    $minutes = (int) $pdo->query(
        'SELECT COUNT(*) FROM (SELECT submitted_at / 60 AS period, COUNT(*) AS n FROM scores
             WHERE submitted_at / 60 >= (SELECT MAX(submitted_at) / 60 - 120 FROM scores) GROUP BY submitted_at / 60) AS r
         FULL OUTER JOIN (SELECT period, SUM(total) AS total FROM new_row_counts
             WHERE period >= (SELECT MAX(submitted_at) / 60 - 120 FROM scores) GROUP BY period HAVING SUM(total) <> 0) AS c
             ON c.period = r.period
         WHERE r.n IS NULL OR c.total IS NULL OR r.n <> c.total'
    )->fetchColumn();
    $figures['consistent'] = $wrong === 0 && $twice === 0 && $minutes === 0;
    if (!$figures['consistent']) {
        $problems[] = "$wrong scores counted wrongly, $minutes minutes counted wrongly, $twice submissions stored twice";
    }
}
$figures['problems'] = $problems;
echo json_encode($figures), "\n";
exit($problems === [] ? 0 : 1);
