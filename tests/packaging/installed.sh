#!/bin/bash
# Installs the build into a fresh prefix and starts the installed program from elsewhere:
# every installed file is in its place, and the program keeps its data in the per-user
# data directory, never beside itself.
#   installed.sh BUILD_DIR
set -eu
build=$1
tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; }; rm -rf "$tmp"' EXIT
prefix=$tmp/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/kastlog lib/kastlog/libkastlog_webengine.so lib/kastlog/libkastlog_network.so \
         lib/kastlog/libkastlog_print.so share/applications/kastlog.desktop \
         share/icons/hicolor/scalable/apps/kastlog.svg share/icons/hicolor/48x48/apps/kastlog.png \
         share/doc/kastlog/NOTICE.md share/doc/kastlog/copyright; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
grep -qx 'Exec=kastlog' "$prefix/share/applications/kastlog.desktop"
grep -qx 'Icon=kastlog' "$prefix/share/applications/kastlog.desktop"
grep -q 'Natural Earth' "$prefix/share/doc/kastlog/NOTICE.md"
# The installed program does not depend on the build tree.
if ldd "$prefix/bin/kastlog" | grep -q "$build"; then echo "the program links the build tree"; exit 1; fi

before=$(cd "$prefix" && find . | sort)
mkdir "$tmp/elsewhere"
cd "$tmp/elsewhere"
# The installed program finds its modules by itself, not through the tests' variable.
unset KASTLOG_MODULE_PATH
# An unknown short option or a bare file name is bad usage: the reason on standard error,
# status 2, no window.
for arg in -x file.adi; do
  rc=0
  timeout 20 "$prefix/bin/kastlog" "$arg" >"$tmp/out" 2>"$tmp/err" || rc=$?
  [ "$rc" = 2 ] && [ -s "$tmp/err" ] && [ ! -s "$tmp/out" ] || { echo "kastlog $arg: status $rc"; cat "$tmp/err"; exit 1; }
done
XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config QT_QPA_PLATFORM=offscreen "$prefix/bin/kastlog" \
  >"$tmp/out" 2>&1 &
pid=$!
# At its first start the program writes the empty log template into its directory, then
# asks for the station.
for _ in $(seq 100); do
  [ -f "$tmp/data/DNJ/KASTLOG/FXXXX.txt" ] && break
  kill -0 "$pid" 2>/dev/null || { echo "the program ended:"; cat "$tmp/out"; exit 1; }
  sleep 0.2
done
[ -f "$tmp/data/DNJ/KASTLOG/FXXXX.txt" ] || { echo "no template in the data directory"; cat "$tmp/out"; exit 1; }
kill -0 "$pid" || { echo "the program did not keep running"; exit 1; }
[ "$(cd "$prefix" && find . | sort)" = "$before" ] || { echo "the program wrote into its installed place"; exit 1; }
[ -z "$(ls -A "$tmp/elsewhere")" ] || { echo "the program wrote into the working directory"; exit 1; }
# Networking, printing and SVG load when first used, not at start-up.
for lib in libQt6Network libQt6PrintSupport libQt6Svg; do
  grep -q "$lib" "/proc/$pid/maps" && { echo "$lib loaded at start-up"; exit 1; }
done
# A session ending sends SIGTERM: the program ends cleanly, even with its first-start
# question open, and leaves no lock behind for the next start.
lock=$tmp/data/DNJ/KASTLOG/KASTLOG.lock
[ -f "$lock" ] || { echo "no instance lock while running"; exit 1; }
kill -TERM "$pid"
rc=0
wait "$pid" || rc=$?
pid=
[ "$rc" = 0 ] || { echo "SIGTERM: the program ended with $rc"; cat "$tmp/out"; exit 1; }
[ ! -e "$lock" ] || { echo "SIGTERM left the instance lock"; exit 1; }
echo "installed and started from $prefix"
