# shellcheck shell=bash
# Sourced by the scripts that run Windows programs under Wine; $wine names
# the loader.

# wine_path -w|-u PATH: PATH as winepath converts it. When Wine ends winepath
# without a word, as it now and then ends a program it starts, this fails
# here, rather than pass an empty path on to fail the test further on.
wine_path() {
  local converted
  converted=$("${wine:-wine}" winepath "$1" "$2" | tr -d '\r') || true
  [ -n "$converted" ] || { echo "winepath $1 $2 printed nothing" >&2; return 1; }
  printf '%s\n' "$converted"
}
