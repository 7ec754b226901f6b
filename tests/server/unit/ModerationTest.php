<?php
// Hidden rows, bans, the whole table's hourly ceiling, removing e-mail addresses and the reports
// of suspicious rows, on SQLite or on the PostgreSQL database that SIXDICE_TEST_DSN names.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

use PHPUnit\Framework\TestCase;
use SixDice\Server\Bans;
use SixDice\Server\Config;
use SixDice\Server\Database;
use SixDice\Server\GlobalCeiling;
use SixDice\Server\Network;
use SixDice\Server\PersonalData;
use SixDice\Server\Reason;
use SixDice\Server\Schema;
use SixDice\Server\ScoreTable;
use SixDice\Server\Submission;
use SixDice\Server\SuspiciousRows;
use SixDice\Server\Tests\TestDatabase;

final class ModerationTest extends TestCase
{
    private const T = 1_700_000_000;
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

    private function store(string $player, int $score, int $at = self::T, string $network = '', string $email = ''): int
    {
        return $this->table->record(new Submission($player, $score, $email, random_int(0, 9999), md5(random_bytes(8))), $at, $network);
    }

    public function testAnOlderTableKeepsItsRowsWhenUpgraded(): void
    {
        if (!Database::isSqlite($this->pdo)) {
            self::markTestSkipped('upgraded here on a SQLite file; PostgreSQL applies the same steps to its fresh schema');
        }
        $file = sys_get_temp_dir() . '/sixdice-upgrade-' . bin2hex(random_bytes(4)) . '.sqlite';
        $old = new PDO("sqlite:$file", options: [PDO::ATTR_ERRMODE => PDO::ERRMODE_EXCEPTION]);
        Schema::bringUpToDate($old, 1);
        self::assertSame(1, Schema::currentVersion($old));
        $old->exec("INSERT INTO scores (player, score, email, rand, check_value, submitted_at)
                    VALUES ('Eva', 900, 'eva@example.cz', 1, '" . md5('a') . "', 1), ('Jan', 800, '', 2, '" . md5('b') . "', 2)");
        $old->exec("INSERT INTO submission_attempts (client, at) VALUES ('192.0.2.1', 5)");
        $pdo = Database::open(new Config(dsn: "sqlite:$file"));
        self::assertSame(Schema::latestVersion(), Schema::currentVersion($pdo));
        $table = new ScoreTable($pdo);
        self::assertSame(['Eva', 'Jan'], array_column($table->top(), 'player'));
        $rows = $table->everything();
        self::assertSame(['eva@example.cz', ''], array_column($rows, 'email'));
        self::assertSame(['', ''], array_column($rows, 'client_network'));
        self::assertSame([0, 0], array_map('intval', array_column($rows, 'hidden')));
        unlink($file);
    }

    public function testHiddenRowsLeaveTheTableAndItsRanksButStayStored(): void
    {
        $best = $this->store('best', 900);
        $cheat = $this->store('cheat', 10740);
        $low = $this->store('low', 10);
        self::assertSame(3, $this->table->rowWithRank($low)['rank']);
        self::assertTrue($this->table->setHidden($cheat, true));
        self::assertTrue($this->table->setHidden($cheat, true), 'hiding twice is no error');
        self::assertSame(['best', 'low'], array_column($this->table->top(), 'player'));
        self::assertSame([1, 2], array_column($this->table->top(), 'rank'));
        self::assertSame(1, $this->table->rowWithRank($best)['rank']);
        self::assertSame(2, $this->table->rowWithRank($low)['rank']);
        self::assertNull($this->table->rowWithRank($cheat), 'a hidden row has no rank to show');
        self::assertSame(3, $this->table->count());
        self::assertSame($cheat, $this->table->findReplay(...$this->checkAndRand($cheat)), 'a replay still finds it');
        self::assertTrue($this->table->setHidden($cheat, false));
        self::assertSame(['cheat', 'best', 'low'], array_column($this->table->top(), 'player'));
        self::assertSame(3, $this->table->rowWithRank($low)['rank']);
        self::assertFalse($this->table->setHidden($low + 1000, true), 'no such row');
    }

    /** @return array{0:string, 1:int} */
    private function checkAndRand(int $id): array
    {
        foreach ($this->table->everything() as $row) {
            if ((int) $row['id'] === $id) {
                return [trim((string) $row['check_value']), (int) $row['rand']];
            }
        }
        self::fail("no row $id");
    }

    public function testBannedNamesMatchWhateverTheCaseAndSpacing(): void
    {
        $bans = new Bans($this->pdo);
        self::assertTrue($bans->banName(' Žrout  Bot ', self::T));
        self::assertFalse($bans->banName('žrout bot', self::T), 'the same name');
        foreach (['Žrout Bot', 'ŽROUT BOT', "žrout\u{A0}bot", ' žrout   bot'] as $same) {
            self::assertTrue($bans->isNameBanned($same), $same);
        }
        foreach (['Žrout', 'Zrout Bot', 'žroutbot'] as $other) {
            self::assertFalse($bans->isNameBanned($other), $other);
        }
        self::assertSame([['kind' => 'name', 'value' => 'Žrout  Bot', 'banned_at' => self::T]], $bans->all());
        self::assertTrue($bans->unbanName('ŽROUT BOT'));
        self::assertFalse($bans->unbanName('ŽROUT BOT'));
        self::assertFalse($bans->isNameBanned('Žrout Bot'));
        $this->expectException(InvalidArgumentException::class);
        $bans->banName("\u{A0} ", self::T);
    }

    public function testBannedNetworksHoldEveryAddressInThem(): void
    {
        $bans = new Bans($this->pdo);
        self::assertTrue($bans->banNetwork(Network::parse('198.51.100.77/24'), self::T));
        self::assertFalse($bans->banNetwork(Network::parse('198.51.100.0/24'), self::T), 'the same network');
        self::assertTrue($bans->banNetwork(Network::parse('2001:db8:bad::/48'), self::T + 1));
        self::assertSame('198.51.100.0/24', $bans->networkOf('198.51.100.250'));
        self::assertSame('198.51.100.0/24', $bans->networkOf('::ffff:198.51.100.1'));
        self::assertSame('2001:db8:bad::/48', $bans->networkOf('2001:db8:bad:1234::1'));
        self::assertNull($bans->networkOf('198.51.101.1'));
        self::assertNull($bans->networkOf('2001:db8:bae::1'));
        self::assertNull($bans->networkOf(''));
        self::assertSame(['198.51.100.0/24', '2001:db8:bad::/48'], array_column($bans->all(), 'value'));
        self::assertFalse($bans->unbanNetwork(Network::parse('198.51.100.0/25')), 'only the network banned');
        self::assertTrue($bans->unbanNetwork(Network::parse('198.51.100.0/24')));
        self::assertNull($bans->networkOf('198.51.100.250'));
    }

    public function testANewResultAsksForBothBansAtOnceTheNameFirst(): void
    {
        $bans = new Bans($this->pdo);
        self::assertNull($bans->refusalFor('Eva', '198.51.100.1'), 'no bans');
        $bans->banNetwork(Network::parse('198.51.100.0/24'), self::T);
        $bans->banNetwork(Network::parse('2001:db8:bad::/48'), self::T);
        self::assertSame(Reason::NetworkBanned, $bans->refusalFor('Eva', '198.51.100.1'));
        self::assertSame(Reason::NetworkBanned, $bans->refusalFor('Eva', '2001:db8:bad::7'));
        self::assertNull($bans->refusalFor('Eva', '198.51.101.1'));
        $bans->banName('Žrout', self::T);
        self::assertSame(Reason::NameBanned, $bans->refusalFor(' ŽROUT ', '198.51.100.1'), 'the name before the network');
        self::assertSame(Reason::NameBanned, $bans->refusalFor('žrout', '203.0.113.1'));
        self::assertNull($bans->refusalFor('Eva', '203.0.113.1'));
    }

    public function testTheCeilingCountsTheWholeTablesLastHour(): void
    {
        $ceiling = new GlobalCeiling($this->pdo, 3);
        self::assertSame(0, $ceiling->wait(self::T));
        $this->store('old', 1, self::T - 3661);           // over an hour and a minute old: out of the window
        $this->store('a', 1, self::T - 1000, '192.0.2.1/32');
        $this->store('b', 1, self::T - 500, '192.0.2.2/32');
        self::assertSame(0, $ceiling->wait(self::T), 'two in the hour');
        $hidden = $this->store('c', 1, self::T - 100, '2001:db8::/64');
        $this->table->setHidden($hidden, true);
        // Full until the oldest row of the hour is an hour old, counted by its minute.
        $wait = $ceiling->wait(self::T);
        self::assertGreaterThanOrEqual(2600, $wait, 'never less than the exact wait');
        self::assertLessThanOrEqual(2660, $wait, 'at most its minute more');
        self::assertGreaterThan(0, $ceiling->wait(self::T + $wait - 1));
        self::assertSame(0, $ceiling->wait(self::T + $wait));
        $this->store('d', 1, self::T - 50);
        $this->store('e', 1, self::T - 10);
        $wait = $ceiling->wait(self::T);
        self::assertTrue($wait >= 3500 && $wait <= 3560, "two over: until three of the five have aged ($wait)");
        self::assertSame($wait, $ceiling->admit(self::T), 'the same inside a write');
        self::assertSame(0, $ceiling->wait(self::T + $wait));
        $this->table->delete($this->store('f', 1, self::T - 5));
        self::assertSame($wait, $ceiling->wait(self::T), 'a deleted row gives its place back');
        $this->table->delete($hidden);
        $wait = $ceiling->wait(self::T);
        self::assertTrue($wait >= 3100 && $wait <= 3160, "one over: until two of the four have aged ($wait)");
        self::assertSame(0, (new GlobalCeiling($this->pdo, 0))->wait(self::T), '0 switches it off');
    }

    public function testTheCeilingCountsWhatOtherWritersStoredAndForgetsOldHours(): void
    {
        $ceiling = new GlobalCeiling($this->pdo, 1000);
        $second = new GlobalCeiling(Database::open(new Config(dsn: $this->config->dsn, dbPersistent: false)), 1000);
        for ($i = 0; $i < 999; ++$i) {
            $this->store("n$i", 1, self::T - 3000 + 3 * $i);
        }
        self::assertSame(0, $second->wait(self::T), '999 of 1000');
        $this->store('last', 1, self::T - 1);
        self::assertGreaterThan(0, $second->wait(self::T), '1000 of 1000');
        $wait = $ceiling->wait(self::T);
        self::assertTrue($wait >= 600 && $wait <= 660, "until the first row is an hour old ($wait)");
        self::assertSame(0, $ceiling->wait(self::T + $wait));
        // Minutes over two hours older than the newest row are dropped as new ones begin.
        $this->store('later', 1, self::T + 7300);
        $periods = (int) $this->pdo->query('SELECT COUNT(DISTINCT period) FROM new_row_counts')->fetchColumn();
        self::assertLessThanOrEqual(2, $periods, 'only the last two hours are kept');
        self::assertSame(0, $ceiling->wait(self::T + 7300));
    }

    public function testPostgresWritersTakeTurnsNearTheCeilingOnly(): void
    {
        if (Database::isSqlite($this->pdo)) {
            self::markTestSkipped('SQLite lets one writer in at a time anyway');
        }
        $ceiling = GlobalCeiling::NEAR + 10;
        for ($i = 0; $i < 9; ++$i) {
            $this->store("r$i", 1, self::T - 60);
        }
        // A second connection of its own, as another PHP worker has.
        $other = Database::open(new Config(dsn: $this->config->dsn, dbPersistent: false));
        $other->exec("SET lock_timeout = '300ms'");
        $first = new GlobalCeiling($this->pdo, $ceiling);
        $second = new GlobalCeiling($other, $ceiling);
        // Far below: neither waits for the other.
        $this->pdo->beginTransaction();
        $other->beginTransaction();
        self::assertSame(0, $first->admit(self::T));
        self::assertSame(0, $second->admit(self::T));
        $this->pdo->rollBack();
        $other->rollBack();
        // Within NEAR of it: the second writer waits until the first one's transaction ends.
        $this->store('r9', 1, self::T - 60);
        $this->pdo->beginTransaction();
        $other->beginTransaction();
        self::assertSame(0, $first->admit(self::T));
        try {
            $second->admit(self::T);
            self::fail('two writers near the ceiling at once');
        } catch (PDOException $timeout) {
            self::assertStringContainsString('lock timeout', $timeout->getMessage());
        } finally {
            $other->rollBack();
        }
        $this->pdo->commit();
        $other->beginTransaction();
        self::assertSame(0, $second->admit(self::T), 'its turn');
        $other->rollBack();
    }

    public function testPostgresWritersCountTheirRowsWithoutWaitingForEachOther(): void
    {
        if (Database::isSqlite($this->pdo)) {
            self::markTestSkipped('SQLite lets one writer in at a time anyway');
        }
        $other = Database::open(new Config(dsn: $this->config->dsn, dbPersistent: false));
        $other->exec("SET lock_timeout = '300ms'");
        $otherTable = new ScoreTable($other);
        $this->pdo->beginTransaction();
        $other->beginTransaction();
        try {
            // Two open transactions count rows of the same minute (of different scores, whose
            // counts are rows of their own), each in a share of its own.
            $this->store('first', 1, self::T);
            $this->store('again', 1, self::T + 1);
            $otherTable->record(new Submission('second', 2, '', 1, md5('second')), self::T + 2);
            $other->commit();
            $this->pdo->commit();
        } finally {
            foreach ([$this->pdo, $other] as $connection) {
                if ($connection->inTransaction()) {
                    $connection->rollBack();
                }
            }
        }
        self::assertSame(0, (new GlobalCeiling($this->pdo, 4))->wait(self::T + 3));
        self::assertGreaterThan(0, (new GlobalCeiling($this->pdo, 3))->wait(self::T + 3), 'all three counted');
        $shares = (int) $this->pdo->query('SELECT COUNT(*) FROM new_row_counts WHERE total > 0')->fetchColumn();
        self::assertSame(2, $shares, 'one share per transaction');
    }

    public function testReachingTheCeilingIsLoggedOnceAnHour(): void
    {
        $log = tempnam(sys_get_temp_dir(), 'sixdice-log-');
        $previous = ini_set('error_log', $log);
        try {
            $ceiling = new GlobalCeiling($this->pdo, 600);
            $ceiling->noteReached(self::T);
            $ceiling->noteReached(self::T + 1);
            // Another worker, at the end of the hour.
            (new GlobalCeiling(Database::open($this->config), 600))->noteReached(self::T + 3599);
            self::assertSame(1, substr_count((string) file_get_contents($log), "max_new_per_hour"), (string) file_get_contents($log));
            $ceiling->noteReached(self::T + 3600);
            self::assertSame(2, substr_count((string) file_get_contents($log), 'max_new_per_hour'));
            self::assertStringContainsString('600 new results', (string) file_get_contents($log));
        } finally {
            ini_set('error_log', (string) $previous);
            unlink($log);
        }
    }

    public function testAnAddressIsForgottenInEveryRowAndOldAddressesArePurged(): void
    {
        $eva = [
            $this->store('Eva', 100, self::T, '', 'eva.k@example.cz'),
            $this->store('Eva', 200, self::T + 1, '', 'Eva.K@Example.CZ'),
            $this->store('Eva K', 300, self::T + 2, '', ' eva.k@example.cz '),
        ];
        $jan = $this->store('Jan', 400, self::T + 3, '', 'jan@example.cz');
        $keeper = $this->store('Ota', 500, self::T + 4, '', 'eva.k@example.cz.evil');
        $privacy = new PersonalData($this->pdo);
        self::assertSame(3, $privacy->forget('EVA.K@example.cz'));
        self::assertSame(0, $privacy->forget('eva.k@example.cz'), 'nothing left');
        $emails = array_column($this->table->everything(), 'email', 'id');
        foreach ($eva as $id) {
            self::assertSame('', $emails[$id]);
        }
        self::assertSame('jan@example.cz', $emails[$jan]);
        self::assertSame('eva.k@example.cz.evil', $emails[$keeper]);
        self::assertSame(5, $this->table->count(), 'the rows stay');

        self::assertSame(1, $privacy->purgeEmailsBefore(self::T + 4), 'older than the cut only');
        self::assertSame('', array_column($this->table->everything(), 'email', 'id')[$jan]);
        self::assertSame(1, $privacy->purgeEmailsBefore(self::T + 5));
        self::assertSame(0, $privacy->purgeEmailsBefore(self::T + 5));
        self::assertSame([''], array_values(array_unique(array_column($this->table->everything(), 'email'))));
    }

    public function testOldNetworksArePurged(): void
    {
        $old = $this->store('Old', 1, self::T - 10, '192.0.2.1/32');
        $new = $this->store('New', 2, self::T, '2001:db8::/64');
        $privacy = new PersonalData($this->pdo);
        self::assertSame(1, $privacy->purgeNetworksBefore(self::T));
        self::assertSame(0, $privacy->purgeNetworksBefore(self::T));
        $networks = array_column($this->table->everything(), 'client_network', 'id');
        self::assertSame(['', '2001:db8::/64'], [$networks[$old], $networks[$new]]);
    }

    public function testTheReportsFindTopScoresBurstsAndSharedNames(): void
    {
        $top = $this->store('Max', 10740, self::T, '192.0.2.1/32');
        $near = $this->store('Near', 10300, self::T + 1, '');
        $this->store('Fair', 4000, self::T + 2, '192.0.2.2/32');
        $hidden = $this->store('Hid', 10500, self::T + 3, '192.0.2.3/32');
        $this->table->setHidden($hidden, true);
        // A burst: twelve rows from one /64 within 55 minutes, then three more much later.
        for ($i = 0; $i < 12; ++$i) {
            $this->store("b$i", 100, self::T + 300 * $i, '2001:db8:1:2::/64');
        }
        for ($i = 0; $i < 3; ++$i) {
            $this->store("late$i", 100, self::T + 86400 + $i, '2001:db8:1:2::/64');
        }
        // Nine rows an hour apart from another network: many, but no burst.
        for ($i = 0; $i < 9; ++$i) {
            $this->store('Slow', 100, self::T + 3600 * $i, '192.0.2.9/32');
        }
        // One name from four networks.
        foreach (['198.51.100.1/32', '198.51.100.2/32', '198.51.100.3/32', '2001:db8:9::/64'] as $i => $network) {
            $this->store('Klon', 50 + $i, self::T + $i, $network);
        }
        $report = new SuspiciousRows($this->pdo);
        $rows = $report->nearTop(10740 - 537);
        self::assertSame([$top, $hidden, $near], array_column($rows, 'id'));
        self::assertSame([false, true, false], array_column($rows, 'hidden'));
        self::assertSame('192.0.2.1/32', $rows[0]['client_network']);

        self::assertSame([['network' => '2001:db8:1:2::/64', 'rows' => 12, 'from' => self::T, 'to' => self::T + 3300]],
            $report->bursts(10));
        self::assertSame([], $report->bursts(13));
        self::assertSame(['2001:db8:1:2::/64'], array_column($report->bursts(2), 'network'), 'an hour apart is no burst');
        $all = $report->bursts(1);
        self::assertSame(['2001:db8:1:2::/64', 12], [$all[0]['network'], $all[0]['rows']], 'the busiest first');
        self::assertSame(['192.0.2.1/32', '192.0.2.2/32', '192.0.2.3/32', '192.0.2.9/32', '198.51.100.1/32',
            '198.51.100.2/32', '198.51.100.3/32', '2001:db8:9::/64'], array_column(array_slice($all, 1), 'network'));

        self::assertSame([['player' => 'Klon', 'networks' => 4, 'rows' => 4]], $report->sharedNames(3));
        self::assertSame([], $report->sharedNames(5));
        self::assertContains('Slow', array_column($report->sharedNames(1), 'player'));
    }
}
