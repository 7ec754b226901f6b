<?php
// A new result on PostgreSQL in one call (submit_result) decides exactly as the step-by-step
// admission of SQLite and of HEAD requests does (Bans, GlobalCeiling, RateLimit, ScoreTable),
// on the PostgreSQL database that SIXDICE_TEST_DSN names; skipped on SQLite.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

use PHPUnit\Framework\TestCase;
use SixDice\Server\Bans;
use SixDice\Server\Config;
use SixDice\Server\Database;
use SixDice\Server\GlobalCeiling;
use SixDice\Server\Network;
use SixDice\Server\PostgresSubmission;
use SixDice\Server\RateLimit;
use SixDice\Server\Reason;
use SixDice\Server\Refusal;
use SixDice\Server\ScoreTable;
use SixDice\Server\Submission;
use SixDice\Server\Tests\TestDatabase;

final class PostgresSubmissionTest extends TestCase
{
    private const T = 1_700_000_000;
    private PDO $pdo;
    private ScoreTable $table;

    protected function setUp(): void
    {
        $this->pdo = Database::open(TestDatabase::config());
        if (Database::isSqlite($this->pdo)) {
            self::markTestSkipped('PostgreSQL only (SIXDICE_TEST_DSN)');
        }
        TestDatabase::empty($this->pdo);
        $this->table = new ScoreTable($this->pdo);
    }

    private function submitter(int $rateLimit = 30, int $ceiling = 600): PostgresSubmission
    {
        return new PostgresSubmission($this->pdo, new Config(dsn: 'pgsql:', rateLimit: $rateLimit, maxNewPerHour: $ceiling));
    }

    private static function submission(string $player, int $score, int $rand = 1): Submission
    {
        return new Submission($player, $score, "$player@example.cz", $rand, md5("$player $score $rand"));
    }

    private function rowsIn(string $table): int
    {
        return (int) $this->pdo->query("SELECT COUNT(*) FROM $table")->fetchColumn();
    }

    public function testANewResultIsStoredOnceAndRankedAsTheTableRanksIt(): void
    {
        foreach ([[500, 'a'], [300, 'b'], [300, 'c'], [100, 'd']] as $i => [$score, $name]) {
            $this->table->record(self::submission($name, $score, $i), self::T - 100);
        }
        $this->table->setHidden($this->table->findReplay(md5('a 500 0'), 0), true);
        $mine = $this->submitter()->store(self::submission('new', 300), self::T, '192.0.2.1', '192.0.2.1/32');
        self::assertIsArray($mine);
        self::assertSame($this->table->rowWithRank($mine['id']), $mine, 'the rank the table gives');
        self::assertSame(3, $mine['rank'], 'behind both 300s stored earlier; the hidden 500 not counted');
        self::assertSame(['new', 300, self::T], [$mine['player'], $mine['score'], $mine['submitted_at']]);
        self::assertSame(1, $this->rowsIn("submission_attempts WHERE client = '192.0.2.1/32'"));

        $again = $this->submitter()->store(self::submission('new', 300), self::T + 5, '192.0.2.9', '192.0.2.9/32');
        self::assertSame($mine, $again, 'a replay: the same row, from any client, at any time');
        self::assertSame(5, $this->rowsIn('scores'));
        self::assertSame(0, $this->rowsIn("submission_attempts WHERE client = '192.0.2.9/32'"), 'a replay counts no attempt');

        $this->table->setHidden($mine['id'], true);
        self::assertNull($this->submitter()->store(self::submission('new', 300), self::T, '192.0.2.1', '192.0.2.1/32'),
            'a hidden row has no rank to show');
    }

    public function testANewResultReadsNoTableWhole(): void
    {
        $this->pdo->exec("INSERT INTO scores (player, score, email, rand, check_value, submitted_at)
            SELECT 'filler', n % 10000, '', n % 10000, md5(n::TEXT), 1 FROM generate_series(1, 5000) AS n");
        $this->pdo->exec('ANALYZE scores');
        // The scans this connection has made and not yet reported, counted before and after.
        $scans = fn (): array => array_map('intval', $this->pdo->query(
            "SELECT seq_scan, idx_scan FROM pg_stat_xact_user_tables WHERE relname = 'scores'")->fetch(PDO::FETCH_NUM));
        $this->pdo->beginTransaction();
        try {
            $before = $scans();
            self::assertIsArray($this->submitter()->store(self::submission('indexed', 700), self::T, '192.0.2.1', '192.0.2.1/32'));
            self::assertIsArray($this->submitter()->store(self::submission('indexed', 700), self::T, '192.0.2.1', '192.0.2.1/32'));
            $after = $scans();
            self::assertSame($before[0], $after[0], 'the replay question and the rank walk indexes');
            self::assertGreaterThan($before[1], $after[1]);
        } finally {
            $this->pdo->rollBack();
        }
    }

    public function testBannedNamesAndNetworksAreRefusedAsTheBansDecide(): void
    {
        $bans = new Bans($this->pdo);
        $bans->banName('Spam  Bot', self::T);
        $bans->banNetwork(Network::parse('192.0.2.0/24'), self::T);
        $bans->banNetwork(Network::parse('2001:db8:1::/48'), self::T);
        $cases = [
            // name, client address, what the bans say
            [' spam bot', '198.51.100.1', Reason::NameBanned],
            ['SPAM BOT', '192.0.2.7', Reason::NameBanned],
            ['Eva', '192.0.2.200', Reason::NetworkBanned],
            ['Eva', '::ffff:192.0.2.5', Reason::NetworkBanned],
            ['Eva', '2001:db8:1:ffff::1', Reason::NetworkBanned],
            ['Eva', '2001:db8:2::1', null],
            ['Eva', '192.0.3.1', null],
            ['Eva', 'unix:', null],
        ];
        foreach ($cases as $i => [$name, $address, $expected]) {
            self::assertSame($expected, $bans->refusalFor($name, $address), "the bans on $name from $address");
            $answer = $this->submitter()->store(self::submission($name, 10 + $i, $i), self::T, $address,
                Network::keyOf($address, 32, 64));
            if ($expected === null) {
                self::assertIsArray($answer, "$name from $address is stored");
            } else {
                self::assertInstanceOf(Refusal::class, $answer, "$name from $address is refused");
                self::assertSame($expected, $answer->reason);
                self::assertNull($this->table->findReplay(md5("$name " . (10 + $i) . " $i"), $i), 'nothing stored');
            }
        }
        self::assertSame(3, $this->rowsIn('submission_attempts'), 'only the stored ones counted');
    }

    public function testTheRateLimitRefusesTheSameWaitAsRateLimitDoes(): void
    {
        $limit = new RateLimit($this->pdo, 2);
        $this->table->record(self::submission('x', 1, 1), self::T);
        $limit->count('203.0.113.0/24', self::T - 3600);  // an hour old: forgotten
        $limit->count('203.0.113.0/24', self::T - 1000);
        $stored = $this->submitter(2)->store(self::submission('p', 1, 2), self::T, '203.0.113.5', '203.0.113.0/24');
        self::assertIsArray($stored, 'one in the hour before it');
        $refused = $this->submitter(2)->store(self::submission('p', 1, 3), self::T, '203.0.113.6', '203.0.113.0/24');
        self::assertInstanceOf(Refusal::class, $refused);
        self::assertSame(Reason::RateLimited, $refused->reason);
        self::assertSame($limit->wait('203.0.113.0/24', self::T), $refused->retryAfter);
        self::assertSame(2600, $refused->retryAfter, 'until the attempt of 1000 seconds ago is an hour old');
        self::assertSame($limit->refusal(2600)->details, $refused->details);
        self::assertIsArray($this->submitter(2)->store(self::submission('p', 1, 3), self::T + 2600, '203.0.113.6', '203.0.113.0/24'),
            'admitted again once it has aged');
        self::assertIsArray($this->submitter(0)->store(self::submission('p', 1, 4), self::T + 2600, '203.0.113.6', '203.0.113.0/24'),
            '0 switches the limit off');
    }

    public function testTheCeilingRefusesTheSameWaitAsGlobalCeilingAndIsLoggedOnce(): void
    {
        foreach ([3000, 2000, 2000, 500, 10] as $i => $age) {
            $this->table->record(self::submission("f$i", 1, $i), self::T - $age);
        }
        $ceiling = new GlobalCeiling($this->pdo, 4);
        $expected = $ceiling->wait(self::T);
        self::assertGreaterThan(0, $expected);
        $log = tempnam(sys_get_temp_dir(), 'sixdice-log');
        $previous = ini_set('error_log', $log);
        try {
            for ($attempt = 1; $attempt <= 2; ++$attempt) {
                $refused = $this->submitter(30, 4)->store(self::submission('late', 1, 9), self::T, '198.51.100.7', '198.51.100.7/32');
                self::assertInstanceOf(Refusal::class, $refused);
                self::assertSame(Reason::TableFull, $refused->reason);
                self::assertSame($expected, $refused->retryAfter);
                self::assertSame([intdiv($expected + 59, 60)], $refused->details);
                self::assertSame(1, substr_count((string) file_get_contents($log), 'max_new_per_hour'),
                    "logged once an hour (attempt $attempt)");
            }
        } finally {
            ini_set('error_log', (string) $previous);
            unlink($log);
        }
        self::assertSame(0, $this->rowsIn('submission_attempts'), 'a refused result counts no attempt');
        self::assertIsArray($this->submitter(30, 4)->store(self::submission('late', 1, 9), self::T + $expected, '198.51.100.7', '198.51.100.7/32'));
        self::assertIsArray($this->submitter(30, 0)->store(self::submission('late', 1, 10), self::T, '198.51.100.7', '198.51.100.7/32'),
            '0 switches the ceiling off');
    }
}
