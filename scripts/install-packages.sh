#!/usr/bin/env bash
# Installs the Debian packages of a list that are not installed yet (with sudo when not root).
#   install-packages.sh LIST   each line of LIST is a package name, and may carry apt-get options
#                              for that name alone (--no-install-recommends); # starts a comment
set -euo pipefail
list=$1
plain=()
special=()
while read -r package options; do
  [[ -z "$package" || "$package" == \#* ]] && continue
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' && continue
  if [[ -z "$options" ]]; then plain+=("$package"); else special+=("$package $options"); fi
done <"$list"
# The browser tests need npm; a Node.js not from Debian may already bring its own.
if [[ "${2:-}" == --with-npm ]] && ! command -v npm >/dev/null; then plain+=(npm); fi
(( ${#plain[@]} + ${#special[@]} > 0 )) || exit 0
echo "Installing Debian packages: ${plain[*]} ${special[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
"${sudo_cmd[@]}" apt-get update -qq
export DEBIAN_FRONTEND=noninteractive
if (( ${#plain[@]} > 0 )); then "${sudo_cmd[@]}" apt-get install -y -qq "${plain[@]}"; fi
for line in "${special[@]}"; do
  # shellcheck disable=SC2086 # the line is a name and its options
  "${sudo_cmd[@]}" apt-get install -y -qq $line
done
