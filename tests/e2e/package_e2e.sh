#!/usr/bin/env bash
# cpack -G DEB packs the build into a scratch folder under the game's own version; lintian,
# Debian's package checker, has nothing to say about the package, and hardening-check finds
# every protection on the program it ships.
source "$(dirname "$0")/lib.sh"
build=$(dirname "$game_dir")
(cd "$build" && cpack -G DEB -B "$work/deb") >"$work/cpack.out" 2>&1 || fail "cpack -G DEB"
version=$("$binary" --version | awk '{ print $2 }')
deb=$work/deb/tamberlo-adventure_${version}_$(dpkg --print-architecture).deb
[[ -f "$deb" ]] || fail "no package for version $version: $(ls "$work/deb")"

# As root lintian warns about being root, which says nothing of the package: run it as nobody.
as_user=()
if (( $(id -u) == 0 )); then
  chmod 755 "$work" "$work/deb"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$work")
fi
"${as_user[@]}" lintian "$deb" >"$work/lintian.txt" 2>&1 || true
[[ ! -s "$work/lintian.txt" ]] || fail "lintian on $(basename "$deb"):"$'\n'"$(cat "$work/lintian.txt")"

# The program it ships is hardened. Debian 12's C start files carry no control-flow marks, so no
# program linked there can have control-flow protection, and hardening-check is told so.
dpkg-deb -x "$deb" "$work/unpacked"
program=$work/unpacked/usr/lib/games/tamberlo-adventure/tamberlo-adventure
hardening-check --nocfprotection "$program" >"$work/hardening.txt" 2>&1 ||
  fail "hardening-check on the packaged program:"$'\n'"$(cat "$work/hardening.txt")"
echo "PASS: $(basename "$deb") is lintian-clean and its program hardened"
