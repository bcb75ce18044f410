#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The window-manager steps of tests/e2e/desktop_test.sh under Plasma's kwin, through Xwayland, as
# root (private namespaces). Not in CTest: on a loaded machine kwin now and then refuses the print
# window the keyboard after Alt+Tab and Enter, which a quiet machine never showed.
#   bash scripts/kwin.sh [PROGRAM]    builds the release configuration first without one
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=SCRIPTDIR/../tests/e2e/lib.sh
source tests/e2e/lib.sh
exec bash tests/e2e/desktop_test.sh "$(e2e_program_or_build "$@")" kwin
