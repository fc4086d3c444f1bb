# The Debian package built by CPack passes scripts/check-package, and that
# check refuses a package whose contents or dependencies are wrong.
source "$(dirname "$0")/support.bash"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >/dev/null || fail "cpack a échoué"
deb=$(ls "$scratch"/out/pendrel_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { fail "aucun paquet pendrel_*.deb"; exit 1; }
"$source_dir/scripts/check-package" "$deb" || fail "le paquet n'est pas conforme"

# The unpacked package, packed again after the change beside the same
# pendrel-web, and checked.
repack_and_check() {
  mkdir -p "$1.out"
  dpkg-deb -Zxz -b "$1" "$1.out/$(basename "$deb")" >/dev/null 2>&1 || return 0
  cp "$(dirname "$deb")"/pendrel-web_*.deb "$1.out/"
  "$source_dir/scripts/check-package" "$1.out/$(basename "$deb")"
}
dpkg-deb -R "$deb" "$scratch/good"
must_refuse "$scratch/good" repack_and_check <<'TABLE'
no dependency on fonts-liberation|sed -i 's/fonts-liberation, *//; s/, *fonts-liberation//' DEBIAN/control
no dependency on Qt Core|sed -i 's/libqt6core6[^,]*, *//; s/, *libqt6core6[^,]*//' DEBIAN/control
a file outside /usr|mkdir -p etc && echo x > etc/pendrel.conf
pendrel-cli missing|rm usr/bin/pendrel-cli
the web engine required|sed -i 's/^Depends: /Depends: libqt6webenginewidgets6, /' DEBIAN/control
no copyright file (lintian)|rm usr/share/doc/pendrel/copyright
TABLE

# The good package, repacked the same way, passes: the refusals above are the changes'.
repack_and_check "$scratch/good" >/dev/null || fail "le paquet reconstruit sans changement est refusé"

[ "$failures" -eq 0 ] || exit 1
