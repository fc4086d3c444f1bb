# The screenshot tool renders the windows into pictures, and the README shows
# a committed picture of every window it can render (scripts/screenshots
# regenerates them).
set -u
tool=${1:?usage: bash screenshots.sh path/to/screenshots}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "ÉCHEC : $*" >&2; failures=$((failures + 1)); }

"$tool" "$scratch/images" >"$scratch/out" 2>"$scratch/err" || fail "l'outil a échoué : $(cat "$scratch/err")"
cat "$scratch/out"
[ -f "$scratch/images/main.png" ] || fail "pas d'image de la fenêtre principale"

for image in "$scratch"/images/*.png; do
  [ -f "$image" ] || continue
  name=$(basename "$image")
  # A window drawn with its controls and log, not an empty surface.
  size=$(file -b "$image" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1 \2/p')
  read -r width height <<<"$size"
  [ "${width:-0}" -ge 400 ] && [ "${height:-0}" -ge 300 ] || fail "$name : $size n'est pas la taille d'une fenêtre"
  [ "$(stat -c %s "$image")" -gt 15000 ] || fail "$name : image presque vide"
  [ -f "$source_dir/docs/images/$name" ] \
    || fail "docs/images/$name manque : lancez scripts/screenshots et ajoutez les images"
  grep -q "docs/images/$name" "$source_dir/README.md" || fail "le README ne montre pas docs/images/$name"
done
# The pictures the README shows exist.
for shown in $(grep -o 'docs/images/[^)]*\.png' "$source_dir/README.md"); do
  [ -f "$source_dir/$shown" ] || fail "le README montre $shown, absent"
done

[ "$failures" -eq 0 ] || exit 1
