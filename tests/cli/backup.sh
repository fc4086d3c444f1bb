# pendrel-cli backup, backups, restore, undo and changes: wired to the core's
# backups and journal (their rules are tested in tests/core).
source "$(dirname "$0")/support.bash"

rec1='F1AAA        29   HELENE         IN88HK 12/03/08 14:05 SSB 144 Mhz 59  59  BREST                          438   JN18GU  5   87     1    '
rec2='F2BBB/P      75   JEAN           JN18HU 13/03/99 09:00 CW  7.0 Mhz 599 579 PARIS                          6     JN18GU  5   1      4    '
log="$PENDREL_HOME/F0ABC_QRP.log"
printf "$rec1\r\n$rec2" >"$log"   # a last line without its line end
mkdir -p "$XDG_CONFIG_HOME/QRP"
printf '[Setup%%20]\nIndicatif%%20Station=F0ABC\nLocator%%20Station=JN18GU\n[Setup%%20F0ABC]\nPwr%%20Fixe=5\n' \
  >"$XDG_CONFIG_HOME/QRP/QRP.conf"
cp "$log" "$scratch/original"

run backup
expect_code 0 "backup"
name=$out
[ -f "$PENDREL_HOME/Sauvegardes/$name/F0ABC_QRP.log" ] || fail "backup : copie du log absente de Sauvegardes/$name"
[ -f "$PENDREL_HOME/Sauvegardes/$name/QRP.conf" ] || fail "backup : copie des réglages absente"

# Undo, one change at a time, back to the same bytes.
run delete 1
expect_code 0 "delete"
run append "$rec1"
expect_code 0 "append"
run changes
expect_code 0 "changes"
[ "$(echo "$out" | wc -l)" -eq 2 ] && [[ "$(echo "$out" | head -1)" == *"ajout du QSO F1AAA du 12/03/08 à 14:05" ]] \
  || fail "changes : deux modifications, l'ajout d'abord
$out"
run undo
expect_code 0 "undo append"
expect_out "Annulé : ajout du QSO F1AAA du 12/03/08 à 14:05." "undo append"
run undo
expect_code 0 "undo delete"
cmp -s "$log" "$scratch/original" || fail "undo : le log n'est pas revenu octet pour octet"
run undo
expect_code 1 "undo with nothing left"

# A change made by hand since: refused, nothing changed.
run append "$rec1"
printf 'edited by hand\r\n' >>"$log"
cp "$log" "$scratch/edited"
run undo
expect_code 1 "undo after a hand edit"
cmp -s "$log" "$scratch/edited" || fail "undo refusé : le log a changé"

# Restore the backup: the same bytes, and the state before it is itself a backup.
run restore "$name"
expect_code 0 "restore"
cmp -s "$log" "$scratch/original" || fail "restore : le log n'est pas celui de la sauvegarde"
run backups
expect_code 0 "backups"
[ "$(echo "$out" | wc -l)" -eq 2 ] && [[ "$(echo "$out" | head -1)" == *"avant restauration de $name"* ]] \
  || fail "backups : la sauvegarde d'avant la restauration doit venir en tête
$out"
run restore absent-name
expect_code 1 "restore of an unknown backup"

# An import makes its backup first, and refuses without one.
printf '<CALL:5>F5ADI <QSO_DATE:8>20080201 <TIME_ON:4>1200 <BAND:3>40m <MODE:2>CW <EOR>\r\n' >"$scratch/in.adi"
run import "$scratch/in.adi"
expect_code 0 "import"
run backups
[[ "$(echo "$out" | head -1)" == *"avant import"* ]] || fail "import : pas de sauvegarde avant l'import
$out"
rm -rf "$PENDREL_HOME/Sauvegardes"
printf 'x' >"$PENDREL_HOME/Sauvegardes"
cp "$log" "$scratch/before-import"
run import "$scratch/in.adi"
expect_code 1 "import without a backup"
cmp -s "$log" "$scratch/before-import" || fail "import sans sauvegarde : le log a changé"

finish
