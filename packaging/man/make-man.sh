#!/usr/bin/env bash
# Writes a manual page from its template, replacing the line @COMMANDS@ with
# the commands of `pendrel-cli --help` (synopsis in bold, description below)
# and @VERSION@ with its version, so that the page says exactly what the
# program offers.
# Usage: make-man.sh TEMPLATE PENDREL-CLI OUTPUT
set -euo pipefail
template=$1 cli=$2 output=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The help needs no data folder or settings: point them at an empty place.
PENDREL_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config "$cli" --help >"$scratch/help"
awk '
  function roff(s) { gsub(/\\/, "\\e", s); gsub(/-/, "\\-", s); return s }
  /^Commandes :/ { listing = 1; next }
  !listing { next }
  /^  [a-z]/ { if (synopsis != "") flush(); sub(/^  /, ""); synopsis = $0; description = ""; next }
  /^        / { sub(/^ +/, ""); synopsis = synopsis " " $0; next }
  /^      / { sub(/^ +/, ""); description = description (description == "" ? "" : " ") $0; next }
  function flush() { print ".TP"; print ".B " roff(synopsis); print roff(description) }
  END { if (synopsis != "") flush() }
' "$scratch/help" >"$scratch/commands"
[ -s "$scratch/commands" ] || { echo "make-man.sh : aucune commande dans l'aide de $cli" >&2; exit 1; }
version=$(PENDREL_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config "$cli" --version | awk '{print $2}')
awk -v commands="$scratch/commands" -v version="$version" '
  $0 == "@COMMANDS@" { while ((getline line < commands) > 0) print line; next }
  { gsub(/@VERSION@/, version); print }
' "$template" >"$output"
