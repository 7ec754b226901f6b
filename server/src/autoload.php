<?php
// Loads the server's classes (namespace SixDice\Server) from this folder, without Composer.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

spl_autoload_register(static function (string $class): void {
    $prefix = 'SixDice\\Server\\';
    if (str_starts_with($class, $prefix) && preg_match('/^\w+$/D', $name = substr($class, strlen($prefix))) === 1) {
        // Without asking the file system first: a class that is not here fails to load.
        @include __DIR__ . '/' . $name . '.php';
    }
});
