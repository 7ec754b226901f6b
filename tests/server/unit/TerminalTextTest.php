<?php
// What the operator's tool writes to a terminal: nothing a terminal would act on or hide.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

use PHPUnit\Framework\TestCase;
use SixDice\Server\TerminalText;

final class TerminalTextTest extends TestCase
{
    public function testUnprintableCharactersBecomeEscapes(): void
    {
        $cases = [
            'Žluťoučký kůň' => 'Žluťoučký kůň',
            "<b>x</b>'-" => "<b>x</b>'-",
            "\x1B[2J\x1B]0;pwned\x07" => '\x1B[2J\x1B]0;pwned\x07',
            "a\tb\nc\rd" => 'a\tb\nc\rd',
            "\u{9B}31m" => '\u{009B}31m',
            "moc.elpmaxe\u{202E}@eva" => 'moc.elpmaxe\u{202E}@eva',
            "a\u{AD}b\u{200B}c\u{FEFF}" => 'a\u{00AD}b\u{200B}c\u{FEFF}',
            "l\u{2028}p\u{2029}" => 'l\u{2028}p\u{2029}',
            "\u{E000}\u{10FFFD}" => '\u{E000}\u{10FFFD}',
            "\u{7F}\u{0}" => '\x7F\x00',
            // The escape character itself is doubled, so an escape in a name cannot pass as one.
            'a\x1B' => 'a\\\\x1B',
        ];
        foreach ($cases as $text => $shown) {
            self::assertSame($shown, TerminalText::escape($text), bin2hex($text));
        }
    }

    public function testBytesThatAreNotUtf8AreWrittenInHex(): void
    {
        self::assertSame('Ev\xE8a\x1B\\\\', TerminalText::escape("Ev\xE8a\x1B\\"));
        self::assertSame('\xC3', TerminalText::escape("\xC3"), 'a sequence cut short');
    }
}
