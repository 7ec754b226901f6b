<?php
// Verifies a submission exactly as the game builds it: the check value is the MD5 of the code
// page 1250 bytes of "43", the name, the score, the salt and the random number.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class SubmissionParser
{
    public const GAME_ID = '43';
    public const SALT = '5b0d7e21c4';
    public const MAX_NAME_CHARACTERS = 10;
    public const MAX_EMAIL_BYTES = 254;
    public const MAX_RAND = 9999;

    public function __construct(private readonly int $maxScore = Plausibility::MAX_SCORE)
    {
    }

    public static function checkValue(string $nameBytes, string $score, string $rand): string
    {
        return md5(self::GAME_ID . $nameBytes . $score . self::SALT . $rand);
    }

    public function parse(Query $query): Submission|Refusal
    {
        foreach (['player', 'score', 'rand', 'check'] as $key) {
            if (!$query->has($key)) {
                return new Refusal(Reason::MissingKey, [$key]);
            }
        }
        $name = (string) $query->get('player');
        $score = (string) $query->get('score');
        $rand = (string) $query->get('rand');
        $check = (string) $query->get('check');
        $email = $query->get('email') ?? '';

        // Numbers exactly as the game writes them: no sign but a minus, no leading zeros, and the
        // whole value (\z: a trailing newline is not tolerated as "$" would).
        if (preg_match('/\A(0|-?[1-9][0-9]*)\z/', $score) !== 1) {
            return new Refusal(Reason::BadScore);
        }
        if (strlen($score) > 11 || (int) $score > 2147483647 || (int) $score < -2147483648) {
            return new Refusal(Reason::ScoreOutOfRange);
        }
        if (preg_match('/\A(0|[1-9][0-9]*)\z/', $rand) !== 1) {
            return new Refusal(Reason::BadRand);
        }
        if (strlen($rand) > 4 || (int) $rand > self::MAX_RAND) {
            return new Refusal(Reason::RandOutOfRange, [self::MAX_RAND]);
        }
        if (preg_match('/\A[0-9a-f]{32}\z/', $check) !== 1) {
            return new Refusal(Reason::BadCheck);
        }
        if (strlen($email) > self::MAX_EMAIL_BYTES) {
            return new Refusal(Reason::EmailTooLong, [self::MAX_EMAIL_BYTES]);
        }

        // The name's bytes are code page 1250 (the protocol). A browser that was handed an
        // unescaped address encodes its letters as UTF-8 instead; those are tried second.
        $fromCodePage = self::nameRefusal($name);
        $matched = null;
        if ($fromCodePage === null && hash_equals(self::checkValue($name, $score, $rand), $check)) {
            $matched = $name;
        }
        $utf8Name = false;
        $fromUtf8 = null;
        $triedUtf8 = $matched === null && preg_match('/[\x80-\xFF]/', $name) === 1 && preg_match('//u', $name) === 1;
        if ($triedUtf8) {
            $converted = Cp1250::fromUtf8($name);
            $fromUtf8 = $converted === null ? self::utf8NameRefusal($name) : self::nameRefusal($converted);
            if ($converted !== null && $fromUtf8 === null
                && hash_equals(self::checkValue($converted, $score, $rand), $check)) {
                $matched = $converted;
                $utf8Name = true;
            }
        }
        if ($matched === null) {
            // The most telling reason: what is wrong with the name as UTF-8 (a browser's letters),
            // else as code page 1250 unless it reads fine as UTF-8; a fine name lacks the right
            // check value.
            if ($fromUtf8 !== null) {
                return $fromUtf8;
            }
            return $fromCodePage !== null && !$triedUtf8 ? $fromCodePage : new Refusal(Reason::CheckMismatch);
        }

        $value = (int) $score;
        if ($value < Plausibility::MIN_SCORE || $value > $this->maxScore) {
            return new Refusal(Reason::ScoreImplausible, [$value, $this->maxScore]);
        }

        $emailText = self::emailText($email, $utf8Name);
        if ($emailText instanceof Refusal) {
            return $emailText;
        }
        return new Submission((string) Cp1250::toUtf8($matched), $value, $emailText, (int) $rand, $check);
    }

    /** Why the name's code page 1250 bytes are refused, or null when they are a fine name. */
    private static function nameRefusal(string $bytes): ?Refusal
    {
        if ($bytes === '') {
            return new Refusal(Reason::NameEmpty);
        }
        if (strlen($bytes) > self::MAX_NAME_CHARACTERS) {
            return new Refusal(Reason::NameTooLong, [self::MAX_NAME_CHARACTERS]);
        }
        $text = Cp1250::toUtf8($bytes);
        if ($text === null) {
            return new Refusal(Reason::NameInvalid);
        }
        if (self::isBlank($text)) {
            return new Refusal(Reason::NameBlank);
        }
        $invisible = UnicodeText::firstInvisible($text);
        if ($invisible !== null) {
            return new Refusal(Reason::NameInvisible, [$invisible]);
        }
        return null;
    }

    /** Why a UTF-8 name that code page 1250 cannot hold is refused. */
    private static function utf8NameRefusal(string $text): Refusal
    {
        $invisible = UnicodeText::firstInvisible($text);
        return $invisible === null ? new Refusal(Reason::NameInvalid) : new Refusal(Reason::NameInvisible, [$invisible]);
    }

    /** True when nothing but spaces, no-break spaces and soft hyphens is left of the name. */
    private static function isBlank(string $text): bool
    {
        return preg_match('/\A[\x{20}\x{A0}\x{AD}]*\z/u', $text) === 1;
    }

    /** The e-mail address as UTF-8 (code page 1250 bytes, or UTF-8 when the name came so), or why not. */
    private static function emailText(#[\SensitiveParameter] string $bytes, bool $utf8): string|Refusal
    {
        $text = $utf8 && preg_match('//u', $bytes) === 1 ? $bytes : Cp1250::toUtf8($bytes);
        if ($text === null) {
            return new Refusal(Reason::EmailInvalid);
        }
        $invisible = UnicodeText::firstInvisible($text);
        if ($invisible !== null) {
            return new Refusal(Reason::EmailInvisible, [$invisible]);
        }
        return $text;
    }
}
