<?php
// What the server reads from a request: method, raw query, peer address and two headers.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class Request
{
    public function __construct(
        public readonly string $method,
        #[\SensitiveParameter] public readonly string $query,
        public readonly string $peer = '127.0.0.1',
        public readonly ?string $forwardedFor = null,
        public readonly ?string $acceptLanguage = null,
    ) {
    }

    /**
     * @param array<string, mixed> $server PHP's $_SERVER. Behind nginx the query arrives as
     *     SIXDICE_QUERY and QUERY_STRING is empty, which keeps it out of PHP-FPM's log.
     */
    public static function fromServer(array $server): self
    {
        $text = static fn (string $key): ?string => isset($server[$key]) && is_string($server[$key])
            ? $server[$key] : null;
        return new self(
            strtoupper($text('REQUEST_METHOD') ?? 'GET'),
            $text('SIXDICE_QUERY') ?? $text('QUERY_STRING') ?? '',
            $text('REMOTE_ADDR') ?? '',
            $text('HTTP_X_FORWARDED_FOR'),
            $text('HTTP_ACCEPT_LANGUAGE'),
        );
    }
}
