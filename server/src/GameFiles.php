<?php
// The browser game under /play/: the staged folder (tools/web-stage) answered the way the shipped
// nginx site answers it. Hashed names are kept by browsers for a year, index.html and
// manifest.json are revalidated on every load; a precompressed copy (name.br, name.gz) is sent when
// the request accepts its encoding; every answer carries the game's Content-Security-Policy.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class GameFiles
{
    public const PREFIX = '/play/';

    /**
     * What the game needs and nothing more: its own scripts and WebAssembly compilation, fetches
     * of its data files, its style sheet; no inline code, no framing, no forms. The same policy
     * stands in deploy/nginx-site.conf.
     */
    public const POLICY = "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; connect-src 'self'; "
        . "style-src 'self'; img-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";

    public const CACHE_HASHED = 'public, max-age=31536000, immutable';
    public const CACHE_PAGE = 'no-cache';

    private const TYPES = [
        'html' => 'text/html; charset=utf-8', 'htm' => 'text/html; charset=utf-8',
        'js' => 'text/javascript; charset=utf-8', 'mjs' => 'text/javascript; charset=utf-8',
        'css' => 'text/css; charset=utf-8', 'json' => 'application/json',
        'wasm' => 'application/wasm', 'zrk' => 'application/octet-stream',
        'ogg' => 'audio/ogg', 'bmp' => 'image/bmp', 'png' => 'image/png', 'svg' => 'image/svg+xml',
        'ico' => 'image/x-icon', 'ttf' => 'font/ttf', 'otf' => 'font/otf', 'woff2' => 'font/woff2',
        'txt' => 'text/plain; charset=utf-8',
    ];

    /** name.<16 hex digits>.ext, as tools/web-stage names every file but the two fixed ones. */
    private const HASHED = '/\.[0-9a-f]{16}(\.[A-Za-z0-9]+)?$/';

    public function __construct(private readonly ?string $folder)
    {
    }

    /** The game is served when its folder holds the page. */
    public function installed(): bool
    {
        return $this->folder !== null && is_file($this->folder . '/index.html');
    }

    /**
     * Answers GET or HEAD of $path (the request's decoded path, starting with /play).
     * @param array<string, string> $headers request headers with lower-case names
     */
    public function answer(string $method, string $path, array $headers): Response
    {
        if ($path === '/play') {
            return new Response(301, '', ['Location' => self::PREFIX]);
        }
        if ($method !== 'GET' && $method !== 'HEAD') {
            return self::plain(405, 'Method not allowed', ['Allow' => 'GET, HEAD']);
        }
        $relative = substr($path, strlen(self::PREFIX));
        if ($relative === '') {
            $relative = 'index.html';
        }
        $file = $this->locate($relative);
        if ($file === null) {
            return self::plain(404, 'Not found');
        }

        $extension = strtolower(pathinfo($file, PATHINFO_EXTENSION));
        $variants = [];
        foreach (['br' => '.br', 'gzip' => '.gz'] as $encoding => $suffix) {
            if (is_file($file . $suffix)) {
                $variants[$encoding] = $file . $suffix;
            }
        }
        $encoding = self::chooseEncoding($headers['accept-encoding'] ?? '', array_keys($variants));
        $sent = $encoding === null ? $file : $variants[$encoding];
        $stat = @stat($sent);
        if ($stat === false) {
            return self::plain(404, 'Not found');
        }
        $etag = sprintf('"%x-%x%s"', $stat['mtime'], $stat['size'], $encoding === null ? '' : '-' . $encoding);
        $response = [
            'Content-Type' => self::TYPES[$extension] ?? 'application/octet-stream',
            'Cache-Control' => preg_match(self::HASHED, basename($file)) === 1 ? self::CACHE_HASHED : self::CACHE_PAGE,
            'ETag' => $etag,
            'Last-Modified' => gmdate('D, d M Y H:i:s', $stat['mtime']) . ' GMT',
            'Content-Security-Policy' => self::POLICY,
            'X-Content-Type-Options' => 'nosniff',
            'Referrer-Policy' => 'same-origin',
        ];
        if ($variants !== []) {
            $response['Vary'] = 'Accept-Encoding';
        }
        if ($encoding !== null) {
            $response['Content-Encoding'] = $encoding;
        }
        if (self::notModified($headers, $etag, $stat['mtime'])) {
            return new Response(304, '', $response);
        }
        $response['Content-Length'] = (string) $stat['size'];
        if ($method === 'HEAD') {
            return new Response(200, '', $response);
        }
        $body = @file_get_contents($sent);
        if ($body === false) {
            return self::plain(404, 'Not found');
        }
        return new Response(200, $body, $response);
    }

    /**
     * The file for a relative path, or null: no hidden segments, no "..", no precompressed copy
     * by its own name, nothing outside the folder (also through links), regular files only.
     */
    private function locate(string $relative): ?string
    {
        if ($this->folder === null || !is_dir($this->folder)) {
            return null;
        }
        foreach (explode('/', $relative) as $segment) {
            if ($segment === '' || $segment[0] === '.' || str_contains($segment, "\0") || str_contains($segment, '\\')) {
                return null;
            }
        }
        if (preg_match('/\.(gz|br)$/', $relative) === 1) {
            return null;
        }
        $root = realpath($this->folder);
        $file = realpath($this->folder . '/' . $relative);
        if ($root === false || $file === false || !str_starts_with($file, $root . '/') || !is_file($file)) {
            return null;
        }
        return $file;
    }

    /**
     * The encoding to send of those available, as nginx's gzip_static and brotli_static choose it:
     * brotli when the request accepts it, else gzip, else the file as it is. An encoding counts as
     * accepted when it is named with a weight above zero; "*" names none.
     * @param list<string> $available
     */
    public static function chooseEncoding(string $accept, array $available): ?string
    {
        $accepted = [];
        foreach (explode(',', $accept) as $part) {
            $fields = array_map('trim', explode(';', $part));
            $q = 1.0;
            foreach (array_slice($fields, 1) as $parameter) {
                if (preg_match('/^q\s*=\s*([01](\.\d{0,3})?)$/i', $parameter, $m) === 1) {
                    $q = (float) $m[1];
                }
            }
            $accepted[strtolower($fields[0])] = $q > 0;
        }
        foreach (['br', 'gzip'] as $encoding) {
            if (in_array($encoding, $available, true) && ($accepted[$encoding] ?? false)) {
                return $encoding;
            }
        }
        return null;
    }

    /** @param array<string, string> $headers */
    private static function notModified(array $headers, string $etag, int $mtime): bool
    {
        if (isset($headers['if-none-match'])) {
            foreach (explode(',', $headers['if-none-match']) as $candidate) {
                $candidate = trim($candidate);
                if ($candidate === '*' || preg_replace('/^W\//', '', $candidate) === $etag) {
                    return true;
                }
            }
            return false;
        }
        if (isset($headers['if-modified-since'])) {
            $since = strtotime($headers['if-modified-since']);
            return $since !== false && $mtime <= $since;
        }
        return false;
    }

    /** @param array<string, string> $extra */
    private static function plain(int $status, string $text, array $extra = []): Response
    {
        return new Response($status, $text . "\n", [
            'Content-Type' => 'text/plain; charset=utf-8',
            'Content-Security-Policy' => self::POLICY,
            'X-Content-Type-Options' => 'nosniff',
            'Cache-Control' => 'no-store',
        ] + $extra);
    }
}
