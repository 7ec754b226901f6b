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
            // Only these settings: an empty settings file keeps out one installed on this machine.
            ['SIXDICE_SERVER_DSN' => $this->config->dsn, 'SIXDICE_SERVER_CONFIG' => self::emptySettings(),
                'PATH' => getenv('PATH') ?: '/usr/bin:/bin'],
        );
        $out = stream_get_contents($pipes[1]);
        $err = stream_get_contents($pipes[2]);
        return [proc_close($process), $out, $err];
    }

    private static function emptySettings(): string
    {
        static $file = null;
        if ($file === null) {
            $file = tempnam(sys_get_temp_dir(), 'sixdice-settings-');
            register_shutdown_function(static fn () => @unlink($file));
        }
        return $file;
    }

    private function store(string $player, int $score, string $email, int $at = 1_700_000_000, string $network = ''): int
    {
        return $this->table->record(new Submission($player, $score, $email, random_int(0, 9999), md5(random_bytes(8))), $at, $network);
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

    public function testForgetAndPurgeEmptyAddressesAndNetworksAndSayHowMany(): void
    {
        $now = time();
        $old = $this->store('Old', 1, 'old@example.cz', $now - 31 * 86400);
        $eva = $this->store('Eva', 2, 'Eva@Example.cz', $now - 86400);
        $this->store('Eva', 3, 'eva@example.cz', $now);
        $this->store('Jan', 4, 'jan@example.cz', $now - 5);
        self::assertSame([0, "emptied the address eva@example.cz in 2 rows\n", ''], $this->tool('forget', 'eva@example.cz'));
        self::assertSame([0, "emptied the address nobody@example.cz in 0 rows\n", ''], $this->tool('forget', 'nobody@example.cz'));
        self::assertSame([0, "emptied the addresses of 1 row older than 30 days\n", ''], $this->tool('purge-emails', '--older-than', '30'));
        self::assertSame([0, "emptied the addresses of 0 rows older than 1 day\n", ''], $this->tool('purge-emails', '--older-than=1'));
        $emails = array_column($this->table->everything(), 'email', 'id');
        self::assertSame(['', ''], [$emails[$old], $emails[$eva]]);
        self::assertSame(['jan@example.cz'], array_values(array_filter($emails)));
        self::assertSame(4, $this->table->count());
        self::assertSame([0, "emptied the addresses of 1 row older than 0 days\n", ''], $this->tool('purge-emails', '--older-than', '0'));
        self::assertSame([0, "emptied the networks of 0 rows older than 0 days\n", ''], $this->tool('purge-networks', '--older-than', '0'));
        $this->store('Net', 5, '', time() - 2 * 86400, '192.0.2.1/32');
        self::assertSame([0, "emptied the networks of 1 row older than 1 day\n", ''], $this->tool('purge-networks', '--older-than', '1'));
        foreach ([['forget'], ['forget', ''], ['forget', 'a', 'b'], ['purge-emails'], ['purge-emails', '--older-than'],
            ['purge-emails', '--older-than', '-1'], ['purge-emails', '--older-than', '1.5'], ['purge-emails', '30'],
            ['purge-networks', '--older-than=']] as $wrong) {
            [$status, $out, $err] = $this->tool(...$wrong);
            self::assertSame(2, $status, implode(' ', $wrong));
            self::assertSame('', $out);
            self::assertStringStartsWith('sixdice-table: ', $err);
        }
    }

    public function testHiddenRowsAreListedWithoutARank(): void
    {
        $a = $this->store('A', 300, '');
        $b = $this->store('B', 200, '');
        $c = $this->store('C', 100, '');
        self::assertSame([0, "hidden $a\nno row 999999\n", ''], $this->tool('hide', (string) $a, '999999'));
        [, $out] = $this->tool('list');
        self::assertSame(["$a\t-\t300", "$b\t1\t200", "$c\t2\t100"], array_map(
            static fn (string $line): string => implode("\t", array_slice(explode("\t", $line), 0, 3)), explode("\n", trim($out))));
        self::assertSame(['B', 'C'], array_column($this->table->top(), 'player'));
        self::assertSame([0, "shown $a\n", ''], $this->tool('unhide', (string) $a));
        self::assertSame(['A', 'B', 'C'], array_column($this->table->top(), 'player'));
        self::assertSame(2, $this->tool('hide')[0], 'no ids');
        self::assertSame(2, $this->tool('hide', (string) $b, '1x')[0], 'a wrong id changes nothing');
        self::assertSame(['A', 'B', 'C'], array_column($this->table->top(), 'player'));
    }

    public function testBansAreAddedListedAndLifted(): void
    {
        $shown = $this->store('Spam Bot', 5, '');
        self::assertSame([0, "banned the name Spam Bot\nrows shown under this name (hide them with \"hide ID...\"): $shown\n", ''],
            $this->tool('ban-name', 'Spam Bot'));
        self::assertSame(0, $this->tool('ban-name', 'spam bot')[0]);
        self::assertStringStartsWith('the name spam bot was banned already', $this->tool('ban-name', 'spam bot')[1]);
        self::assertSame([0, "banned 203.0.113.0/24\n", ''], $this->tool('ban-network', '203.0.113.9/24'));
        self::assertSame([0, "banned 2001:db8:66::/48\n", ''], $this->tool('ban-network', '2001:db8:66::/48'));
        [$status, $out] = $this->tool('bans');
        self::assertSame(0, $status);
        self::assertMatchesRegularExpression("~\\Aname\tSpam Bot\t\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\nnetwork\t2001:db8:66::/48\t[^\n]+\nnetwork\t203\\.0\\.113\\.0/24\t[^\n]+\n\\z~", $out);
        self::assertSame([0, "the name is accepted again\n", ''], $this->tool('unban-name', 'SPAM BOT'));
        self::assertSame([0, "the name was not banned\n", ''], $this->tool('unban-name', 'SPAM BOT'));
        self::assertSame([0, "203.0.113.0/24 is accepted again\n", ''], $this->tool('unban-network', '203.0.113.0/24'));
        self::assertStringStartsWith('2001:db8:66::/64 was not banned', $this->tool('unban-network', '2001:db8:66::/64')[1]);
        foreach ([['ban-network', 'example.org'], ['ban-network', '10.0.0.0/40'], ['ban-network'], ['ban-name', '  ']] as $wrong) {
            self::assertSame(2, $this->tool(...$wrong)[0], implode(' ', $wrong));
        }
        self::assertSame(1, count(explode("\n", trim($this->tool('bans')[1]))));
    }

    public function testTheSuspiciousReportHasThreeSections(): void
    {
        $now = 1_700_000_000;
        $top = $this->store("Top\u{202E}", 10740, '', $now, '192.0.2.1/32');
        for ($i = 0; $i < 4; ++$i) {
            $this->store('Same', 10 + $i, '', $now + 60 * $i, '2001:db8:7::/64');
        }
        $this->store('Same', 9, '', $now, '198.51.100.4/32');
        [$status, $out, $err] = $this->tool('suspicious', '--near', '1', '--burst=4', '--networks', '2');
        self::assertSame([0, ''], [$status, $err]);
        self::assertSame(
            "# rows scoring 10633 or more (max_score 10740): id, score, date, network, shown or hidden, name\n"
            . "$top\t10740\t2023-11-14 22:13:20\t192.0.2.1/32\tshown\tTop\\u{202E}\n"
            . "# networks that sent 4 or more rows within an hour: network, rows, first, last\n"
            . "2001:db8:7::/64\t4\t2023-11-14 22:13:20\t2023-11-14 22:16:20\n"
            . "# names sent from 2 or more networks: name, networks, rows\n"
            . "Same\t2\t5\n", $out);
        self::assertSame(4, count(explode("\n", trim($this->tool('suspicious')[1]))), 'the defaults: 5 %, 10 rows, 3 networks');
        foreach ([['suspicious', '--near', '101'], ['suspicious', '--burst', '0'], ['suspicious', '--what'], ['suspicious', '--near']] as $wrong) {
            self::assertSame(2, $this->tool(...$wrong)[0], implode(' ', $wrong));
        }
        self::assertSame(2, $this->tool('no-such-command')[0]);
        self::assertSame(2, $this->tool()[0]);
        self::assertStringContainsString('purge-emails --older-than DAYS', $this->tool('help')[1]);
    }
}
