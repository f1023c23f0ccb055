// Keyword databases (.kdb): records read for the keyword lists and the
// look-up of topics by keyword.
#include <algorithm>
#include <cstdlib>

#include "aids/keyword_files.h"
#include "aids/keyword_list.h"
#include "aids/keyword_search.h"
#include "aids/keyword_update.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view database = fuzz::as_text(data, size);
  aids::ForEachLine(database, [](std::string_view line, std::size_t) {
    if (aids::IsDeletedRecord(line)) return;
    const aids::KeywordRecord record = aids::ParseRecord(line);
    aids::KeywordItems(record.keywords);
  });
  const auto keywords = aids::DatabaseKeywords(database);
  std::string wanted;
  for (std::size_t i = 0; i < keywords.size() && i < 3; ++i) wanted += keywords[i] + ";";
  aids::FindTopicsInDatabase(database, wanted);
  aids::FindTopicsInDatabase(database, "print;;a");

  // Edits in place keep the database's length: other records stay where
  // they are.
  std::string context;
  aids::ForEachLine(database, [&](std::string_view line, std::size_t) {
    if (context.empty()) context = std::string(aids::ParseRecord(line).context);
  });
  std::string edited(database);
  std::vector<std::string> removed(keywords.begin(), keywords.begin() + std::min<std::size_t>(keywords.size(), 2));
  aids::BlankRemovedKeywords(edited, context, removed);
  if (edited.size() != database.size()) std::abort();
  aids::MarkRecordsDeleted(edited, context);
  if (edited.size() != database.size()) std::abort();
  return 0;
}
