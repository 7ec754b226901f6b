<?php
// Runs the server's query reading and submission check on one query string, with no database:
//   php verify_query.php QUERY
// prints "accepted<TAB>name<TAB>score<TAB>rand<TAB>email", "table" or "refused<TAB>reason".
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

require __DIR__ . '/../../server/src/autoload.php';

use SixDice\Server\Query;
use SixDice\Server\Refusal;
use SixDice\Server\SubmissionParser;

$query = Query::parse($argv[1] ?? '');
if (!$query instanceof Refusal && !$query->isSubmission()) {
    echo $query->get('gid') === SubmissionParser::GAME_ID ? "table\n" : "refused\twrong_game\n";
    exit;
}
$result = $query instanceof Refusal ? $query : (new SubmissionParser())->parse($query);
if ($result instanceof Refusal) {
    echo "refused\t", $result->reason->value, "\n";
} else {
    echo implode("\t", ['accepted', $result->player, $result->score, $result->rand, $result->email]), "\n";
}
