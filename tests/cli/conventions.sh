# pendrel-cli as a GNU/Debian command: help and version, usage errors, "--",
# French system errors, output errors, and read-only commands that leave no trace.
source "$(dirname "$0")/support.bash"
export LC_ALL=C.UTF-8

# ARGS | CODE | TEXT that standard output (o) or error (e) holds
while IFS='|' read -r args code stream text; do
  read -r -a argv <<<"$args"
  run "${argv[@]}"
  expect_code "$code" "$args"
  if [ "$stream" == o ]; then
    [[ "$out" == *"$text"* ]] || fail "$args : « $text » absent de stdout : $out"
  else
    [[ "$err" == *"$text"* ]] || fail "$args : « $text » absent de stderr : $err"
    # One line saying what was wrong, one saying where help is: never the whole usage.
    [ "$code" -ne 2 ] || [ "$(wc -l <"$scratch/err")" -eq 2 ] || fail "$args : deux lignes attendues sur stderr : $err"
  fi
done <<'TABLE'
--version|0|o|pendrel-cli 1.1.0a
-V|0|o|pendrel-cli 1.1.0a
--help|0|o|Utilisation : pendrel-cli COMMANDE
-h|0|o|  qrb LOCATOR_PROPRE LOCATOR_DISTANT
help|0|o|  rig [--rig HOTE:PORT]
aide|0|o|  list [--call INDICATIF] [--portable]
list --help|0|o|Utilisation : pendrel-cli list [--call INDICATIF] [--portable]
qrb -h|0|o|distance en kilomètres entre deux locators
|2|e|Essayez « pendrel-cli --help »
nosuchcommand|2|e|commande inconnue « nosuchcommand »
list --bogus|2|e|Essayez « pendrel-cli list --help »
qrb JN18GU|2|e|pendrel-cli : qrb demande deux locators.
list --call F0ABC -- --help|2|e|argument inattendu « --help »
TABLE

# The window's program answers on the terminal too, without a display.
pendrel=$(dirname "$cli")/pendrel
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$pendrel" --version)" == "pendrel 1.1.0a" ] ||
  fail "pendrel --version"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$pendrel" --help | grep -q "pendrel-cli --help" || fail "pendrel --help"

# The usage fits 80 columns, every command has its synopsis, and each
# command's own help answers.
run --help
while IFS= read -r line; do
  [ "${#line}" -le 80 ] || fail "ligne d'aide de ${#line} colonnes : $line"
done <<<"$out"
for command in $(sed -n 's/^  \([a-z]\+\).*/\1/p' <<<"$out"); do
  run "$command" --help
  expect_code 0 "$command --help"
  [[ "$out" == "Utilisation : pendrel-cli $command"* ]] || fail "$command --help : $out"
done

# Commands that only read create no file or folder, even the data folder.
export PENDREL_HOME=$scratch/absent
store_callsign F0ABC
for args in "list" "ranking" "stats" "qrb JN18GU IN88HK" "map departements --band 7.0 --mode CW"; do
  read -r -a argv <<<"$args"
  run "${argv[@]}"
  [ ! -e "$PENDREL_HOME" ] || { fail "$args a créé le dossier des données"; rm -rf "$PENDREL_HOME"; }
done

# A log missing at import is made first, as the window does at its first start;
# a missing ADIF file is told in French.
mkdir -p "$PENDREL_HOME"
printf '[Setup%%20]\nIndicatif%%20Station=F0ABC\nLocator%%20Station=JN18GU\n[Setup%%20F0ABC]\nPwr%%20Fixe=5\n' \
  >"$XDG_CONFIG_HOME/QRP/QRP.conf"
run import "$scratch/nothing.adi"
expect_code 1 "import of a missing file"
expect_err_contains "fichier introuvable" "import of a missing file"
printf '<CALL:5>F1XYZ<QSO_DATE:8>20261201<TIME_ON:4>1200<BAND:3>40m<MODE:2>CW<GRIDSQUARE:6>IN88HK<RST_SENT:3>599<RST_RCVD:3>579<EOR>\n' \
  >"$scratch/one.adi"
run import "$scratch/one.adi"
expect_code 0 "import into a station without logs"
[ -f "$PENDREL_HOME/F0ABC_QRP.log" ] && [ -f "$PENDREL_HOME/F0ABC_P_QRP.log" ] || fail "import : logs non créés"
grep -q F1XYZ "$PENDREL_HOME/F0ABC_QRP.log" || fail "import : QSO absent du log"

# Output that cannot be written is a failure, with its reason.
run list
expect_code 0 "list"
"$cli" list >/dev/full 2>"$scratch/err"
code=$? err=$(cat "$scratch/err")
expect_code 1 "list > /dev/full"
expect_err_contains "pendrel-cli : écriture impossible sur la sortie standard : disque plein" "list > /dev/full"
finish
