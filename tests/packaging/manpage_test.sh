#!/bin/sh
# Checks that a manual page lists exactly the options its program's --help lists, and that groff
# reads the page without a warning.
#   manpage_test.sh PROGRAM PAGE
set -eu
program=$1
page=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$program" --help >"$work/help"
options() { grep -oE -- '(^|[^a-z0-9-])--[a-z][a-z0-9-]*' | sed 's/^[^-]*--/--/' | sort -u; }
options <"$work/help" >"$work/help-options"
sed 's/\\-/-/g' "$page" | options >"$work/page-options"
if ! [ -s "$work/help-options" ]; then
  echo "$program --help lists no options" >&2
  exit 1
fi
if ! diff -u "$work/help-options" "$work/page-options" >"$work/diff"; then
  echo "$(basename "$page") and '$(basename "$program") --help' list different options (- help only, + page only):" >&2
  cat "$work/diff" >&2
  exit 1
fi
if grep -q -- '^ *-h, --help' "$work/help" && ! grep -q -- '\\-h' "$page"; then
  echo "$(basename "$page") does not list -h" >&2
  exit 1
fi
echo "$(basename "$page"): $(wc -l <"$work/help-options") options, as in --help"

if command -v groff >/dev/null; then
  groff -man -ww -z "$page" 2>"$work/groff"
  if [ -s "$work/groff" ]; then
    cat "$work/groff" >&2
    exit 1
  fi
fi
