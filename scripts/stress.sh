#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program (release) and drives it with N random real key and mouse events, checking its
# invariants after every event; prints the events per second, the ends and any failure with the
# shortest tail of events that does it again.
#   bash scripts/stress.sh [N] [SEED]    N defaults to 100000, SEED to a random one
# A run is replayed exactly with: build/release/tests/stress/stress --seed SEED --events N
set -euo pipefail
cd "$(dirname "$0")/.."

events=${1:-100000}
seed=${2:-$((RANDOM * 32768 + RANDOM))}
bash scripts/install-deps.sh
dir=$(bash scripts/build.sh release)
exec "$dir/tests/stress/stress" --seed "$seed" --events "$events"
