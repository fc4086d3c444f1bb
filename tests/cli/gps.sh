# pendrel-cli gps: the first valid fix, from gpsd's replay tool gpsfake (started
# by the test fixtures on the project's recordings) or from an NMEA file.
source "$(dirname "$0")/support.bash"
port() { cat "$PENDREL_TEST_FIXTURES/gpsfake-$1.port" || fail "gpsfake de test « $1 » absent"; }
nmea=$PENDREL_TEST_NMEA

fix_lines='Locator : IN78SJ
Latitude : 48.39040
Longitude : -4.48610'

# A fix through gpsd, then from the file itself; with the fixed station's
# position stored, the distance to it. gpsd may take seconds to reopen the
# replayed device on a loaded machine: the command ends at the first fix.
for source in "--gpsd 127.0.0.1:$(port fix)" "--nmea $nmea/fix.nmea"; do
  read -r -a argv <<<"$source"
  run gps "${argv[@]}" --timeout 30
  expect_code 0 "gps $source"
  [[ "$out" == "$fix_lines"$'\n'"Heure GPS : 2026-12-09 10:1"[12]":"[0-9][0-9]" UTC"$'\n'"Ecart horloge : "*" s" ]] ||
    fail "gps $source : $out"
done
store_callsign F1AAA
printf '[Setup%%20F1AAA]\nPosition%%20Station="48.39770;-4.48610"\n' >>"$XDG_CONFIG_HOME/QRP/QRP.conf"
run gps --nmea "$nmea/fix.nmea"
[ "$(tail -1 <<<"$out")" == "Distance QRA : 812 m" ] || fail "gps avec la position de la station fixe : $out"

# No fix, bad checksums, nobody listening: exit 1 within the timeout, with why.
for source in "--gpsd 127.0.0.1:$(port nofix)" "--gpsd 127.0.0.1:$(port badchecksum)" \
              "--nmea $nmea/badchecksum.nmea" "--gpsd 127.0.0.1:1"; do
  read -r -a argv <<<"$source"
  run gps "${argv[@]}" --timeout 2
  expect_code 1 "gps $source"
  expect_err_contains "pendrel-cli : aucune position valide du GPS en 2 s" "gps $source"
  [ -z "$out" ] || fail "gps $source : rien n'est attendu sur la sortie : $out"
done
expect_err_contains "gpsd ne répond pas à 127.0.0.1:1" "gps on a closed port"

run gps --gpsd "host:port"
expect_code 2 "gps with a wrong address"
finish
