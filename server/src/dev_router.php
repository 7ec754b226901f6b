<?php
// PHP's built-in server hands every request here (server/run): /savescore.php is the table, "/"
// leads to it, /play/ is the browser game (the staged folder named by the game_dir setting, by
// default the build tree's build-web/play), and anything else is not found, as behind the deployed
// web server.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

require __DIR__ . '/autoload.php';

$defaults = ['game_dir' => dirname(__DIR__, 2) . '/build-web/play'];
$path = rawurldecode((string) parse_url($_SERVER['REQUEST_URI'] ?? '/', PHP_URL_PATH));
if ($path === '/savescore.php') {
    SixDice\Server\Application::serveCurrentRequest($defaults);
} elseif ($path === '/') {
    header('Location: /savescore.php?gid=43', true, 302);
} elseif ($path === '/play' || str_starts_with($path, SixDice\Server\GameFiles::PREFIX)) {
    $environment = array_filter($_SERVER, 'is_string') + getenv();
    try {
        $folder = SixDice\Server\Config::fromEnvironment($environment, $defaults)->gameDir;
    } catch (SixDice\Server\ConfigError $error) {
        error_log('sixdice-server: ' . $error->getMessage());
        $folder = null;
    }
    $headers = array_change_key_case(function_exists('getallheaders') ? getallheaders() : [], CASE_LOWER);
    $method = strtoupper($_SERVER['REQUEST_METHOD'] ?? 'GET');
    (new SixDice\Server\GameFiles($folder))->answer($method, $path, $headers)->send($method === 'HEAD');
} else {
    $language = SixDice\Server\Language::choose(null, $_SERVER['HTTP_ACCEPT_LANGUAGE'] ?? null);
    $page = (new SixDice\Server\HtmlView($language, 'UTC'))
        ->refusal(new SixDice\Server\Refusal(SixDice\Server\Reason::NotFound));
    SixDice\Server\Response::html(404, $page)->send();
}
return true;
