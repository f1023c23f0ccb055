#include "host/options.h"

#include <string_view>

namespace host {

Options parse_options(int argc, char** argv) {
  Options o;
  int i = 1;
  for (; i < argc; ++i) {
    std::string_view a = argv[i];
    std::string* target = a == "--root" ? &o.root : a == "--script" ? &o.script
                        : a == "--transcript" ? &o.transcript : nullptr;
    if (!target) break;
    if (i + 1 >= argc) {
      o.error = std::string(a) + " needs a value";
      return o;
    }
    *target = argv[++i];
  }
  if (i >= argc) {
    o.error = "name a flow";
    return o;
  }
  o.flow = argv[i++];
  for (; i < argc; ++i) o.args.emplace_back(argv[i]);
  return o;
}

const char* usage() {
  return "usage: twhost [--root DIR] [--script FILE] [--transcript FILE] FLOW ARG...\n"
         "flows:\n"
         "  call EXPORT ARG...   call any export; integers as numbers, text buffers as s:TEXT\n"
         "                       (twzhtml:NAME picks the conversion library's export)\n"
         "  start                InitTW, then TWStartUp; prints the document to open\n"
         "  sample PROJECT.hpj   open the project and show where its files are\n"
         "  build PROJECT.hpj    InitTW, GenFiles, wait for the compile, ViewErrors; prints the log\n"
         "  report PROJECT.hpj   writes the topic report (twz_rpt.txt) and prints it\n"
         "  convert PROJECT.hpj --out DIR [--template NAME.lfc]\n"
         "                       marker files, their HTML export and registration\n"
         "  publish PROJECT.hpj --out DIR [--template NAME.lfc]\n"
         "                       convert, then ProcessFiles: a browsable site in DIR;\n"
         "                       prints the start page, the counts and a link check\n";
}

}  // namespace host
