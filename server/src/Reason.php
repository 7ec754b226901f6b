<?php
// Why a request is refused; each reason has its HTTP status and a text in both languages.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

enum Reason: string
{
    case MethodNotAllowed = 'method_not_allowed';
    case QueryTooLong = 'query_too_long';
    case BadEncoding = 'bad_encoding';
    case DuplicateKey = 'duplicate_key';
    case MissingKey = 'missing_key';
    case WrongGame = 'wrong_game';
    case BadFormat = 'bad_format';
    case BadScore = 'bad_score';
    case ScoreOutOfRange = 'score_out_of_range';
    case ScoreImplausible = 'score_implausible';
    case BadRand = 'bad_rand';
    case RandOutOfRange = 'rand_out_of_range';
    case NameEmpty = 'name_empty';
    case NameTooLong = 'name_too_long';
    case NameBlank = 'name_blank';
    case NameInvalid = 'name_invalid';
    case NameInvisible = 'name_invisible';
    case EmailTooLong = 'email_too_long';
    case EmailInvalid = 'email_invalid';
    case EmailInvisible = 'email_invisible';
    case BadCheck = 'bad_check';
    case CheckMismatch = 'check_mismatch';
    case RateLimited = 'rate_limited';
    case NameBanned = 'name_banned';
    case NetworkBanned = 'network_banned';
    case TableFull = 'table_full';
    case NotFound = 'not_found';
    case Unavailable = 'unavailable';
    case DatabaseUnavailable = 'database_unavailable';

    public function status(): int
    {
        return match ($this) {
            self::MethodNotAllowed => 405,
            self::QueryTooLong => 414,
            self::RateLimited => 429,
            self::NameBanned, self::NetworkBanned => 403,
            self::TableFull, self::DatabaseUnavailable => 503,
            self::NotFound => 404,
            self::Unavailable => 500,
            default => 400,
        };
    }
}
