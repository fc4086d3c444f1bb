# The Debian package built by CPack passes scripts/check-package, and that
# check refuses a package whose contents or dependencies are wrong.
source "$(dirname "$0")/support.bash"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >/dev/null || fail "cpack a échoué"
deb=$(ls "$scratch"/out/pendrel_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { fail "aucun paquet pendrel_*.deb"; exit 1; }
"$source_dir/scripts/check-package" "$deb" || fail "le paquet n'est pas conforme"

# The unpacked package, packed again after the change and checked.
repack_and_check() {
  dpkg-deb -Znone -b "$1" "$1.deb" >/dev/null 2>&1 || return 0
  "$source_dir/scripts/check-package" "$1.deb"
}
dpkg-deb -R "$deb" "$scratch/good"
must_refuse "$scratch/good" repack_and_check <<'TABLE'
no dependency on fonts-liberation|sed -i 's/fonts-liberation, *//; s/, *fonts-liberation//' DEBIAN/control
no dependency on Qt Core|sed -i 's/libqt6core6[^,]*, *//; s/, *libqt6core6[^,]*//' DEBIAN/control
a file outside /usr|mkdir -p etc && echo x > etc/pendrel.conf
pendrel-cli missing|rm usr/bin/pendrel-cli
TABLE

[ "$failures" -eq 0 ] || exit 1
