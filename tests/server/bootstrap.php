<?php
// Loads the server's classes and the tests' shared helpers.

declare(strict_types=1);

require __DIR__ . '/../../server/src/autoload.php';
require __DIR__ . '/TestDatabase.php';
