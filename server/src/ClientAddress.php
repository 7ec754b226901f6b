<?php
// The visitor's address for the rate limit: the peer's, or behind trusted proxies the nearest
// address in X-Forwarded-For that is not one of them.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class ClientAddress
{
    /** @param list<string> $trustedProxies addresses or CIDR ranges */
    public static function resolve(string $peer, ?string $forwardedFor, array $trustedProxies): string
    {
        if ($forwardedFor === null || !self::inAny($peer, $trustedProxies)) {
            return $peer;
        }
        $hops = array_reverse(array_map('trim', explode(',', $forwardedFor)));
        foreach ($hops as $hop) {
            if (filter_var($hop, FILTER_VALIDATE_IP) === false) {
                return $peer; // a forged or broken header: trust nothing in it
            }
            if (!self::inAny($hop, $trustedProxies)) {
                return $hop;
            }
        }
        return $hops === [] ? $peer : end($hops);
    }

    /** True for an IPv4 or IPv6 address, with or without a "/prefix". */
    public static function isRange(string $range): bool
    {
        [$address, $prefix] = array_pad(explode('/', $range, 2), 2, null);
        $packed = @inet_pton($address);
        if ($packed === false) {
            return false;
        }
        return $prefix === null
            || (ctype_digit($prefix) && (int) $prefix <= strlen($packed) * 8);
    }

    /** @param list<string> $ranges */
    private static function inAny(string $address, array $ranges): bool
    {
        $packed = @inet_pton($address);
        if ($packed === false) {
            return false;
        }
        foreach ($ranges as $range) {
            [$base, $prefix] = array_pad(explode('/', $range, 2), 2, null);
            $basePacked = @inet_pton($base);
            if ($basePacked === false || strlen($basePacked) !== strlen($packed)) {
                continue;
            }
            $bits = $prefix === null ? strlen($packed) * 8 : (int) $prefix;
            if (self::samePrefix($packed, $basePacked, $bits)) {
                return true;
            }
        }
        return false;
    }

    private static function samePrefix(string $a, string $b, int $bits): bool
    {
        $whole = intdiv($bits, 8);
        if (substr($a, 0, $whole) !== substr($b, 0, $whole)) {
            return false;
        }
        $rest = $bits % 8;
        if ($rest === 0) {
            return true;
        }
        $mask = (0xFF << (8 - $rest)) & 0xFF;
        return (ord($a[$whole]) & $mask) === (ord($b[$whole]) & $mask);
    }
}
