#include "rtf/destinations.h"

#include <algorithm>
#include <iterator>

namespace rtf {

namespace {

constexpr std::string_view kTransparent[] = {
    "field", "fldrslt", "object", "result", "shp", "shppict", "shprslt", "upr"};

constexpr std::string_view kSkipped[] = {
    "aftncn",   "aftnsep",   "aftnsepc",  "annotation", "atnauthor", "atnid",    "author",
    "background", "bkmkend", "bkmkstart", "buptim",     "comment",   "creatim",  "datastore",
    "do",       "doccomm",   "docvar",    "filetbl",    "fldinst",   "footer",   "footerf",
    "footerl",  "footerr",   "ftncn",     "ftnsep",     "ftnsepc",   "generator", "header",
    "headerf",  "headerl",   "headerr",   "keywords",   "latentstyles", "listtext", "nonshppict",
    "objclass", "objdata",   "operator",  "pgdsctbl",   "pntext",    "pntxta",   "pntxtb",
    "printim",  "private",   "revtbl",    "revtim",     "rsidtbl",   "rxe",      "shpinst",
    "subject",  "tc",        "template",  "title",      "txe",       "userprops", "xe"};

}  // namespace

bool is_transparent_destination(std::string_view name) {
  return std::find(std::begin(kTransparent), std::end(kTransparent), name) != std::end(kTransparent);
}

bool is_skipped_destination(std::string_view name) {
  return std::find(std::begin(kSkipped), std::end(kSkipped), name) != std::end(kSkipped);
}

}  // namespace rtf
