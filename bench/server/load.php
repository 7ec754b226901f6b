<?php
// A bounded load generator for the on-line table, for loopback addresses only: requests every
// path of a list once, with a fixed number of requests in flight, then stops and prints the
// figures as one JSON object.
//   php load.php BASE LIST_FILE CLIENTS [--spread]
// BASE must be http://127.x.x.x:PORT or http://[::1]:PORT. With --spread every request comes from
// a loopback address of its own (127.1.0.1, 127.1.0.2, ...), as if from many players, so that
// limits per client address are not what is measured.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

[, $base, $listFile, $clients, $spread] = $argv + [null, null, null, null, null];
$spread = $spread === '--spread';
if (!is_string($base) || preg_match('#^http://(127\.\d+\.\d+\.\d+|\[::1\]):\d+$#', $base) !== 1) {
    fwrite(STDERR, "usage: php load.php http://127.0.0.1:PORT LIST_FILE CLIENTS (loopback only)\n");
    exit(2);
}
$paths = file((string) $listFile, FILE_IGNORE_NEW_LINES | FILE_SKIP_EMPTY_LINES);
$clients = max(1, (int) $clients);
if ($paths === false || $paths === []) {
    fwrite(STDERR, "no paths in $listFile\n");
    exit(2);
}

$multi = curl_multi_init();
$next = 0;
$latencies = [];
$statuses = [];
$start = hrtime(true);
$add = static function () use (&$next, $paths, $base, $multi, $spread): void {
    $curl = curl_init($base . $paths[$next]);
    curl_setopt_array($curl, [CURLOPT_RETURNTRANSFER => true, CURLOPT_TIMEOUT => 30, CURLOPT_FORBID_REUSE => true]);
    if ($spread) {
        curl_setopt($curl, CURLOPT_INTERFACE, sprintf('127.%d.%d.%d', 1 + intdiv($next, 62_500), 1 + intdiv($next, 250) % 250, 1 + $next % 250));
    }
    ++$next;
    curl_multi_add_handle($multi, $curl);
};
while ($next < count($paths) && $next < $clients) {
    $add();
}
do {
    curl_multi_exec($multi, $running);
    while (($done = curl_multi_info_read($multi)) !== false) {
        $curl = $done['handle'];
        $latencies[] = curl_getinfo($curl, CURLINFO_TOTAL_TIME_T) / 1000.0; // ms
        $status = $done['result'] === CURLE_OK ? curl_getinfo($curl, CURLINFO_RESPONSE_CODE) : 'failed';
        $statuses[$status] = ($statuses[$status] ?? 0) + 1;
        curl_multi_remove_handle($multi, $curl);
        if ($next < count($paths)) {
            $add();
            $running = 1;
        }
    }
    if ($running > 0) {
        curl_multi_select($multi, 0.5);
    }
} while ($running > 0);
$seconds = (hrtime(true) - $start) / 1e9;

sort($latencies);
$at = static fn (float $q): float => round($latencies[min(count($latencies) - 1, (int) floor($q * count($latencies)))], 1);
ksort($statuses);
echo json_encode([
    'requests' => count($latencies),
    'clients' => $clients,
    'seconds' => round($seconds, 2),
    'per_second' => round(count($latencies) / $seconds, 1),
    'p50_ms' => $at(0.50),
    'p99_ms' => $at(0.99),
    'max_ms' => round(end($latencies), 1),
    'statuses' => $statuses,
]), "\n";
