<?php
// Code page 1250, the bytes the game's protocol carries: checks and conversion to UTF-8.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class Cp1250
{
    /** Bytes the code page leaves undefined. */
    private const UNDEFINED = "\x81\x83\x88\x90\x98";

    /** The UTF-8 text of code page 1250 bytes; null when a byte is undefined. */
    public static function toUtf8(string $bytes): ?string
    {
        if (strpbrk($bytes, self::UNDEFINED) !== false) {
            return null;
        }
        $text = @iconv('CP1250', 'UTF-8', $bytes);
        return $text === false ? null : $text;
    }

    /** The code page 1250 bytes of a UTF-8 text; null when it is not UTF-8 or the code page lacks a character. */
    public static function fromUtf8(string $text): ?string
    {
        if (preg_match('//u', $text) !== 1) {
            return null;
        }
        $bytes = @iconv('UTF-8', 'CP1250', $text);
        return $bytes === false ? null : $bytes;
    }
}
