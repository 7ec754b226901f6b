<?php
// The server's settings: built-in defaults, then an INI file, then environment variables.
//   file:  SIXDICE_SERVER_CONFIG, else /etc/sixdice-server/server.ini when it exists
//   keys:  dsn, db_user, db_password, db_persistent, data_dir, rate_limit, rate_limit_ipv4_prefix,
//          rate_limit_ipv6_prefix, max_new_per_hour, trusted_proxies, max_query_length, max_score,
//          timezone, sqlite_synchronous, sqlite_flush_interval, game_dir
//   environment: SIXDICE_SERVER_ and the key in capitals (SIXDICE_SERVER_DSN, ...)
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class Config
{
    public const DEFAULT_FILE = '/etc/sixdice-server/server.ini';
    private const KEYS = [
        'dsn', 'db_user', 'db_password', 'db_persistent', 'data_dir', 'rate_limit', 'rate_limit_ipv4_prefix',
        'rate_limit_ipv6_prefix', 'max_new_per_hour', 'trusted_proxies', 'max_query_length', 'max_score',
        'timezone', 'sqlite_synchronous', 'sqlite_flush_interval', 'game_dir',
    ];

    /** @param list<string> $trustedProxies */
    public function __construct(
        public readonly string $dsn,
        public readonly ?string $dbUser = null,
        public readonly ?string $dbPassword = null,
        public readonly int $rateLimit = 30,
        public readonly array $trustedProxies = [],
        public readonly int $maxQueryLength = 2048,
        public readonly int $maxScore = Plausibility::MAX_SCORE,
        public readonly string $timezone = 'UTC',
        public readonly string $sqliteSynchronous = 'NORMAL',
        public readonly bool $dbPersistent = true,
        public readonly ?string $gameDir = null,
        public readonly int $ipv4Prefix = 32,
        public readonly int $ipv6Prefix = 64,
        public readonly int $maxNewPerHour = 600,
        public readonly int $sqliteFlushInterval = 1,
    ) {
    }

    /**
     * Settings from an environment (getenv() merged with the web server's variables), over
     * defaults of the caller's (the built-in server's router names the build tree's game folder).
     * @param array<string, mixed> $environment
     * @param array<string, string> $defaults
     */
    public static function fromEnvironment(array $environment, array $defaults = []): self
    {
        $settings = $defaults;
        $file = self::text($environment, 'SIXDICE_SERVER_CONFIG');
        if ($file === null && is_file(self::DEFAULT_FILE)) {
            $file = self::DEFAULT_FILE;
        }
        if ($file !== null) {
            $parsed = @parse_ini_file($file, false, INI_SCANNER_RAW);
            if ($parsed === false) {
                throw new ConfigError("cannot read the settings file $file");
            }
            foreach ($parsed as $key => $value) {
                if (!in_array($key, self::KEYS, true)) {
                    throw new ConfigError("unknown setting \"$key\" in $file");
                }
                $settings[$key] = trim((string) $value);
            }
        }
        foreach (self::KEYS as $key) {
            $value = self::text($environment, 'SIXDICE_SERVER_' . strtoupper($key));
            if ($value !== null) {
                $settings[$key] = $value;
            }
        }
        return self::fromSettings($settings, $environment);
    }

    /**
     * @param array<string, string> $settings
     * @param array<string, mixed> $environment
     */
    public static function fromSettings(array $settings, array $environment = []): self
    {
        $dsn = $settings['dsn'] ?? '';
        if ($dsn === '') {
            $dsn = 'sqlite:' . self::dataDirectory($settings, $environment) . '/scores.sqlite';
        }
        if (!str_starts_with($dsn, 'sqlite:') && !str_starts_with($dsn, 'pgsql:')) {
            throw new ConfigError('the dsn must start with sqlite: or pgsql:');
        }
        $synchronous = strtoupper($settings['sqlite_synchronous'] ?? 'NORMAL');
        if (!in_array($synchronous, ['FULL', 'NORMAL'], true)) {
            throw new ConfigError('sqlite_synchronous must be FULL or NORMAL');
        }
        $timezone = $settings['timezone'] ?? 'UTC';
        if (!self::isTimezone($timezone)) {
            throw new ConfigError("unknown time zone \"$timezone\"");
        }
        $proxies = array_values(array_filter(array_map('trim', explode(',', $settings['trusted_proxies'] ?? ''))));
        foreach ($proxies as $proxy) {
            if (!ClientAddress::isRange($proxy)) {
                throw new ConfigError("trusted_proxies: \"$proxy\" is no address or range");
            }
        }
        return new self(
            dsn: $dsn,
            dbUser: ($settings['db_user'] ?? '') !== '' ? $settings['db_user'] : null,
            dbPassword: ($settings['db_password'] ?? '') !== '' ? $settings['db_password'] : null,
            rateLimit: self::number($settings, 'rate_limit', 30, 0),
            trustedProxies: $proxies,
            maxQueryLength: self::number($settings, 'max_query_length', 2048, 256),
            maxScore: self::number($settings, 'max_score', Plausibility::MAX_SCORE, 0),
            timezone: $timezone,
            sqliteSynchronous: $synchronous,
            dbPersistent: self::number($settings, 'db_persistent', 1, 0) > 0,
            gameDir: ($settings['game_dir'] ?? '') !== '' ? rtrim($settings['game_dir'], '/') : null,
            ipv4Prefix: self::number($settings, 'rate_limit_ipv4_prefix', 32, 0, 32),
            ipv6Prefix: self::number($settings, 'rate_limit_ipv6_prefix', 64, 0, 128),
            maxNewPerHour: self::number($settings, 'max_new_per_hour', 600, 0),
            sqliteFlushInterval: self::number($settings, 'sqlite_flush_interval', 1, 1),
        );
    }

    /** A time zone's name as PHP's time zone database knows it (Europe/Prague, UTC). */
    private static function isTimezone(string $name): bool
    {
        // Asking the database for the one name is cheap; the list of all names is not.
        $current = date_default_timezone_get();
        $known = @date_default_timezone_set($name);
        date_default_timezone_set($current);
        return $known;
    }

    /** @param array<string, string> $settings */
    private static function number(array $settings, string $key, int $default, int $least, ?int $most = null): int
    {
        if (!isset($settings[$key]) || $settings[$key] === '') {
            return $default;
        }
        $value = filter_var($settings[$key], FILTER_VALIDATE_INT);
        if ($most !== null && ($value === false || $value < $least || $value > $most)) {
            throw new ConfigError("$key must be a whole number from $least to $most");
        }
        if ($value === false || $value < $least) {
            throw new ConfigError("$key must be a whole number of at least $least");
        }
        return $value;
    }

    /**
     * The SQLite folder: data_dir, else $XDG_DATA_HOME/sixdice-server, else
     * ~/.local/share/sixdice-server.
     * @param array<string, string> $settings
     * @param array<string, mixed> $environment
     */
    private static function dataDirectory(array $settings, array $environment): string
    {
        $dir = $settings['data_dir'] ?? '';
        if ($dir === '') {
            $xdg = self::text($environment, 'XDG_DATA_HOME');
            $home = self::text($environment, 'HOME');
            if ($xdg !== null) {
                $dir = $xdg . '/sixdice-server';
            } elseif ($home !== null) {
                $dir = $home . '/.local/share/sixdice-server';
            } else {
                throw new ConfigError('no data_dir is set and there is no HOME to put the data in');
            }
        }
        return rtrim($dir, '/');
    }

    /** @param array<string, mixed> $environment */
    private static function text(array $environment, string $name): ?string
    {
        $value = $environment[$name] ?? null;
        return is_string($value) && $value !== '' ? $value : null;
    }
}
