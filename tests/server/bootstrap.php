<?php
// Loads the server's classes and the tests' shared helpers.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

require __DIR__ . '/../../server/src/autoload.php';
require __DIR__ . '/TestDatabase.php';
