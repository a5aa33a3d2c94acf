#!/usr/bin/env bash
# The manual pages built from the programs' --help: zrtpro-cli's page explains
# every command its --help lists, and every page has its synopsis.
#   manual_pages.sh MAN_DIR ZRTPRO_CLI
set -euo pipefail
man=$1 cli=$2
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
exit $failed
