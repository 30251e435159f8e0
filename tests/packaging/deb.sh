#!/bin/bash
# Builds the Debian package from the built tree, checks its control fields and file list,
# its debug symbols package, validates the desktop entry, the icons, the metainfo and the
# man page, runs lintian (no error), then unpacks it into a temporary root and starts the
# unpacked program offscreen: once with --version, once normally, where it loads the
# browser module of that root and writes only into the per-user folders.
#   deb.sh BUILD_DIR VERSION
set -eu
build=$1
version=$2
source=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
pid=
# The program ends cleanly on SIGTERM, releasing its lock, and the browser's processes with
# it: wait until the whole group is gone before removing the folders they write into.
stop() {
  [ -n "$pid" ] || return 0
  kill -- -"$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 -- -"$pid" 2>/dev/null || break; sleep 0.1; done
}
trap 'stop; rm -rf "$tmp"' EXIT
fail() { echo "$*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log"; fail "cpack failed"; }
arch=$(dpkg --print-architecture)
deb=$tmp/out/kastlog_${version}_${arch}.deb
[ -f "$deb" ] || fail "no $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kastlog ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = hamradio ] || fail "Section: $(field Section)"
field Maintainer | grep -Eq '^[^<>]+ <[^@ ]+@[^> ]+>$' || fail "Maintainer: $(field Maintainer)"
# Depends from the libraries themselves, plus the SVG image plugin no library names; the
# browser module's WebEngine only recommended.
has() { field "$1" | tr ',' '\n' | grep -Eq "^ *$2( |$)"; }
for dep in libc6 libqt6widgets6 libqt6network6 libqt6printsupport6 libqt6svg6; do
  has Depends $dep || fail "Depends lacks $dep: $(field Depends)"
done
for dep in libqt6webenginewidgets6 qt6-qpa-plugins; do
  has Depends $dep && fail "Depends has $dep: $(field Depends)"
done
for dep in libqt6webenginewidgets6 fonts-liberation; do
  has Recommends $dep || fail "Recommends lacks $dep: $(field Recommends)"
done
# The modules are private: no ldconfig in the maintainer scripts or triggers.
dpkg-deb -e "$deb" "$tmp/control"
grep -rl ldconfig "$tmp/control" && fail "ldconfig in the control files"
desc=$(field Description)
[ "$(echo "$desc" | wc -l)" -gt 5 ] || fail "no long description"
echo "$desc" | head -1 | grep -q 'logbook' || fail "short description: $(echo "$desc" | head -1)"
echo "$desc" | grep -q 'radio amateurs' || fail "no English description"
echo "$desc" | grep -q 'radioamateurs' || fail "no French description"

# Exactly these files, nothing of the build tree or the tests.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$tmp/files"
cat >"$tmp/expected" <<LIST
./usr/bin/kastlog
./usr/lib/kastlog/libkastlog_network.so
./usr/lib/kastlog/libkastlog_print.so
./usr/lib/kastlog/libkastlog_webengine.so
./usr/share/applications/kastlog.desktop
./usr/share/doc/kastlog/NOTICE.md
./usr/share/doc/kastlog/changelog.gz
./usr/share/doc/kastlog/copyright
./usr/share/icons/hicolor/128x128/apps/kastlog.png
./usr/share/icons/hicolor/48x48/apps/kastlog.png
./usr/share/icons/hicolor/64x64/apps/kastlog.png
./usr/share/icons/hicolor/scalable/apps/kastlog.svg
./usr/share/man/man1/kastlog.1.gz
./usr/share/metainfo/io.github.kastlog.metainfo.xml
LIST
diff -u "$tmp/expected" "$tmp/files" || fail "file list differs"
dpkg-deb -c "$deb" | awk '{print $2}' | grep -vqx 'root/root' && fail "files not owned by root"

root=$tmp/root
dpkg-deb -x "$deb" "$root"
# Stripped, with the debug symbols in kastlog-dbgsym under their build ids; no path of the
# build tree left in them.
ddeb=$tmp/out/kastlog-dbgsym_${version}_${arch}.ddeb
[ -f "$ddeb" ] || fail "no $ddeb"
dpkg-deb -x "$ddeb" "$tmp/dbgsym"
for elf in usr/bin/kastlog usr/lib/kastlog/libkastlog_network.so usr/lib/kastlog/libkastlog_print.so \
           usr/lib/kastlog/libkastlog_webengine.so; do
  file "$root/$elf" | grep -q ', stripped' || fail "$elf not stripped"
  id=$(file "$root/$elf" | sed -n 's/.*BuildID\[sha1\]=\([0-9a-f]*\).*/\1/p')
  [ -f "$tmp/dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] || fail "no debug symbols for $elf"
  # A sanitized tree's own diagnostics name the files it was built from, its generated
  # ones included; the packages made for users are never sanitized.
  if ! grep -q '^KASTLOG_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
    grep -qF "$(cd "$build" && pwd -P)" "$root/$elf" && fail "$elf holds the build tree's path"
  fi
done
for size in 48 64 128; do
  file "$root/usr/share/icons/hicolor/${size}x${size}/apps/kastlog.png" | grep -q "PNG image data, $size x $size," \
    || fail "no ${size}-pixel PNG icon"
done
desktop-file-validate "$root/usr/share/applications/kastlog.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.kastlog.metainfo.xml" >"$tmp/as" 2>&1 \
  || { cat "$tmp/as"; fail "metainfo"; }
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/io.github.kastlog.metainfo.xml" || fail "metainfo version"
man=$(zcat "$root/usr/share/man/man1/kastlog.1.gz" | sed 's/\\-/-/g')
for opt in import-adif station help version; do
  echo "$man" | grep -q -- "^\.[BT].*--$opt" || fail "man page lacks --$opt"
done
for section in BUGS 'SEE ALSO'; do
  echo "$man" | grep -qx "\.SH \"*$section\"*" || fail "man page lacks $section"
done
zcat "$root/usr/share/man/man1/kastlog.1.gz" >"$tmp/kastlog.1"
mandoc -Tlint "$tmp/kastlog.1" || fail "mandoc -Tlint"
grep -q 'Natural Earth' "$root/usr/share/doc/kastlog/copyright" || fail "copyright lacks the map's notice"
grep -qx 'License: GPL-3+' "$root/usr/share/doc/kastlog/copyright" || fail "copyright lacks the program's licence"
lintian --tag-display-limit 0 "$deb" >"$tmp/lintian" 2>&1 || true
grep -E '^[EW]:' "$tmp/lintian" && fail "lintian reports errors or warnings"

# The unpacked program, from elsewhere, with per-user folders of its own.
export QT_QPA_PLATFORM=offscreen HOME=$tmp/home XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config \
  XDG_CACHE_HOME=$tmp/cache XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$HOME" "$XDG_RUNTIME_DIR"
mkdir "$tmp/elsewhere"
cd "$tmp/elsewhere"
before=$(cd "$root" && find . | sort)

out=$(timeout 10 "$root/usr/bin/kastlog" --version 2>"$tmp/err") || fail "--version: status $? $(cat "$tmp/err")"
[ "$out" = "kastlog $version" ] || fail "--version printed: $out"

KASTLOG_REPORT_BROWSER_MODULE=1 setsid "$root/usr/bin/kastlog" >"$tmp/out.txt" 2>"$tmp/err" &
pid=$!
module=$root/usr/lib/kastlog/libkastlog_webengine.so
for _ in $(seq 300); do
  grep -q '^browser module:' "$tmp/out.txt" && [ -f "$XDG_DATA_HOME/DNJ/KASTLOG/FXXXX.txt" ] && break
  kill -0 "$pid" 2>/dev/null || { cat "$tmp/out.txt" "$tmp/err"; fail "the program ended"; }
  sleep 0.2
done
grep -qx "browser module: $module" "$tmp/out.txt" || { cat "$tmp/out.txt" "$tmp/err"; fail "not its own browser module"; }
[ -f "$XDG_DATA_HOME/DNJ/KASTLOG/FXXXX.txt" ] || fail "no template in the data folder"
kill -0 "$pid" || fail "the program did not keep running"
[ "$(cd "$root" && find . | sort)" = "$before" ] || fail "the program wrote into its unpacked root"
[ -z "$(ls -A "$tmp/elsewhere")" ] || fail "the program wrote into the working directory"
[ -z "$(ls -A "$HOME")" ] || fail "the program wrote into HOME: $(cd "$HOME" && find .)"
# The source package's autopkgtest of the installed package, on the unpacked one.
mkdir "$tmp/autopkgtest"
AUTOPKGTEST_TMP=$tmp/autopkgtest PATH="$root/usr/bin:$PATH" sh "$source/debian/tests/import-adif" >"$tmp/at" 2>&1 \
  || { cat "$tmp/at"; fail "debian/tests/import-adif"; }
echo "packaged, unpacked and started from $root"
