<?php
// PHP's built-in server hands every request here (server/run): /savescore.php is the table, "/"
// leads to it, and anything else is not found, as behind the deployed web server.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

require __DIR__ . '/autoload.php';

$path = parse_url($_SERVER['REQUEST_URI'] ?? '/', PHP_URL_PATH);
if ($path === '/savescore.php') {
    SixDice\Server\Application::serveCurrentRequest();
} elseif ($path === '/') {
    header('Location: /savescore.php?gid=43', true, 302);
} else {
    $language = SixDice\Server\Language::choose(null, $_SERVER['HTTP_ACCEPT_LANGUAGE'] ?? null);
    $page = (new SixDice\Server\HtmlView($language, 'UTC'))
        ->refusal(new SixDice\Server\Refusal(SixDice\Server\Reason::NotFound));
    SixDice\Server\Response::html(404, $page)->send();
}
return true;
