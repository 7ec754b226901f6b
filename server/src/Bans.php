<?php
// Names and networks whose new results the table refuses. A name is compared without regard to
// letter case and to spaces around it or doubled inside; a network is CIDR (a bare address is a
// network of one).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class Bans
{
    public function __construct(private readonly PDO $pdo)
    {
    }

    /** The form a name is compared in; '' for a name of nothing but spaces. */
    public static function nameKey(string $name): string
    {
        $spaced = preg_replace('/[\x{20}\x{A0}\x{AD}\t]+/u', ' ', $name) ?? $name;
        return mb_strtolower(trim($spaced), 'UTF-8');
    }

    /** False when the name was banned already. */
    public function banName(string $name, int $now): bool
    {
        $key = self::nameKey($name);
        if ($key === '' || preg_match('//u', $name) !== 1) {
            throw new \InvalidArgumentException('a name to ban is UTF-8 text that is not only spaces');
        }
        $statement = $this->pdo->prepare(
            'INSERT INTO banned_names (name_key, name, banned_at) VALUES (?, ?, ?) ON CONFLICT (name_key) DO NOTHING'
        );
        $statement->execute([$key, trim($name), $now]);
        return $statement->rowCount() > 0;
    }

    /** False when the name was not banned. */
    public function unbanName(string $name): bool
    {
        $statement = $this->pdo->prepare('DELETE FROM banned_names WHERE name_key = ?');
        $statement->execute([self::nameKey($name)]);
        return $statement->rowCount() > 0;
    }

    public function isNameBanned(string $name): bool
    {
        $statement = $this->pdo->prepare('SELECT 1 FROM banned_names WHERE name_key = ?');
        $statement->execute([self::nameKey($name)]);
        return $statement->fetchColumn() !== false;
    }

    /** False when exactly this network was banned already. */
    public function banNetwork(Network $network, int $now): bool
    {
        $statement = $this->pdo->prepare(
            'INSERT INTO banned_networks (network, banned_at) VALUES (?, ?) ON CONFLICT (network) DO NOTHING'
        );
        $statement->execute([(string) $network, $now]);
        return $statement->rowCount() > 0;
    }

    /** False when exactly this network was not banned (a ban of a wider one stays). */
    public function unbanNetwork(Network $network): bool
    {
        $statement = $this->pdo->prepare('DELETE FROM banned_networks WHERE network = ?');
        $statement->execute([(string) $network]);
        return $statement->rowCount() > 0;
    }

    /**
     * Why a new result under this name from this address is refused (a banned name before a
     * banned network), or null: one query for both, as every new result asks.
     */
    public function refusalFor(string $name, string $address): ?Reason
    {
        $statement = $this->pdo->prepare(
            "SELECT '' AS network FROM banned_names WHERE name_key = ? UNION ALL SELECT network FROM banned_networks"
        );
        $statement->execute([self::nameKey($name)]);
        $networks = $statement->fetchAll(\PDO::FETCH_COLUMN);
        if (in_array('', $networks, true)) {
            return Reason::NameBanned;
        }
        foreach ($networks as $text) {
            $network = Network::parse((string) $text);
            if ($network !== null && $network->contains($address)) {
                return Reason::NetworkBanned;
            }
        }
        return null;
    }

    /** The banned network that holds this client address, or null. */
    public function networkOf(string $address): ?string
    {
        foreach ($this->pdo->query('SELECT network FROM banned_networks ORDER BY network') as $row) {
            $network = Network::parse((string) $row['network']);
            if ($network !== null && $network->contains($address)) {
                return (string) $network;
            }
        }
        return null;
    }

    /** @return list<array{kind:string, value:string, banned_at:int}> names first, then networks */
    public function all(): array
    {
        $bans = [];
        foreach ($this->pdo->query('SELECT name, banned_at FROM banned_names ORDER BY name_key') as $row) {
            $bans[] = ['kind' => 'name', 'value' => (string) $row['name'], 'banned_at' => (int) $row['banned_at']];
        }
        foreach ($this->pdo->query('SELECT network, banned_at FROM banned_networks ORDER BY network') as $row) {
            $bans[] = ['kind' => 'network', 'value' => (string) $row['network'], 'banned_at' => (int) $row['banned_at']];
        }
        return $bans;
    }
}
