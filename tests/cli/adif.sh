# pendrel-cli export and import: the fixed log out as ADIF, and back into another log.
source "$(dirname "$0")/support.bash"

rec1='F1AAA        29   HELENE         IN88HK 12/03/08 14:05 SSB 144 Mhz 59  59  BREST                          438   JN18GU  5   87     1    '
rec2='F2BBB/P      75   JEAN           JN18HU 13/03/99 09:00 CW  7.0 Mhz 599 579 PARIS                          6     JN18GU  5   1      4    '
printf "$rec1\r\n$rec2\r\n" >"$PENDREL_HOME/F0ABC_QRP.log"
mkdir -p "$XDG_CONFIG_HOME/QRP"
printf '[Setup%%20]\nIndicatif%%20Station=F0ABC\nLocator%%20Station=JN18GU\n[Setup%%20F6XYZ]\nPwr%%20Fixe=5\n' \
  >"$XDG_CONFIG_HOME/QRP/QRP.conf"

run export
expect_code 0 "export"
expect_out "Le fichier a été enregistré sous le nom : F0ABC_QRP.adi" "export"
adi="$PENDREL_HOME/F0ABC_QRP.adi"
[ -f "$adi" ] || fail "export : F0ABC_QRP.adi absent"
grep -q '<call:5>F1AAA' "$adi" || fail "export : indicatif F1AAA absent"
grep -q '19990313' "$adi" || fail "export : l'année 99 doit s'écrire 1999"
[ "$(grep -c $'\r$' "$adi")" -eq "$(wc -l <"$adi")" ] || fail "export : lignes sans CR LF"

run export --portable
expect_code 2 "export --portable"

# -o: the same bytes into a chosen file, or on standard output.
run export -o "$scratch/chosen.adi"
expect_code 0 "export -o FICHIER"
expect_out "Le fichier a été enregistré sous le nom : $scratch/chosen.adi" "export -o FICHIER"
cmp -s "$scratch/chosen.adi" "$adi" || fail "export -o FICHIER : contenu différent de l'export"
"$cli" export -o - >"$scratch/stdout.adi" 2>/dev/null || fail "export -o - : échec"
cmp -s "$scratch/stdout.adi" "$adi" || fail "export -o - : contenu différent de l'export"

# Into the empty log of another callsign: both QSOs, numbered, with QRB and km/W from JN18GU at 5 W.
: >"$PENDREL_HOME/F6XYZ_QRP.log"
run import "$adi" --call F6XYZ
expect_code 0 "import"
expect_out "2 QSO importés dans le log F6XYZ_QRP.log." "import"
run list --call F6XYZ
expect_code 0 "list after import"
[ "$(echo "$out" | grep -c '^    [12]  F')" -eq 2 ] || fail "import : deux lignes attendues dans le log
$out"
# The file's QSOs form one block, in the file's order.
echo "$out" | grep -q '^    2  F2BBB/P .* 13/03/99  09:00  CW   7.0 Mhz  599  579 .* 6     JN18GU  5   1      4' \
  || fail "import : le QSO de 1999 avec QRB 6, km/W 1 et 4 points attendu en ligne 2
$out"

# A pipe has no size to trust: it is read until its end. Its two QSOs are
# those just imported: none is added twice, and the message says so.
run import <(cat "$adi") --call F6XYZ
expect_code 0 "import from a pipe"
expect_out "Aucun QSO importé dans le log F6XYZ_QRP.log.
2 QSO déjà présents dans le log n'ont pas été importés" "import from a pipe"

run import "$scratch/absent.adi" --call F6XYZ
expect_code 1 "import of a missing file"
run import
expect_code 2 "import without a file"

finish
