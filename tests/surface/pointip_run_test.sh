#!/usr/bin/env bash
# pointip as a user runs it: a scripted session creates a data file, saves
# it, reopens it and compiles it with the compiler stand-in; a second start
# reopens the last file. Usage: pointip_run_test.sh POINTIP
set -uo pipefail
pointip=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

cat > "$work/session.txt" <<'SCRIPT'
# two entries of the Print dialog
dialog 1000
set 101 Print
set 102 Copies
set 103 20005
set 105 How many copies
click 93
set 101 Print
set 102 Range
set 105 Which pages
click 117
file c:\help\print.ptd
click 115
click 116
file c:\help\print.ptd
click 94
click 370
SCRIPT
mkdir -p "$work/root/help"
TARVENWICK_UI_SCRIPT="$work/session.txt" TARVENWICK_UI_TRANSCRIPT="$work/t1.txt" \
  "$pointip" --root "$work/root" || fail "pointip exited with $?"

expected=$'0\r\n\r\nPrint_Copies=20005|How many copies\r\nPrint_Range=20006|Which pages\r\n'
printf '%s' "$expected" | cmp -s - "$work/root/help/print.ptd" || fail "print.ptd: $(cat -A "$work/root/help/print.ptd")"
grep -qxF 'exec "HCW.EXE /c/e c:\trvwck\pta_test.tst" show=1 -> 33' "$work/t1.txt" ||
  fail "no compile in the transcript: $(cat "$work/t1.txt")"
grep -qxE 'topmost window [0-9]+ on' "$work/t1.txt" || fail "the window is not on top at start (the default)"
grep -qF $'#define IDH_Print_Range\t20006' "$work/root/trvwck/pta_test.h" || fail "pta_test.h: $(cat "$work/root/trvwck/pta_test.h")"
# The compiler stand-in runs on its own; its log shows up once it ends.
for _ in $(seq 50); do [ -e "$work/root/trvwck/pta_test.log" ] && break; sleep 0.1; done
grep -q '2 topics' "$work/root/trvwck/pta_test.log" 2>/dev/null || fail "compile log: $(cat "$work/root/trvwck/pta_test.log" 2>&1)"

# The next start opens the last file: Generate RTF writes beside it.
printf 'dialog 1000\nclick 119\n' > "$work/again.txt"
TARVENWICK_UI_SCRIPT="$work/again.txt" TARVENWICK_UI_TRANSCRIPT="$work/t2.txt" \
  "$pointip" --root "$work/root" || fail "second run exited with $?"
grep -qF '{\footnote # IDH_Print_Copies}' "$work/root/help/print.rtf" 2>/dev/null || fail "print.rtf was not generated"
[ -e "$work/root/help/print.h" ] || fail "print.h was not generated"

"$pointip" --bogus >/dev/null 2>&1
[ $? -eq 2 ] || fail "a wrong argument does not exit with 2"

[ $failures -eq 0 ] && echo "pointip run: all checks passed"
exit $failures
