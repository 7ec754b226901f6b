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

        // Numbers exactly as the game writes them: no sign but a minus, no leading zeros.
        if (preg_match('/^(0|-?[1-9][0-9]*)$/', $score) !== 1) {
            return new Refusal(Reason::BadScore);
        }
        if (strlen($score) > 11 || (int) $score > 2147483647 || (int) $score < -2147483648) {
            return new Refusal(Reason::ScoreOutOfRange);
        }
        if (preg_match('/^(0|[1-9][0-9]*)$/', $rand) !== 1) {
            return new Refusal(Reason::BadRand);
        }
        if (strlen($rand) > 4 || (int) $rand > self::MAX_RAND) {
            return new Refusal(Reason::RandOutOfRange, [self::MAX_RAND]);
        }
        if (preg_match('/^[0-9a-f]{32}$/', $check) !== 1) {
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
        if ($matched === null && preg_match('/[\x80-\xFF]/', $name) === 1) {
            $converted = Cp1250::fromUtf8($name);
            if ($converted !== null && self::nameRefusal($converted) === null
                && hash_equals(self::checkValue($converted, $score, $rand), $check)) {
                $matched = $converted;
                $utf8Name = true;
            }
        }
        if ($matched === null) {
            return $fromCodePage ?? new Refusal(Reason::CheckMismatch);
        }

        $value = (int) $score;
        if ($value < Plausibility::MIN_SCORE || $value > $this->maxScore) {
            return new Refusal(Reason::ScoreImplausible, [$value, $this->maxScore]);
        }

        $emailText = self::emailText($email, $utf8Name);
        if ($emailText === null) {
            return new Refusal(Reason::EmailInvalid);
        }
        return new Submission((string) Cp1250::toUtf8($matched), $value, $emailText, (int) $rand, $check);
    }

    private static function nameRefusal(string $bytes): ?Refusal
    {
        if ($bytes === '') {
            return new Refusal(Reason::NameEmpty);
        }
        if (strlen($bytes) > self::MAX_NAME_CHARACTERS) {
            return new Refusal(Reason::NameTooLong, [self::MAX_NAME_CHARACTERS]);
        }
        if (!Cp1250::isPrintable($bytes)) {
            return new Refusal(Reason::NameInvalid);
        }
        return null;
    }

    /** The e-mail address as UTF-8: code page 1250 bytes, or UTF-8 when the name came so. */
    private static function emailText(string $bytes, bool $utf8): ?string
    {
        if (preg_match('/[\x00-\x1F\x7F]/', $bytes) === 1) {
            return null;
        }
        if ($utf8 && preg_match('//u', $bytes) === 1) {
            return $bytes;
        }
        return Cp1250::toUtf8($bytes);
    }
}
