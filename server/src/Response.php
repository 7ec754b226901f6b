<?php
// An answer: status, headers and body, sent once.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class Response
{
    /** @param array<string, string> $headers */
    public function __construct(
        public readonly int $status,
        public readonly string $body,
        public readonly array $headers = [],
    ) {
    }

    /** @param array<string, string> $extra */
    public static function html(int $status, string $body, array $extra = []): self
    {
        return new self($status, $body, [
            'Content-Type' => 'text/html; charset=utf-8',
            // No scripts, no outside resources, no framing; the address may carry an e-mail
            // address, so it is never sent on as a referrer.
            'Content-Security-Policy' => "default-src 'none'; style-src 'unsafe-inline'; img-src data:; "
                . "base-uri 'none'; form-action 'none'; frame-ancestors 'none'",
            'Referrer-Policy' => 'no-referrer',
            'X-Content-Type-Options' => 'nosniff',
            'Cache-Control' => 'no-store',
            'Vary' => 'Accept-Language',
        ] + $extra);
    }

    /**
     * @param array<string, mixed> $data
     * @param array<string, string> $extra
     */
    public static function json(int $status, array $data, array $extra = []): self
    {
        $body = json_encode($data, JSON_UNESCAPED_UNICODE | JSON_UNESCAPED_SLASHES | JSON_PRETTY_PRINT
            | JSON_THROW_ON_ERROR);
        return new self($status, $body . "\n", [
            'Content-Type' => 'application/json; charset=utf-8',
            'X-Content-Type-Options' => 'nosniff',
            'Cache-Control' => 'no-store',
        ] + $extra);
    }

    public function send(bool $headersOnly = false): void
    {
        http_response_code($this->status);
        foreach ($this->headers as $name => $value) {
            header("$name: $value");
        }
        if (!$headersOnly) {
            echo $this->body;
        }
    }
}
