#!/usr/bin/env bash
# The layering check on a small tree with every kind of fault: an include upwards (also from a
# subfolder, from a part of the window to the window, and with spaces in the directive), includes between folders of one layer, a folder the
# layers leave out and a listed folder that is gone. Allowed includes (same folder, below, local,
# system) must not be reported.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
actual=$("$here/../../scripts/check-layers" "$here/fixture" | sort)
status=${PIPESTATUS[0]}
expected=$(sort <<'LIST'
src/orphan: folder missing from the layers of docs/architecture.md
docs/architecture.md: layer folder src/gone does not exist
src/device/sub/Deep.cpp includes ui/Window.h: ui is not below device
src/platform/core/Up.cpp includes ui/Window.h: ui is not below platform/core
src/plot/Chart.h includes widgets/Knob.h: widgets is not below plot
src/ui/parts/Part.h includes ui/Window.h: ui is not below ui/parts
src/widgets/Knob.h includes plot/Chart.h: plot is not below widgets
LIST
)
if [ "$status" -ne 1 ] || [ "$actual" != "$expected" ]; then
  echo "exit status $status (want 1)"
  diff <(echo "$expected") <(echo "$actual")
  exit 1
fi
