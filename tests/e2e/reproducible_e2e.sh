#!/usr/bin/env bash
# Reproducible: the sources copied to two different paths, each configured with plain CMake,
# built and packed with cpack -G DEB, SOURCE_DATE_EPOCH set to the commit's time as a packager
# sets it, give two byte-identical packages. Where they differ, the files that differ are named.
source "$(dirname "$0")/lib.sh"
src=$(cd "$(dirname "$0")/../.." && pwd)
git -C "$src" rev-parse --git-dir >/dev/null 2>&1 || fail "the sources are not a git checkout"
SOURCE_DATE_EPOCH=$(git -C "$src" log -1 --format=%ct 2>/dev/null) || SOURCE_DATE_EPOCH=1700000000
export SOURCE_DATE_EPOCH

# Every file git knows of or would take (tracked or new, not ignored), as it is in the tree.
copy_sources() {
  local to=$1 file
  mkdir -p "$to"
  (cd "$src" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [[ -e "$file" ]] && printf '%s\0' "$file"; done |
    tar --null -T - -cf -) | tar -C "$to" -xf - || fail "copying the sources to $to"
}

packages=()
# Two paths of different lengths, neither a prefix of the other.
for place in one/tamberlo-adventure "second place/tree"; do
  tree=$work/$place
  copy_sources "$tree"
  cmake -S "$tree" -B "$tree/build" >"$work/configure.out" 2>&1 || fail "configure in $tree"
  cmake --build "$tree/build" -j"$(nproc)" >"$work/build.out" 2>&1 || fail "build in $tree"
  (cd "$tree/build" && cpack -G DEB) >"$work/cpack.out" 2>&1 || fail "cpack in $tree"
  deb=$(ls "$tree"/build/tamberlo-adventure_*.deb) || fail "no package in $tree/build"
  packages+=("$deb")
done

first=$(sha256sum <"${packages[0]}")
second=$(sha256sum <"${packages[1]}")
if [[ "$first" != "$second" ]]; then
  for i in 0 1; do
    mkdir -p "$work/unpacked$i"
    dpkg-deb -R "${packages[$i]}" "$work/unpacked$i"
  done
  fail "the two packages differ: $(diff -rq --no-dereference "$work/unpacked0" "$work/unpacked1" 2>&1 | head -20)"
fi
echo "PASS: two builds from two paths give the same package, sha256 ${first%% *}"
