<?php
// The running server over HTTP (SIXDICE_TEST_BASE_URL), its rows read straight from its database
// (SIXDICE_TEST_DSN). The server trusts 127.0.0.1 as a proxy, so each test sends its own client
// address in X-Forwarded-For and has its own share of the rate limit (SIXDICE_TEST_RATE_LIMIT).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

use PHPUnit\Framework\TestCase;
use SixDice\Server\Bans;
use SixDice\Server\Network;
use SixDice\Server\ScoreTable;
use SixDice\Server\SubmissionParser;

final class ServerTest extends TestCase
{
    private static int $client = 0;
    private string $base;
    private string $address;
    private PDO $pdo;

    protected function setUp(): void
    {
        $base = getenv('SIXDICE_TEST_BASE_URL');
        $dsn = getenv('SIXDICE_TEST_DSN');
        if (!is_string($base) || $base === '' || !is_string($dsn) || $dsn === '') {
            self::markTestSkipped('needs a running server: SIXDICE_TEST_BASE_URL and SIXDICE_TEST_DSN');
        }
        $this->base = $base;
        $this->pdo = new PDO($dsn, options: [PDO::ATTR_ERRMODE => PDO::ERRMODE_EXCEPTION]);
        $this->address = '192.0.2.' . (++self::$client + 10 * getmypid() % 200);
    }

    /** @return array{status:int, headers:array<string,string>, body:string} */
    private function get(string $pathAndQuery, array $headers = [], string $method = 'GET'): array
    {
        $curl = $this->handle($pathAndQuery, $headers, $method);
        $raw = curl_exec($curl);
        self::assertIsString($raw, curl_error($curl));
        return self::answer($curl, $raw);
    }

    private function handle(string $pathAndQuery, array $headers = [], string $method = 'GET'): CurlHandle
    {
        $curl = curl_init($this->base . $pathAndQuery);
        curl_setopt_array($curl, [
            CURLOPT_RETURNTRANSFER => true,
            CURLOPT_HEADER => true,
            CURLOPT_CUSTOMREQUEST => $method,
            CURLOPT_NOBODY => $method === 'HEAD',
            CURLOPT_HTTPHEADER => array_merge(["X-Forwarded-For: $this->address"], $headers ?: ['Accept-Language: en']),
            CURLOPT_TIMEOUT => 20,
        ]);
        return $curl;
    }

    /** @return array{status:int, headers:array<string,string>, body:string} */
    private static function answer(CurlHandle $curl, string $raw): array
    {
        $headerSize = curl_getinfo($curl, CURLINFO_HEADER_SIZE);
        $headers = [];
        foreach (explode("\r\n", substr($raw, 0, $headerSize)) as $line) {
            if (str_contains($line, ':')) {
                [$name, $value] = explode(':', $line, 2);
                $headers[strtolower($name)] = trim($value);
            }
        }
        return ['status' => curl_getinfo($curl, CURLINFO_RESPONSE_CODE), 'headers' => $headers, 'body' => substr($raw, $headerSize)];
    }

    /** The game's address for a result (names and e-mail addresses given in UTF-8). */
    private static function submission(string $name, int $score, int $rand, string $email = 'a+b@example.cz'): string
    {
        $bytes = iconv('UTF-8', 'CP1250', $name);
        return '/savescore.php?gid=43&player=' . rawurlencode($bytes) . "&score=$score&email="
            . rawurlencode(iconv('UTF-8', 'CP1250', $email)) . "&rand=$rand&check="
            . SubmissionParser::checkValue($bytes, (string) $score, (string) $rand);
    }

    /** @return list<array<string, mixed>> */
    private function rows(string $name): array
    {
        $statement = $this->pdo->prepare('SELECT player, score, email, rand, check_value FROM scores WHERE player = ?');
        $statement->execute([$name]);
        return $statement->fetchAll(PDO::FETCH_ASSOC);
    }

    private function storedRows(): int
    {
        return (int) $this->pdo->query('SELECT COUNT(*) FROM scores')->fetchColumn();
    }

    /** A name no other run of the tests has used, at most ten characters. */
    private static function unique(string $prefix): string
    {
        return $prefix . substr(bin2hex(random_bytes(4)), 0, 10 - mb_strlen($prefix));
    }

    public function testASubmissionIsStoredWithItsExactNameAndAddress(): void
    {
        $name = self::unique('Č&= +%#');
        $answer = $this->get(self::submission($name, 777, 4242, 'kůň+1@example.cz'));
        self::assertSame(200, $answer['status']);
        self::assertStringContainsString('class="mine"', $answer['body']);
        self::assertStringContainsString(htmlspecialchars($name, ENT_QUOTES | ENT_HTML5), $answer['body']);
        self::assertStringNotContainsString('example.cz', $answer['body']);
        $rows = $this->rows($name);
        self::assertCount(1, $rows);
        self::assertSame([777, 'kůň+1@example.cz', 4242], [(int) $rows[0]['score'], $rows[0]['email'], (int) $rows[0]['rand']]);
        self::assertMatchesRegularExpression('/^[0-9a-f]{32}$/', trim($rows[0]['check_value']));
    }

    public function testAReplayStoresNothingAndGetsTheSamePage(): void
    {
        $name = self::unique('again');
        $first = $this->get(self::submission($name, 500, 7));
        $second = $this->get(self::submission($name, 500, 7, 'other@example.cz'));
        self::assertSame(200, $second['status']);
        self::assertSame($first['body'], $second['body']);
        self::assertCount(1, $this->rows($name));
        self::assertSame('a+b@example.cz', $this->rows($name)[0]['email'], 'the first one stays');
        // The language switch asks again without the e-mail address: the same row, in Czech.
        preg_match('/href="\?([^"]*)" hreflang="cs"/', $first['body'], $switch);
        $czech = $this->get('/savescore.php?' . html_entity_decode($switch[1]));
        self::assertStringContainsString('<html lang="cs">', $czech['body']);
        self::assertStringContainsString('class="mine"', $czech['body']);
        self::assertCount(1, $this->rows($name));
    }

    public function testConcurrentCopiesOfOneSubmissionStoreOneRow(): void
    {
        $name = self::unique('race');
        $multi = curl_multi_init();
        $handles = [];
        // From eight clients at once, as a link passed around might be opened.
        for ($i = 0; $i < 8; ++$i) {
            $this->address = "203.0.113.$i";
            $handles[] = $curl = $this->handle(self::submission($name, 321, 99));
            curl_multi_add_handle($multi, $curl);
        }
        do {
            curl_multi_exec($multi, $running);
            curl_multi_select($multi, 1.0);
        } while ($running > 0);
        foreach ($handles as $curl) {
            self::assertSame(200, curl_getinfo($curl, CURLINFO_RESPONSE_CODE));
            curl_multi_remove_handle($multi, $curl);
        }
        curl_multi_close($multi);
        self::assertCount(1, $this->rows($name));
    }

    public function testEveryRefusalSaysWhyWithStatus400AndStoresNothing(): void
    {
        $name = self::unique('no');
        $good = self::submission($name, 100, 1);
        $before = $this->storedRows();
        $cases = [
            'bad check' => [str_replace('&check=', '&check=0', substr($good, 0, -1)), 'does not match'],
            'missing key' => [preg_replace('/&rand=[0-9]+/', '', $good), 'lacks the value “rand”'],
            'wrong game' => [str_replace('gid=43', 'gid=42', $good), 'game 43'],
            'rand out of range' => [self::submission($name, 100, 10000), 'must be 0 to 9999'],
            'score out of range' => [str_replace('&score=100&', '&score=2147483648&', $good), '32-bit'],
            'score no game reaches' => [self::submission($name, 10741, 1), 'does not accept a score of 10741'],
            'negative score' => [self::submission($name, -5, 1), 'does not accept a score of -5'],
            'name too long' => [self::submission($name . 'x', 100, 1), 'longer than 10 characters'],
            'bad percent-encoding' => [str_replace('&email=', '&email=%G', $good), 'not correctly percent-encoded'],
            'duplicate key' => [$good . '&score=100', 'more than once'],
            'bad format' => [$good . '&format=xml', 'no such format'],
        ];
        foreach ($cases as $what => [$query, $text]) {
            $answer = $this->get($query);
            self::assertSame(400, $answer['status'], $what);
            self::assertStringContainsString($text, $answer['body'], $what);
            self::assertStringContainsString('The result was not accepted', $answer['body'], $what);
        }
        self::assertSame($before, $this->storedRows());
        self::assertSame([], $this->rows($name));
        self::assertSame(400, $this->get('/savescore.php')['status'], 'no query at all');
        $json = $this->get(str_replace('gid=43', 'gid=42', $good) . '&format=json');
        self::assertSame('wrong_game', json_decode($json['body'], true)['error']);
    }

    public function testNamesAreEscapedOnThePageAndExactInJson(): void
    {
        $name = "<b>x</b>'-";
        $answer = $this->get(self::submission($name, 9, 3001));
        self::assertStringContainsString('&lt;b&gt;x&lt;/b&gt;&apos;-', $answer['body']);
        self::assertStringNotContainsString('<b>x</b>', $answer['body']);
        $json = json_decode($this->get(self::submission($name, 9, 3001) . '&format=json')['body'], true);
        self::assertSame($name, $json['submitted']['name']);
        self::assertSame(9, $json['submitted']['score']);
        self::assertArrayNotHasKey('email', $json['submitted']);
    }

    public function testJsonGivesTheTablesRows(): void
    {
        $name = self::unique('json');
        $this->get(self::submission($name, 10740, 17));
        $answer = $this->get('/savescore.php?gid=43&format=json');
        self::assertSame(200, $answer['status']);
        self::assertSame('application/json; charset=utf-8', $answer['headers']['content-type']);
        $data = json_decode($answer['body'], true, flags: JSON_THROW_ON_ERROR);
        self::assertNull($data['submitted']);
        self::assertLessThanOrEqual(100, count($data['results']));
        $ranks = array_column($data['results'], 'rank');
        self::assertSame(range(1, count($ranks)), $ranks);
        $scores = array_column($data['results'], 'score');
        $sorted = $scores;
        rsort($sorted);
        self::assertSame($sorted, $scores);
        self::assertContains($name, array_column($data['results'], 'name'));
        self::assertMatchesRegularExpression('/^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ$/', $data['results'][0]['date']);
    }

    public function testTheRateLimitAnswers429(): void
    {
        $limit = (int) getenv('SIXDICE_TEST_RATE_LIMIT');
        self::assertGreaterThan(0, $limit, 'SIXDICE_TEST_RATE_LIMIT names the server\'s limit');
        $name = self::unique('rate');
        for ($i = 1; $i <= $limit; ++$i) {
            self::assertSame(200, $this->get(self::submission($name, $i, $i))['status'], "submission $i");
        }
        $refused = $this->get(self::submission($name, 99, 99));
        self::assertSame(429, $refused['status']);
        self::assertGreaterThan(3500, (int) $refused['headers']['retry-after']);
        self::assertStringContainsString("at most $limit", $refused['body']);
        self::assertSame(200, $this->get(self::submission($name, 1, 1))['status'], 'replays still answer');
        self::assertSame(200, $this->get('/savescore.php?gid=43')['status'], 'the table is never limited');
        self::assertCount($limit, $this->rows($name));
        $this->address = '198.51.100.' . (getmypid() % 250 + 1);
        self::assertSame(200, $this->get(self::submission($name, 99, 99))['status'], 'another client');
    }

    public function testAClientOneBelowTheLimitWithRequestsInFlightGetsExactlyOneStored(): void
    {
        $limit = (int) getenv('SIXDICE_TEST_RATE_LIMIT');
        self::assertGreaterThan(0, $limit, 'SIXDICE_TEST_RATE_LIMIT names the server\'s limit');
        $this->address = '198.18.' . (getmypid() % 250) . '.' . random_int(1, 250);
        $attempt = $this->pdo->prepare('INSERT INTO submission_attempts (client, at) VALUES (?, ?)');
        for ($i = 1; $i < $limit; ++$i) {
            $attempt->execute([$this->address . '/32', time() - 60]);
        }
        $name = self::unique('edge');
        $multi = curl_multi_init();
        $handles = [];
        for ($i = 0; $i < 8; ++$i) {
            $handles[] = $curl = $this->handle(self::submission($name, 500 + $i, 700 + $i));
            curl_multi_add_handle($multi, $curl);
        }
        do {
            curl_multi_exec($multi, $running);
            curl_multi_select($multi, 1.0);
        } while ($running > 0);
        $statuses = [];
        foreach ($handles as $curl) {
            $statuses[] = curl_getinfo($curl, CURLINFO_RESPONSE_CODE);
            curl_multi_remove_handle($multi, $curl);
        }
        curl_multi_close($multi);
        sort($statuses);
        self::assertSame([200, 429, 429, 429, 429, 429, 429, 429], $statuses);
        self::assertCount(1, $this->rows($name));
    }

    public function testTheHttpDetails(): void
    {
        $table = $this->get('/savescore.php?gid=43', ['Accept-Language: cs-CZ,cs;q=0.9,en;q=0.5']);
        self::assertStringContainsString('<html lang="cs">', $table['body']);
        self::assertSame('text/html; charset=utf-8', $table['headers']['content-type']);
        self::assertStringContainsString("default-src 'none'", $table['headers']['content-security-policy']);
        self::assertSame('no-referrer', $table['headers']['referrer-policy']);
        self::assertArrayNotHasKey('x-powered-by', $table['headers']);
        $head = $this->get('/savescore.php?gid=43', method: 'HEAD');
        self::assertSame(200, $head['status']);
        self::assertSame('', $head['body']);
        $post = $this->get('/savescore.php?gid=43', method: 'POST');
        self::assertSame(405, $post['status']);
        self::assertStringContainsString('GET', $post['headers']['allow']);
        self::assertSame(414, $this->get('/savescore.php?gid=43&x=' . str_repeat('y', 3000))['status']);
    }

    public function testStrictInputIsRefusedWithAReasonAndStoresNothing(): void
    {
        $name = self::unique('strict');
        $good = self::submission($name, 100, 5);
        $before = $this->storedRows();
        foreach (['score' => 'score is not a whole number', 'rand' => 'random number is not', 'check' => 'check value is not'] as $key => $text) {
            $answer = $this->get(preg_replace("/(&$key=[^&]*)/", '${1}%0A', $good));
            self::assertSame(400, $answer['status'], "$key with a trailing newline");
            self::assertStringContainsString($text, $answer['body'], $key);
        }
        $eva = static fn (string $emailBytes): string => '/savescore.php?gid=43&player=' . rawurlencode('Čeň') . '&score=7&email='
            . $emailBytes . '&rand=8&check=' . SubmissionParser::checkValue(iconv('UTF-8', 'CP1250', 'Čeň'), '7', '8');
        $cases = [
            'C1 control, UTF-8 path' => [$eva('%C2%9B31m%40x.cz'), 'U+009B', 'e-mail address holds an invisible'],
            'override, UTF-8 path' => [$eva('a%E2%80%AEzc.x%40b'), 'U+202E', 'e-mail address holds an invisible'],
            'escape, code page path' => [self::submission('Eva', 7, 8, "a\x1B@x.cz"), 'U+001B', 'e-mail address holds an invisible'],
            'name with a control' => [self::rawSubmission("Ev\x1Ba"), 'U+001B', 'name holds an invisible'],
            'name with a soft hyphen' => [self::rawSubmission("Ev\xADa"), 'U+00AD', 'name holds an invisible'],
            'name with an override as UTF-8' => [str_replace('player=Eva', 'player=Ev%E2%80%AEa', self::rawSubmission('Eva')), 'U+202E', 'name holds an invisible'],
            'spaces' => [self::rawSubmission('   '), 'nothing but spaces', 'nothing but spaces'],
            'no-break space' => [self::rawSubmission("\xA0"), 'nothing but spaces', 'nothing but spaces'],
            'soft hyphen alone' => [self::rawSubmission("\xAD"), 'nothing but spaces', 'nothing but spaces'],
        ];
        foreach ($cases as $what => [$query, $code, $text]) {
            $answer = $this->get($query);
            self::assertSame(400, $answer['status'], $what);
            self::assertStringContainsString($code, $answer['body'], $what);
            self::assertStringContainsString($text, $answer['body'], $what);
            $json = json_decode($this->get($query . '&format=json')['body'], true);
            self::assertStringContainsString($code, $json['message'], $what);
        }
        self::assertSame($before, $this->storedRows());
    }

    /** A submission of exactly these code page 1250 name bytes, with its right check value. */
    private static function rawSubmission(string $nameBytes): string
    {
        return '/savescore.php?gid=43&player=' . rawurlencode($nameBytes) . '&score=3&email=&rand=4&check='
            . SubmissionParser::checkValue($nameBytes, '3', '4');
    }

    public function testHeadAnswersLikeGetButStoresNothing(): void
    {
        $name = self::unique('head');
        $query = self::submission($name, 250, 6);
        $head = $this->get($query, method: 'HEAD');
        self::assertSame(200, $head['status']);
        self::assertSame('', $head['body']);
        self::assertSame('text/html; charset=utf-8', $head['headers']['content-type']);
        self::assertSame([], $this->rows($name), 'HEAD stored the result');
        self::assertSame(400, $this->get(str_replace('&score=250', '&score=251', $query), method: 'HEAD')['status']);
        self::assertSame(200, $this->get($query)['status']);
        self::assertCount(1, $this->rows($name));
        self::assertSame(200, $this->get($query, method: 'HEAD')['status'], 'a replay');
        self::assertCount(1, $this->rows($name));
        // HEAD counts no attempt either: a client can ask as often as it likes and still submit.
        $limit = (int) getenv('SIXDICE_TEST_RATE_LIMIT');
        $this->address = '198.18.0.' . (getmypid() % 250 + 1);
        for ($i = 0; $i <= $limit; ++$i) {
            self::assertSame(200, $this->get(self::submission($name, 300 + $i, 6), method: 'HEAD')['status']);
        }
        self::assertSame(200, $this->get(self::submission($name, 300, 6))['status']);
        self::assertCount(2, $this->rows($name));
    }

    public function testOnlyTheTableMayBeReadFromOtherSites(): void
    {
        $read = $this->get('/savescore.php?gid=43&format=json');
        self::assertSame('*', $read['headers']['access-control-allow-origin'] ?? null);
        $name = self::unique('cors');
        foreach (['' => 200, '&format=json' => 200] as $format => $status) {
            $answer = $this->get(self::submission($name, 12, 34) . $format, ['Origin: https://elsewhere.example']);
            self::assertSame($status, $answer['status']);
            self::assertArrayNotHasKey('access-control-allow-origin', $answer['headers'], "submission$format");
        }
        $refused = $this->get(self::submission($name, 12, 35) . '0&format=json');
        self::assertSame(400, $refused['status']);
        self::assertArrayNotHasKey('access-control-allow-origin', $refused['headers'], 'a refused submission');
    }

    public function testAnIpv6ClientIsCountedByItsSlash64(): void
    {
        $limit = (int) getenv('SIXDICE_TEST_RATE_LIMIT');
        $name = self::unique('six');
        $network = sprintf('2001:db8:%x:%x', getmypid() % 0xFFFF, random_int(0, 0xFFFF));
        for ($i = 1; $i <= $limit; ++$i) {
            $this->address = "$network::$i";
            self::assertSame(200, $this->get(self::submission($name, $i, 100 + $i))['status'], "address $i");
        }
        $this->address = "$network:ffff:ffff:ffff:ffff";
        self::assertSame(429, $this->get(self::submission($name, 99, 199))['status'], 'the same /64');
        $this->address = "$network::1";
        self::assertSame(200, $this->get(self::submission($name, 1, 101))['status'], 'a replay is never limited');
        $this->address = substr($network, 0, -1) . (substr($network, -1) === '0' ? '1' : '0') . '::1';
        self::assertSame(200, $this->get(self::submission($name, 99, 199))['status'], 'the next /64');
        $stored = $this->pdo->prepare('SELECT DISTINCT client_network FROM scores WHERE player = ? ORDER BY 1');
        $stored->execute([$name]);
        self::assertSame(2, count($stored->fetchAll(PDO::FETCH_COLUMN)), 'each row keeps its /64');
    }

    public function testBannedNamesAndNetworksAreRefusedWith403(): void
    {
        $bans = new Bans($this->pdo);
        $name = self::unique('Ban');
        $bans->banName(strtoupper($name), time());
        $answer = $this->get(self::submission($name, 40, 41));
        self::assertSame(403, $answer['status']);
        self::assertStringContainsString('does not accept results under this name', $answer['body']);
        self::assertSame('name_banned', json_decode($this->get(self::submission($name, 40, 41) . '&format=json')['body'], true)['error']);
        self::assertSame(403, $this->get(self::submission($name, 40, 41), method: 'HEAD')['status']);
        self::assertSame([], $this->rows($name));

        $other = self::unique('net');
        $this->address = '203.0.113.' . (getmypid() % 200 + 20);
        $bans->banNetwork(Network::parse($this->address . '/30'), time());
        $answer = $this->get(self::submission($other, 42, 43), ['Accept-Language: cs']);
        self::assertSame(403, $answer['status']);
        self::assertStringContainsString('z vaší sítě tabulka nepřijímá', $answer['body']);
        self::assertSame([], $this->rows($other));
        self::assertSame(200, $this->get('/savescore.php?gid=43')['status'], 'the table can still be read');
        $bans->unbanNetwork(Network::parse($this->address . '/30'));
        self::assertSame(200, $this->get(self::submission($other, 42, 43))['status']);
        self::assertCount(1, $this->rows($other));
        $bans->unbanName($name);
        self::assertSame(200, $this->get(self::submission($name, 40, 41))['status']);
    }

    public function testHiddenRowsAreOutOfThePageTheJsonAndTheRanks(): void
    {
        $table = new ScoreTable($this->pdo);
        $cheat = self::unique('cheat');
        $fair = self::unique('fair');
        $this->get(self::submission($cheat, 10740, 50));
        $json = json_decode($this->get(self::submission($fair, 10739, 51) . '&format=json')['body'], true);
        $rank = $json['submitted']['rank'];
        $id = (int) $this->pdo->query('SELECT id FROM scores WHERE player = ' . $this->pdo->quote($cheat))->fetchColumn();
        $table->setHidden($id, true);
        $page = $this->get('/savescore.php?gid=43');
        self::assertStringNotContainsString($cheat, $page['body']);
        self::assertStringContainsString($fair, $page['body']);
        $data = json_decode($this->get(self::submission($fair, 10739, 51) . '&format=json')['body'], true);
        self::assertNotContains($cheat, array_column($data['results'], 'name'));
        self::assertSame($rank - 1, $data['submitted']['rank'], 'the hidden row is not counted ahead');
        self::assertSame(range(1, count($data['results'])), array_column($data['results'], 'rank'));
        // Its own replay is answered with the table, which does not show it.
        $replay = $this->get(self::submission($cheat, 10740, 50) . '&format=json');
        self::assertSame(200, $replay['status']);
        self::assertNull(json_decode($replay['body'], true)['submitted']);
        self::assertCount(1, $this->rows($cheat), 'still stored');
        $table->setHidden($id, false);
        self::assertContains($cheat, array_column(json_decode($this->get('/savescore.php?gid=43&format=json')['body'], true)['results'], 'name'));
    }

    public function testBeyondTheHourlyCeilingNewResultsWaitWith503(): void
    {
        $ceiling = (int) getenv('SIXDICE_TEST_MAX_NEW_PER_HOUR');
        self::assertGreaterThan(0, $ceiling, 'SIXDICE_TEST_MAX_NEW_PER_HOUR names the server\'s ceiling');
        $name = self::unique('full');
        $kept = $this->get(self::submission($name, 60, 61));
        self::assertSame(200, $kept['status']);
        // Fill the rest of the hour with rows from elsewhere, the oldest ten minutes old.
        $now = time();
        $missing = $ceiling - (int) $this->pdo->query('SELECT COUNT(*) FROM scores WHERE submitted_at > ' . ($now - 3600))->fetchColumn();
        $insert = $this->pdo->prepare("INSERT INTO scores (player, score, email, rand, check_value, submitted_at) VALUES ('filler', 1, '', ?, ?, ?)");
        $this->pdo->beginTransaction();
        for ($i = 0; $i < $missing; ++$i) {
            $insert->execute([$i % 10000, md5("filler$i"), $now - 600]);
        }
        $this->pdo->commit();
        try {
            foreach (['', '&format=json'] as $format) {
                $this->address = '192.0.2.' . random_int(1, 254);
                $answer = $this->get(self::submission($name, 62, 63) . $format);
                self::assertSame(503, $answer['status'], "new result$format");
                // Until the fillers' minute has left the hour's window of 61 minutes: between
                // 50 and 51 minutes from now.
                $wait = (int) $answer['headers']['retry-after'];
                self::assertGreaterThan(3000 - (time() - $now), $wait);
                self::assertLessThanOrEqual(3060, $wait);
            }
            self::assertStringContainsString('Try again in', $answer['body']);
            self::assertSame(200, $this->get(self::submission($name, 60, 61))['status'], 'a replay is answered');
            self::assertSame(200, $this->get('/savescore.php?gid=43')['status'], 'the table is read');
            self::assertCount(1, $this->rows($name));
        } finally {
            $this->pdo->exec("DELETE FROM scores WHERE player = 'filler'");
        }
        self::assertSame(200, $this->get(self::submission($name, 62, 63))['status'], 'room again');
    }
}
