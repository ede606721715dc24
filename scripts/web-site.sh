#!/usr/bin/env bash
# Builds the game's web site into build-web/site/: the page, the game compiled to WebAssembly,
# its data in two parts (the package the first picture needs, and the late sounds as files of
# their own), the two fonts, the icons, the manifest and the service worker, and each file that
# compresses also as .gz and .br beside it. Any static web server can serve the folder.
#   web-site.sh            installs the missing Debian packages of web-packages.txt, builds the
#                          desktop game with setup.sh for its data, then the site
#   web-site.sh GAME_DIR   the same from the run directory of a desktop build already made
# Steps whose inputs did not change are skipped: the music is rendered again only for a changed
# MIDI file, a picture packed and a file compressed once per content, the game linked again only
# when its code changed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build-web
game=${1:-}
data=$out/data
wasm=$out/wasm

"$root/scripts/install-packages.sh" "$root/scripts/web-packages.txt" --with-npm

if [[ -z "$game" ]]; then
  "$root/scripts/setup.sh"
  game=$root/build/game
fi
game=$(cd "$game" && pwd)

# The data: the desktop run directory's files without the program, and the music as Ogg Vorbis
# (the browser cannot play MIDI) instead of MIDI. A file is copied only when its bytes changed.
mkdir -p "$data/sounds/music" "$out/music"
(cd "$game" && find -L . -type f ! -name tamberlo-adventure ! -path './sounds/music/*.mid') |
  while read -r file; do
    if ! cmp -s "$game/$file" "$data/$file"; then
      mkdir -p "$(dirname "$data/$file")"
      cp -L "$game/$file" "$data/$file"
    fi
  done
(cd "$data" && find . -type f ! -path './sounds/music/*.ogg') | while read -r file; do
  [[ -e "$game/$file" ]] || rm -f "$data/$file"
done

# Each track is rendered with the desktop's soundfont, then encoded at Vorbis quality 1 (about
# 64 kbit/s, a third of fluidsynth's own Ogg output) to keep the whole site small.
soundfont=/usr/share/sounds/sf2/TimGM6mb.sf2
music_settings="fluidsynth 44100 $soundfont; sox -C 1"
if [[ "$(cat "$out/music/settings" 2>/dev/null)" != "$music_settings" ]]; then
  rm -f "$out/music/"*.mid
  echo "$music_settings" >"$out/music/settings"
fi
for midi in "$game/sounds/music/"*.mid; do
  name=$(basename "$midi" .mid)
  ogg=$data/sounds/music/$name.ogg
  if [[ -s "$ogg" ]] && cmp -s "$midi" "$out/music/$name.mid"; then continue; fi
  echo "Rendering the music: $name"
  fluidsynth -ni -q -T wav -F "$out/music/$name.wav" -r 44100 "$soundfont" "$midi" >/dev/null
  sox "$out/music/$name.wav" -C 1 "$ogg.tmp.ogg"
  mv "$ogg.tmp.ogg" "$ogg"
  rm "$out/music/$name.wav"
  cp "$midi" "$out/music/$name.mid"
done

# The game: the page's build of the same code (the data is not linked in).
export NODE_PATH=/usr/share/nodejs
if [[ ! -f "$wasm/CMakeCache.txt" ]]; then
  emcmake cmake -S "$root" -B "$wasm" -DCMAKE_BUILD_TYPE=Release -DTAMBERLO_WERROR=ON
fi
cmake --build "$wasm" -j2

# The game's build writes its pictures loosely compressed: optipng packs each again without
# loss, and the copy is shipped only when it decodes to the very same RGBA bytes as the
# original. Each original is packed once, kept under png/ by its hash.
pixels() { /usr/bin/convert "$1" -depth 8 RGBA:- | sha256sum; }
repack_png() {
  local original=$1 packed
  packed=$out/png/$(sha256sum "$original" | cut -c1-64)-optipng-o2.png
  if [[ ! -f "$packed" ]]; then
    mkdir -p "$out/png"
    cp "$original" "$packed.tmp.png"
    optipng -quiet -o2 -strip all "$packed.tmp.png"
    if [[ "$(pixels "$original")" != "$(pixels "$packed.tmp.png")" ]]; then
      echo "optipng changed the pixels of $original" >&2
      return 1
    fi
    mv "$packed.tmp.png" "$packed"
  fi
  echo "$packed"
}

# The site. The first package (staged under first/) holds what the first picture needs: every
# picture (the game loads them all at start), the levels and the intro's own track. The other
# sounds are files of their own at their paths in the game's files, fetched after the first
# picture; the game takes them when they arrive. The fonts are the page's own CSS fonts (the
# browser's SDL draws text in the CSS font named like the file and never opens it), so they are
# not in the data.
intro_track=sounds/music/music.ogg
site=$out/site
stage=$out/first
rm -rf "$site.new" "$stage"
mkdir -p "$site.new" "$stage"
while read -r file; do
  case "$file" in
    *.ttf) continue ;;
    "$intro_track") to=$stage/$file ;;
    sounds/*) to=$site.new/$file ;;
    *) to=$stage/$file ;;
  esac
  from=$data/$file
  if [[ "$file" == *.png ]]; then from=$(repack_png "$from"); fi
  mkdir -p "$(dirname "$to")"
  cp "$from" "$to"
done < <(cd "$data" && find . -type f -printf '%P\n' | sort)

for file in "$root/web/"*; do cp "$file" "$site.new/"; done
cp "$wasm"/tamberlo-adventure.{js,wasm} "$site.new/"
# The autopilot's page plays with its own build of the game and the bot, on the same data.
cp "$wasm"/tamberlo-autopilot.{js,wasm} "$site.new/"
for font in actionj.ttf indigo.ttf; do
  # The page's copy of a font: named without a space, which browsers refuse, and cut down to
  # the Latin letters the game writes with (a quarter of the bytes; the outlines, spacing and
  # kerning stay).
  python3 "$root/scripts/web-font.py" "$game/$font" "$out/$font"
  /usr/bin/python3 -m fontTools.subset "$out/$font" --output-file="$site.new/$font" \
    --unicodes=U+0020-007E,U+00A0-00FF,U+2026 --layout-features='*' --name-IDs='*' \
    --notdef-outline 2>/dev/null
done
/usr/bin/convert "$game/images/misc/icon.bmp" "$site.new/icon.png"
# The installed page's icons, drawn by assetgen beside the desktop's.
icons=$(dirname "$game")/desktop-icons/web
cp "$icons"/icon-192.png "$icons"/icon-512.png "$site.new/"
python3 "$root/scripts/web-pack.py" "$stage" "$site.new" "$root/web/sw.js"

# Every file that compresses also as .gz and .br beside it, for servers that send those to the
# browsers that take them (pictures and Ogg are compressed already). Each is made once per
# content, kept under compressed/ by its hash, and shipped only when it saves a tenth or more.
while read -r file; do
  key=$out/compressed/$(sha256sum "$file" | cut -c1-64)
  if [[ ! -f "$key.br" ]]; then
    mkdir -p "$out/compressed"
    gzip -9 -n -c "$file" >"$key.gz.tmp" && mv "$key.gz.tmp" "$key.gz"
    brotli -q 11 -c "$file" >"$key.br.tmp" && mv "$key.br.tmp" "$key.br"
  fi
  size=$(stat -c %s "$file")
  for encoding in gz br; do
    if (( $(stat -c %s "$key.$encoding") * 10 <= size * 9 )); then
      cp "$key.$encoding" "$file.$encoding"
    fi
  done
done < <(find "$site.new" -type f \( -name '*.html' -o -name '*.js' -o -name '*.css' \
  -o -name '*.json' -o -name '*.webmanifest' -o -name '*.wasm' -o -name '*.data' \
  -o -name '*.wav' -o -name '*.ttf' \))

rm -rf "$site"
mv "$site.new" "$site"
echo "The site is in $site ($(du -sb --exclude='*.gz' --exclude='*.br' "$site" | cut -f1) bytes)"
