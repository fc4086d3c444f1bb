# The Debian package built by CPack passes scripts/check-package, and that
# check refuses a package whose contents or dependencies are wrong.
set -u
build=${1:?usage: bash deb.sh BUILD-DIR}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "ÉCHEC : $*" >&2; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >/dev/null || fail "cpack a échoué"
deb=$(ls "$scratch"/out/pendrel_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { fail "aucun paquet pendrel_*.deb"; exit 1; }
"$source_dir/scripts/check-package" "$deb" || fail "le paquet n'est pas conforme"

# Each line: a change made to the unpacked package before it is packed again,
# which the check must refuse.
dpkg-deb -R "$deb" "$scratch/good"
n=0
while IFS='|' read -r what breakage; do
  n=$((n + 1))
  cp -a "$scratch/good" "$scratch/broken$n"
  (cd "$scratch/broken$n" && eval "$breakage")
  dpkg-deb -Znone -b "$scratch/broken$n" "$scratch/broken$n.deb" >/dev/null 2>&1 || { fail "repaquetage : $what"; continue; }
  if "$source_dir/scripts/check-package" "$scratch/broken$n.deb" >/dev/null 2>&1; then
    fail "défaut non vu : $what"
  fi
done <<'TABLE'
no dependency on fonts-liberation|sed -i 's/fonts-liberation, *//; s/, *fonts-liberation//' DEBIAN/control
no dependency on Qt Core|sed -i 's/libqt6core6[^,]*, *//; s/, *libqt6core6[^,]*//' DEBIAN/control
a file outside /usr|mkdir -p etc && echo x > etc/pendrel.conf
pendrel-cli missing|rm usr/bin/pendrel-cli
TABLE

[ "$failures" -eq 0 ] || exit 1
