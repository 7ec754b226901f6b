<?php
// Whole answers from the application, in-process: the table page, submissions, refusals, JSON,
// escaping, the rate limit and a database that fails.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

use PHPUnit\Framework\TestCase;
use SixDice\Server\Application;
use SixDice\Server\Config;
use SixDice\Server\Request;
use SixDice\Server\Response;
use SixDice\Server\SubmissionParser;
use SixDice\Server\Tests\TestDatabase;

final class PagesTest extends TestCase
{
    private Config $config;
    private int $now = 1_767_225_600; // 2026-01-01 00:00 UTC

    protected function setUp(): void
    {
        $this->config = TestDatabase::config(rateLimit: 3);
        TestDatabase::empty(SixDice\Server\Database::open($this->config));
    }

    private function get(string $query, string $acceptLanguage = 'en', string $peer = '192.0.2.1', string $method = 'GET'): Response
    {
        $application = new Application(fn (): Config => $this->config, fn (): int => $this->now);
        return $application->handle(new Request($method, $query, $peer, null, $acceptLanguage));
    }

    private static function submission(string $name, int $score, int $rand, string $email = 'secret+mail@example.cz'): string
    {
        $bytes = iconv('UTF-8', 'CP1250', $name);
        return 'gid=43&player=' . rawurlencode($bytes) . "&score=$score&email=" . rawurlencode($email)
            . "&rand=$rand&check=" . SubmissionParser::checkValue($bytes, (string) $score, (string) $rand);
    }

    public function testTheEmptyTableInBothLanguages(): void
    {
        $english = $this->get('gid=43');
        self::assertSame(200, $english->status);
        self::assertStringContainsString('<html lang="en">', $english->body);
        self::assertStringContainsString('No results yet.', $english->body);
        self::assertStringContainsString('href="?gid=43&amp;lang=cs"', $english->body);
        $czech = $this->get('gid=43', 'cs-CZ,cs;q=0.9');
        self::assertStringContainsString('<html lang="cs">', $czech->body);
        self::assertStringContainsString('Zatím tu nejsou žádné výsledky.', $czech->body);
        self::assertStringContainsString('<html lang="en">', $this->get('gid=43&lang=en', 'cs')->body);
        self::assertStringNotContainsString('http', preg_replace('/xmlns="[^"]*"/', '', $czech->body), 'no outside resources');
    }

    public function testASubmissionIsShownHighlightedWithItsRankAndRepliedTheSameWhenRepeated(): void
    {
        $this->get(self::submission('Eva', 2000, 1));
        $this->get(self::submission('Jan', 500, 2));
        $this->now += 86400;
        $answer = $this->get(self::submission("<b>x</b>'-", 1000, 3));
        self::assertSame(200, $answer->status);
        self::assertStringContainsString('Recorded: &lt;b&gt;x&lt;/b&gt;&apos;-, score 1000 – rank 2.', $answer->body);
        self::assertMatchesRegularExpression('#<tr class="mine" id="mine"><td class="num">2</td><td class="name">&lt;b&gt;x&lt;/b&gt;&apos;-</td><td class="num">1000</td><td class="date">2026-01-02</td></tr>#', $answer->body);
        self::assertStringNotContainsString('<b>x', $answer->body);
        self::assertStringNotContainsString('secret', $answer->body, 'e-mail addresses are never shown');
        self::assertSame(1, substr_count($answer->body, 'class="mine"'));
        $this->now += 5;
        self::assertSame($answer->body, $this->get(self::submission("<b>x</b>'-", 1000, 3))->body, 'a replay');
        $table = $this->get('gid=43&format=json');
        self::assertCount(3, json_decode($table->body, true)['results']);
        $czech = $this->get(self::submission("<b>x</b>'-", 1000, 3), 'cs');
        self::assertStringContainsString('Zapsáno: &lt;b&gt;x&lt;/b&gt;&apos;-, hodnota 1000 – 2. místo.', $czech->body);
        self::assertStringContainsString('<td class="date">2. 1. 2026</td>', $czech->body);
    }

    public function testAResultBelowTheFirstHundredIsShownUnderThem(): void
    {
        for ($i = 1; $i <= 100; ++$i) {
            $this->get(self::submission("p$i", 1000 + $i, $i), peer: "198.51.100.$i");
        }
        $answer = $this->get(self::submission('last', 5, 999));
        self::assertSame(100, substr_count($answer->body, '<tr><td class="num">'));
        self::assertStringContainsString('<tr class="gap"><td colspan="4">…</td></tr><tr class="mine" id="mine"><td class="num">101</td><td class="name">last</td>', $answer->body);
        self::assertStringContainsString('The table shows the first 100 places; your result is below them.', $answer->body);
        self::assertStringContainsString('rank 101.', $answer->body);
        $json = json_decode($this->get(self::submission('last', 5, 999) . '&format=json')->body, true);
        self::assertCount(100, $json['results']);
        self::assertSame(101, $json['submitted']['rank']);
    }

    public function testJsonGivesTheSameRowsAndNoAddresses(): void
    {
        $this->get(self::submission('Čeněk', 840, 9999));
        $answer = $this->get(self::submission('Eva', 1000, 42) . '&format=json');
        self::assertSame('application/json; charset=utf-8', $answer->headers['Content-Type']);
        $data = json_decode($answer->body, true, flags: JSON_THROW_ON_ERROR);
        self::assertSame(43, $data['game']);
        self::assertSame([
            ['rank' => 1, 'name' => 'Eva', 'score' => 1000, 'date' => '2026-01-01T00:00:00Z'],
            ['rank' => 2, 'name' => 'Čeněk', 'score' => 840, 'date' => '2026-01-01T00:00:00Z'],
        ], $data['results']);
        self::assertSame($data['results'][0], $data['submitted']);
        self::assertStringNotContainsString('example.cz', $answer->body);
        $refused = $this->get('gid=43&player=Eva&score=1&rand=1&check=' . str_repeat('0', 32) . '&format=json');
        self::assertSame(400, $refused->status);
        self::assertSame('check_mismatch', json_decode($refused->body, true)['error']);
    }

    public function testRefusalsSayWhyAndStoreNothing(): void
    {
        $cases = [
            ['gid=44', 400, 'only (game 43)'],
            ['', 400, 'lacks the value “gid”'],
            ['gid=43&format=xml', 400, 'no such format'],
            ['gid=43&player=%zz', 400, 'not correctly percent-encoded'],
            ['gid=43&gid=43', 400, 'more than once'],
            ['gid=43&player=Eva&score=1&rand=1&check=' . str_repeat('0', 32), 400, 'does not match'],
            [self::submission('Eva', 10741, 1), 400, 'does not accept a score of 10741'],
            [str_repeat('x', 2049), 414, 'too long'],
        ];
        foreach ($cases as [$query, $status, $text]) {
            $answer = $this->get($query);
            self::assertSame($status, $answer->status, $query);
            self::assertStringContainsString($text, $answer->body, $query);
            self::assertStringContainsString('id="refusal"', $answer->body);
        }
        $post = $this->get('gid=43', method: 'POST');
        self::assertSame(405, $post->status);
        self::assertSame('GET, HEAD', $post->headers['Allow']);
        self::assertSame([], json_decode($this->get('gid=43&format=json')->body, true)['results']);
    }

    public function testTheRateLimitAnswers429ButStillAnswersReplays(): void
    {
        for ($rand = 1; $rand <= 3; ++$rand) {
            self::assertSame(200, $this->get(self::submission('Eva', 100, $rand))->status);
        }
        $limited = $this->get(self::submission('Eva', 100, 4));
        self::assertSame(429, $limited->status);
        self::assertSame('3600', $limited->headers['Retry-After']);
        self::assertStringContainsString('at most 3', $limited->body);
        self::assertSame(200, $this->get(self::submission('Eva', 100, 2))->status, 'a replay stores nothing');
        self::assertSame(200, $this->get(self::submission('Eva', 100, 4), peer: '192.0.2.2')->status);
        self::assertSame(200, $this->get('gid=43')->status, 'the table is never limited');
        $this->now += 3600;
        self::assertSame(200, $this->get(self::submission('Eva', 100, 5))->status);
    }

    public function testAFailingDatabaseIsLoggedAndNotShown(): void
    {
        $log = tempnam(sys_get_temp_dir(), 'sixdice-log');
        $previous = ini_set('error_log', $log);
        try {
            $this->config = new Config(dsn: 'sqlite:/proc/no-such-folder/x/scores.sqlite');
            $answer = $this->get('gid=43');
        } finally {
            ini_set('error_log', (string) $previous);
        }
        self::assertSame(500, $answer->status);
        self::assertStringContainsString('Please try again later.', $answer->body);
        self::assertStringNotContainsString('/proc', $answer->body);
        self::assertStringContainsString('/proc/no-such-folder', (string) file_get_contents($log));
        unlink($log);
    }

    public function testADatabaseThatDoesNotAnswerIsA503WithATimeToTryAgain(): void
    {
        $log = tempnam(sys_get_temp_dir(), 'sixdice-log');
        $previous = ini_set('error_log', $log);
        $folder = sys_get_temp_dir() . '/sixdice-unopenable-' . getmypid();
        mkdir("$folder/scores.sqlite", 0700, true); // a folder where the file should be
        try {
            $this->config = new Config(dsn: "sqlite:$folder/scores.sqlite");
            $page = $this->get('gid=43');
            $submission = $this->get(self::submission('Eva', 100, 9));
            $json = $this->get('gid=43&format=json');
        } finally {
            ini_set('error_log', (string) $previous);
            rmdir("$folder/scores.sqlite");
            rmdir($folder);
        }
        foreach ([$page, $submission, $json] as $answer) {
            self::assertSame(503, $answer->status);
            self::assertSame('10', $answer->headers['Retry-After']);
        }
        self::assertStringContainsString('Please try again in a moment', $page->body);
        self::assertStringContainsString('a result sent again is stored once', $submission->body);
        self::assertSame('database_unavailable', json_decode($json->body, true)['error']);
        self::assertStringNotContainsString($folder, $page->body);
        unlink($log);
    }
}
