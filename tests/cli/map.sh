# pendrel-cli map: the boxes coloured green on each kind of map, and its picture.
source "$(dirname "$0")/support.bash"

# record DPT LOC MODE BAND: a record line with those fields (columns 14, 34, 56, 60).
record() {
  printf '%-12s %-4s %-14s %-6s 12/03/08 14:05 %-3s %-7s 59  59  %-30s %-5s JN18GU  5   %-5s  1    ' \
    F5AAA "$1" JEAN "$2" "$3" "$4" PARIS 100 20
}
{
  record 13 JN18AB SSB "14 Mhz"; printf '\r\n'
  record 13 JN18EU SSB "14 Mhz"; printf '\r\n'
  record 2a JN33 SSB "14 Mhz"; printf '\r\n'
  record 00 IO91AA SSB "14 Mhz"; printf '\r\n'
  record 5 QA12 SSB "14 Mhz"; printf '\r\n'
  record DX GE50 SSB "14 Mhz"; printf '\r\n'
  record 29 JN18 CW "7.0 Mhz"; printf '\r\n'
  record 20 IN97 SSB "7.0 Mhz"; printf '\r\n'
} >"$PENDREL_HOME/F0ABC_QRP.log"
record 56 KN00AA SSB "14 Mhz" >"$PENDREL_HOME/F0ABC_P_QRP.log"
store_callsign F0ABC

run map departements --band "14 Mhz" --mode SSB
expect_code 0 "departements"
expect_out "00 05 13 96
NB_Dep 3" "departements 14 Mhz SSB"

run map departements --band "7.0 Mhz" --mode SSB
expect_out "20
NB_Dep 1" "departements 7.0 Mhz SSB"

run map departements --band "7.0 Mhz" --mode DIG
expect_out "
NB_Dep 0" "departements with no QSO"

run map departements --band "14 Mhz" --mode SSB --portable
expect_out "56
NB_Dep 1" "departements --portable"

run map field JN --band "14 Mhz"
expect_code 0 "field JN"
expect_out "18 33" "field JN 14 Mhz"
run map field jn --band "7.0 Mhz"
expect_out "18" "field jn 7.0 Mhz"
run map field IN --band "7.0 Mhz"
expect_out "97" "field IN 7.0 Mhz"
run map field KN --band "14 Mhz" --portable
expect_out "00" "field KN --portable"

run map world NE --band "14 Mhz"
expect_code 0 "world NE"
expect_out "IO JN" "world NE 14 Mhz"
run map world SE --band "14 Mhz"
expect_out "QA" "world SE"
run map world SO --band "14 Mhz"
expect_out "GE" "world SO"
run map world NO --band "14 Mhz"
expect_out "" "world NO"

# --png writes the picture, a PNG file.
for args in "departements --band 14%Mhz --mode SSB" "field JN --band 14%Mhz" "world NE --band 14%Mhz"; do
  IFS=' ' read -r -a words <<<"$args"
  png="$scratch/${words[0]}.png"
  run map "${words[@]//%/ }" --png "$png"
  expect_code 0 "map $args --png"
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' ')" = "89504e470d0a1a0a" ] || fail "map $args --png : pas un PNG"
done

for args in "field QQ --band 14%Mhz" "field --band 14%Mhz" "world NX --band 14%Mhz" "map --band 14%Mhz" \
  "departements --band 14%Mhz" "departements --band 15%Mhz --mode SSB" "field JN --band 14%Mhz --mode SSB" \
  "field JN" "field JN --band"; do
  IFS=' ' read -r -a words <<<"$args"
  run map "${words[@]//%/ }"
  expect_code 2 "map $args"
  expect_err_contains "Essayez « pendrel-cli " "map $args"
done
run map field QQ --band "14 Mhz"
expect_err_contains "carré « QQ » inconnu" "field QQ"

run map world NE --band "14 Mhz" --call F9ZZZ
expect_code 1 "missing log"
expect_err_contains "le fichier F9ZZZ_QRP.log est introuvable" "missing log"

finish
