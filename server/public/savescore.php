<?php
// The on-line table's only public entry: the table page and the game's submissions.

declare(strict_types=1);

require __DIR__ . '/../src/autoload.php';

SixDice\Server\Application::serveCurrentRequest();
