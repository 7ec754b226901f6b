<?php
// Answers one request: the table page, or a submission verified, stored once and shown in the
// table. Refusals say why; internal failures are logged and never shown.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class Application
{
    /** Seconds after which a client should try again when the database failed. */
    public const DATABASE_RETRY_AFTER = 10;

    /**
     * The table's JSON may be read by any web page. Submissions never carry this header, so a
     * page elsewhere cannot read the answer of a submission it made its visitor's browser send.
     */
    private const READABLE_ANYWHERE = ['Access-Control-Allow-Origin' => '*'];

    /** @var \Closure(): Config */
    private readonly \Closure $configure;
    /** @var \Closure(): int */
    private readonly \Closure $clock;

    /**
     * @param callable(): Config $configure
     * @param (callable(): int)|null $clock
     */
    public function __construct(callable $configure, ?callable $clock = null)
    {
        $this->configure = \Closure::fromCallable($configure);
        $this->clock = \Closure::fromCallable($clock ?? 'time');
    }

    /** @param array<string, string> $defaults settings that apply unless the file or environment say otherwise */
    public static function serveCurrentRequest(array $defaults = []): void
    {
        // Arguments stay out of stack traces: they may hold the query or an e-mail address.
        ini_set('zend.exception_ignore_args', '1');
        // The web server's variables (FastCGI parameters, a pool's env[]) beside the process's.
        $environment = array_filter($_SERVER, 'is_string') + getenv();
        $request = Request::fromServer($_SERVER);
        $application = new self(static fn (): Config => Config::fromEnvironment($environment, $defaults));
        $application->handle($request)->send($request->method === 'HEAD');
    }

    public function handle(Request $request): Response
    {
        $language = Language::choose(null, $request->acceptLanguage);
        if ($request->method !== 'GET' && $request->method !== 'HEAD') {
            return $this->refuse(new Refusal(Reason::MethodNotAllowed), $language, false, ['Allow' => 'GET, HEAD']);
        }
        try {
            $config = ($this->configure)();
        } catch (\Throwable $failure) {
            return $this->fail($failure, $language, false);
        }
        if (strlen($request->query) > $config->maxQueryLength) {
            return $this->refuse(new Refusal(Reason::QueryTooLong), $language, false);
        }
        $query = Query::parse($request->query);
        if ($query instanceof Refusal) {
            return $this->refuse($query, $language, false);
        }
        $language = Language::choose($query->get('lang'), $request->acceptLanguage);
        $format = $query->get('format') ?? '';
        if (!in_array($format, ['', 'html', 'json'], true)) {
            return $this->refuse(new Refusal(Reason::BadFormat), $language, false);
        }
        $json = $format === 'json';
        if (!$query->has('gid')) {
            return $this->refuse(new Refusal(Reason::MissingKey, ['gid']), $language, $json);
        }
        if ($query->get('gid') !== SubmissionParser::GAME_ID) {
            return $this->refuse(new Refusal(Reason::WrongGame), $language, $json);
        }
        $submission = null;
        if ($query->isSubmission()) {
            $submission = (new SubmissionParser($config->maxScore))->parse($query);
            if ($submission instanceof Refusal) {
                return $this->refuse($submission, $language, $json);
            }
        }

        // HEAD answers as GET would, but stores nothing and counts no attempt.
        $storing = $request->method === 'GET';
        try {
            $table = new ScoreTable($pdo = Database::open($config));
            $mine = null;
            if ($submission !== null && $storing && !Database::isSqlite($pdo)) {
                // PostgreSQL: the replay question, the admission, the new row and its rank in one
                // call (replays are rare, so the call asks for them itself).
                $address = ClientAddress::resolve($request->peer, $request->forwardedFor, $config->trustedProxies);
                $mine = (new PostgresSubmission($pdo, $config))->store($submission, ($this->clock)(), $address,
                    Network::keyOf($address, $config->ipv4Prefix, $config->ipv6Prefix));
                if ($mine instanceof Refusal) {
                    return $this->refuse($mine, $language, $json);
                }
            } elseif ($submission !== null) {
                // A replay is answered from the stored row without a write: on SQLite without the
                // write lock, also from a read-only file.
                $id = $table->findReplay($submission->check, $submission->rand);
                if ($id === null) {
                    $now = ($this->clock)();
                    $address = ClientAddress::resolve($request->peer, $request->forwardedFor, $config->trustedProxies);
                    $network = Network::keyOf($address, $config->ipv4Prefix, $config->ipv6Prefix);
                    $admit = fn (): ?Refusal => $this->admit($pdo, $config, $submission, $address, $network, $now, $storing);
                    $id = $storing ? $table->submit($submission, $now, $network, $admit) : $admit();
                    if ($id instanceof Refusal) {
                        return $this->refuse($id, $language, $json);
                    }
                }
                $mine = $id === null ? null : $table->rowWithRank($id);
            }
            $rows = $table->top();
        } catch (\Throwable $failure) {
            return $this->fail($failure, $language, $json, $submission?->email ?? '');
        }

        if ($json) {
            return Response::json(200, [
                'game' => (int) SubmissionParser::GAME_ID,
                'results' => array_map(self::jsonRow(...), $rows),
                'submitted' => $mine === null ? null : self::jsonRow($mine),
            ], $submission === null ? self::READABLE_ANYWHERE : []);
        }
        $view = new HtmlView($language, $config->timezone, (new GameFiles($config->gameDir))->installed());
        return Response::html(200, $view->table($rows, $mine, $query));
    }

    /**
     * Whether a new result may be stored: not under a banned name or from a banned network, not
     * beyond the whole table's hourly ceiling, not beyond the client network's rate limit. A
     * storing request ($counting) asks inside the transaction that stores the result, and only
     * it counts an attempt or logs the ceiling.
     */
    private function admit(\PDO $pdo, Config $config, Submission $submission, string $address, string $network,
        int $now, bool $counting): ?Refusal
    {
        $banned = (new Bans($pdo))->refusalFor($submission->player, $address);
        if ($banned !== null) {
            return new Refusal($banned);
        }
        $ceiling = new GlobalCeiling($pdo, $config->maxNewPerHour);
        $wait = $counting ? $ceiling->admit($now) : $ceiling->wait($now);
        if ($wait > 0) {
            if ($counting) {
                $ceiling->noteReached($now);
            }
            return new Refusal(Reason::TableFull, [intdiv($wait + 59, 60)], $wait);
        }
        $limit = new RateLimit($pdo, $config->rateLimit);
        if ($counting) {
            return $limit->admit($network, $now);
        }
        $wait = $limit->wait($network, $now);
        return $wait > 0 ? $limit->refusal($wait) : null;
    }

    /** @param array<string, string> $headers */
    private function refuse(Refusal $refusal, string $language, bool $json, array $headers = []): Response
    {
        $status = $refusal->reason->status();
        if ($refusal->retryAfter > 0) {
            $headers['Retry-After'] = (string) $refusal->retryAfter;
        }
        if ($json) {
            return Response::json($status, [
                'error' => $refusal->reason->value,
                'message' => Texts::reason($language, $refusal),
            ], $headers);
        }
        return Response::html($status, (new HtmlView($language, 'UTC'))->refusal($refusal), $headers);
    }

    private function fail(\Throwable $failure, string $language, bool $json, #[\SensitiveParameter] string $email = ''): Response
    {
        error_log(self::logLine($failure, $email));
        // A database that is restarting, unreachable, locked, full or read-only is back soon:
        // the client is told when to try again. Anything else is a fault of the server.
        $refusal = $failure instanceof \PDOException
            ? new Refusal(Reason::DatabaseUnavailable, [], self::DATABASE_RETRY_AFTER)
            : new Refusal(Reason::Unavailable);
        return $this->refuse($refusal, $language, $json);
    }

    /**
     * What the log says about a failure: its class, the first line of its message and where it
     * was thrown. Databases add the values of the row on later lines (PostgreSQL's "DETAIL:
     * Failing row contains (...)"), and the submission's e-mail address, should a message
     * quote it anyway, is blanked: addresses stay in the database.
     */
    public static function logLine(\Throwable $failure, #[\SensitiveParameter] string $email = ''): string
    {
        $message = strtok($failure->getMessage(), "\r\n");
        if ($email !== '' && is_string($message)) {
            $message = str_ireplace([$email, rawurlencode($email)], '(e-mail address)', $message);
        }
        return 'sixdice-server: ' . get_class($failure) . ': ' . (is_string($message) ? $message : '')
            . ' at ' . $failure->getFile() . ':' . $failure->getLine();
    }

    /**
     * @param array{id:int, rank:int, player:string, score:int, submitted_at:int} $row
     * @return array{rank:int, name:string, score:int, date:string}
     */
    private static function jsonRow(array $row): array
    {
        return [
            'rank' => $row['rank'],
            'name' => $row['player'],
            'score' => $row['score'],
            'date' => gmdate('Y-m-d\TH:i:s\Z', $row['submitted_at']),
        ];
    }
}
