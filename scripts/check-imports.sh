#!/usr/bin/env bash
# Checks that a built program takes the named DLLs late (delay-loaded) and
# not when Windows loads it: none of them may be in the program's import
# table, which the toolchain's objdump reads back.
#   check-imports.sh OBJDUMP EXE DLL...
set -euo pipefail
objdump=$1 exe=$2
shift 2
# "The Import Tables" lists "DLL Name: x.dll" for each DLL, up to the next
# table's heading.
loaded=$("$objdump" -p "$exe" | sed -n '/^The Import Tables/,/^The .* Tables\?/s/^\tDLL Name: //p' | tr 'A-Z' 'a-z')
name=$(basename "$exe")
for dll in "$@"; do
  wanted=$(tr 'A-Z' 'a-z' <<<"$dll")
  if grep -qx "$wanted" <<<"$loaded"; then
    entries=$("$objdump" -p "$exe" | sed -n "/^\tDLL Name: $dll\$/I,/^\$/p" | sed -n 's/^\t *[0-9a-f]* *[0-9]* *\([A-Za-z_].*\)$/\1/p' | tr '\n' ' ')
    echo "$name imports $dll at load time (entries: $entries); list them in its delay-load .def" >&2
    exit 1
  fi
done
echo "$name takes $* when first called"
