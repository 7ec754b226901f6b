<?php
// Verifying submissions. The check values were computed independently of this code with
//   printf '43%s%s5b0d7e21c4%s' NAME VALUE RAND | iconv -f UTF-8 -t CP1250 | md5sum
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

use PHPUnit\Framework\TestCase;
use SixDice\Server\Query;
use SixDice\Server\Reason;
use SixDice\Server\Refusal;
use SixDice\Server\Submission;
use SixDice\Server\SubmissionParser;

final class SubmissionParserTest extends TestCase
{
    /** name (UTF-8), value, rand, check value */
    private const VECTORS = [
        ['Eva', 1000, 42, '56477d2f1507b18994fcdcaed29c5c7c'],
        ['Čeněk', 840, 9999, 'a8236a259a1026e6059bdda9dea3cfe9'],
        ['a&b=c #1', 300, 7, '27d132a139872d384c8bee80c3e158fd'],
        ['a+b 100%', 0, 0, '41d1f10e11f6c4c3d61cc6ad1575ea44'],
        ["<b>x</b>'-", 10740, 5, 'cff0ee198224df1cbfeabb6b0acff0bb'],
        ['Žluťoučký', 1, 1, 'cd7ee0b2528056694c3879c3f9523ce7'],
    ];

    /** The game's encoding: every byte but letters, digits and "-._~" as %XX. */
    private static function encode(string $bytes): string
    {
        return preg_replace_callback('/[^A-Za-z0-9._~-]/', static fn (array $m): string => sprintf('%%%02X', ord($m[0])), $bytes);
    }

    private static function cp1250(string $utf8): string
    {
        return iconv('UTF-8', 'CP1250', $utf8);
    }

    private static function parse(string $raw, int $maxScore = 10740): Submission|Refusal
    {
        $query = Query::parse($raw);
        self::assertInstanceOf(Query::class, $query);
        return (new SubmissionParser($maxScore))->parse($query);
    }

    private static function address(string $name, string $score, string $rand, string $check, string $email = 'a+b@example.cz'): string
    {
        return 'gid=43&player=' . self::encode($name) . "&score=$score&email=" . self::encode($email)
            . "&rand=$rand&check=$check";
    }

    private static function assertRefused(Reason $reason, Submission|Refusal $result, string $message = ''): void
    {
        self::assertInstanceOf(Refusal::class, $result, $message);
        self::assertSame($reason, $result->reason, $message);
    }

    public function testTheGamesAddressesAreAcceptedWithTheNameAsUtf8(): void
    {
        foreach (self::VECTORS as [$name, $value, $rand, $check]) {
            self::assertSame($check, SubmissionParser::checkValue(self::cp1250($name), (string) $value, (string) $rand));
            $result = self::parse(self::address(self::cp1250($name), (string) $value, (string) $rand, $check));
            self::assertInstanceOf(Submission::class, $result, $name);
            self::assertSame($name, $result->player);
            self::assertSame($value, $result->score);
            self::assertSame($rand, $result->rand);
            self::assertSame('a+b@example.cz', $result->email);
        }
    }

    public function testAPlainNameFromAGameThatDoesNotEscapeGivesTheSameBytes(): void
    {
        $plain = self::parse('gid=43&player=Eva&score=1000&email=eva@example.cz&rand=42&check=56477d2f1507b18994fcdcaed29c5c7c');
        self::assertInstanceOf(Submission::class, $plain);
        self::assertSame('Eva', $plain->player);
        // Unescaped "&", "=", "#"-free text and "+" survive as well.
        $raw = self::parse("gid=43&player=a&b=c #1&score=300&email=&rand=7&check=27d132a139872d384c8bee80c3e158fd");
        self::assertInstanceOf(Submission::class, $raw);
        self::assertSame('a&b=c #1', $raw->player);
        self::assertSame('', $raw->email);
        $plus = self::parse('gid=43&player=a+b 100%25&score=0&rand=0&check=41d1f10e11f6c4c3d61cc6ad1575ea44');
        self::assertInstanceOf(Submission::class, $plus);
        self::assertSame('a+b 100%', $plus->player, 'no e-mail key at all is an empty address');
    }

    public function testLettersThatABrowserSentAsUtf8AreHashedAsCodePage1250(): void
    {
        $result = self::parse(self::address('Čeněk', '840', '9999', 'a8236a259a1026e6059bdda9dea3cfe9', 'čj@example.cz'));
        self::assertInstanceOf(Submission::class, $result);
        self::assertSame('Čeněk', $result->player);
        self::assertSame('čj@example.cz', $result->email);
    }

    public function testEveryBrokenFieldIsRefusedWithItsReason(): void
    {
        $eva = '56477d2f1507b18994fcdcaed29c5c7c';
        $cases = [
            [Reason::MissingKey, 'gid=43&score=1000&rand=42&check=' . $eva],
            [Reason::MissingKey, 'gid=43&player=Eva&rand=42&check=' . $eva],
            [Reason::MissingKey, 'gid=43&player=Eva&score=1000&check=' . $eva],
            [Reason::MissingKey, 'gid=43&player=Eva&score=1000&rand=42'],
            [Reason::BadScore, self::address('Eva', '01000', '42', $eva)],
            [Reason::BadScore, self::address('Eva', '+1000', '42', $eva)],
            [Reason::BadScore, self::address('Eva', '-0', '42', $eva)],
            [Reason::BadScore, self::address('Eva', '1e3', '42', $eva)],
            [Reason::BadScore, self::address('Eva', '', '42', $eva)],
            [Reason::ScoreOutOfRange, self::address('Eva', '2147483648', '42', $eva)],
            [Reason::ScoreOutOfRange, self::address('Eva', '-2147483649', '42', $eva)],
            [Reason::ScoreOutOfRange, self::address('Eva', str_repeat('9', 30), '42', $eva)],
            [Reason::BadRand, self::address('Eva', '1000', '042', $eva)],
            [Reason::BadRand, self::address('Eva', '1000', '-1', $eva)],
            [Reason::RandOutOfRange, self::address('Eva', '1000', '10000', $eva)],
            [Reason::RandOutOfRange, self::address('Eva', '1000', '99999999999999999999', $eva)],
            [Reason::BadCheck, self::address('Eva', '1000', '42', strtoupper($eva))],
            [Reason::BadCheck, self::address('Eva', '1000', '42', substr($eva, 1))],
            [Reason::CheckMismatch, self::address('Eva', '1001', '42', $eva)],
            [Reason::CheckMismatch, self::address('Eve', '1000', '42', $eva)],
            [Reason::CheckMismatch, self::address('Eva', '1000', '43', $eva)],
            [Reason::NameEmpty, self::address('', '1000', '42', $eva)],
            [Reason::NameTooLong, self::address("<b>x</b>'--", '1000', '42', $eva)],
            [Reason::NameInvalid, self::address("Ev\x81", '1000', '42', $eva)],
            [Reason::NameInvalid, self::address("Ev\ta", '1000', '42', $eva)],
            [Reason::EmailTooLong, self::address('Eva', '1000', '42', $eva, str_repeat('e', 255))],
            [Reason::EmailInvalid, self::address('Eva', '1000', '42', $eva, "a\x98@example.cz")],
            [Reason::EmailInvalid, self::address('Eva', '1000', '42', $eva, "a\n@example.cz")],
        ];
        foreach ($cases as [$reason, $raw]) {
            self::assertRefused($reason, self::parse($raw), $raw);
        }
        self::assertInstanceOf(Submission::class, self::parse(self::address('Eva', '1000', '42', $eva, str_repeat('e', 254))));
    }

    public function testScoresNoGameReachesAreRefusedAfterTheCheck(): void
    {
        $at = static fn (int $value, int $rand): string => self::address('Eva', (string) $value, (string) $rand,
            SubmissionParser::checkValue('Eva', (string) $value, (string) $rand));
        self::assertInstanceOf(Submission::class, self::parse($at(10740, 1)));
        self::assertInstanceOf(Submission::class, self::parse($at(0, 1)));
        $above = self::parse($at(10741, 1));
        self::assertRefused(Reason::ScoreImplausible, $above);
        self::assertSame([10741, 10740], $above->details);
        self::assertRefused(Reason::ScoreImplausible, self::parse($at(-1, 1)));
        self::assertRefused(Reason::ScoreImplausible, self::parse($at(2147483647, 1)));
        self::assertInstanceOf(Submission::class, self::parse($at(20000, 1), 20000), 'the operator may widen the range');
    }
}
