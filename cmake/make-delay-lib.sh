#!/bin/sh
# make-delay-lib.sh NM DLLTOOL IMPORT_LIB DLL_NAME OUTPUT
# Makes a delay-import library for DLL_NAME with every function that the
# import library IMPORT_LIB offers: a program linked with it loads the DLL the
# first time it calls one of them, not when it starts.
set -e
nm=$1 dlltool=$2 importlib=$3 dll=$4 out=$5
def="$out.def"
{
  echo "LIBRARY $dll"
  echo "EXPORTS"
  # 32-bit names carry an underscore more: __imp__Name@n (32-bit), __imp_Name (64-bit).
  "$nm" "$importlib" 2>/dev/null | awk '
    $2 == "I" && $3 ~ /^__imp__/ { print substr($3, 8); next }
    $2 == "I" && $3 ~ /^__imp_/ { print substr($3, 7) }' | sort -u
} >"$def"
"$dlltool" -k --input-def "$def" --output-delaylib "$out"
