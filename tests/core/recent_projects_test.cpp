#include "core/recent_projects.h"

#include <gtest/gtest.h>

TEST(RecentProjects, OpenedProjectComesFirstAndEntriesStayWhole) {
  auto entries = core::parse_project_list("c:\\a\\one.hpj; *\\samples\\two.hpj;;c:\\b\\three.hpj;");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(core::resolve_project_entry(entries[1], "c:\\trvwck"), "c:\\trvwck\\samples\\two.hpj");
  // The opened project is not listed twice, even when written relative or in other case.
  EXPECT_EQ(core::project_list_with_first(entries, "C:\\TRVWCK\\SAMPLES\\TWO.HPJ", "c:\\trvwck"),
            "C:\\TRVWCK\\SAMPLES\\TWO.HPJ;c:\\a\\one.hpj;c:\\b\\three.hpj;");
  // Entries that would overflow the setting are dropped whole, never cut.
  std::vector<std::string> many(300, "c:\\projects\\long\\project.hpj");
  std::string list = core::project_list_with_first(many, "c:\\new.hpj", "c:\\trvwck");
  EXPECT_LT(list.size(), 1999u);
  EXPECT_EQ(list.back(), ';');
  EXPECT_EQ((list.size() - 11) % 29, 0u);  // "c:\new.hpj;" then whole 29-byte entries
}
