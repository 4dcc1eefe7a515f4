# shellcheck shell=bash
# Sourced by the scripts that run Windows programs under Wine; $wine names
# the loader.

# wine_path -w|-u PATH: PATH as winepath converts it. Started beside other
# Wine programs, winepath has now and then printed nothing, which a test
# then passed on as an empty path; it is asked again, and fails with what
# it said if it never answers.
wine_path() {
  local converted="" errors
  errors=$(mktemp)
  for _ in 1 2 3; do
    converted=$("${wine:-wine}" winepath "$1" "$2" 2>>"$errors" | tr -d '\r') || true
    [ -z "$converted" ] || break
    sleep 1
  done
  [ -n "$converted" ] || echo "winepath $1 $2 printed nothing. $(cat "$errors")" >&2
  rm -f "$errors"
  [ -n "$converted" ] && printf '%s\n' "$converted"
}
