# pendrel-cli ranking: the four figures of the ranking window, one per line.
source "$(dirname "$0")/support.bash"

# QRB and km/W of each QSO: the best km/W 87 on lines 1 and 3, the longest distance 612 on lines 2 and 3.
rec1='F1AAA        29   H\311L\310NE         IN88HK 12/03/08 14:05 SSB 144 Mhz 59  59  FOR\312T                          438   JN18GU  5   87     4  15'
rec2='F2BBB/P      75   JEAN           JN18HU 13/03/08 09:00 CW  7.0 Mhz 599 579 PARIS                          612   JN18GU  5   10     4    '
rec3='F3CCC        35   ANNE           IN87KW 14/03/08 10:00 CW  7.0 Mhz 599 579 RENNES                         612   JN18GU  5   87     1    '
printf "$rec1\r\n$rec2\r\n$rec3\r\n" >"$PENDREL_HOME/F0ABC_QRP.log"
printf "F4DDD        75   JEAN           JN18HU 13/03/08 09:00 CW  7.0 Mhz 599 579 PARIS                          0     JN18GU  5   0      4    \r\n" \
  >"$PENDREL_HOME/F0ABC_P_QRP.log"
: >"$PENDREL_HOME/F0ABC_0_QRP.log"
store_callsign F0ABC
conf_before=$(cat "$XDG_CONFIG_HOME/QRP/QRP.conf")

list1='    1  F1AAA         29   HÉLÈNE         IN88HK  12/03/08  14:05  SSB  144 Mhz  59   59  FORÊT                           438   JN18GU  5   87     4  15'
list2='    2  F2BBB/P       75   JEAN           JN18HU  13/03/08  09:00  CW   7.0 Mhz  599  579 PARIS                           612   JN18GU  5   10     4    '

run ranking
expect_code 0 "ranking"
expect_out "$list1
$list2
24
3" "ranking (first of equal values)"

# No QRB above 0: an empty line stands for the distance line.
run ranking --portable
expect_code 0 "ranking --portable"
[ "$(sed -n 2p "$scratch/out")" == "" ] && [ "$(wc -l <"$scratch/out")" -eq 4 ] ||
  fail "ranking --portable : ligne de distance vide attendue, sortie : $out"
[ "$(sed -n 3,4p "$scratch/out" | tr '\n' ' ')" == "4 1 " ] || fail "ranking --portable : totaux $out"

# An empty log: two empty lines, its total and no QSO.
run ranking --call F0ABC/0
expect_code 0 "empty log"
[ "$(cat "$scratch/out")" == $'\n\n0\n0' ] || fail "empty log : sortie « $out »"

run ranking --call F9ZZZ
expect_code 1 "missing log"
expect_err_contains "le fichier F9ZZZ_QRP.log est introuvable" "missing log"

run ranking extra
expect_code 2 "extra argument"
expect_err_contains "Essayez « pendrel-cli " "extra argument"

[ "$(cat "$XDG_CONFIG_HOME/QRP/QRP.conf")" == "$conf_before" ] || fail "ranking a modifié les réglages"

finish
