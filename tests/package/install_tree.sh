# cmake --install puts every file where it belongs (scripts/check-install-tree),
# and that check notices each way an installation can go wrong.
source "$(dirname "$0")/support.bash"

cmake --install "$build" --prefix "$scratch/good/usr" >/dev/null || fail "cmake --install a échoué"
"$source_dir/scripts/check-install-tree" "$scratch/good/usr" || fail "l'installation n'est pas conforme"

must_refuse "$scratch/good/usr" "$source_dir/scripts/check-install-tree" <<'TABLE'
icon missing|rm share/icons/hicolor/scalable/apps/org.pendrel.Pendrel.svg
licence missing|rm share/doc/pendrel/LICENSE
pendrel missing|rm bin/pendrel
web module missing|rm lib/*/pendrel/pendrel_web.so
desktop entry without its type|sed -i '/^Type=/d' share/applications/org.pendrel.Pendrel.desktop
desktop entry naming another icon|sed -i 's/^Icon=.*/Icon=pendrel/' share/applications/org.pendrel.Pendrel.desktop
metainfo cut short|sed -i '$d' share/metainfo/org.pendrel.Pendrel.metainfo.xml
metainfo without summary|sed -i '/<summary>/d' share/metainfo/org.pendrel.Pendrel.metainfo.xml
metainfo naming a screenshot nobody makes|sed -i 's/main\.png/nulle-part.png/' share/metainfo/org.pendrel.Pendrel.metainfo.xml
icon not an SVG|echo 'pas une image' > share/icons/hicolor/scalable/apps/org.pendrel.Pendrel.svg
manual page missing|rm share/man/fr/man1/pendrel-cli.1.gz
manual page missing a command|zcat share/man/man1/pendrel-cli.1.gz | grep -v '^\.B rig' | gzip -9n > x && mv x share/man/man1/pendrel-cli.1.gz
metainfo of another version|sed -i 's/release version="[^"]*"/release version="0.9"/' share/metainfo/org.pendrel.Pendrel.metainfo.xml
pendrel-cli giving a wrong QRB|printf '#!/bin/sh\necho 421\n' > bin/pendrel-cli
TABLE

[ "$failures" -eq 0 ] || exit 1
