<?php
// The schema, storing once, ranks and the rate limit, on SQLite or on the PostgreSQL database
// that SIXDICE_TEST_DSN names.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

use PHPUnit\Framework\TestCase;
use SixDice\Server\Database;
use SixDice\Server\RateLimit;
use SixDice\Server\Schema;
use SixDice\Server\ScoreTable;
use SixDice\Server\Submission;
use SixDice\Server\Tests\TestDatabase;

final class StorageTest extends TestCase
{
    private PDO $pdo;
    private ScoreTable $table;

    protected function setUp(): void
    {
        $this->pdo = Database::open(TestDatabase::config());
        TestDatabase::empty($this->pdo);
        $this->table = new ScoreTable($this->pdo);
    }

    private function store(string $player, int $score, int $rand, int $at = 1_700_000_000): int
    {
        return $this->table->record(new Submission($player, $score, "$player@example.cz", $rand, md5("$player$score$rand")), $at);
    }

    public function testTheSchemaIsAppliedOnceAndRecorded(): void
    {
        self::assertSame(Schema::latestVersion(), Schema::currentVersion($this->pdo));
        Schema::bringUpToDate($this->pdo);
        $second = Database::open(TestDatabase::config());
        self::assertSame(1, (int) $second->query('SELECT COUNT(*) FROM schema_version WHERE version = 1')->fetchColumn());
        if (Database::isSqlite($this->pdo)) {
            self::assertSame('wal', $this->pdo->query('PRAGMA journal_mode')->fetchColumn());
        }
    }

    public function testWorkersMeetingANewSqliteFileAllGetIt(): void
    {
        // Eight workers open a file that does not exist yet at the same moment, ten times over:
        // one creates it, one switches it to WAL mode, one creates the schema, and none fails.
        $folder = sys_get_temp_dir() . '/sixdice-first-use-' . bin2hex(random_bytes(4));
        if (!Database::isSqlite($this->pdo)) {
            self::markTestSkipped('a SQLite matter');
        }
        $code = 'require $argv[1]; if (microtime(true) < (float) $argv[3]) { time_sleep_until((float) $argv[3]); }'
            . '$p = SixDice\\Server\\Database::open(new SixDice\\Server\\Config(dsn: "sqlite:" . $argv[2]));'
            . 'echo $p->query("PRAGMA journal_mode")->fetchColumn();';
        for ($round = 0; $round < 10; ++$round) {
            $file = "$folder/$round/scores.sqlite";
            $start = sprintf('%.3f', microtime(true) + 0.25);
            $workers = [];
            for ($i = 0; $i < 8; ++$i) {
                $workers[] = proc_open([PHP_BINARY, '-r', $code, __DIR__ . '/../../../server/src/autoload.php', $file, $start],
                    [1 => ['pipe', 'w'], 2 => ['pipe', 'w']], $pipes[$i]);
            }
            foreach ($workers as $i => $worker) {
                $out = stream_get_contents($pipes[$i][1]) . stream_get_contents($pipes[$i][2]);
                self::assertSame(0, proc_close($worker), $out);
                self::assertSame('wal', $out);
            }
        }
        exec('rm -rf ' . escapeshellarg($folder));
    }

    public function testASubmissionIsStoredOnceAndTheDatabaseRefusesADuplicate(): void
    {
        $id = $this->store('Eva', 1000, 42);
        self::assertSame($id, $this->store('Eva', 1000, 42), 'the same check value and rand is the same row');
        self::assertSame($id, $this->table->findReplay(md5('Eva100042'), 42));
        self::assertNull($this->table->findReplay(md5('Eva100042'), 43));
        self::assertCount(1, $this->table->everything());
        $this->expectException(PDOException::class);
        $this->pdo->prepare('INSERT INTO scores (player, score, email, rand, check_value, submitted_at) VALUES (?, ?, ?, ?, ?, ?)')
            ->execute(['X', 1, '', 42, md5('Eva100042'), 1]);
    }

    public function testRanksGoByScoreAndTheEarlierFirstOnEqualScores(): void
    {
        $first = $this->store('first', 500, 1);
        $best = $this->store('best', 900, 2);
        $second = $this->store('second', 500, 3);
        $low = $this->store('low', 10, 4);
        self::assertSame(['best', 'first', 'second', 'low'], array_column($this->table->top(), 'player'));
        self::assertSame([1, 2, 3, 4], array_column($this->table->top(), 'rank'));
        self::assertSame(2, $this->table->rowWithRank($first)['rank']);
        self::assertSame(3, $this->table->rowWithRank($second)['rank']);
        self::assertSame(1, $this->table->rowWithRank($best)['rank']);
        self::assertSame(4, $this->table->rowWithRank($low)['rank']);
        self::assertNull($this->table->rowWithRank($low + 1000));
        self::assertTrue($this->table->delete($best));
        self::assertFalse($this->table->delete($best));
        self::assertSame(1, $this->table->rowWithRank($first)['rank']);
    }

    public function testTheTableShowsAHundredRows(): void
    {
        for ($i = 0; $i < 105; ++$i) {
            $this->store("p$i", 1000 - $i, $i);
        }
        $top = $this->table->top();
        self::assertCount(100, $top);
        self::assertSame('p99', $top[99]['player']);
        self::assertSame(105, $this->table->rowWithRank($this->store('p104', 896, 104))['rank']);
    }

    public function testNamesAndAddressesKeepEveryCharacter(): void
    {
        $name = "<b>x</b>'-";
        $id = $this->table->record(new Submission($name, 7, 'a+b@example.cz', 1, md5('x')), 1_700_000_000);
        $row = $this->table->rowWithRank($id);
        self::assertSame($name, $row['player']);
        self::assertSame(1_700_000_000, $row['submitted_at']);
        $id = $this->table->record(new Submission('Žluťoučký', 8, '', 2, md5('y')), 1_700_000_001);
        self::assertSame('Žluťoučký', $this->table->rowWithRank($id)['player']);
        self::assertSame('a+b@example.cz', $this->table->everything()[1]['email']);
    }

    public function testTheRateLimitAdmitsNAnHourPerClient(): void
    {
        $limit = new RateLimit($this->pdo, 3);
        $t = 1_700_000_000;
        self::assertSame(0, $limit->admit('192.0.2.1', $t));
        self::assertSame(0, $limit->admit('192.0.2.1', $t + 10));
        self::assertSame(0, $limit->admit('192.0.2.1', $t + 20));
        self::assertSame(3600 - 30, $limit->admit('192.0.2.1', $t + 30), 'until the first attempt is an hour old');
        self::assertSame(3600 - 40, $limit->admit('192.0.2.1', $t + 40), 'a refused attempt does not lengthen the wait');
        self::assertSame(0, $limit->admit('192.0.2.2', $t + 40), 'another client');
        self::assertSame(0, $limit->admit('192.0.2.1', $t + 3600), 'an hour after the first');
        self::assertSame(10, $limit->admit('192.0.2.1', $t + 3600), 'the window slides');
        self::assertSame(0, (new RateLimit($this->pdo, 0))->admit('192.0.2.1', $t + 3600), '0 switches it off');
        // Old attempts are cleared as new ones arrive.
        $limit->admit('192.0.2.3', $t + 10_000);
        self::assertSame(1, (int) $this->pdo->query('SELECT COUNT(*) FROM submission_attempts')->fetchColumn());
    }
}
