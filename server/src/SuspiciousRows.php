<?php
// What the operator should look at: results at or near the highest score a game can give, many
// results from one network within an hour, and one name sent from many networks. Rows stored
// before networks were kept have none and take part in the first report only.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class SuspiciousRows
{
    public const WINDOW = 3600;

    public function __construct(private readonly PDO $pdo)
    {
    }

    /**
     * Rows scoring at least $least, best first, hidden ones too.
     * @return list<array{id:int, score:int, submitted_at:int, client_network:string, hidden:bool, player:string}>
     */
    public function nearTop(int $least): array
    {
        $statement = $this->pdo->prepare(
            'SELECT id, score, submitted_at, client_network, hidden, player FROM scores
             WHERE score >= ? ORDER BY score DESC, id ASC'
        );
        $statement->bindValue(1, $least, PDO::PARAM_INT);
        $statement->execute();
        return array_map(static fn (array $row): array => [
            'id' => (int) $row['id'],
            'score' => (int) $row['score'],
            'submitted_at' => (int) $row['submitted_at'],
            'client_network' => (string) $row['client_network'],
            'hidden' => (int) $row['hidden'] === 1,
            'player' => (string) $row['player'],
        ], $statement->fetchAll());
    }

    /**
     * For every network that sent at least $least rows within one hour, its busiest hour: the
     * number of rows and the first and last of them. Most rows first.
     * @return list<array{network:string, rows:int, from:int, to:int}>
     */
    public function bursts(int $least): array
    {
        $statement = $this->pdo->query(
            "SELECT client_network, submitted_at FROM scores WHERE client_network <> ''
             ORDER BY client_network, submitted_at"
        );
        $bursts = [];
        $network = null;
        $times = [];
        $flush = function () use (&$bursts, &$network, &$times, $least): void {
            $best = null;
            $start = 0;
            // A window sliding over the network's rows in time order.
            foreach ($times as $end => $time) {
                while ($time - $times[$start] >= self::WINDOW) {
                    ++$start;
                }
                $count = $end - $start + 1;
                if ($best === null || $count > $best['rows']) {
                    $best = ['network' => $network, 'rows' => $count, 'from' => $times[$start], 'to' => $time];
                }
            }
            if ($best !== null && $best['rows'] >= $least) {
                $bursts[] = $best;
            }
        };
        foreach ($statement as $row) {
            if ($row['client_network'] !== $network) {
                $flush();
                $network = (string) $row['client_network'];
                $times = [];
            }
            $times[] = (int) $row['submitted_at'];
        }
        $flush();
        usort($bursts, static fn (array $a, array $b): int => [$b['rows'], $a['network']] <=> [$a['rows'], $b['network']]);
        return $bursts;
    }

    /**
     * Names sent from at least $least different networks, most networks first.
     * @return list<array{player:string, networks:int, rows:int}>
     */
    public function sharedNames(int $least): array
    {
        $statement = $this->pdo->prepare(
            "SELECT player, COUNT(DISTINCT client_network) AS networks, COUNT(*) AS row_count FROM scores
             WHERE client_network <> '' GROUP BY player HAVING COUNT(DISTINCT client_network) >= ?
             ORDER BY networks DESC, player ASC"
        );
        $statement->bindValue(1, $least, PDO::PARAM_INT);
        $statement->execute();
        return array_map(static fn (array $row): array => [
            'player' => (string) $row['player'],
            'networks' => (int) $row['networks'],
            'rows' => (int) $row['row_count'],
        ], $statement->fetchAll());
    }
}
