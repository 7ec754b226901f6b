<?php
// Writes N distinct valid submission paths (the game's encoding and check value), one per line,
// with names TAG0000001 ... so that a run's rows can be counted afterwards.
//   php make-addresses.php N TAG OUT_FILE
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

require __DIR__ . '/../../server/src/autoload.php';

use SixDice\Server\SubmissionParser;

[, $count, $tag, $out] = $argv + [null, null, null, null];
$count = (int) $count;
if ($count < 1 || !is_string($tag) || strlen($tag) > 3 || !is_string($out)) {
    fwrite(STDERR, "usage: php make-addresses.php N TAG(1-3 letters) OUT_FILE\n");
    exit(2);
}
$lines = '';
for ($i = 0; $i < $count; ++$i) {
    $name = $tag . str_pad((string) $i, 10 - strlen($tag), '0', STR_PAD_LEFT);
    $score = (string) (($i * 7919) % 10741);
    $rand = (string) ($i % 10000);
    $lines .= '/savescore.php?gid=43&player=' . rawurlencode($name) . "&score=$score&email=load%40example.cz"
        . "&rand=$rand&check=" . SubmissionParser::checkValue($name, $score, $rand) . "\n";
}
file_put_contents($out, $lines);
