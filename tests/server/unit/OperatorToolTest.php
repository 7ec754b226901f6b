<?php
// The operator's tool, run as the operator runs it, on SQLite or on the PostgreSQL database that
// SIXDICE_TEST_DSN names.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

use PHPUnit\Framework\TestCase;
use SixDice\Server\Config;
use SixDice\Server\Database;
use SixDice\Server\ScoreTable;
use SixDice\Server\Submission;
use SixDice\Server\Tests\TestDatabase;

final class OperatorToolTest extends TestCase
{
    private Config $config;
    private PDO $pdo;
    private ScoreTable $table;

    protected function setUp(): void
    {
        $this->config = TestDatabase::config();
        $this->pdo = Database::open($this->config);
        TestDatabase::empty($this->pdo);
        $this->table = new ScoreTable($this->pdo);
    }

    /** @return array{0:int, 1:string, 2:string} exit status, standard output, standard error */
    private function tool(string ...$arguments): array
    {
        $process = proc_open(
            [PHP_BINARY, __DIR__ . '/../../../server/bin/sixdice-table', ...$arguments],
            [1 => ['pipe', 'w'], 2 => ['pipe', 'w']],
            $pipes,
            null,
            ['SIXDICE_SERVER_DSN' => $this->config->dsn, 'PATH' => getenv('PATH') ?: '/usr/bin:/bin'],
        );
        $out = stream_get_contents($pipes[1]);
        $err = stream_get_contents($pipes[2]);
        return [proc_close($process), $out, $err];
    }

    private function store(string $player, int $score, string $email, int $at = 1_700_000_000): int
    {
        return $this->table->record(new Submission($player, $score, $email, random_int(0, 9999), md5(random_bytes(8))), $at);
    }

    public function testListingWritesNothingATerminalWouldActOn(): void
    {
        // Rows written before names and addresses were checked this strictly.
        $id = $this->store("\u{202E}Eva\x1B[2J", 100, "x\u{9B}31m@a.cz\tb\nc");
        [$status, $out] = $this->tool('list', '--emails');
        self::assertSame(0, $status);
        self::assertSame("$id\t1\t100\t2023-11-14 22:13:20\t\\u{202E}Eva\\x1B[2J\tx\\u{009B}31m@a.cz\\tb\\nc\n", $out);
        self::assertDoesNotMatchRegularExpression('/[\x00-\x08\x0B-\x1F\x7F]|\xC2[\x80-\x9F]|\xE2\x80\xAE/', $out);
    }
}
