<?php
// Reading the raw query: strict percent-decoding to bytes, "+" kept, duplicates refused, and the
// "&" that a game which does not escape leaves inside a name or an e-mail address.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

use PHPUnit\Framework\TestCase;
use SixDice\Server\Query;
use SixDice\Server\Reason;
use SixDice\Server\Refusal;

final class QueryTest extends TestCase
{
    private static function parsed(string $raw): Query
    {
        $query = Query::parse($raw);
        self::assertInstanceOf(Query::class, $query, $raw);
        return $query;
    }

    public function testValuesAreDecodedToBytesAndPlusStaysPlus(): void
    {
        $query = self::parsed('gid=43&player=%C8en%ECk%20a+b&email=a%2Bb%40example.cz&check=AB');
        self::assertSame("\xC8en\xECk a+b", $query->get('player'));
        self::assertSame('a+b@example.cz', $query->get('email'));
        self::assertSame('43', $query->get('gid'));
        self::assertSame('AB', $query->get('check'));
        self::assertSame('%', self::parsed('player=%25')->get('player'));
        self::assertSame("\xFF", self::parsed('player=%ff')->get('player'), 'lower-case hex digits');
    }

    public function testBrokenPercentEncodingIsRefusedWithTheKey(): void
    {
        foreach (['player=%', 'player=%4', 'player=%G1', 'player=ab%2', 'player=%%41', 'score=1%ZZ'] as $raw) {
            $refusal = Query::parse("gid=43&$raw");
            self::assertInstanceOf(Refusal::class, $refusal, $raw);
            self::assertSame(Reason::BadEncoding, $refusal->reason);
            self::assertSame([explode('=', $raw)[0]], $refusal->details);
        }
    }

    public function testAKeyGivenTwiceIsRefused(): void
    {
        $refusal = Query::parse('gid=43&score=1&score=2');
        self::assertInstanceOf(Refusal::class, $refusal);
        self::assertSame(Reason::DuplicateKey, $refusal->reason);
        self::assertSame(['score'], $refusal->details);
    }

    public function testUnescapedAmpersandsStayInNamesAndAddressesOnly(): void
    {
        $query = self::parsed('gid=43&player=Jan & Eva&score=5&email=a&b=c@x.cz&rand=1&check=f');
        self::assertSame('Jan & Eva', $query->get('player'));
        self::assertSame('a&b=c@x.cz', $query->get('email'));
        self::assertSame('5', $query->get('score'));
        self::assertSame('a&&b', self::parsed('player=a&&b')->get('player'));
        // After any other key an unknown segment is ignored, so a link with extra keys still works.
        $linked = self::parsed('gid=43&utm_source=chat&x');
        self::assertSame('43', $linked->get('gid'));
        self::assertFalse($linked->isSubmission());
        self::assertFalse(self::parsed('')->has('gid'));
    }

    public function testSubmissionKeysMakeASubmission(): void
    {
        self::assertFalse(self::parsed('gid=43&format=json&lang=cs')->isSubmission());
        foreach (['player', 'score', 'email', 'rand', 'check'] as $key) {
            self::assertTrue(self::parsed("gid=43&$key=")->isSubmission(), $key);
        }
    }

    public function testTheLanguageSwitchAsksAgainWithoutTheEmailAddress(): void
    {
        self::assertSame('gid=43&lang=en', self::parsed('gid=43&format=json&lang=cs&x=1')->inLanguage('en'));
        self::assertSame('gid=43&player=%C8%20a%2Bb&score=5&rand=1&check=ab&lang=cs',
            self::parsed('lang=en&gid=43&player=%C8%20a+b&score=5&email=a%40b.cz&rand=1&check=ab')->inLanguage('cs'));
        self::assertSame('lang=en', self::parsed('')->inLanguage('en'));
    }
}
