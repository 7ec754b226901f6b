<?php
// A setting that cannot be used; logged, never shown to the visitor.

declare(strict_types=1);

namespace SixDice\Server;

final class ConfigError extends \RuntimeException
{
}
