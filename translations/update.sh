#!/usr/bin/env bash
# Brings the translation files up to date with the texts in the sources:
# new texts are added unfinished, changed ones are marked, vanished ones kept
# as obsolete until translated away. Run after adding or changing a text;
# then finish the entries (Qt Linguist or a text editor) and commit both.
#   translations/update.sh [LUPDATE]
# ZW_TS_DIR names another folder holding copies of the files to update (the
# test that the committed files are current works on copies).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lupdate=${1:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
cd "$root"

# Texts of the Qt-free core are marked ZW_TR / ZW_TR_NOOP (model/translation.h);
# the windows use the toolkit's tr() as well.
aliases=QT_TRANSLATE_NOOP+=ZW_TR,QT_TRANSLATE_NOOP+=ZW_TR_NOOP

core_sources() {
  git ls-files 'model/*.cpp' 'model/*.h' 'check/*' 'rmg/*' 'canvas/*' 'analysis/*' 'pattern/*' \
    'editor/*' 'platform/*' 'cli/*' | grep -E '\.(cpp|h)$' | grep -v -E '/qt_[^/]*$'
}
windows_sources() {
  git ls-files 'app/*' 'dialogs/*' 'platform/qt_*' 'canvas/qt_*' | grep -E '\.(cpp|h)$'
}

update() {
  local ts=$1
  shift
  "$lupdate" -silent -locations relative -no-ui-lines -source-language ru -target-language en \
    -tr-function-alias "$aliases" "$@" -ts "$ts"
}

out=${ZW_TS_DIR:-translations}
update "$out/zonewright_core_en.ts" $(core_sources)
update "$out/zonewright_windows_en.ts" $(windows_sources)
