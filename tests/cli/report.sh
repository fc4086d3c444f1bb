#!/usr/bin/env bash
# pendrel-cli report: the contacted-stations report file, end to end.
set -uo pipefail
cli=$1
data=$PENDREL_HOME
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$data" "$XDG_CONFIG_HOME/QRP"
mkdir -p "$data" "$XDG_CONFIG_HOME/QRP"
: > "$data/FXXXX.txt"
record='F0ABC        75   JEAN           JN18EU 12/03/08 14:05 SSB 144 Mhz 59  59  PARIS                          512   JN03AB  5   102    1    '
printf '%s\r\n%s\r\n' "$record" "$record" > "$data/F6XYZ_QRP.log"
name="QRP_Contacte_F6XYZ_$(date +%d_%m_%y).txt"

out=$("$cli" report --call F6XYZ 2>&1); code=$?
[ $code -eq 0 ] || fail "exit code $code: $out"
[ "$out" = "Le log a été enregistré sous le nom : $name" ] || fail "message: $out"
[ -f "$data/$name" ] || fail "no $name"

# windows-1252, CR LF: the title, the header, two numbered rows, the credit.
expected=$(mktemp)
trap 'rm -f "$expected"' EXIT
{
  printf '%20sF6XYZ Stations QRP contact\xe9es au %s\r\n\r\n' '' "$(date +%d/%m/%Y)"
  printf '   N\xb0 Indicatif    Dpt     Prenom        Loc    Date    QTR  Mode  QRG  RstR RstE            QTH                QRB   MyLoc  Pwr  Km/W  Pts Bonus\r\n\r\n'
  printf '    1 %s\r\n    2 %s\r\n\r\n' "$record" "$record"
  printf 'Rapport \xe9tabli par Pendrel\r\n'
} > "$expected"
cmp "$expected" "$data/$name" || fail "content of $name"

# The stored callsign by default; a missing log is refused in French.
printf '[Setup%%20]\nIndicatif%%20Station=F6XYZ\n' > "$XDG_CONFIG_HOME/QRP/QRP.conf"
out=$("$cli" report --portable 2>&1); code=$?
[ $code -eq 1 ] || fail "missing portable log: exit code $code"
[ "$out" = "Le log F6XYZ_P_QRP.log est introuvable : le rapport n'a pas été établi." ] || fail "message: $out"

out=$("$cli" report --bogus 2>&1); code=$?
[ $code -eq 2 ] || fail "bad option: exit code $code"
echo OK
