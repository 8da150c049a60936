# Sourced by the Wine helpers: one prefix per checkout, never any add-on prompts.
_dez_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export DEZ_ROOT=${DEZ_ROOT:-$_dez_root}
export WINEPREFIX=${WINEPREFIX:-$DEZ_ROOT/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all,err+module}
export WINEDLLOVERRIDES="mscoree,mshtml="
case ":$PATH:" in *:/usr/lib/wine:*) ;; *) export PATH="$PATH:/usr/lib/wine" ;; esac
