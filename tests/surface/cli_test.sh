#!/usr/bin/env bash
# Runs twhost as a user does, with good and bad command lines, and checks what
# it prints and its exit status: 0 done, 1 failed, 2 wrong usage.
# usage: cli_test.sh TWHOST SAMPLE_FOLDER
set -uo pipefail
twhost=$1
sample=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
cd "$work"
cp -r "$sample" proj
export TARVENWICK_ROOT="$work/root"
failures=0 passed=0

fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# expect STATUS EXPECTED_STDERR -- ARG...: runs twhost, compares its status
# and its whole standard error.
expect() {
  local status=$1 expected=$2; shift 3
  local err got
  err=$("$twhost" "$@" 2>&1 >/dev/null); got=$?
  if [ "$got" != "$status" ]; then fail "twhost $* exited $got, not $status ($err)"; return; fi
  if [ "$err" != "$expected" ]; then fail "twhost $*: stderr was"$'\n'"$err"$'\n'"not"$'\n'"$expected"; return; fi
  passed=$((passed + 1))
}

# expect_out STATUS PATTERN -- ARG...: the status, and stdout matching PATTERN (grep -E).
expect_out() {
  local status=$1 pattern=$2; shift 3
  local out got
  out=$("$twhost" "$@" 2>/dev/null); got=$?
  if [ "$got" != "$status" ]; then fail "twhost $* exited $got, not $status"; return; fi
  if ! grep -Eq -- "$pattern" <<<"$out"; then fail "twhost $*: no '$pattern' in"$'\n'"$out"; return; fi
  passed=$((passed + 1))
}

flows="start, sample, build, report, jump, popup, macros, buttons, windows, keywords, distribute, find, contents, outline, keyword, convert, publish, desktop, call, help"

# Help and version: stdout, status 0, nothing installed.
expect_out 0 '^usage: twhost \[OPTION\.\.\.\] FLOW' -- --help
expect_out 0 '^usage: twhost' -- -h
expect_out 0 '^usage: twhost \[OPTION\.\.\.\] publish PROJECT\.hpj --out DIR' -- help publish
expect_out 0 '^usage: twhost \[OPTION\.\.\.\] build PROJECT\.hpj$' -- build --help
expect_out 0 '^twhost [0-9]+\.[0-9]+\.[0-9]+$' -- --version
expect_out 0 '^libtrvwck32 ([0-9.]+), libtwzhtml \1$' -- --version
[ -e "$work/root" ] && fail "help or version wrote into the root folder $work/root"

# Wrong usage.
expect 2 "twhost: unknown flow 'frob'; the flows are: $flows
Try 'twhost --help' for more information." -- frob
expect 2 "twhost: name a flow; the flows are: $flows
Try 'twhost --help' for more information." --
expect 2 "twhost: unknown option '--frob'
Try 'twhost --help' for more information." -- --frob start
expect 2 "twhost build: missing PROJECT.hpj
usage: twhost [OPTION...] build PROJECT.hpj
Try 'twhost build --help' for more information." -- build
expect 2 "twhost build: unexpected argument 'more.hpj'
usage: twhost [OPTION...] build PROJECT.hpj
Try 'twhost build --help' for more information." -- build proj/sample.hpj more.hpj
expect 2 "twhost publish: missing --out DIR" -- publish proj/sample.hpj
expect 2 "twhost publish: --out needs a value" -- publish proj/sample.hpj --out
expect 2 "twhost publish: unexpected argument 'x'" -- publish proj/sample.hpj x --out site
expect 2 "twhost publish: unknown template 'fancy.lfc'; the templates are: frames.lfc, htmlhelp.lfc, modern.lfc, standard.lfc, widemarg.lfc" \
  -- publish proj/sample.hpj --out site --template fancy.lfc
[ -e site ] && fail "an unknown template left the output folder behind"

# call: arguments checked against the export's declaration.
expect 2 "twhost call: argument 1 (text) of FixBookmark must be text (s:TEXT), not '42'" -- call FixBookmark 42
expect 2 "twhost call: missing argument 1 (text) of FixBookmark(char* text)" -- call FixBookmark
expect 2 "twhost call: FixBookmark takes 1 argument, not 2: FixBookmark(char* text)" -- call FixBookmark s:a s:b
expect 2 "twhost call: argument 2 (mode) of InitTW must be a number, not 's:x'" -- call InitTW 0 s:x
expect 2 "twhost call: no export named NoSuchExport" -- call NoSuchExport
expect_out 0 $'^1$' -- call TWGetVersion s:
expect_out 0 '^n1_word$' -- call twzhtml:FixBookmark "s:#1 word"

# Projects that are not help projects leave nothing in the output folder.
echo "not a project" > proj/notes.hpj
for project in missing.hpj proj proj/intro.rtf proj/notes.hpj; do
  expect 1 "twhost publish: not a help project: $project" -- publish "$project" --out out
  expect 1 "twhost convert: not a help project: $project" -- convert "$project" --out out
done
expect 1 "twhost build: not a help project: missing.hpj" -- build missing.hpj
[ -e out ] && fail "a failed publish left the output folder out behind"

# Output folders and transcripts that cannot be written.
expect 1 "twhost publish: cannot write to the output folder /proc/twhost-site" \
  -- publish proj/sample.hpj --out /proc/twhost-site
touch afile
expect 1 "twhost publish: the output folder is a file: afile" -- publish proj/sample.hpj --out afile
if [ "$(id -u)" -ne 0 ]; then
  mkdir readonly && chmod a-w readonly
  expect 1 "twhost publish: cannot write to the output folder readonly" -- publish proj/sample.hpj --out readonly
fi
expect 1 "twhost: cannot write the transcript /proc/twhost-transcript" -- --transcript /proc/twhost-transcript start

# Scripts: unreadable lines by number; a first dialog that never opens.
printf '# what the user does\ndialog 21000\nfrobnicate 3\n' > bad.script
expect 2 "twhost: bad.script:3: unknown action \"frobnicate 3\"" -- --script bad.script start
printf 'dialog DLG_NEVER\nclick 1\n' > never.script
expect 1 "twhost: never.script:1: the script's first dialog (DLG_NEVER) never opened; no line of the script was used" \
  -- --script never.script start
expect 1 "twhost: cannot read the script none.script" -- --script none.script start

# The transcript starts anew unless --append.
"$twhost" --transcript t.txt start >/dev/null 2>&1
"$twhost" --transcript t.txt start >/dev/null 2>&1
[ "$(grep -c DLG_START t.txt)" = 1 ] || fail "--transcript did not start the transcript anew"
"$twhost" --transcript t.txt --append start >/dev/null 2>&1
[ "$(grep -c DLG_START t.txt)" = 2 ] || fail "--append did not add to the transcript"

# --gui where there is no display runs the dialogs headless, without a word.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u TARVENWICK_UI_HOST \
  "$twhost" --gui --transcript g.txt start >/dev/null 2>&1
grep -q DLG_START g.txt || fail "--gui without a display did not run the dialog headless"

# The authoring window needs a desktop; without one twhost says so.
desktop_said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u TARVENWICK_UI_HOST \
  "$twhost" desktop 2>&1) && fail "desktop without a display succeeded"
[ "$desktop_said" = "twhost desktop: there is no desktop to show the window on (a display and the GUI module)" ] ||
  fail "desktop without a display said: $desktop_said"

# The document start returns is a real host path, never the drive form.
printf 'dialog 21000\nclick 1\ndialog DLG_START\nclick 102\nfile %s/proj/sample.hpj\n' "$work" > open.script
expect_out 0 '^document: proj/intro\.rtf$' -- --script open.script start

# Publishing leaves the project folder as it was.
before=$(ls proj)
expect_out 0 '^1 jump to an unknown topic|, 1 jump to an unknown topic$' -- publish proj/sample.hpj --out site
[ "$(ls proj)" = "$before" ] || fail "publish left files in the project folder: $(ls proj)"
grep -rqi 'example\.com' site && fail "the published site points at example.com"
"$twhost" publish proj/sample.hpj --out site-standard --template standard.lfc >/dev/null 2>&1
grep -q '<a href="twztoc.htm"><IMG SRC="home.gif"' site-standard/introp2.htm ||
  fail "the Home button does not go to the help's own home page"
expect_out 0 '^kept 3 marker files' -- publish proj/sample.hpj --out site --keep-intermediates
[ -e proj/intro.~tw ] || fail "--keep-intermediates did not keep proj/intro.~tw"
out=$("$twhost" publish proj/sample.hpj --out site 2>&1)
grep -q 'z:\\' <<<"$out" && fail "publish printed a drive path: $out"

# The start-up macros and the button bar, edited as an author does; the
# project file is shown in the form the user typed its path.
cp -r "$sample" edit
expect_out 0 '^EP\(`notepad\.exe a:b'"'"',1\)$' -- macros edit/sample.hpj 'About()' 'EP(`notepad.exe a;b'"'"',1)'
expect_out 0 '^About\(\)$' -- macros edit/sample.hpj
expect_out 0 '^\[CONFIG\] of edit/sample\.hpj:$' -- macros edit/sample.hpj
expect_out 0 "^CB\(\`btn_web', \`&Web', \`About\(\)'\)$" -- buttons edit/sample.hpj btn_web '&Web' 'About()'
expect 2 "twhost buttons: give each button as ID CAPTION MACRO" -- buttons edit/sample.hpj btn_x '&X'
expect_out 0 '^note="Notes",\(700, 0, 323, 500\),0,,,0$' -- windows edit/sample.hpj note Notes 700 0 323 500
expect_out 0 '^\[WINDOWS\] of edit/sample\.hpj:$' -- windows edit/sample.hpj
expect 2 "twhost windows: '1024' is no coordinate from 0 to 1023" -- windows edit/sample.hpj note Notes 1024 0 1 1
expect 2 "twhost macros: missing PROJECT.hpj [MACRO...]
usage: twhost [OPTION...] macros PROJECT.hpj [MACRO...]
Try 'twhost macros --help' for more information." -- macros

# The contents file, listed and added to in the contents editor.
expect_out 0 '^contents of edit/sample\.cnt:$' -- contents edit/sample.hpj
expect_out 0 '^1 Extras' -- contents edit/sample.hpj 'book:Extras'
expect 2 "twhost contents: 'Extras' is neither book:TITLE nor topic:TITLE" -- contents edit/sample.hpj Extras

# The compiler's messages name the files as the user sees them.
out=$("$twhost" build proj/sample.hpj 2>&1)
grep -qE "(^|[ '])[a-zA-Z]:\\\\" <<<"$out" && fail "build printed a drive path: $out"
grep -q '^compiler messages (proj/sample\.log):$' <<<"$out" || fail "build did not show proj/sample.log: $out"
grep -q '^  Project proj/sample\.hpj' <<<"$out" || fail "build did not show proj/sample.hpj: $out"

# HTML Help: chmcmd compiles the project into a .chm that holds every page.
expect_out 0 '^compiled: hh/sample\.chm$' -- publish proj/sample.hpj --out hh --template htmlhelp.lfc
if command -v chmls >/dev/null; then
  listing=$(chmls list hh/sample.chm 2>/dev/null)
  pages=$(awk '/^\[FILES\]/{f=1;next} /^\[/{f=0} f && NF' hh/sample.hhp | tr -d '\r')
  [ -n "$pages" ] || fail "hh/sample.hhp lists no page"
  for page in $pages; do
    grep -q " /$page\$" <<<"$listing" || fail "hh/sample.chm lacks $page"
  done
  passed=$((passed + 1))
fi

# Jumps and pop-ups written into a topic file through InsertJump and InsertDef.
expect_out 0 '^target: welcome@other\.hlp$' -- jump proj/sample.hpj proj/intro.rtf 'welcome@other.hlp' 'Welcome to the'
grep -qF '{\uldb Welcome to the}{\v welcome@other.hlp}' proj/intro.rtf || fail "jump did not write the hotspot"
expect_out 0 '^click text: glossary$' -- popup proj/sample.hpj proj/intro.rtf '%glossary@other.hlp'
grep -qF '\par {\ul glossary}{\v %glossary@other.hlp}' proj/intro.rtf || fail "popup did not add the hotspot"
expect 1 'twhost jump: "no such words" is not in proj/intro.rtf' -- jump proj/sample.hpj proj/intro.rtf 'x@other.hlp' 'no such words'
expect 2 "twhost jump: missing PROJECT.hpj TOPICFILE.rtf TARGET [CLICK-TEXT]
usage: twhost [OPTION...] jump PROJECT.hpj TOPICFILE.rtf TARGET [CLICK-TEXT]
Try 'twhost jump --help' for more information." -- jump proj/sample.hpj

# Keyword indexes: rebuilt from the topic files, distributed, searched.
expect_out 0 '^  IDH_printing  Printing a Document: printing;documents:printing;print setup;$' -- keywords proj/sample.hpj
expect_out 0 '^  full text   at [0-9]+$' -- distribute proj/sample.hpj
[ -e proj/sample.xtw ] || fail "distribute did not write proj/sample.xtw"
expect_out 0 '^  K keywords  at 12$' -- distribute proj/sample.hpj K
expect 2 "twhost distribute: the sections are letters of A, K and F, not 'AX'" -- distribute proj/sample.hpj AX
expect_out 0 $'^Printing a Document\tIDH_printing$' -- find proj/sample.hpj 'printing;index'
expect_out 0 '^0 topics found$' -- find proj/sample.hpj printing A
expect 2 "twhost find: the keyword kind is K or A, not 'X'" -- find proj/sample.hpj printing X
expect 1 "twhost keywords: not a help project: missing.hpj" -- keywords missing.hpj

# The document outline: rebuilt from the contents file, then listed.
cp -r "$sample" book
expect_out 0 '^no outline book/sample\.out$' -- outline book/sample.hpj
expect_out 0 '^      Printing a Document  -> IDH_printing$' -- outline book/sample.hpj --from-contents
printf '[OUTLINE]\r\n1 main.doc=\r\n2 Sample Help\r\n3 Welcome to the Sample Help=IDH_welcome\r\n3 Getting Started=IDH_getting_started\r\n2 Using the Program\r\n3 Printing a Document=IDH_printing\r\n3 Keyboard Shortcuts=IDH_shortcuts\r\n' > expected.out
cmp -s expected.out book/sample.out || fail "outline --from-contents wrote another book/sample.out"
expect_out 0 '^outline book/sample\.out:$' -- outline book/sample.hpj
expect 2 "twhost outline: unknown choice '--fast' (--from-contents or --edit)" -- outline book/sample.hpj --fast
# A mid-topic keyword through InsertKey: the footnote lands in the file and the
# rebuilt index reads it back.
expect_out 0 '^keywords: welcome;first steps$' -- keyword proj/sample.hpj proj/intro.rtf K 'welcome;first steps' 'This sample help project'
grep -qF '{\cs16\super K}{\footnote \pard\plain \s15\fs20 {\cs16\super K} welcome;first steps}' proj/intro.rtf ||
  fail "keyword did not write the footnote"
expect_out 0 '^  IDH_welcome  .*: welcome;introduction;overview;welcome;first steps;$' -- keywords proj/sample.hpj
expect 1 'twhost keyword: "no such words" is not in proj/intro.rtf' -- keyword proj/sample.hpj proj/intro.rtf A x 'no such words'
expect 2 "twhost keyword: the kind is K or A, not 'Q'" -- keyword proj/sample.hpj proj/intro.rtf Q x

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
