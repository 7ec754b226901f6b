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
            [Reason::NameInvisible, self::address("Ev\ta", '1000', '42', $eva)],
            [Reason::EmailTooLong, self::address('Eva', '1000', '42', $eva, str_repeat('e', 255))],
            [Reason::EmailInvalid, self::address('Eva', '1000', '42', $eva, "a\x98@example.cz")],
            [Reason::EmailInvisible, self::address('Eva', '1000', '42', $eva, "a\n@example.cz")],
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

    public function testEachNumberMustBeTheWholeValueWithoutATrailingNewline(): void
    {
        $eva = '56477d2f1507b18994fcdcaed29c5c7c';
        $good = self::address('Eva', '1000', '42', $eva);
        self::assertInstanceOf(Submission::class, self::parse($good));
        foreach (['score' => Reason::BadScore, 'rand' => Reason::BadRand, 'check' => Reason::BadCheck] as $key => $reason) {
            foreach (['%0A', '%0D%0A', '%0D', '%20', '%00'] as $tail) {
                $raw = preg_replace("/(&$key=[^&]*)/", '${1}' . $tail, $good);
                self::assertRefused($reason, self::parse($raw), "$key with $tail");
            }
            self::assertRefused($reason, self::parse(preg_replace("/&$key=/", "&$key=%0A", $good)), "$key after a newline");
        }
    }

    /** An address whose check value fits the name's code page 1250 bytes. */
    private static function signed(string $nameBytes, string $emailBytes = 'eva@example.cz'): string
    {
        return self::address($nameBytes, '500', '7', SubmissionParser::checkValue($nameBytes, '500', '7'), $emailBytes);
    }

    /** The same with the name's letters as UTF-8 (a browser's), checked as code page 1250. */
    private static function signedUtf8(string $name, string $emailBytes = 'eva@example.cz'): string
    {
        return self::address($name, '500', '7', SubmissionParser::checkValue(self::cp1250($name), '500', '7'), $emailBytes);
    }

    public function testInvisibleCharactersAreRefusedOnBothPathsAndNamed(): void
    {
        // Code page 1250: C0 controls, DEL and the soft hyphen are the only ones it has.
        foreach (["\x1B[2J" => 'U+001B', "Ev\x7Fa" => 'U+007F', "Ev\xADa" => 'U+00AD', "\x00Eva" => 'U+0000'] as $name => $code) {
            $result = self::parse(self::signed($name));
            self::assertRefused(Reason::NameInvisible, $result, bin2hex($name));
            self::assertSame([$code], $result->details);
            self::assertStringContainsString($code, \SixDice\Server\Texts::reason('en', $result));
        }
        foreach (["e\x1B@x.cz" => 'U+001B', "e\xAD@x.cz" => 'U+00AD', "e\x7F@x.cz" => 'U+007F'] as $email => $code) {
            $result = self::parse(self::signed('Eva', $email));
            self::assertRefused(Reason::EmailInvisible, $result, bin2hex($email));
            self::assertSame([$code], $result->details);
        }
        // UTF-8 (the name's letters came so): C1 controls, direction overrides, zero-width and
        // byte-order marks, line separators, wherever they stand.
        $utf8Emails = ["\u{9B}31m@x.cz" => 'U+009B', "eva\u{202E}zc.x@" => 'U+202E', "\u{200B}e@x.cz" => 'U+200B',
            "e@x.cz\u{FEFF}" => 'U+FEFF', "e@x\u{2028}.cz" => 'U+2028', "e\u{85}@x.cz" => 'U+0085'];
        foreach ($utf8Emails as $email => $code) {
            $result = self::parse(self::signedUtf8('Čeněk', $email));
            self::assertRefused(Reason::EmailInvisible, $result, $code);
            self::assertSame([$code], $result->details);
        }
        self::assertSame('čj@x.cz', self::parse(self::signedUtf8('Čeněk', 'čj@x.cz'))->email, 'letters pass');
        // A UTF-8 name that code page 1250 cannot hold is refused for the character it hides.
        foreach (["Eva\u{202E}" => 'U+202E', "E\u{9B}va" => 'U+009B', "\u{200D}Eva" => 'U+200D'] as $name => $code) {
            $result = self::parse(self::address($name, '500', '7', md5('anything')));
            self::assertRefused(Reason::NameInvisible, $result, $code);
            self::assertSame([$code], $result->details);
        }
        self::assertRefused(Reason::NameInvalid, self::parse(self::address('Eva☃', '500', '7', md5('x'))), 'a snowman is visible');
        self::assertRefused(Reason::CheckMismatch, self::parse(self::address('Jiří', '500', '7', md5('x'))));
        // Bytes that read as letters in code page 1250 are fine when the check value says so.
        $bytes = "\xC2\x9B\xE2\x80\xAE";
        self::assertSame('Â›â€®', self::parse(self::signed($bytes))->player);
    }

    public function testANameOfSpacesNoBreakSpacesAndSoftHyphensIsRefused(): void
    {
        foreach (['   ', "\xA0", ' ', "\xA0 \xA0"] as $name) {
            self::assertRefused(Reason::NameBlank, self::parse(self::signed($name)), bin2hex($name));
        }
        foreach (["\xAD", " \xAD "] as $name) {
            self::assertRefused(Reason::NameBlank, self::parse(self::signed($name)), bin2hex($name));
        }
        self::assertRefused(Reason::NameBlank, self::parse(self::signedUtf8("\u{A0}\u{A0}")), 'as UTF-8');
        self::assertSame(' Eva ', self::parse(self::signed(' Eva '))->player, 'spaces around a name are kept');
        self::assertSame("Jan\u{A0}K", self::parse(self::signed("Jan\xA0K"))->player, 'a no-break space inside');
    }
}
