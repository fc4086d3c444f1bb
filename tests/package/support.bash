# Shared by the tests/package/*.sh scripts: the build folder given, a scratch
# folder, and checks that count failures instead of stopping.
set -u
build=${1:?usage: bash script.sh BUILD-DIR}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "ÉCHEC : $*" >&2; failures=$((failures + 1)); }

# must_refuse GOOD CHECK...: for each "what|command" line read, copies the
# folder GOOD, runs the command inside the copy, and expects CHECK, given the
# copy's path, to fail.
must_refuse() {
  local good=$1 n=0 what breakage copy
  shift
  while IFS='|' read -r what breakage; do
    n=$((n + 1))
    copy=$scratch/broken$n
    cp -a "$good" "$copy"
    (cd "$copy" && eval "$breakage")
    if "$@" "$copy" >/dev/null 2>&1; then
      fail "défaut non vu : $what"
    fi
  done
}
