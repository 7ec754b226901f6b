<?php
// The operator's commands (bin/sixdice-table), with the server's own settings. Names and e-mail
// addresses came from anyone: everything printed of them goes through TerminalText.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

use PDO;

final class OperatorTool
{
    public const USAGE = <<<'TEXT'
        usage: sixdice-table COMMAND
          migrate                          create or update the schema
          list [--emails]                  every row, best first: id, rank (- when hidden), score,
                                           date, name [, e-mail]
          count                            the number of rows
          delete ID...                     remove rows for good
          hide ID... | unhide ID...        keep rows out of the table and its ranks, or show them again
          forget EMAIL                     empty this e-mail address in every row that holds it
          purge-emails --older-than DAYS   empty the addresses of rows older than DAYS days
          purge-networks --older-than DAYS empty the networks of rows older than DAYS days
          ban-name NAME | unban-name NAME  refuse new results under this name, or accept them again
          ban-network CIDR | unban-network CIDR
                                           refuse new results from this network, or accept them again
          bans                             the banned names and networks
          suspicious [--near PERCENT] [--burst ROWS] [--networks COUNT]
                                           rows within PERCENT (5) of max_score, networks that sent
                                           ROWS (10) or more within an hour, names sent from COUNT (3)
                                           or more networks

        TEXT;

    /** @var resource */
    private $out;

    /**
     * @param resource $out
     * @param \Closure(): int $clock
     */
    public function __construct(private readonly Config $config, $out, private readonly \Closure $clock)
    {
        $this->out = $out;
    }

    /**
     * Runs one command; its exit status. A wrong command line throws \InvalidArgumentException
     * (status 2 in bin/sixdice-table), anything else that fails its own exception (status 1).
     * @param list<string> $arguments the command and its arguments
     */
    public function run(array $arguments): int
    {
        $command = array_shift($arguments) ?? '';
        if ($command === 'help' || $command === '--help') {
            $this->write(self::USAGE);
            return 0;
        }
        if ($command === '') {
            throw new \InvalidArgumentException("which command?\n" . self::USAGE);
        }
        $pdo = Database::open($this->config);
        $table = new ScoreTable($pdo);
        $now = ($this->clock)();
        match ($command) {
            'migrate' => $this->write('schema version ' . Schema::currentVersion($pdo) . "\n"),
            'list' => $this->list($table, self::flags($arguments, ['--emails'])),
            'count' => $this->write($table->count() . "\n"),
            'delete' => $this->eachRow($arguments, 'deleted', fn (int $id): bool => $table->delete($id)),
            'hide' => $this->eachRow($arguments, 'hidden', fn (int $id): bool => $table->setHidden($id, true)),
            'unhide' => $this->eachRow($arguments, 'shown', fn (int $id): bool => $table->setHidden($id, false)),
            'forget' => $this->forget($pdo, self::single($arguments, 'forget needs one e-mail address')),
            'purge-emails' => $this->purge($pdo, 'purge-emails', $arguments, $now),
            'purge-networks' => $this->purge($pdo, 'purge-networks', $arguments, $now),
            'ban-name' => $this->banName($pdo, self::single($arguments, 'ban-name needs one name'), $now),
            'unban-name' => $this->say((new Bans($pdo))->unbanName(self::single($arguments, 'unban-name needs one name')),
                'the name is accepted again', 'the name was not banned'),
            'ban-network' => $this->say((new Bans($pdo))->banNetwork($network = self::network($arguments, 'ban-network'), $now),
                "banned $network", "$network was banned already"),
            'unban-network' => $this->say((new Bans($pdo))->unbanNetwork($network = self::network($arguments, 'unban-network')),
                "$network is accepted again", "$network was not banned (bans lists the banned networks)"),
            'bans' => $this->bans($pdo),
            'suspicious' => $this->suspicious($pdo, $arguments),
            default => throw new \InvalidArgumentException("unknown command \"$command\"\n" . self::USAGE),
        };
        return 0;
    }

    /** @param array<string, bool> $flags */
    private function list(ScoreTable $table, array $flags): void
    {
        $rank = 0;
        foreach ($table->everything() as $row) {
            $hidden = (int) $row['hidden'] === 1;
            $fields = [$row['id'], $hidden ? '-' : ++$rank, $row['score'], self::date((int) $row['submitted_at']),
                TerminalText::escape((string) $row['player'])];
            if ($flags['--emails']) {
                $fields[] = TerminalText::escape((string) $row['email']);
            }
            $this->write(implode("\t", $fields) . "\n");
        }
    }

    /**
     * @param list<string> $ids
     * @param \Closure(int): bool $change
     */
    private function eachRow(array $ids, string $done, \Closure $change): void
    {
        if ($ids === []) {
            throw new \InvalidArgumentException('the command needs the ids of the rows');
        }
        foreach ($ids as $id) {
            if (preg_match('/\A[1-9][0-9]{0,17}\z/', $id) !== 1) {
                throw new \InvalidArgumentException('"' . TerminalText::escape($id) . '" is no row id');
            }
        }
        foreach ($ids as $id) {
            $this->write($change((int) $id) ? "$done $id\n" : "no row $id\n");
        }
    }

    private function forget(PDO $pdo, string $email): void
    {
        $rows = (new PersonalData($pdo))->forget($email);
        $this->write(sprintf("emptied the address %s in %d %s\n", TerminalText::escape(trim($email)), $rows,
            $rows === 1 ? 'row' : 'rows'));
    }

    /** @param list<string> $arguments */
    private function purge(PDO $pdo, string $command, array $arguments, int $now): void
    {
        $days = null;
        if (count($arguments) === 2 && $arguments[0] === '--older-than') {
            $days = $arguments[1];
        } elseif (count($arguments) === 1 && str_starts_with($arguments[0], '--older-than=')) {
            $days = substr($arguments[0], strlen('--older-than='));
        }
        if ($days === null || preg_match('/\A[0-9]{1,6}\z/', $days) !== 1) {
            throw new \InvalidArgumentException("$command needs --older-than DAYS (a whole number of days)");
        }
        $cutoff = $now - (int) $days * 86400;
        $data = new PersonalData($pdo);
        $rows = $command === 'purge-emails' ? $data->purgeEmailsBefore($cutoff) : $data->purgeNetworksBefore($cutoff);
        $this->write(sprintf("emptied the %s of %d %s older than %d %s\n", $command === 'purge-emails' ? 'addresses' : 'networks',
            $rows, $rows === 1 ? 'row' : 'rows', (int) $days, (int) $days === 1 ? 'day' : 'days'));
    }

    private function banName(PDO $pdo, string $name, int $now): void
    {
        $shown = TerminalText::escape(trim($name));
        $this->say((new Bans($pdo))->banName($name, $now), "banned the name $shown", "the name $shown was banned already");
        $statement = $pdo->query('SELECT id, player, hidden FROM scores ORDER BY id');
        $stored = [];
        foreach ($statement as $row) {
            if ((int) $row['hidden'] === 0 && Bans::nameKey((string) $row['player']) === Bans::nameKey($name)) {
                $stored[] = $row['id'];
            }
        }
        if ($stored !== []) {
            $this->write('rows shown under this name (hide them with "hide ID..."): ' . implode(' ', $stored) . "\n");
        }
    }

    private function bans(PDO $pdo): void
    {
        foreach ((new Bans($pdo))->all() as $ban) {
            $this->write(implode("\t", [$ban['kind'], TerminalText::escape($ban['value']), self::date($ban['banned_at'])]) . "\n");
        }
    }

    /** @param list<string> $arguments */
    private function suspicious(PDO $pdo, array $arguments): void
    {
        $options = self::options($arguments, ['--near' => 5, '--burst' => 10, '--networks' => 3]);
        if ($options['--near'] > 100 || $options['--burst'] < 1 || $options['--networks'] < 1) {
            throw new \InvalidArgumentException('--near is 0 to 100 (per cent), --burst and --networks at least 1');
        }
        $report = new SuspiciousRows($pdo);
        $least = $this->config->maxScore - intdiv($this->config->maxScore * $options['--near'], 100);
        $this->write("# rows scoring $least or more (max_score {$this->config->maxScore}): id, score, date, network, shown or hidden, name\n");
        foreach ($report->nearTop($least) as $row) {
            $this->write(implode("\t", [$row['id'], $row['score'], self::date($row['submitted_at']),
                $row['client_network'] === '' ? '-' : TerminalText::escape($row['client_network']),
                $row['hidden'] ? 'hidden' : 'shown', TerminalText::escape($row['player'])]) . "\n");
        }
        $this->write("# networks that sent {$options['--burst']} or more rows within an hour: network, rows, first, last\n");
        foreach ($report->bursts($options['--burst']) as $burst) {
            $this->write(implode("\t", [TerminalText::escape($burst['network']), $burst['rows'], self::date($burst['from']),
                self::date($burst['to'])]) . "\n");
        }
        $this->write("# names sent from {$options['--networks']} or more networks: name, networks, rows\n");
        foreach ($report->sharedNames($options['--networks']) as $name) {
            $this->write(implode("\t", [TerminalText::escape($name['player']), $name['networks'], $name['rows']]) . "\n");
        }
    }

    private function say(bool $changed, string $yes, string $no): void
    {
        $this->write(($changed ? $yes : $no) . "\n");
    }

    private function write(string $text): void
    {
        fwrite($this->out, $text);
    }

    private static function date(int $time): string
    {
        return gmdate('Y-m-d H:i:s', $time);
    }

    /** @param list<string> $arguments */
    private static function single(array $arguments, string $usage): string
    {
        if (count($arguments) !== 1 || trim($arguments[0]) === '') {
            throw new \InvalidArgumentException($usage);
        }
        return $arguments[0];
    }

    /** @param list<string> $arguments */
    private static function network(array $arguments, string $command): Network
    {
        $text = self::single($arguments, "$command needs one network (192.0.2.0/24, 2001:db8::/48 or one address)");
        return Network::parse($text)
            ?? throw new \InvalidArgumentException('"' . TerminalText::escape($text) . '" is no address or network');
    }

    /**
     * @param list<string> $arguments
     * @param list<string> $known
     * @return array<string, bool>
     */
    private static function flags(array $arguments, array $known): array
    {
        foreach ($arguments as $argument) {
            if (!in_array($argument, $known, true)) {
                throw new \InvalidArgumentException('unknown option "' . TerminalText::escape($argument) . '"');
            }
        }
        return array_combine($known, array_map(static fn (string $flag): bool => in_array($flag, $arguments, true), $known));
    }

    /**
     * Options with whole-number values: "--name N" or "--name=N".
     * @param list<string> $arguments
     * @param array<string, int> $defaults
     * @return array<string, int>
     */
    private static function options(array $arguments, array $defaults): array
    {
        $values = $defaults;
        for ($i = 0; $i < count($arguments); ++$i) {
            [$name, $value] = array_pad(explode('=', $arguments[$i], 2), 2, null);
            if (!array_key_exists($name, $defaults)) {
                throw new \InvalidArgumentException('unknown option "' . TerminalText::escape($arguments[$i]) . '"');
            }
            $value ??= $arguments[++$i] ?? '';
            if (preg_match('/\A[0-9]{1,9}\z/', $value) !== 1) {
                throw new \InvalidArgumentException("$name needs a whole number");
            }
            $values[$name] = (int) $value;
        }
        return $values;
    }
}
