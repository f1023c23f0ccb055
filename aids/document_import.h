// "DLG_IMPORT_DOC": bringing an existing document into the project. The
// dialog names the document, the heading style whose paragraphs start new
// topics and four choices for the macros that cut the document into topics.
// The document joins the project's topic files at once, the documents the
// macros save from it join without being asked about, and the keyword
// indexes are marked out of date.
#pragma once
#include <cstdint>
#include <string>

namespace aids {
struct AidsState;
}

namespace aids {

// Choices written as digits into the 5-character buffer (terminator included).
inline constexpr int kImportChoices = 4;

struct ImportRequest {
  std::string document;  // in: a proposal; out: the document to import
  std::string style;     // out: the heading style that starts a topic
  std::string choices;   // out: four digits, boxes 104-107
};

// 1 after OK with the request filled, 0 on Cancel.
int ImportDocumentCommand(AidsState& state, std::int32_t window, ImportRequest& request);

}  // namespace aids
