# pendrel-cli rig: one reading of Hamlib's dummy rig, served by the rigctld of
# the test fixture.
source "$(dirname "$0")/support.bash"
port=$(cat "$PENDREL_TEST_FIXTURES/rigctld-cli.port") || { echo "rigctld de test absent" >&2; exit 1; }

# rig_says COMMANDS...: turns the rig's knobs through rigctld.
rig_says() {
  exec 3<>"/dev/tcp/127.0.0.1/$port"
  printf '%s\n' "$@" >&3
  for _ in "$@"; do read -r -t 2 _ <&3; done
  exec 3>&-
}

rig_says "F 7030000" "M CW 0" "L RFPOWER 0.045"
run rig --rig "127.0.0.1:$port"
expect_code 0 "rig --rig"
expect_out "Fréquence : 7030000 Hz
Bande : 7.0 Mhz
Mode : CW
Puissance : 5 W" "rig --rig"

# Without --rig: the rig settings of the stored callsign.
rig_says "F 5357000" "M FM 0"
store_callsign F1AAA
printf '[Setup%%20F1AAA]\nPoste%%20CAT=rigctld\nPoste%%20Hote=127.0.0.1\nPoste%%20Port=%s\n' "$port" \
  >>"$XDG_CONFIG_HOME/QRP/QRP.conf"
run rig
expect_code 0 "rig from the settings"
expect_out "Fréquence : 5357000 Hz
Bande : hors bande
Mode : inconnu (FM)
Puissance : 5 W" "rig from the settings"

# Nobody there, and an address that is none.
run rig --rig 127.0.0.1:1
expect_code 1 "rig on a closed port"
expect_err_contains "pendrel-cli : poste non connecté : rigctld n'écoute pas à 127.0.0.1:1" "rig on a closed port"
run rig --rig "localhost:99999"
expect_code 2 "rig on a port out of range"
expect_err_contains "adresse de rigctld invalide" "rig on a port out of range"
finish
