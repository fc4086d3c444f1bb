# Shared by the tests/cli/*.sh scripts: a private data folder and settings
# folder per script, and checks that count failures instead of stopping.
set -u
cli=${1:?usage: bash script.sh path/to/pendrel-cli}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export PENDREL_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
mkdir -p "$PENDREL_HOME" "$XDG_CONFIG_HOME"
failures=0

# run ARGS...: runs the CLI, keeping stdout, stderr and the exit code.
run() {
  "$cli" "$@" >"$scratch/out" 2>"$scratch/err"
  code=$?
  out=$(cat "$scratch/out")
  err=$(cat "$scratch/err")
}

fail() {
  echo "ÉCHEC : $*" >&2
  failures=$((failures + 1))
}

# expect_code N LABEL
expect_code() {
  [ "$code" -eq "$1" ] || fail "$2 : code de sortie $code au lieu de $1 (stderr : $err)"
}

# expect_out TEXT LABEL: the whole standard output.
expect_out() {
  [ "$out" == "$1" ] || fail "$2 : sortie
--- attendu
$1
--- obtenu
$out"
}

# expect_err_contains TEXT LABEL
expect_err_contains() {
  [[ "$err" == *"$1"* ]] || fail "$2 : « $1 » absent de stderr : $err"
}

# store_callsign CALL: the identity the station dialog would have stored.
store_callsign() {
  mkdir -p "$XDG_CONFIG_HOME/QRP"
  printf '[Setup%%20]\nIndicatif%%20Station=%s\n' "$1" >"$XDG_CONFIG_HOME/QRP/QRP.conf"
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures échec(s)" >&2
    exit 1
  fi
  echo "OK"
}
