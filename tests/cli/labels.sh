#!/usr/bin/env bash
# pendrel-cli labels: the print steps of the QSL labels, end to end.
source "$(dirname "$0")/support.bash"

rec() { # CALL: a record line with the fields a label prints
  printf '%-12s 29   YVES           IN88GS 14/07/26 09:42 CW  7.0 Mhz 579 559 %-30s 412   JN18DQ  5   82     1    ' "$1" 'BREST'
}
{ for c in F1AA F2AA F3AA; do rec $c; printf '\r\n'; done; } >"$PENDREL_HOME/F5KQR_QRP.log"
: >"$PENDREL_HOME/F5KQR_P_QRP.log"
store_callsign F5KQR

# QSOs 3 and 1, given in any order, printed in log order on one row; callsigns
# of 5 and 4 characters are centred with two blanks between them.
run labels --qso 3,1 --tx FT817 --antenna Delta
expect_code 0 "labels --qso 3,1"
expect_out "B 10
B 10
B 8
R 1 12.9 4.65 33.9 106.25
L 15 B       De F5KQR  pour F1AA            De F5KQR  pour F3AA
B 9
L 11 N       Date 14/07/26   Time 09:42 UTC             Date 14/07/26   Time 09:42 UTC      
L 11 N      Bande 7.0 Mhz  RST 559  Mode CW            Bande 7.0 Mhz  RST 559  Mode CW 
B 10
L 11 N   TX FT817    Pwr 5 W  Ant Delta             TX FT817    Pwr 5 W  Ant Delta        
L 11 B   Activité QRP en JN18DQ QSL: Pse_  Tnx_     Activité QRP en JN18DQ QSL: Pse_  Tnx_
B 10
E" "labels --qso 3,1"

# The stored choices for whatever is not given; the portable callsign; English;
# stock 3, which has no blank lines at the top of a sheet; the label beside the
# odd last QSO is left blank.
printf '[Setup%%20]\nIndicatif%%20Station=F5KQR\n[Setup%%20F5KQR]\nTransceiver=IC-703\nAntenne=Long wire\nLanguage=False\nFormat%%20etiquette=3\n' \
  >"$XDG_CONFIG_HOME/QRP/QRP.conf"
{ rec EA3ZZ; printf '\r\n'; } >"$PENDREL_HOME/F5KQR_P_QRP.log"
run labels --portable
expect_code 0 "labels --portable"
[[ "$out" == "R 1 0.5 0 37 105"$'\n'"L 15 B      From F5KQR/P to EA3ZZ"$'\n'* ]] || fail "portable names line: $out"
[[ "$out" == *$'\n'"L 11 N   TX IC-703   Pwr 5 W  Ant Long wire"$'\n'* ]] || fail "stored transceiver and antenna: $out"

# Sixteen QSOs with the sheet stop: the question, the full sheet, nothing pending.
{ for i in $(seq 1 16); do rec "F${i}ZZ"; printf '\r\n'; done; } >"$PENDREL_HOME/F5KQR_QRP.log"
run labels --format 1 --stop-each-sheet
expect_code 0 "labels --stop-each-sheet"
[ "$(grep -c '^L 15 B' <<<"$out")" -eq 8 ] || fail "16 QSOs: 8 rows"
[ "$(tail -n 3 <<<"$out")" == "Q Page suivante ?
E
A" ] || fail "end of the sheet: $(tail -n 3 <<<"$out")"

# Too long: the window's message, exit 1, nothing stored.
run labels --tx 123456789
expect_code 1 "labels --tx too long"
[ "$err" == "8 caracteres maxi pour le TX" ] || fail "message: $err"
run labels --antenna 12345678901234
expect_code 1 "labels --antenna too long"
[ "$err" == "13 caracteres maxi pour l'antenne" ] || fail "message: $err"
grep -q 'Transceiver=IC-703' "$XDG_CONFIG_HOME/QRP/QRP.conf" || fail "settings changed"

run labels --qso 17
expect_code 1 "labels --qso out of the log"
run labels --format 5
expect_code 2 "labels --format 5"

# The same steps into a PDF file: two sheets for seventeen QSOs.
{ for i in $(seq 1 17); do rec "F${i}ZZ"; printf '\r\n'; done; } >"$PENDREL_HOME/F5KQR_QRP.log"
run labels --format 1 --pdf "$scratch/labels.pdf"
expect_code 0 "labels --pdf"
pages=$(pdftotext -layout "$scratch/labels.pdf" - | tr -cd '\f' | wc -c)
[ "$pages" -eq 2 ] || fail "PDF pages: $pages"
finish
