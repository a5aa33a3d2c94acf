#!/usr/bin/env bash
# The manual pages built from the programs' --help: zrtpro-cli's page explains
# every command its --help lists, and every page has its synopsis. A page made
# again where the language is German is the same English page.
#   manual_pages.sh MAN_DIR ZRTPRO_CLI MANPAGE_CMAKE HELP2MAN GZIP CMAKE
set -euo pipefail
man=$1 cli=$2 script=$3 help2man=$4 gzip=$5 cmake=$6
failed=0
for program in zrtpro zrtpro-cli zrtpro-unitsim; do
  page=$(gzip -dc "$man/$program.1.gz")
  grep -q '^\.SH SYNOPSIS' <<<"$page" || { echo "$program.1 has no synopsis"; failed=1; }
  grep -q '^\.SH DESCRIPTION' <<<"$page" || { echo "$program.1 has no description"; failed=1; }
done
page=$(gzip -dc "$man/zrtpro-cli.1.gz")
for command in $("$cli" --help | sed -n 's/^  zrtpro-cli \([a-z-]*\).*/\1/p'); do
  grep -q "^\.B zrtpro\\\\-cli ${command//-/\\\\-} " <<<"$page" ||
    { echo "zrtpro-cli.1 does not explain $command"; failed=1; }
done

again=$(mktemp -d)
trap 'rm -rf "$again"' EXIT
# The date of the page's title line is the day it was made.
text() { gzip -dc "$1" | grep -v '^\.TH '; }
LANGUAGE=de LC_ALL=de_AT.UTF-8 LANG=de_DE.UTF-8 "$cmake" -DHELP2MAN="$help2man" -DGZIP="$gzip" \
  -DPROGRAM="$cli" "-DSUMMARY=program NEXIL video switchers from a shell" \
  -DOUTPUT="$again/zrtpro-cli.1.gz" -DCOMMANDS=ON -P "$script"
if ! diff <(text "$man/zrtpro-cli.1.gz") <(text "$again/zrtpro-cli.1.gz") >/dev/null; then
  echo "zrtpro-cli.1 made in a German environment differs:"
  diff <(text "$man/zrtpro-cli.1.gz") <(text "$again/zrtpro-cli.1.gz") | head -20
  failed=1
fi
exit $failed
