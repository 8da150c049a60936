#!/usr/bin/env bash
# Prints the machine type of a PE file: x86-64, i386, or unknown.
set -euo pipefail
f=${1:?usage: pe-machine.sh FILE}
u16() { od -An -tu2 -j "$1" -N2 "$f" | tr -d ' '; }
u32() { od -An -tu4 -j "$1" -N4 "$f" | tr -d ' '; }
[ "$(head -c2 "$f")" = "MZ" ] || { echo "run.sh: $f is not a PE file" >&2; exit 1; }
pe=$(u32 60)
case "$(u16 $((pe + 4)))" in
  34404) echo x86-64 ;;
  332) echo i386 ;;
  *) echo unknown ;;
esac
