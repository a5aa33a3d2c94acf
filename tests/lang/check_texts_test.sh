#!/usr/bin/env bash
# scripts/check-texts passes the report's folder as it is, and fails a copy
# with one fault each, naming it: a widget text without tr(), a listed file
# that has become clean, a header text not marked, a marked text shown
# without Tr(), a text without its German, a German text with other directives,
# a command's help in its initialiser, and words handed to a helper that shows
# its `const char*` (in a widget or on a console), words in a console
# program's StrFormat format; JSON keys and a format of no words (%04x:%04x)
# in the command-line tool pass.
#   check_texts_test.sh SOURCE_ROOT LUPDATE
set -uo pipefail
src=$1 lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

fresh() {
  rm -rf "$work/root"
  mkdir -p "$work/root/src/model" "$work/root/src/cli" "$work/root/scripts" "$work/root/translations"
  cp -r "$src/src/report" "$work/root/src/"
  cp "$src/src/model/Translate.h" "$work/root/src/model/"
  cp "$src/scripts/check-texts" "$work/root/scripts/"
  cp "$src/translations/zrtpro_de.ts" "$work/root/translations/"
  : >"$work/root/scripts/texts-baseline.txt"
}

# expect STATUS TEXT: check-texts exits with STATUS and says TEXT.
expect() {
  local out status
  out=$(python3 "$work/root/scripts/check-texts" --lupdate "$lupdate" "$work/root" 2>&1)
  status=$?
  if [ "$status" -ne "$1" ] || ! grep -qF -- "$2" <<<"$out"; then
    echo "FAILED ($3): wanted exit $1 and \"$2\", got exit $status:"
    echo "$out"
    failed=1
  fi
}

fresh
expect 0 "texts marked" "the report as it is"

fresh
echo 'void Cut(QLabel* l) { l->setText("Cut me"); }' >>"$work/root/src/report/widgets/ReportActions.cpp"
expect 1 'ReportActions.cpp:' "a widget text without tr()"

fresh
echo 'void Fine(QLabel* l) { l->setText(QObject::tr("Fine")); }' >>"$work/root/src/report/widgets/ReportActions.cpp"
expect 1 "not translated: 'Fine'" "tr() text without German (marked, so only lupdate objects)"

fresh
echo "src/report/ReportLayout.cpp" >"$work/root/scripts/texts-baseline.txt"
expect 1 "take it off" "a listed file that is clean"

fresh
echo 'inline constexpr const char* kReportNew = "New text";' >>"$work/root/src/report/ReportMessages.h"
expect 1 "kReportNew is not marked" "a header text not marked"

fresh
echo 'std::string Shown() { return kReportSystem; }' >>"$work/root/src/report/ReportLayout.cpp"
expect 1 "kReportSystem is shown without Tr()" "a marked text shown as it is"

fresh
echo 'inline constexpr const char* kReportNew = ZRT_TRANSLATE_NOOP("Report", "Brand new");' \
  >>"$work/root/src/report/ReportMessages.h"
expect 1 "not translated: 'Brand new'" "a marked text without German"

fresh
sed -i 's|<translation>Seite %d</translation>|<translation>Seite %s</translation>|' \
  "$work/root/translations/zrtpro_de.ts"
expect 1 "directives differ: 'Page %d'" "a German text with other directives"

fresh
cat >"$work/root/src/cli/JsonOut.cpp" <<'EOF'
void Print(std::ostream& out) { out << "{\"item\":" << 1 << ",\"this\":" << 2 << '}'; }
void Usb(std::ostream& out, int v) { out << StrFormat("%04x:%04x", v, v); }
EOF
expect 0 "texts marked" "JSON keys and a format without words in the command-line tool"

fresh
cat >"$work/root/src/cli/NewCommand.cpp" <<'EOF'
const CliCommand kNewCommand{"new", ZRT_UNTRANSLATED("FILE"), "Builds a new one.", {}, {}, Run};
EOF
expect 1 "text in kNewCommand not marked: \"Builds a new one.\"" "a command's help in its initialiser"

fresh
cat >>"$work/root/src/report/widgets/ReportActions.cpp" <<'EOF'
namespace { void Tip(QAction* a, const char* text) { a->setToolTip(QObject::tr(text)); } }
void UseTip(QAction* a) { Tip(a, "Print the report"); }
EOF
expect 1 "text handed to Tip() not marked" "words handed to a widget text helper"

fresh
cat >"$work/root/src/cli/Say.cpp" <<'EOF'
void Say(const char* what) { std::cerr << what << '\n'; }
void Done() { Say("All done"); }
EOF
expect 1 "text handed to Say() not marked" "words handed to a console text helper"

fresh
cat >"$work/root/src/cli/Cells.cpp" <<'EOF'
void Cell(int a) { std::cerr << StrFormat("cell 0x%04X", a); }
EOF
expect 1 "format not marked: \"cell 0x%04X\"" "words in a console program's StrFormat format"

exit $failed
