#!/usr/bin/env bash
# check_layers_test.sh SOURCE_DIR: slips faults into a copy of the tree and
# checks that scripts/check-layers names each of them and exits 1.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

fresh_copy() {
  rm -rf "$work/tree"
  mkdir "$work/tree"
  (cd "$source_dir" && tar cf - README.md scripts src tools tests) | tar xf - -C "$work/tree"
}

# Runs the check on the copy; it must fail and print every line given.
expect_faults() {
  local status=0
  "$work/tree/scripts/check-layers" "$work/tree" >"$work/out" || status=$?
  [ "$status" = 1 ] || { cat "$work/out"; fail "check-layers exited $status, not 1"; }
  local wanted
  for wanted in "$@"; do
    grep -qF -- "$wanted" "$work/out" || { cat "$work/out"; fail "no line with: $wanted"; }
  done
}

fresh_copy
"$work/tree/scripts/check-layers" "$work/tree" || fail "the copy of the tree does not pass"

# An upward include slipped into every folder but the top one: each is named
# with its line and the rule it breaks.
wanted=()
while read -r folder _; do
  folder=${folder%:}
  case $folder in ''|'#'*|app|tests/*) continue ;; esac
  case $folder in tools/*) dir=$work/tree/$folder ;; *) dir=$work/tree/src/$folder ;; esac
  file=$(find "$dir" -maxdepth 1 -name '*.cpp' | sort | head -n 1)
  [ -n "$file" ] || fail "no source in $folder"
  line=$(($(wc -l <"$file") + 1))
  echo '#include "app/CMainFrame.h"' >>"$file"
  wanted+=("${file#"$work/tree/"}:$line: #include \"app/CMainFrame.h\": $folder may include")
done <"$work/tree/scripts/layers.txt"
[ "${#wanted[@]}" -gt 10 ] || fail "too few folders in layers.txt"
expect_faults "${wanted[@]}"

# A test may include its own floor and below, not the window above it.
fresh_copy
echo '#include "app/CMainFrame.h"' >>"$work/tree/tests/model/ModelTest.cpp"
expect_faults "tests/model/ModelTest.cpp:"

# Two files of one folder that include each other.
fresh_copy
printf '#pragma once\n#include "tree/Bb.h"\n' >"$work/tree/src/tree/Aa.h"
printf '#pragma once\n#include "tree/Aa.h"\n' >"$work/tree/src/tree/Bb.h"
expect_faults "files include one another: src/tree/Aa src/tree/Bb"

# A folder without a line, and a rules file that lets two folders include
# each other.
fresh_copy
mkdir "$work/tree/src/newfloor"
echo 'int x;' >"$work/tree/src/newfloor/New.cpp"
sed -i 's/^model:.*/model: tree/' "$work/tree/scripts/layers.txt"
expect_faults "src/newfloor/New.cpp:1: folder newfloor has no line" "folders include one another: model tree"

# A library or program that links a floor above it.
fresh_copy
sed -i 's/^target_link_libraries(zrt_tree PUBLIC zrt_model)$/target_link_libraries(zrt_tree PUBLIC zrt_model zrt_pages)/' \
  "$work/tree/src/tree/CMakeLists.txt"
line=$(grep -n '^target_link_libraries(zrt_tree ' "$work/tree/src/tree/CMakeLists.txt" | cut -d: -f1)
expect_faults "src/tree/CMakeLists.txt:$line: zrt_tree links zrt_pages: tree may include model"

# The README's layout table and the rules file must agree.
fresh_copy
sed -i 's/^report: model$/report: model tree/' "$work/tree/scripts/layers.txt"
expect_faults "the row of report says model, scripts/layers.txt says model tree"
echo "check-layers catches every fault"
