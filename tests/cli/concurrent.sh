# Two writers at once on the same log: two imports started together both keep
# their QSOs, and QSOs appended while an import runs survive it.
# Usage: bash concurrent.sh path/to/pendrel-cli [trials, default 3]
source "$(dirname "$0")/support.bash"
trials=${2:-3}

mkdir -p "$XDG_CONFIG_HOME/QRP"
printf '[Setup%%20]\nIndicatif%%20Station=F0ABC\nLocator%%20Station=JN18GU\n[Setup%%20F0ABC]\nPwr%%20Fixe=5\n' \
  >"$XDG_CONFIG_HOME/QRP/QRP.conf"

# adif PREFIX COUNT: COUNT QSOs with callsigns PREFIX001...
adif() {
  for i in $(seq 1 "$2"); do
    printf '<CALL:6>%s%03d <QSO_DATE:8>20150312 <TIME_ON:4>1405 <BAND:3>40m <MODE:2>CW <EOR>\r\n' "$1" "$i"
  done
}
adif F1A 400 >"$scratch/a.adi"
adif F2B 400 >"$scratch/b.adi"
adif F3C 999 >"$scratch/c.adi"
log=$PENDREL_HOME/F0ABC_QRP.log
record() {
  printf '%-12s %-4s %-14s %-6s %s %s %-3s %-7s %-3s %-3s %-30s %-5s %-6s  %-2s  %-5s  %s  %-2s' \
    "$1" 75 JEAN JN18EU 15/06/14 12:00 SSB "144 Mhz" 59 59 PARIS 512 JN18GU 5 102 1 ""
}
count() { grep -c "^$1" "$log"; }

kept=0
for ((t = 1; t <= trials; t++)); do
  printf '%s\r\n' "$(record F9OLD)" >"$log"
  "$cli" import "$scratch/a.adi" >"$scratch/a.out" 2>&1 &
  a=$!
  "$cli" import "$scratch/b.adi" >"$scratch/b.out" 2>&1 &
  b=$!
  wait $a || fail "essai $t : import a : $(cat "$scratch/a.out")"
  wait $b || fail "essai $t : import b : $(cat "$scratch/b.out")"
  if [ "$(count F1A)" -eq 400 ] && [ "$(count F2B)" -eq 400 ] && [ "$(count F9OLD)" -eq 1 ]; then
    kept=$((kept + 1))
  else
    fail "essai $t : QSO perdus (F1A $(count F1A)/400, F2B $(count F2B)/400, F9OLD $(count F9OLD)/1)"
  fi
done
echo "imports simultanés : $kept essais sur $trials gardent les 801 QSO"

# Appends while a long import runs: each one must still be in the log after it.
: >"$log"
"$cli" import "$scratch/c.adi" >"$scratch/c.out" 2>&1 &
c=$!
for i in $(seq 1 10); do
  run append "$(record "$(printf 'F4AP%02d' "$i")")"
  expect_code 0 "append $i pendant l'import"
done
wait $c || fail "import pendant les ajouts : $(cat "$scratch/c.out")"
[ "$(count F4AP)" -eq 10 ] || fail "ajouts pendant un import : $(count F4AP) sur 10 gardés"
[ "$(count F3C)" -eq 999 ] || fail "import pendant les ajouts : $(count F3C) QSO sur 999"

# A writer that cannot get the lock gives up, says so in French and changes nothing.
before=$(cat "$log")
# A fresh lock of a writer on another computer (the folder shared over the
# network): it cannot be checked, so it holds until it is old.
printf '4242\npendrel-cli\nautre-machine\n' >"$PENDREL_HOME/.pendrel.lock"
run delete 1
expect_code 1 "suppression pendant qu'un autre écrit"
expect_err_contains "occupé par un autre programme" "suppression pendant qu'un autre écrit"
[ "$(cat "$log")" == "$before" ] || fail "le log a changé sans le verrou"
rm -f "$PENDREL_HOME/.pendrel.lock"
run delete 1
expect_code 0 "suppression une fois le verrou rendu"

finish
