#!/usr/bin/env bash
# The bash completion of zrtpro-cli, asked as bash asks it, in a folder of
# chosen files, against the program's real --help; the same in German (the
# completion reads the English --help whatever the person's language is).
#   completion_test.sh COMPLETION_FILE CLI_DIR
set -uo pipefail
source "$1"
PATH=$2:$PATH
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
mkdir sub
touch a.zrt b.ZRT notes.txt unit.bin

# The line typed up to the cursor, then the completions expected, sorted.
cases=(
  "zrtpro-cli sh|show"
  "zrtpro-cli s|set-time show"
  "zrtpro-cli --v|--version"
  "zrtpro-cli show |a.zrt b.ZRT sub"
  "zrtpro-cli show a.zrt --|--help --json"
  "zrtpro-cli show a.zrt |"
  "zrtpro-cli report a.zrt --paper |A4 Letter"
  "zrtpro-cli report a.zrt -o |a.zrt b.ZRT notes.txt sub unit.bin"
  "zrtpro-cli import |lunetta m7700 quillon"
  "zrtpro-cli import lunetta |a.zrt b.ZRT notes.txt sub unit.bin"
  "zrtpro-cli import lunetta sub --ports 4 --ciu 1 |"
  "zrtpro-cli decode unit.bin --ports |4 8"
  "zrtpro-cli write a.zrt --connect |modem: rfc2217: serial: tcp: unitsim:"
  "zrtpro-cli po|ports"
  "zrtpro-cli ports --|--help --json"
  "zrtpro-cli write a.zrt --connect unitsim:un|unit.bin"
  "zrtpro-cli write a.zrt --password 12 --verify --|--connect --force --help --new-password --no-backup --password --trace --verify"
  "zrtpro-cli restore |a.zrt b.ZRT notes.txt sub unit.bin"
  "zrtpro-cli history --|--help --json"
  "zrtpro-cli write --verify |a.zrt b.ZRT sub"
  "zrtpro-cli write a.zrt --password |"
  "zrtpro-cli unknown |"
)
failed=0
for language in "" "LANGUAGE=de LC_ALL=de_AT.UTF-8"; do
  # (bash warns when the machine lacks that locale; the programs read it all the same)
  [ -n "$language" ] && { export $language; } 2>/dev/null
  for c in "${cases[@]}"; do
    COMP_LINE=${c%%|*}
    COMP_POINT=${#COMP_LINE}
    COMP_WORDS=(zrtpro-cli)
    COMPREPLY=()
    _zrtpro_cli 2>/dev/null
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' ')
    if [ "$got" != "${c#*|}" ]; then
      echo "${language:-as it is}: \"$COMP_LINE\": got \"$got\", expected \"${c#*|}\""
      failed=1
    fi
  done
done
exit $failed
