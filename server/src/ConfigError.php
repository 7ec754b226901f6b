<?php
// A setting that cannot be used; logged, never shown to the visitor.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class ConfigError extends \RuntimeException
{
}
