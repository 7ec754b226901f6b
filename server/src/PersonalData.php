<?php
// Removal of what the rows hold about a person beyond the public name, score and date: one
// player's e-mail address on request, or every address or network past an age. The rows stay;
// only those fields are emptied.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class PersonalData
{
    public function __construct(private readonly PDO $pdo)
    {
    }

    /**
     * Empties the address in every row that holds it, compared without regard to letter case or
     * surrounding spaces (Jan.Novak@Example.cz is the same mailbox as jan.novak@example.cz);
     * the number of rows changed.
     */
    public function forget(string $email): int
    {
        $wanted = self::comparable($email);
        if ($wanted === '') {
            throw new \InvalidArgumentException('forget needs an e-mail address');
        }
        // Collected first, changed after: the stored spellings that mean this address.
        $spellings = [];
        foreach ($this->pdo->query("SELECT DISTINCT email FROM scores WHERE email <> ''") as $row) {
            if (self::comparable((string) $row['email']) === $wanted) {
                $spellings[] = (string) $row['email'];
            }
        }
        return Database::writing($this->pdo, function () use ($spellings): int {
            $changed = 0;
            $statement = $this->pdo->prepare("UPDATE scores SET email = '' WHERE email = ?");
            foreach ($spellings as $spelling) {
                $statement->execute([$spelling]);
                $changed += $statement->rowCount();
            }
            return $changed;
        });
    }

    /** Empties every address of a row stored before $cutoff (a Unix time); the number of rows changed. */
    public function purgeEmailsBefore(int $cutoff): int
    {
        $statement = $this->pdo->prepare("UPDATE scores SET email = '' WHERE submitted_at < ? AND email <> ''");
        $statement->execute([$cutoff]);
        return $statement->rowCount();
    }

    /**
     * Empties the client network of every row stored before $cutoff; the number of rows changed.
     * Such rows drop out of the reports of bursts and shared names.
     */
    public function purgeNetworksBefore(int $cutoff): int
    {
        $statement = $this->pdo->prepare("UPDATE scores SET client_network = '' WHERE submitted_at < ? AND client_network <> ''");
        $statement->execute([$cutoff]);
        return $statement->rowCount();
    }

    private static function comparable(string $email): string
    {
        return mb_strtolower(trim($email, " \t\n\r\0\x0B\u{A0}"), 'UTF-8');
    }
}
