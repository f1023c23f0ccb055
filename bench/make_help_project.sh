#!/usr/bin/env bash
# Writes a help project of TOPICS topics into DIR: big.hpj and topic files of
# PER_FILE topics each. Every topic has a context string, a title, keywords, a
# browse sequence, a heading, a few paragraphs and jumps into random topics,
# so the conversion splits one page per topic and resolves every jump.
#   bash bench/make_help_project.sh DIR TOPICS [PER_FILE]
set -euo pipefail
dir=${1:?usage: make_help_project.sh DIR TOPICS [PER_FILE]}
topics=${2:?usage: make_help_project.sh DIR TOPICS [PER_FILE]}
per_file=${3:-100}
mkdir -p "$dir"

awk -v topics="$topics" -v per_file="$per_file" -v dir="$dir" 'BEGIN {
  srand(1)
  files = int((topics + per_file - 1) / per_file)
  hpj = dir "/big.hpj"
  printf "[OPTIONS]\r\nTITLE=Large Help\r\nCONTENTS=IDH_T0\r\n\r\n[FILES]\r\n" > hpj
  for (f = 0; f < files; f++) printf "part%d.rtf\r\n", f > hpj
  printf "\r\n[MAP]\r\n" > hpj
  for (t = 0; t < topics; t++) printf "IDH_T%d\t%d\r\n", t, t + 1 > hpj
  close(hpj)
  for (f = 0; f < files; f++) {
    rtf = dir "/part" f ".rtf"
    printf "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n" > rtf
    first = f * per_file
    last = first + per_file < topics ? first + per_file : topics
    for (t = first; t < last; t++) {
      if (t > first) printf "\\page\r\n" > rtf
      printf "{\\super #}{\\footnote {\\super #} IDH_T%d}\r\n", t > rtf
      printf "{\\super $}{\\footnote {\\super $} Topic number %d}\r\n", t > rtf
      printf "{\\super K}{\\footnote {\\super K} subject %d;group %d;everything}\r\n", t, t % 50 > rtf
      printf "{\\super +}{\\footnote {\\super +} main:%05d}\r\n", t > rtf
      printf "\\pard\\b\\fs28 Topic number %d\\b0\\fs20\\par\r\n", t > rtf
      for (p = 0; p < 4; p++) {
        j = int(rand() * topics)
        printf "\\pard Lorem ipsum dolor sit amet, consectetur adipiscing elit; see {\\uldb topic %d}{\\v IDH_T%d} ", j, j > rtf
        printf "and {\\ul a pop-up}{\\v IDH_T%d}, sed do eiusmod tempor incididunt ut labore.\\par\r\n", int(rand() * topics) > rtf
      }
    }
    printf "}\r\n" > rtf
    close(rtf)
  }
}'
echo "$topics topics in $(ls "$dir"/part*.rtf | wc -l) topic files, $(du -sh "$dir" | cut -f1), in $dir"
