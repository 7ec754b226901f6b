<?php
// Characters a name or an e-mail address must not hold: Unicode controls (C0, DEL, C1), format
// characters (soft hyphen, zero-width and direction marks such as the right-to-left override)
// and the line and paragraph separators. None of them is visible, and some rearrange or take
// over the text around them on a page or in a terminal.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class UnicodeText
{
    private const INVISIBLE = '/[\p{Cc}\p{Cf}\p{Zl}\p{Zp}]/u';

    /** The first such character of a UTF-8 text as "U+XXXX", or null when it has none. */
    public static function firstInvisible(string $text): ?string
    {
        if (preg_match(self::INVISIBLE, $text, $match) !== 1) {
            return null;
        }
        return sprintf('U+%04X', mb_ord($match[0], 'UTF-8'));
    }
}
