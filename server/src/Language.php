<?php
// Czech or English: the switch's choice first, then the browser's Accept-Language, else English.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class Language
{
    public const CZECH = 'cs';
    public const ENGLISH = 'en';

    public static function choose(?string $requested, ?string $acceptLanguage): string
    {
        if ($requested === self::CZECH || $requested === self::ENGLISH) {
            return $requested;
        }
        $best = self::ENGLISH;
        $bestWeight = 0.0;
        foreach (explode(',', (string) $acceptLanguage) as $position => $entry) {
            $parts = array_map('trim', explode(';', $entry));
            $tag = strtolower($parts[0]);
            $weight = 1.0;
            foreach (array_slice($parts, 1) as $parameter) {
                if (preg_match('/^q=([01](\.[0-9]{0,3})?)$/i', $parameter, $m) === 1) {
                    $weight = (float) $m[1];
                }
            }
            $primary = explode('-', $tag)[0];
            // Slovak readers get the Czech page; a tie keeps the earlier entry.
            $language = match ($primary) {
                'cs', 'cz', 'sk' => self::CZECH,
                'en' => self::ENGLISH,
                default => null,
            };
            if ($language !== null && $weight > $bestWeight) {
                $best = $language;
                $bestWeight = $weight;
            }
        }
        return $best;
    }
}
