<?php
// How long this disk takes to flush a small write: N times a 4 KiB write and fdatasync() in a
// file in FOLDER (the database's), as SQLite's commit does. Prints the median and the mean in ms.
//   php flush-latency.php FOLDER [N]
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

[, $folder, $count] = $argv + [null, null, '100'];
if (!is_string($folder) || !is_dir($folder)) {
    fwrite(STDERR, "usage: php flush-latency.php FOLDER [N]\n");
    exit(2);
}
$file = $folder . '/flush-latency.' . getmypid();
$handle = fopen($file, 'w');
$block = str_repeat("\x5a", 4096);
$times = [];
for ($i = 0; $i < max(5, (int) $count); ++$i) {
    $start = hrtime(true);
    fwrite($handle, $block);
    fflush($handle);
    fdatasync($handle);
    $times[] = (hrtime(true) - $start) / 1e6;
}
fclose($handle);
unlink($file);
sort($times);
printf("%.2f %.2f\n", $times[intdiv(count($times), 2)], array_sum($times) / count($times));
