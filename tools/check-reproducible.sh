#!/bin/bash
# Builds the packages of one commit twice, from clean clones in folders of different names
# and depths, and compares them byte for byte; diffoscope shows what differs, if any.
#   tools/check-reproducible.sh [deb|debian-package] [COMMIT]
# Each build takes as long as the target does (see README): run it on an idle machine.
set -eu
target=${1:-deb}
commit=${2:-HEAD}
case $target in
  deb) packages='kastlog_*.deb kastlog-dbgsym_*.ddeb' ;;
  debian-package) packages='debian-build/*.deb' ;;
  *) echo "usage: $0 [deb|debian-package] [COMMIT]"; exit 2 ;;
esac
src=$(git rev-parse --show-toplevel)
tmp=$(mktemp -d /tmp/kastlog-reproducible.XXXXXX)
umask 022
first=$tmp/a/kastlog
second=$tmp/second/deeper/kastlog-tree
for tree in "$first" "$second"; do
  git clone -q --no-local "$src" "$tree"
  git -C "$tree" checkout -q --detach "$commit"
  echo "== make $target in $tree"
  (cd "$tree" && make --no-print-directory "$target" >"$tree.log" 2>&1) || { tail -40 "$tree.log"; exit 1; }
done

same=1
for p in $packages; do
  # shellcheck disable=SC2086
  for f in $(cd "$first" && ls $p); do
    if cmp -s "$first/$f" "$second/$f"; then
      echo "identical: $f ($(sha256sum <"$first/$f" | cut -c1-16))"
    else
      same=0
      echo "DIFFERENT: $f"
      command -v diffoscope >/dev/null && diffoscope "$first/$f" "$second/$f" | head -100
    fi
  done
done
[ "$same" = 1 ] && { rm -rf "$tmp"; echo "reproducible"; exit 0; }
echo "not reproducible; the trees are kept in $tmp"
exit 1
