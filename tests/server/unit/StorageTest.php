<?php
// The schema, storing once, ranks and the rate limit, on SQLite or on the PostgreSQL database
// that SIXDICE_TEST_DSN names.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

use PHPUnit\Framework\TestCase;
use SixDice\Server\Database;
use SixDice\Server\RateLimit;
use SixDice\Server\Refusal;
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

    /** 0 when the client may store one more result now, else the seconds to wait. */
    private function admit(RateLimit $limit, string $client, int $now): int
    {
        $refusal = Database::writing($this->pdo, static fn (): ?Refusal => $limit->admit($client, $now));
        return $refusal === null ? 0 : $refusal->retryAfter;
    }

    public function testTheRateLimitAdmitsNAnHourPerClient(): void
    {
        $limit = new RateLimit($this->pdo, 3);
        $t = 1_700_000_000;
        self::assertSame(0, $this->admit($limit, '192.0.2.1', $t));
        self::assertSame(0, $this->admit($limit, '192.0.2.1', $t + 10));
        self::assertSame(0, $this->admit($limit, '192.0.2.1', $t + 20));
        self::assertSame(3600 - 30, $this->admit($limit, '192.0.2.1', $t + 30), 'until the first attempt is an hour old');
        self::assertSame(3600 - 40, $this->admit($limit, '192.0.2.1', $t + 40), 'a refused attempt does not lengthen the wait');
        self::assertSame(0, $this->admit($limit, '192.0.2.2', $t + 40), 'another client');
        self::assertSame(0, $this->admit($limit, '192.0.2.1', $t + 3600), 'an hour after the first');
        self::assertSame(10, $this->admit($limit, '192.0.2.1', $t + 3600), 'the window slides');
        self::assertSame(0, $this->admit(new RateLimit($this->pdo, 0), '192.0.2.1', $t + 3600), '0 switches it off');
        // Old attempts are cleared as new ones arrive.
        $this->admit($limit, '192.0.2.3', $t + 10_000);
        self::assertSame(1, (int) $this->pdo->query('SELECT COUNT(*) FROM submission_attempts')->fetchColumn());
    }

    public function testASubmissionIsCountedAndStoredTogetherOrNotAtAll(): void
    {
        $limit = new RateLimit($this->pdo, 2);
        $t = 1_700_000_000;
        $submit = fn (string $name, int $rand, ?callable $admit = null): int|Refusal => $this->table->submit(
            new Submission($name, 100, '', $rand, md5($name . $rand)), $t, '192.0.2.9',
            $admit ?? static fn (): ?Refusal => $limit->admit('192.0.2.9', $t),
        );
        $first = $submit('a', 1);
        self::assertIsInt($first);
        self::assertSame($first, $submit('a', 1), 'a copy is the stored row and is not counted');
        self::assertIsInt($submit('b', 2));
        $refused = $submit('c', 3);
        self::assertInstanceOf(Refusal::class, $refused);
        self::assertSame(3600, $refused->retryAfter);
        self::assertSame(2, $this->table->count());
        self::assertSame(2, (int) $this->pdo->query('SELECT COUNT(*) FROM submission_attempts')->fetchColumn());
        // A failure after the admission leaves neither the attempt nor the row behind.
        try {
            $submit('d', 4, function (): ?Refusal {
                $this->pdo->exec("INSERT INTO submission_attempts (client, at) VALUES ('192.0.2.10', 1)");
                throw new RuntimeException('the disk is full');
            });
            self::fail('the failure was swallowed');
        } catch (RuntimeException $failure) {
            self::assertSame('the disk is full', $failure->getMessage());
        }
        self::assertFalse($this->pdo->inTransaction());
        self::assertSame(2, $this->table->count());
        self::assertSame(2, (int) $this->pdo->query('SELECT COUNT(*) FROM submission_attempts')->fetchColumn());
    }

    public function testRanksComeFromTheCountsPerScoreWhateverChangesTheRows(): void
    {
        $ids = [];
        foreach ([300, 700, 300, 500, 700, 300] as $i => $score) {
            $ids[] = $this->store("r$i", $score, $i);
        }
        $ranks = static fn (ScoreTable $table): array => array_map(
            static fn (int $id): ?int => $table->rowWithRank($id)['rank'] ?? null, $ids);
        // By score, the earlier first: 700 (1, 4), 500 (3), 300 (0, 2, 5).
        self::assertSame([4, 1, 5, 3, 2, 6], $ranks($this->table));
        $this->table->delete($ids[1]);
        self::assertSame([3, null, 4, 2, 1, 5], $ranks($this->table));
        // The operator's own SQL is counted too.
        $this->pdo->exec('UPDATE scores SET score = 800 WHERE id = ' . $ids[5]);
        self::assertSame([4, null, 5, 3, 2, 1], $ranks($this->table));
        // A hidden row leaves the ranks and comes back into them.
        $this->table->setHidden($ids[4], true);
        self::assertSame([3, null, 4, 2, null, 1], $ranks($this->table));
        $this->pdo->exec('UPDATE scores SET score = 900 WHERE id = ' . $ids[4]);
        self::assertSame([3, null, 4, 2, null, 1], $ranks($this->table), 'a hidden row changed stays out');
        $this->table->setHidden($ids[4], false);
        self::assertSame([4, null, 5, 3, 1, 2], $ranks($this->table));
        $this->table->setHidden($ids[4], true);
        $this->table->delete($ids[4]);
        self::assertSame([3, null, 4, 2, null, 1], $ranks($this->table), 'a hidden row deleted');
        $counts = $this->pdo->query('SELECT score, total FROM score_counts WHERE total > 0 ORDER BY score')
            ->fetchAll(PDO::FETCH_KEY_PAIR);
        self::assertEquals([300 => 2, 500 => 1, 800 => 1], $counts);
        foreach ($this->table->top() as $row) {
            self::assertSame($row['rank'], $this->table->rowWithRank($row['id'])['rank'], 'the page and the rank agree');
        }
    }

    public function testRanksAgreeWithTheOrderedTableWithinAndAcrossBucketsOfScores(): void
    {
        // Scores on both sides of the buckets' edges (128, 256, ...), several in one bucket,
        // equal ones, the lowest and the highest, some hidden.
        $scores = [0, 1, 127, 128, 129, 200, 255, 256, 257, 383, 384, 1000, 10740, 128, 255, 0, 10740, 130];
        $ids = [];
        foreach ($scores as $i => $score) {
            $ids[] = $this->store("b$i", $score, $i);
        }
        foreach ([2, 8, 13] as $hidden) {
            $this->table->setHidden($ids[$hidden], true);
        }
        $this->pdo->exec('UPDATE scores SET score = 250 WHERE id = ' . $ids[5]);
        $this->table->delete($ids[11]);
        $expected = [];
        foreach ($this->table->top(1000) as $row) {
            $expected[$row['id']] = $row['rank'];
        }
        self::assertCount(count($scores) - 4, $expected);
        foreach ($ids as $i => $id) {
            self::assertSame($expected[$id] ?? null, $this->table->rowWithRank($id)['rank'] ?? null, "row $i ({$scores[$i]})");
        }
        $buckets = $this->pdo->query('SELECT bucket, SUM(total) FROM score_bucket_counts GROUP BY bucket HAVING SUM(total) <> 0 ORDER BY bucket')
            ->fetchAll(PDO::FETCH_KEY_PAIR);
        self::assertEquals([0 => 3, 1 => 6, 2 => 2, 3 => 1, 83 => 2], $buckets);
    }

    public function testAKeptSqliteConnectionIsPreparedOnceAndLeftForAnotherFile(): void
    {
        if (!Database::isSqlite($this->pdo)) {
            self::markTestSkipped('a SQLite matter');
        }
        $config = TestDatabase::config();
        Database::open($config); // creates the file; from now on the connection is kept
        Database::open($config)->exec('PRAGMA synchronous = OFF');
        // The next request's connection is the same one, not set up again.
        self::assertSame(0, (int) Database::open($config)->query('PRAGMA synchronous')->fetchColumn());
        // A file restored from a copy is a new file: a new connection, prepared.
        $file = substr($config->dsn, strlen('sqlite:'));
        (new ScoreTable(Database::open($config)))->record(new Submission('before', 1, '', 1, md5('before')), 1);
        foreach (['', '-wal', '-shm'] as $suffix) {
            @unlink($file . $suffix);
        }
        $fresh = Database::open($config);
        self::assertSame(1, (int) $fresh->query('PRAGMA synchronous')->fetchColumn(), 'NORMAL');
        self::assertSame(Schema::latestVersion(), Schema::currentVersion($fresh));
        self::assertSame(0, (new ScoreTable($fresh))->count());
        $id = (new ScoreTable($fresh))->record(new Submission('after', 5, '', 5, md5('after')), 1);
        self::assertSame('after', (new ScoreTable(Database::open($config)))->rowWithRank($id)['player']);
    }

    public function testTheFirstResultAfterAQuietSecondIsInTheDatabaseFileBeforeItIsAnswered(): void
    {
        if (!Database::isSqlite($this->pdo)) {
            self::markTestSkipped('a SQLite matter');
        }
        $config = TestDatabase::config();
        $file = substr($config->dsn, strlen('sqlite:'));
        $table = new ScoreTable(Database::open($config));
        $admitAll = static fn (): ?Refusal => null;
        // What a power cut leaves: the database file without its write-ahead log.
        $afterPowerCut = static function () use ($file): array {
            copy($file, "$file.copy");
            $names = (new PDO("sqlite:$file.copy"))->query('SELECT player FROM scores ORDER BY id')->fetchAll(PDO::FETCH_COLUMN);
            unlink("$file.copy");
            return $names;
        };
        touch("$file-flushed", time() - 5);
        $table->submit(new Submission('quiet', 1, '', 1, md5('quiet')), 1, '', $admitAll);
        self::assertSame(['quiet'], $afterPowerCut());
        // Within the same second the results only reach the log, and the next flush takes them.
        touch("$file-flushed", time() + 60);
        $table->submit(new Submission('busy', 2, '', 2, md5('busy')), 2, '', $admitAll);
        self::assertSame(['quiet'], $afterPowerCut());
        self::assertSame(2, $table->count(), 'committed all the same');
        touch("$file-flushed", time() - 1);
        $table->submit(new Submission('next', 3, '', 3, md5('next')), 3, '', $admitAll);
        self::assertSame(['quiet', 'busy', 'next'], $afterPowerCut());
        // The log does not grow without end: after a flush the next writer starts it over.
        self::assertLessThan(200_000, filesize("$file-wal"));
    }

    public function testAFlushWaitsBrieflyForReadersSoThatTheLogStartsOver(): void
    {
        if (!Database::isSqlite($this->pdo)) {
            self::markTestSkipped('a SQLite matter');
        }
        $config = TestDatabase::config();
        $file = substr($config->dsn, strlen('sqlite:'));
        $pdo = Database::open($config);
        $table = new ScoreTable($pdo);
        $admitAll = static fn (): ?Refusal => null;
        $submit = static function (string $name, bool $flush) use ($table, $file, $admitAll): void {
            touch("$file-flushed", $flush ? time() - 5 : time() + 60);
            $table->submit(new Submission($name, 1, '', 1, md5($name)), 1, '', $admitAll);
        };
        // The frames in the log (a checkpoint that copies nothing new and waits for no one says so).
        $frames = static fn (): int => (int) (new PDO("sqlite:$file"))->query('PRAGMA wal_checkpoint(PASSIVE)')->fetch(PDO::FETCH_NUM)[1];

        // A reader in another process holds an older snapshot until it is told to finish.
        $code = '$p = new PDO("sqlite:" . $argv[1]); $p->beginTransaction(); $p->query("SELECT COUNT(*) FROM scores")->fetchAll();'
            . ' echo "reading\n"; fgets(STDIN); usleep(20_000); $p->commit();';
        $reader = proc_open([PHP_BINARY, '-r', $code, $file], [0 => ['pipe', 'r'], 1 => ['pipe', 'w']], $pipes);
        self::assertSame("reading\n", fgets($pipes[1]));
        for ($i = 0; $i < 20; ++$i) {
            $submit("r$i", false);
        }
        $before = $frames();
        self::assertGreaterThan(20, $before);
        // The flush waits for the reader, which finishes 20 ms later: the whole log is copied
        // and the next commit writes it from the beginning.
        fwrite($pipes[0], "done\n");
        fflush($pipes[0]);
        $submit('flushed', true);
        self::assertSame(0, proc_close($reader));
        $submit('after', false);
        self::assertLessThan($before, $frames(), 'the log started over');

        // A reader that does not finish holds the writers up for a moment only, not for the busy
        // timeout; the writer's connection keeps its busy timeout.
        $long = new PDO("sqlite:$file");
        $long->beginTransaction();
        $long->query('SELECT COUNT(*) FROM scores')->fetchAll();
        $submit('during', false);
        $start = hrtime(true);
        $submit('held', true);
        self::assertLessThan(Database::SQLITE_BUSY_TIMEOUT_MS / 2, (hrtime(true) - $start) / 1e6);
        self::assertSame(Database::SQLITE_BUSY_TIMEOUT_MS, (int) $pdo->query('PRAGMA busy_timeout')->fetchColumn());
        $long->commit();
        self::assertSame(24, $table->count());
    }

    public function testWritersTakeTurnsAndEveryOneIsStored(): void
    {
        if (!Database::isSqlite($this->pdo)) {
            self::markTestSkipped('a SQLite matter');
        }
        $config = TestDatabase::config();
        Database::open($config);
        $file = substr($config->dsn, strlen('sqlite:'));
        $code = 'require $argv[1]; $c = new SixDice\\Server\\Config(dsn: "sqlite:" . $argv[2]);'
            . '$t = new SixDice\\Server\\ScoreTable(SixDice\\Server\\Database::open($c));'
            . 'for ($i = 0; $i < 200; ++$i) { $t->submit(new SixDice\\Server\\Submission("w$argv[3]", $i, "", $i, md5("w$argv[3]")), 1, "", fn () => null); }';
        $workers = [];
        for ($w = 0; $w < 6; ++$w) {
            $workers[$w] = proc_open([PHP_BINARY, '-r', $code, __DIR__ . '/../../../server/src/autoload.php', $file, (string) $w],
                [1 => ['pipe', 'w'], 2 => ['pipe', 'w']], $pipes[$w]);
        }
        foreach ($workers as $w => $worker) {
            $out = stream_get_contents($pipes[$w][1]) . stream_get_contents($pipes[$w][2]);
            self::assertSame(0, proc_close($worker), $out);
        }
        $pdo = Database::open($config);
        self::assertSame(1200, (int) $pdo->query('SELECT COUNT(*) FROM scores')->fetchColumn());
        self::assertSame('ok', $pdo->query('PRAGMA integrity_check')->fetchColumn());
        self::assertSame(1200, (int) $pdo->query('SELECT SUM(total) FROM score_counts')->fetchColumn());
    }
}
