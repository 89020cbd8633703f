#!/usr/bin/env bash
# Checks a built DLL's export table with the toolchain's objdump, so that a
# change of the .def files or of the link options cannot ship a library
# whose callers no longer find their entries.
#   check-exports.sh OBJDUMP DLL names NAME...       exactly these names, undecorated
#   check-exports.sh OBJDUMP DLL ordinals NUMBER...  exactly these ordinals, without names
set -euo pipefail
objdump=$1 dll=$2 kind=$3
shift 3
want=$(printf '%s\n' "$@" | sort)
table=$("$objdump" -p "$dll")
# "[Ordinal/Name Pointer] Table" lists "[   0] name" up to the next blank line.
names=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^\t\[ *[0-9]*\] //p' <<<"$table" | sort)
# "Export Address Table -- Ordinal Base N" lists "[   0] +base[   2] 1370 Export RVA".
ordinals=$(sed -n '/^Export Address Table -- Ordinal Base/,/^$/s/^\t\[ *[0-9]*\] +base\[ *\([0-9]*\)\] *[0-9a-f]* Export RVA$/\1/p' <<<"$table" | sort)
name=$(basename "$dll")
case "$kind" in
  names)
    if [ "$names" != "$want" ]; then
      echo "$name exports the names [$(echo $names)], not [$(echo $want)]" >&2
      exit 1
    fi
    echo "$name exports $(echo $want) undecorated"
    ;;
  ordinals)
    if [ "$ordinals" != "$want" ] || [ -n "$names" ]; then
      echo "$name exports the ordinals [$(echo $ordinals)] and the names [$(echo $names)], not the ordinals [$(echo $want)] alone" >&2
      exit 1
    fi
    echo "$name exports ordinals $(echo $want)"
    ;;
  *)
    echo "check-exports.sh: names or ordinals, not '$kind'" >&2
    exit 2
    ;;
esac
