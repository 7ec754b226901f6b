<?php
// The on-line table's only public entry: the table page and the game's submissions.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

require __DIR__ . '/../src/autoload.php';

SixDice\Server\Application::serveCurrentRequest();
