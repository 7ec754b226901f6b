<?php
// Reads the raw query string: values are percent-decoded to bytes exactly as RFC 3986 says
// ("+" stays "+"), which PHP's own $_GET would not do.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class Query
{
    /** The keys this table reads; any other key is left alone. */
    public const KEYS = ['gid', 'player', 'score', 'email', 'rand', 'check', 'format', 'lang'];
    /** Keys whose values are free text, which a game that does not escape may fill with "&". */
    private const FREE_TEXT = ['player', 'email'];

    /** @param array<string, string> $values decoded bytes by key */
    private function __construct(private readonly array $values)
    {
    }

    /**
     * Splits and decodes the query. A segment that does not start with a known key belongs to the
     * free-text value before it (an unescaped "&" inside a name or an e-mail address); otherwise
     * it is ignored.
     */
    public static function parse(#[\SensitiveParameter] string $raw): self|Refusal
    {
        $rawValues = [];
        $freeText = null;
        foreach (explode('&', $raw) as $segment) {
            $equals = strpos($segment, '=');
            $key = $equals === false ? null : substr($segment, 0, $equals);
            if ($key !== null && in_array($key, self::KEYS, true)) {
                if (array_key_exists($key, $rawValues)) {
                    return new Refusal(Reason::DuplicateKey, [$key]);
                }
                $rawValues[$key] = substr($segment, $equals + 1);
                $freeText = in_array($key, self::FREE_TEXT, true) ? $key : null;
            } elseif ($freeText !== null) {
                $rawValues[$freeText] .= '&' . $segment;
            }
        }
        $values = [];
        foreach ($rawValues as $key => $value) {
            $decoded = self::percentDecode($value);
            if ($decoded === null) {
                return new Refusal(Reason::BadEncoding, [$key]);
            }
            $values[$key] = $decoded;
        }
        return new self($values);
    }

    /** The bytes of a percent-encoded text, or null when a "%" is not followed by two hex digits. */
    public static function percentDecode(#[\SensitiveParameter] string $text): ?string
    {
        if (!str_contains($text, '%')) {
            return $text;
        }
        if (preg_match('/%(?![0-9A-Fa-f]{2})/', $text) === 1) {
            return null;
        }
        return rawurldecode($text);
    }

    public function has(string $key): bool
    {
        return array_key_exists($key, $this->values);
    }

    public function get(string $key): ?string
    {
        return $this->values[$key] ?? null;
    }

    /** True when the query carries any of the submission's own keys. */
    public function isSubmission(): bool
    {
        foreach (['player', 'score', 'email', 'rand', 'check'] as $key) {
            if ($this->has($key)) {
                return true;
            }
        }
        return false;
    }

    /**
     * The same request in another language, for the switch: a submission is asked again (a
     * replay, answered with the same page) without its e-mail address, which the page never holds.
     */
    public function inLanguage(string $language): string
    {
        $parts = [];
        foreach (['gid', 'player', 'score', 'rand', 'check'] as $key) {
            if ($this->has($key)) {
                $parts[] = $key . '=' . rawurlencode((string) $this->get($key));
            }
        }
        $parts[] = 'lang=' . rawurlencode($language);
        return implode('&', $parts);
    }
}
