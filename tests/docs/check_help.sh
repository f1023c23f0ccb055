#!/usr/bin/env bash
# Checks the product's help project with both compiler families of the
# checker: every jump resolves, every [MAP] entry names a topic, every
# contents entry and window exists. Any message fails the test.
set -euo pipefail
programs=$1
project=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for compiler in hcw.exe hc31.exe; do
  rm -rf "$work/help" && cp -r "$project" "$work/help"
  summary=$(cd "$work/help" && "$programs/$compiler" trvwck.hpj)
  echo "$compiler: $summary"
  if [[ "$summary" != *" 0 errors, 0 warnings."* ]]; then
    cat "$work/help/trvwck.log"
    status=1
  fi
done
exit $status
