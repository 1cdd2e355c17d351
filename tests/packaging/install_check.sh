#!/usr/bin/env bash
# install_check.sh <build dir>: installs into a temporary prefix and checks what a desktop system
# needs: the program, its two HID libraries found by the loader from the program's run path, the
# udev rule for the device's hidraw node, the desktop entry, the icon at every size and as SVG, and
# AppStream metainfo that appstreamcli accepts.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
editor_pid=
trap 'set +e; [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null && wait "$editor_pid" 2>/dev/null; rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/zq9-editor" ] || fail "no executable bin/zq9-editor"
for lib in libzq9hid.so libzq9setupapi.so; do
  [ -f "$prefix/lib/zq9-editor/$lib" ] || fail "no lib/zq9-editor/$lib"
done

rule="$prefix/lib/udev/rules.d/70-zq9-editor.rules"
if [ -f "$rule" ]; then
  grep -v '^#' "$rule" | grep -q 'SUBSYSTEM=="hidraw".*ATTRS{idVendor}=="0168".*ATTRS{idProduct}=="0821".*TAG+="uaccess"' \
    || fail "the udev rule does not give the logged-in user the device's hidraw node"
  grep -v '^#' "$rule" | grep -q 'ATTRS{idProduct}=="0821".*MODE="0660".*GROUP="plugdev"' \
    || fail "the udev rule does not give the plugdev group the device's hidraw node"
else
  fail "no udev rule"
fi

entry="$prefix/share/applications/zq9-editor.desktop"
if [ -f "$entry" ]; then
  for line in '[Desktop Entry]' 'Type=Application' 'Name=ZQ9 DSP Processor Editor' 'Exec=zq9-editor' \
              'Icon=zq9-editor' 'Terminal=false'; do
    grep -qxF "$line" "$entry" || fail "desktop entry lacks: $line"
  done
else
  fail "no desktop entry"
fi

# A PNG whose header gives the size its folder names.
for size in 16 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/zq9-editor.png"
  if [ -f "$icon" ]; then
    signature=$(od -An -tx1 -N8 "$icon" | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || fail "$icon is not a PNG"
    width=$(od -An -tu1 -j16 -N4 "$icon" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    height=$(od -An -tu1 -j20 -N4 "$icon" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$icon is ${width}x${height}"
  else
    fail "no ${size}x${size} icon"
  fi
done

svg="$prefix/share/icons/hicolor/scalable/apps/zq9-editor.svg"
if [ -f "$svg" ]; then
  grep -q '<svg' "$svg" && grep -q 'viewBox="0 0 256 256"' "$svg" || fail "$svg is not a square SVG picture"
else
  fail "no scalable icon"
fi

metainfo="$prefix/share/metainfo/com.zq9.editor.metainfo.xml"
if [ -f "$metainfo" ]; then
  grep -q '<launchable type="desktop-id">zq9-editor.desktop</launchable>' "$metainfo" \
    || fail "the metainfo does not name the desktop entry"
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >"$prefix/appstream.log" 2>&1 \
      || { cat "$prefix/appstream.log" >&2; fail "appstreamcli does not accept the metainfo"; }
  else
    fail "appstreamcli is missing (scripts/setup installs appstream)"
  fi
else
  fail "no AppStream metainfo"
fi

# The program loads both HID libraries by bare name when it searches for a device; nothing is beside
# the executable, so the loader must find them through the program's run path.
runpath=$(readelf -d "$prefix/bin/zq9-editor" | sed -n 's/.*(RPATH).*\[\(.*\)\]/\1/p')
case "$runpath" in
  '$ORIGIN'/*)
    for lib in libzq9hid.so libzq9setupapi.so; do
      [ -f "$prefix/bin/${runpath#'$ORIGIN'/}/$lib" ] || fail "the run path $runpath does not lead to $lib"
    done ;;
  *) fail "the program's run path is not relative to it: '$runpath'" ;;
esac
for lib in "$prefix"/lib/zq9-editor/*.so; do
  ! ldd "$lib" | grep -q 'not found' || fail "$lib needs a library that is missing"
done

# And the installed program does load them from there when it starts its device search.
trace="$prefix/loader.log"
(cd / && unset LD_LIBRARY_PATH ZQ9_LIBRARY_DIR && QT_QPA_PLATFORM=offscreen LD_DEBUG=files \
   exec "$prefix/bin/zq9-editor" >/dev/null 2>"$trace") &
editor_pid=$!
loaded() { grep -q "calling init: $prefix/bin/../lib/zq9-editor/$1" "$trace"; }
for _ in $(seq 1 7500); do
  loaded libzq9hid.so && loaded libzq9setupapi.so && break
  kill -0 "$editor_pid" 2>/dev/null || break
  sleep 0.02
done
for lib in libzq9hid.so libzq9setupapi.so; do
  loaded "$lib" || fail "the installed program did not load lib/zq9-editor/$lib"
done

[ "$failures" -eq 0 ] && echo "installed and checked in $prefix"
exit "$failures"
