#!/usr/bin/env bash
# Refreshes the translation sources from the code; translate the new entries afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
lupdate=$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -locations none -no-obsolete src -ts src/app/translations/orv_rdm_controler_en.ts \
    src/app/translations/orv_rdm_controler_pl.ts src/app/translations/orv_rdm_controler_de.ts
