<?php
// Settings, the client address behind proxies, networks, and the page language.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

use PHPUnit\Framework\TestCase;
use SixDice\Server\ClientAddress;
use SixDice\Server\Config;
use SixDice\Server\ConfigError;
use SixDice\Server\Language;
use SixDice\Server\Network;

final class SettingsTest extends TestCase
{
    private string $folder;
    private string $none;

    protected function setUp(): void
    {
        $this->folder = sys_get_temp_dir() . '/sixdice-settings-' . bin2hex(random_bytes(4));
        mkdir($this->folder);
        $this->none = $this->folder . '/empty.ini';
        touch($this->none);
    }

    protected function tearDown(): void
    {
        array_map('unlink', glob($this->folder . '/*'));
        rmdir($this->folder);
    }

    public function testTheDataFolderDefaultsToThePerUserDataHome(): void
    {
        self::assertSame('sqlite:/x/data/sixdice-server/scores.sqlite',
            Config::fromEnvironment(['XDG_DATA_HOME' => '/x/data', 'HOME' => '/home/u', 'SIXDICE_SERVER_CONFIG' => $this->none])->dsn);
        self::assertSame('sqlite:/home/u/.local/share/sixdice-server/scores.sqlite',
            Config::fromEnvironment(['HOME' => '/home/u', 'SIXDICE_SERVER_CONFIG' => $this->none])->dsn);
        self::assertSame('sqlite:/srv/d/scores.sqlite',
            Config::fromEnvironment(['HOME' => '/h', 'SIXDICE_SERVER_DATA_DIR' => '/srv/d/', 'SIXDICE_SERVER_CONFIG' => $this->none])->dsn);
    }

    public function testTheEnvironmentOverridesTheFile(): void
    {
        $file = $this->folder . '/server.ini';
        file_put_contents($file, "; comment\ndsn = \"pgsql:host=db;dbname=t\"\ndb_user = six\nrate_limit = 7\n"
            . "trusted_proxies = 10.0.0.0/8, ::1\ntimezone = Europe/Prague\nmax_query_length = 4096\n");
        $config = Config::fromEnvironment(['SIXDICE_SERVER_CONFIG' => $file, 'SIXDICE_SERVER_RATE_LIMIT' => '0']);
        self::assertSame('pgsql:host=db;dbname=t', $config->dsn);
        self::assertSame('six', $config->dbUser);
        self::assertNull($config->dbPassword);
        self::assertSame(0, $config->rateLimit);
        self::assertSame(['10.0.0.0/8', '::1'], $config->trustedProxies);
        self::assertSame('Europe/Prague', $config->timezone);
        self::assertSame(4096, $config->maxQueryLength);
        self::assertSame(10740, $config->maxScore);
        self::assertSame('NORMAL', $config->sqliteSynchronous);
        self::assertTrue($config->dbPersistent);
        self::assertSame([32, 64, 600], [$config->ipv4Prefix, $config->ipv6Prefix, $config->maxNewPerHour], 'defaults');
        $grouped = Config::fromEnvironment(['SIXDICE_SERVER_CONFIG' => $file, 'SIXDICE_SERVER_RATE_LIMIT_IPV4_PREFIX' => '24',
            'SIXDICE_SERVER_RATE_LIMIT_IPV6_PREFIX' => '48', 'SIXDICE_SERVER_MAX_NEW_PER_HOUR' => '0']);
        self::assertSame([24, 48, 0], [$grouped->ipv4Prefix, $grouped->ipv6Prefix, $grouped->maxNewPerHour]);
        self::assertFalse(Config::fromEnvironment(['SIXDICE_SERVER_CONFIG' => $file, 'SIXDICE_SERVER_DB_PERSISTENT' => '0'])->dbPersistent);
    }

    public function testUnusableSettingsAreErrors(): void
    {
        $bad = [
            ['SIXDICE_SERVER_DSN' => 'mysql:host=x'],
            ['SIXDICE_SERVER_DSN' => 'sqlite:/x', 'SIXDICE_SERVER_RATE_LIMIT' => 'many'],
            ['SIXDICE_SERVER_DSN' => 'sqlite:/x', 'SIXDICE_SERVER_RATE_LIMIT' => '-1'],
            ['SIXDICE_SERVER_DSN' => 'sqlite:/x', 'SIXDICE_SERVER_MAX_QUERY_LENGTH' => '10'],
            ['SIXDICE_SERVER_DSN' => 'sqlite:/x', 'SIXDICE_SERVER_TIMEZONE' => 'Mars/Olympus'],
            ['SIXDICE_SERVER_DSN' => 'sqlite:/x', 'SIXDICE_SERVER_TRUSTED_PROXIES' => 'proxy.example'],
            ['SIXDICE_SERVER_DSN' => 'sqlite:/x', 'SIXDICE_SERVER_SQLITE_SYNCHRONOUS' => 'OFF'],
            ['SIXDICE_SERVER_DSN' => 'sqlite:/x', 'SIXDICE_SERVER_RATE_LIMIT_IPV4_PREFIX' => '33'],
            ['SIXDICE_SERVER_DSN' => 'sqlite:/x', 'SIXDICE_SERVER_RATE_LIMIT_IPV6_PREFIX' => '129'],
            ['SIXDICE_SERVER_DSN' => 'sqlite:/x', 'SIXDICE_SERVER_RATE_LIMIT_IPV6_PREFIX' => '-1'],
            ['SIXDICE_SERVER_DSN' => 'sqlite:/x', 'SIXDICE_SERVER_MAX_NEW_PER_HOUR' => 'lots'],
            ['SIXDICE_SERVER_CONFIG' => $this->folder . '/missing.ini'],
            [],
        ];
        file_put_contents($this->folder . '/typo.ini', "rate_limt = 5\n");
        $bad[] = ['SIXDICE_SERVER_CONFIG' => $this->folder . '/typo.ini', 'SIXDICE_SERVER_DSN' => 'sqlite:/x'];
        foreach ($bad as $environment) {
            try {
                Config::fromEnvironment($environment + ['SIXDICE_SERVER_CONFIG' => $this->none]);
                self::fail('accepted ' . json_encode($environment));
            } catch (ConfigError) {
                $this->addToAssertionCount(1);
            }
        }
    }

    public function testTheClientIsTheNearestAddressNoTrustedProxyAdded(): void
    {
        $trusted = ['127.0.0.1', '10.0.0.0/8', 'fd00::/8'];
        self::assertSame('192.0.2.7', ClientAddress::resolve('192.0.2.7', '198.51.100.1', $trusted), 'untrusted peer');
        self::assertSame('198.51.100.1', ClientAddress::resolve('127.0.0.1', '198.51.100.1', $trusted));
        self::assertSame('198.51.100.9', ClientAddress::resolve('10.1.2.3', '203.0.113.5, 198.51.100.9, 10.9.9.9', $trusted),
            'an address the client wrote itself further left is not believed');
        self::assertSame('2001:db8::5', ClientAddress::resolve('fd12::1', '2001:db8::5', $trusted));
        self::assertSame('10.1.1.1', ClientAddress::resolve('10.1.1.1', 'not-an-address', $trusted));
        self::assertSame('10.0.0.1', ClientAddress::resolve('10.1.1.1', '10.0.0.1, 10.0.0.2', $trusted), 'only proxies');
        self::assertSame('127.0.0.1', ClientAddress::resolve('127.0.0.1', null, $trusted));
        self::assertSame('11.0.0.1', ClientAddress::resolve('10.255.255.255', '11.0.0.1', ['10.128.0.0/9']));
        self::assertTrue(ClientAddress::isRange('192.0.2.0/24'));
        self::assertFalse(ClientAddress::isRange('192.0.2.0/33'));
        self::assertFalse(ClientAddress::isRange('example.org'));
    }

    public function testClientsAreGroupedByTheirNetwork(): void
    {
        $cases = [
            ['192.0.2.77', 32, 64, '192.0.2.77/32'],
            ['192.0.2.77', 24, 64, '192.0.2.0/24'],
            ['192.0.2.77', 0, 64, '0.0.0.0/0'],
            ['192.0.2.77', 31, 64, '192.0.2.76/31'],
            ['2001:db8:aa:bb:1:2:3:4', 32, 64, '2001:db8:aa:bb::/64'],
            ['2001:db8:aa:bb:1:2:3:4', 32, 56, '2001:db8:aa::/56'],
            ['2001:db8:aa:bb:1:2:3:4', 32, 128, '2001:db8:aa:bb:1:2:3:4/128'],
            ['2001:DB8:AA:BB::ff', 32, 60, '2001:db8:aa:b0::/60'],
            ['::ffff:192.0.2.77', 24, 64, '192.0.2.0/24'],
            ['', 32, 64, ''],
            ['unix:/run/x.sock', 32, 64, 'unix:/run/x.sock'],
        ];
        foreach ($cases as [$address, $v4, $v6, $key]) {
            self::assertSame($key, Network::keyOf($address, $v4, $v6), "$address /$v4 /$v6");
        }
        // Both addresses of one /64 share a key, the next /64 has its own.
        self::assertSame(Network::keyOf('2001:db8:1:2::1', 32, 64), Network::keyOf('2001:db8:1:2:ffff::9', 32, 64));
        self::assertNotSame(Network::keyOf('2001:db8:1:2::1', 32, 64), Network::keyOf('2001:db8:1:3::1', 32, 64));
    }

    public function testNetworksAreParsedNormalisedAndMatched(): void
    {
        self::assertSame('192.0.2.0/24', (string) Network::parse(' 192.0.2.200/24 '));
        self::assertSame('192.0.2.9/32', (string) Network::parse('192.0.2.9'));
        self::assertSame('2001:db8::/32', (string) Network::parse('2001:0db8:ffff::/32'));
        self::assertSame('::1/128', (string) Network::parse('::1'));
        foreach (['192.0.2.0/33', '2001:db8::/129', '192.0.2.0/', '192.0.2.0/-1', '192.0.2.0/024', 'example.org', '', '192.0.2.0/8/8', '1.2.3'] as $wrong) {
            self::assertNull(Network::parse($wrong), $wrong);
        }
        $v4 = Network::parse('198.51.100.0/23');
        foreach (['198.51.100.0' => true, '198.51.101.255' => true, '198.51.102.0' => false, '::ffff:198.51.101.1' => true,
            '2001:db8::1' => false, 'nonsense' => false] as $address => $inside) {
            self::assertSame($inside, $v4->contains($address), $address);
        }
        $v6 = Network::parse('2001:db8:5::/48');
        self::assertTrue($v6->contains('2001:db8:5:ffff::1'));
        self::assertFalse($v6->contains('2001:db8:6::1'));
        self::assertFalse($v6->contains('198.51.100.1'));
        self::assertTrue(Network::parse('0.0.0.0/0')->contains('203.0.113.1'));
    }

    public function testThePageLanguage(): void
    {
        self::assertSame('cs', Language::choose(null, 'cs-CZ,cs;q=0.9,en;q=0.8'));
        self::assertSame('en', Language::choose(null, 'de-DE,en-GB;q=0.7,cs;q=0.3'));
        self::assertSame('cs', Language::choose(null, 'sk'));
        self::assertSame('en', Language::choose(null, 'fr, de'));
        self::assertSame('en', Language::choose(null, null));
        self::assertSame('cs', Language::choose(null, 'en;q=0.5, cs;q=0.5, cs-CZ;q=0.9'));
        self::assertSame('en', Language::choose('en', 'cs'), 'the switch wins');
        self::assertSame('cs', Language::choose('xx', 'cs'));
    }
}
