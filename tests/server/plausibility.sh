#!/usr/bin/env bash
# The server's highest accepted score against the brute-force search over the game's rules, and
# the number of passes server/README.md gives for going beyond it against the same search.
#   plausibility.sh PLAUSIBILITY_SEARCH
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
readme=$here/../../server/README.md
bound=$(php -r 'require $argv[1]; echo SixDice\Server\Plausibility::MAX_SCORE;' "$here/../../server/src/autoload.php")
passes=$(grep -o 'exceeds it only after [0-9]* passes' "$readme" | grep -o '[0-9]*' || true)
if [[ -z $passes ]]; then
    echo "server/README.md does not say after how many passes a game exceeds the bound" >&2
    exit 1
fi
grep -q "highest ranking value is $bound" "$readme" || {
    echo "server/README.md does not give $bound as the highest ranking value" >&2
    exit 1
}
exec "$1" "$bound" "$passes"
