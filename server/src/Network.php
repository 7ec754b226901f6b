<?php
// An IPv4 or IPv6 network: an address and a prefix length, host bits cleared. The rate limit, the
// bans and the operator's reports group clients by it (an IPv6 client usually holds a whole /64).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class Network
{
    /** @param string $packed the network's address as inet_pton gives it, host bits zero */
    private function __construct(private readonly string $packed, public readonly int $prefix)
    {
    }

    /** "ADDRESS/PREFIX" or a bare address (a network of one); null when it is neither. */
    public static function parse(string $text): ?self
    {
        [$address, $prefix] = array_pad(explode('/', trim($text), 2), 2, null);
        $packed = self::pack($address);
        if ($packed === null) {
            return null;
        }
        $bits = strlen($packed) * 8;
        if ($prefix === null) {
            return new self($packed, $bits);
        }
        if (preg_match('/\A(0|[1-9][0-9]{0,2})\z/', $prefix) !== 1 || (int) $prefix > $bits) {
            return null;
        }
        return new self(self::mask($packed, (int) $prefix), (int) $prefix);
    }

    /**
     * The network a client address belongs to for the rate limit: IPv4 masked to $ipv4Prefix,
     * IPv6 to $ipv6Prefix. An IPv4 address written as IPv6 (::ffff:192.0.2.1) counts as IPv4.
     */
    public static function ofClient(string $address, int $ipv4Prefix, int $ipv6Prefix): ?self
    {
        $packed = self::pack($address);
        if ($packed === null) {
            return null;
        }
        $prefix = strlen($packed) === 4 ? $ipv4Prefix : $ipv6Prefix;
        return new self(self::mask($packed, $prefix), $prefix);
    }

    /**
     * The key the rate limit and the stored rows use for a client: its network in CIDR form, or
     * the address as it came when it is none (a Unix socket's peer).
     */
    public static function keyOf(string $address, int $ipv4Prefix, int $ipv6Prefix): string
    {
        return (string) (self::ofClient($address, $ipv4Prefix, $ipv6Prefix) ?? $address);
    }

    /**
     * The address in its one canonical form (an IPv4 address written as IPv6 as IPv4), or null
     * when it is no IP address (a Unix socket's peer).
     */
    public static function canonicalAddress(string $address): ?string
    {
        $packed = self::pack($address);
        return $packed === null ? null : (string) inet_ntop($packed);
    }

    public function contains(string $address): bool
    {
        $packed = self::pack($address);
        return $packed !== null && strlen($packed) === strlen($this->packed)
            && self::mask($packed, $this->prefix) === $this->packed;
    }

    public function __toString(): string
    {
        return inet_ntop($this->packed) . '/' . $this->prefix;
    }

    private static function pack(?string $address): ?string
    {
        if ($address === null || filter_var($address, FILTER_VALIDATE_IP) === false) {
            return null;
        }
        $packed = (string) inet_pton($address);
        if (strlen($packed) === 16 && str_starts_with($packed, str_repeat("\0", 10) . "\xFF\xFF")) {
            return substr($packed, 12);
        }
        return $packed;
    }

    private static function mask(string $packed, int $prefix): string
    {
        $masked = '';
        for ($i = 0; $i < strlen($packed); ++$i) {
            $bits = max(0, min(8, $prefix - 8 * $i));
            $masked .= chr(ord($packed[$i]) & ((0xFF << (8 - $bits)) & 0xFF));
        }
        return $masked;
    }
}
