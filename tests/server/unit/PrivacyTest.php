<?php
// What reaches a log: a failure's first line only, without the submission's e-mail address; and
// the query as nginx hands it over beside an empty QUERY_STRING.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

use PHPUnit\Framework\TestCase;
use SixDice\Server\Application;
use SixDice\Server\Request;

final class PrivacyTest extends TestCase
{
    public function testAFailureIsLoggedByItsFirstLineWithoutTheAddress(): void
    {
        // PostgreSQL's message for a refused row, with the row's values on the DETAIL line.
        $failure = new PDOException("SQLSTATE[23514]: Check violation: 7 ERROR:  new row for relation \"scores\" violates check constraint \"scores_score_check\"\n"
            . 'DETAIL:  Failing row contains (7, Jan, 99999, jan.novak@example.cz, 12, 0123abcd, 1700000000).');
        $line = Application::logLine($failure, 'jan.novak@example.cz');
        self::assertStringStartsWith('sixdice-server: PDOException: SQLSTATE[23514]: Check violation', $line);
        self::assertStringContainsString(__FILE__ . ':', $line);
        self::assertStringNotContainsString('DETAIL', $line);
        self::assertStringNotContainsString('example.cz', $line);
        self::assertStringNotContainsString("\n", $line);

        // An address quoted in the first line, as given or percent-encoded, in any case.
        foreach (['Jan.Novak+x@Example.cz', 'jan.novak%2Bx%40example.cz'] as $quoted) {
            $line = Application::logLine(new RuntimeException("no row for \"$quoted\" stored"), 'jan.novak+x@example.cz');
            self::assertStringContainsString('no row for "(e-mail address)" stored', $line);
        }
        // Without a submission nothing is blanked, and an empty message stays empty.
        self::assertStringContainsString('unknown time zone "Mars"', Application::logLine(new RuntimeException('unknown time zone "Mars"')));
        self::assertMatchesRegularExpression('/^sixdice-server: LogicException:  at /', Application::logLine(new LogicException('')));
    }

    public function testTheQueryComesFromNginxsParameterOrFromQueryString(): void
    {
        $behindNginx = Request::fromServer(['QUERY_STRING' => '', 'SIXDICE_QUERY' => 'gid=43&email=a%40b.cz', 'REQUEST_METHOD' => 'get']);
        self::assertSame('gid=43&email=a%40b.cz', $behindNginx->query);
        self::assertSame('GET', $behindNginx->method);
        self::assertSame('gid=43', Request::fromServer(['QUERY_STRING' => 'gid=43'])->query);
        self::assertSame('', Request::fromServer([])->query);
    }
}
