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

# Undo and changes reach the journal (its rules are tested in core).
run append "$rec1"
expect_code 0 "append"
run changes
expect_code 0 "changes"
[[ "$out" == *"ajout du QSO F1AAA du 12/03/08 à 14:05" ]] || fail "changes : l'ajout attendu
$out"
run undo
expect_code 0 "undo"
expect_out "Annulé : ajout du QSO F1AAA du 12/03/08 à 14:05." "undo"
run undo
expect_code 1 "undo with nothing left"

# Restore reaches the backups; the state before it is listed first.
run delete 1
run restore "$name"
expect_code 0 "restore"
cmp -s "$log" "$scratch/original" || fail "restore : le log n'est pas celui de la sauvegarde"
run backups
expect_code 0 "backups"
[[ "$(echo "$out" | head -1)" == *"avant restauration de $name"* ]] \
  || fail "backups : la sauvegarde d'avant la restauration doit venir en tête
$out"

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
