# pendrel-cli qrb: the distance as the entry line shows it.
source "$(dirname "$0")/support.bash"

while read -r own distant expected; do
  run qrb "$own" "$distant"
  expect_code 0 "qrb $own $distant"
  expect_out "$expected" "qrb $own $distant"
done <<'TABLE'
JN18GU JN03TJ 612
JN03TJ JN18GU 612
JN18GU JN18GV 5
JN18GU JN18HU 6
JN18GU IN88HK 438
JN18GU KN02AA 1559
JN18GU FN42AA 5633
AA00AA RR99XX 20034
JN18GU JN18GU 0
JN18GU jn03tj 612
TABLE

run qrb JN18GU "  jn03tjxx"
expect_code 0 "locator trimmed and shortened"
expect_out "612" "locator trimmed and shortened"

# No locator once trimmed and cut to six: the entry's message, exit 1.
for distant in JN03T "" JN0!TJ 1N03TJ JNA3TJ; do
  run qrb JN18GU "$distant"
  expect_code 1 "qrb JN18GU '$distant'"
  expect_err_contains "6 caracteres pour le locator" "qrb JN18GU '$distant'"
  [ -z "$out" ] || fail "qrb JN18GU '$distant' : rien n'est attendu sur la sortie"
done

for args in "" "JN18GU" "JN18GU JN03TJ IN88HK"; do
  # shellcheck disable=SC2086
  run qrb $args
  expect_code 2 "qrb '$args'"
  expect_err_contains "Essayez « pendrel-cli " "qrb '$args'"
  [ -z "$out" ] || fail "qrb '$args' : rien n'est attendu sur la sortie standard"
done

run
expect_code 2 "no command"
expect_err_contains "aucune commande" "no command"
run distance JN18GU JN03TJ
expect_code 2 "unknown command"
expect_err_contains "commande inconnue « distance »" "unknown command"
run --help
expect_code 0 "--help"
[[ "$out" == *"qrb LOCATOR_PROPRE LOCATOR_DISTANT"* ]] || fail "--help : qrb absent de l'aide"

finish
