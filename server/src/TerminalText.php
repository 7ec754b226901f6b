<?php
// Text for the operator's terminal: names and e-mail addresses came from anyone, so whatever a
// terminal would act on or not show is written as an escape instead (\t, \n, \x1B, \u{202E};
// a backslash doubled), and bytes that are not UTF-8 as \xHH. The output stays one line per row
// and tab-separated.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class TerminalText
{
    /** Controls, format characters, separators, private-use and unassigned code points; "\". */
    private const ESCAPED = '/[\p{Cc}\p{Cf}\p{Co}\p{Cn}\p{Zl}\p{Zp}\\\\]/u';
    private const NAMED = ["\t" => '\t', "\n" => '\n', "\r" => '\r', '\\' => '\\\\'];

    public static function escape(string $text): string
    {
        if (preg_match('//u', $text) !== 1) {
            return self::escapeBytes($text);
        }
        return preg_replace_callback(self::ESCAPED, static function (array $match): string {
            $character = $match[0];
            if (isset(self::NAMED[$character])) {
                return self::NAMED[$character];
            }
            $code = mb_ord($character, 'UTF-8');
            return $code < 0x80 ? sprintf('\x%02X', $code) : sprintf('\u{%04X}', $code);
        }, $text);
    }

    /** Text that is not UTF-8: printable ASCII stays, every other byte is \xHH. */
    private static function escapeBytes(string $bytes): string
    {
        return preg_replace_callback('/[^\x20-\x5B\x5D-\x7E]|\\\\/', static function (array $match): string {
            return self::NAMED[$match[0]] ?? sprintf('\x%02X', ord($match[0]));
        }, $bytes);
    }
}
