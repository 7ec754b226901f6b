<?php
// A bounded load generator for the on-line table, for loopback addresses only: requests every
// path of a list once, with a fixed number of requests in flight, then stops and prints the
// figures as one JSON object.
//   php load.php BASE LIST_FILE CLIENTS [--spread] [--pace=N] [--log=FILE]
// BASE must be http://127.x.x.x:PORT or http://[::1]:PORT.
//   --spread    every request comes from a loopback address of its own (127.1.0.1, 127.1.0.2,
//               ...), as if from many players, so that limits per client address are not what
//               is measured
//   --pace=N    at most N requests started per second (a steady load that lasts while faults
//               are made)
//   --log=FILE  one line per request, in the list's order: its line number, the HTTP status
//               (0: no answer), the Retry-After header (- when none), and 1 when the page says
//               to try again (in either language)
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

[, $base, $listFile, $clients] = $argv + [null, null, null, null];
$options = ['spread' => false, 'pace' => 0.0, 'log' => null];
foreach (array_slice($argv, 4) as $option) {
    if ($option === '--spread') {
        $options['spread'] = true;
    } elseif (preg_match('/^--pace=(\d+(\.\d+)?)$/D', $option, $m) === 1) {
        $options['pace'] = (float) $m[1];
    } elseif (preg_match('/^--log=(.+)$/D', $option, $m) === 1) {
        $options['log'] = $m[1];
    } else {
        fwrite(STDERR, "unknown option $option\n");
        exit(2);
    }
}
if (!is_string($base) || preg_match('#^http://(127\.\d+\.\d+\.\d+|\[::1\]):\d+$#', $base) !== 1) {
    fwrite(STDERR, "usage: php load.php http://127.0.0.1:PORT LIST_FILE CLIENTS [--spread] [--pace=N] [--log=FILE] (loopback only)\n");
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
$outcomes = [];
$handles = [];
$start = hrtime(true);
$add = static function () use (&$next, &$handles, $paths, $base, $multi, $options): void {
    $curl = curl_init($base . $paths[$next]);
    curl_setopt_array($curl, [
        CURLOPT_RETURNTRANSFER => true, CURLOPT_TIMEOUT => 60, CURLOPT_FORBID_REUSE => true,
        CURLOPT_HEADER => $options['log'] !== null,
    ]);
    if ($options['spread']) {
        curl_setopt($curl, CURLOPT_INTERFACE, sprintf('127.%d.%d.%d', 1 + intdiv($next, 62_500), 1 + intdiv($next, 250) % 250, 1 + $next % 250));
    }
    $handles[spl_object_id($curl)] = $next++;
    curl_multi_add_handle($multi, $curl);
};
$due = static function () use (&$next, $start, $options): bool {
    return $options['pace'] <= 0 || $next < (hrtime(true) - $start) / 1e9 * $options['pace'] + 1;
};
$inFlight = 0;
do {
    while ($next < count($paths) && $inFlight < $clients && $due()) {
        $add();
        ++$inFlight;
    }
    curl_multi_exec($multi, $running);
    while (($done = curl_multi_info_read($multi)) !== false) {
        $curl = $done['handle'];
        --$inFlight;
        $latencies[] = curl_getinfo($curl, CURLINFO_TOTAL_TIME_T) / 1000.0; // ms
        $status = $done['result'] === CURLE_OK ? curl_getinfo($curl, CURLINFO_RESPONSE_CODE) : 'failed';
        $statuses[$status] = ($statuses[$status] ?? 0) + 1;
        if ($options['log'] !== null) {
            $answer = (string) curl_multi_getcontent($curl);
            $head = substr($answer, 0, curl_getinfo($curl, CURLINFO_HEADER_SIZE));
            $retry = preg_match('/^Retry-After:\s*(\d+)/mi', $head, $m) === 1 ? $m[1] : '-';
            $again = preg_match('/try again|Zkuste to/', $answer) === 1 ? 1 : 0;
            $outcomes[$handles[spl_object_id($curl)]] = sprintf("%d\t%d\t%s\t%d\n", $handles[spl_object_id($curl)] + 1,
                $status === 'failed' ? 0 : $status, $retry, $again);
        }
        unset($handles[spl_object_id($curl)]);
        curl_multi_remove_handle($multi, $curl);
    }
    if ($inFlight > 0) {
        curl_multi_select($multi, 0.01);
    } elseif ($next < count($paths)) {
        usleep(1000);
    }
} while ($inFlight > 0 || $next < count($paths));
$seconds = (hrtime(true) - $start) / 1e9;
$usage = getrusage();
$cpu = $usage['ru_utime.tv_sec'] * 1e6 + $usage['ru_utime.tv_usec'] + $usage['ru_stime.tv_sec'] * 1e6 + $usage['ru_stime.tv_usec'];
if ($options['log'] !== null) {
    ksort($outcomes);
    file_put_contents($options['log'], implode('', $outcomes));
}

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
    'client_cpu_us' => (int) round($cpu / max(1, count($latencies))),
]), "\n";
