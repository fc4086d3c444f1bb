# pendrel-cli list: the log list lines and the totals, from the data folder and settings.
source "$(dirname "$0")/support.bash"

# Two record lines in windows-1252 (the first name HÉLÈNE, the QTH FORÊT), CR LF.
rec1='F1AAA        29   H\311L\310NE         IN88HK 12/03/08 14:05 SSB 144 Mhz 59  59  FOR\312T                          438   JN18GU  5   87     4  15'
rec2='F2BBB/P      75   JEAN           JN18HU 13/03/08 09:00 CW  7.0 Mhz 599 579 PARIS                          6     JN18GU  5   1      4    '
printf "$rec1\r\n$rec2\r\n" >"$PENDREL_HOME/F0ABC_QRP.log"
printf "$rec2" >"$PENDREL_HOME/F0ABC_P_QRP.log"
store_callsign F0ABC

list1='    1  F1AAA         29   HÉLÈNE         IN88HK  12/03/08  14:05  SSB  144 Mhz  59   59  FORÊT                           438   JN18GU  5   87     4  15'
list2='    2  F2BBB/P       75   JEAN           JN18HU  13/03/08  09:00  CW   7.0 Mhz  599  579 PARIS                           6     JN18GU  5   1      4    '

run list
expect_code 0 "list"
expect_out "$list1
$list2
Total_P 23
KmW_Max 87" "list (stored callsign)"
[ "$(head -1 "$scratch/out" | wc -m)" -eq 152 ] || fail "list : 151 caractères par ligne attendus"

run list --portable
expect_code 0 "list --portable"
expect_out "${list2/    2/    1}
Total_P 4
KmW_Max 1" "list --portable"

run list --call f0abc
expect_code 0 "list --call f0abc"
expect_out "$list1
$list2
Total_P 23
KmW_Max 87" "list --call f0abc"

# --call names the stored form: "/" becomes "_".
: >"$PENDREL_HOME/F0XYZ_P_P_QRP.log"
run list --call F0XYZ/P --portable
expect_code 0 "empty log"
expect_out "Total_P 0
KmW_Max 0" "empty log"

run list --call F9ZZZ
expect_code 1 "missing log"
expect_err_contains "le fichier F9ZZZ_QRP.log est introuvable" "missing log"
[ -z "$out" ] || fail "missing log : rien n'est attendu sur la sortie standard"

for args in "--call" "--call ../../etc/passwd" "--call F0ABCDEFGHIJK" "--call f0ß" "--call ﬀ1abc" "--call f0ı" "--fixe" "extra"; do
  # shellcheck disable=SC2086
  run list $args
  expect_code 2 "list $args"
  expect_err_contains "Essayez « pendrel-cli " "list $args"
done

rm "$XDG_CONFIG_HOME/QRP/QRP.conf"
run list
expect_code 1 "no stored callsign"
expect_err_contains "aucun indicatif" "no stored callsign"

# CSV: a header of the field names, values trimmed, a QTH with a comma and
# quotes quoted as RFC 4180 has it, UTF-8, CR LF.
rec3='F3CCC        29   ANNE           IN88HK 14/03/08 10:00 CW  7.0 Mhz 599 599 LE "BOURG", SUD                438   JN18GU  5   87     4    '
printf "$rec1\r\n$rec3\r\n" >"$PENDREL_HOME/F0CSV_QRP.log"
run list --call F0CSV --csv
expect_code 0 "list --csv"
printf -v expected '%s\r\n' 'N,Indicatif,Dpt,Prenom,Loc,Date,QTR,Mode,QRG,RstR,RstE,QTH,QRB,MyLoc,Pwr,KmW,Pts,Bonus' \
  '1,F1AAA,29,HÉLÈNE,IN88HK,12/03/08,14:05,SSB,144 Mhz,59,59,FORÊT,438,JN18GU,5,87,4,15' \
  '2,F3CCC,29,ANNE,IN88HK,14/03/08,10:00,CW,7.0 Mhz,599,599,"LE ""BOURG"", SUD",438,JN18GU,5,87,4,'
cmp -s <(printf '%s' "$expected") "$scratch/out" || fail "list --csv :
$(cat -A "$scratch/out")"
finish
