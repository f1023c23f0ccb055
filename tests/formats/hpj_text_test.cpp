// The shared help project file reader: sections by exact name in any case,
// entries and includes, line ends, and telling project files from others.
#include "formats/hpj_text.h"

#include <gtest/gtest.h>

#include "formats/hpj_kind.h"
#include "formats/hpj_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace {

using Lines = std::vector<std::string>;

// Help Workshop's order with [BITMAPS] before [MAP], odd case, a BOM, CR LF.
const std::string kProject =
    "\xEF\xBB\xBF; hand-kept\r\n[options]\r\nTITLE = \"Gadget Help\"\r\nBMROOT=art ; pictures\r\n"
    "\r\n[BITMAPS]\r\nlogo.bmp\r\n[Files]\r\none.rtf ; first\r\n; two.rtf\r\n#include <more.lst>\r\n"
    "[FILESX]\r\nno.rtf\r\n[ map ]\r\n#include \"ctx.h\" ; ids\r\n#include <b.h>\r\n"
    ";#include <commented.h>\r\n#include plain.h\r\nIDH_x 5\r\n";

TEST(HpjText, SectionsMatchTheirExactNameWithoutRegardToCase) {
  const formats::HpjText hpj(kProject);
  EXPECT_EQ(hpj.line_end(), "\r\n");
  EXPECT_EQ(hpj.lines().front(), "; hand-kept");
  EXPECT_EQ(hpj.value("OPTIONS", "title"), "Gadget Help");
  EXPECT_EQ(hpj.section_entries("files"), (Lines{"one.rtf"}));
  EXPECT_EQ(hpj.section_entries("BITMAPS"), (Lines{"logo.bmp"}));
  EXPECT_EQ(hpj.section_includes("FILES"), (Lines{"more.lst"}));
  EXPECT_EQ(hpj.section_includes("MAP"), (Lines{"ctx.h", "b.h", "plain.h"}));
  EXPECT_FALSE(hpj.has_section("FILE"));
  EXPECT_TRUE(hpj.has_section("FILESX"));
  EXPECT_EQ(formats::remove_section_text("[A]\nx\n[b]\ny\n[a]\nz\n", "a"), "[b]\ny\n");
}

TEST(HpjText, IncludeNamesInEveryForm) {
  EXPECT_EQ(formats::include_name("#include <cntxmap.h>"), "cntxmap.h");
  EXPECT_EQ(formats::include_name("  #include \"sub dir\\errors.h\"  ; why"), "sub dir\\errors.h");
  EXPECT_EQ(formats::include_name("#include\tcntxmap.h ; bare"), "cntxmap.h");
  EXPECT_EQ(formats::include_name("#include <open.h"), "");
  EXPECT_EQ(formats::include_name("#include"), "");
}

TEST(HpjText, LineEndsAreMadeOne) {
  EXPECT_EQ(formats::with_line_ends("a\r\nb\nc\rd", "\r\n"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(formats::with_line_ends("a\r\n\r\nb\n", "\n"), "a\n\nb\n");
  EXPECT_EQ(formats::HpjText("[A]\nx\r\n").line_end(), "\n");
}

TEST(HpjKind, OnlyTextThatOpensASectionIsAProject) {
  EXPECT_TRUE(formats::is_help_project_text(""));
  EXPECT_TRUE(formats::is_help_project_text(kProject));
  EXPECT_TRUE(formats::is_help_project_text("\r\n; comment only\r\n"));
  EXPECT_FALSE(formats::is_help_project_text(std::string("\xFF\xFE[\0O\0]\0", 8)));
  EXPECT_FALSE(formats::is_help_project_text(std::string("\x89PNG\r\n\x1a\n\0\0", 10)));
  EXPECT_FALSE(formats::is_help_project_text("Notes for the manual.\r\n[OPTIONS]\r\n"));
  EXPECT_FALSE(formats::is_help_project_text("[unclosed\r\nTITLE=x\r\n"));
}

class HpjPaths : public tw_test::Fixture {};

TEST_F(HpjPaths, EntriesNameTheSamePlaceWhateverTheirForm) {
  platform::create_directories("c:\\Help\\Art");
  const std::string dir = "c:\\help";
  const std::string host_dir = platform::to_host_path(dir);
  EXPECT_TRUE(formats::same_folder_list(dir, ".", "c:\\help"));
  EXPECT_TRUE(formats::same_folder_list(dir, ".,art", "C:\\HELP\\,c:\\help\\sub\\..\\art,."));
  EXPECT_TRUE(formats::same_folder_list(dir, host_dir + "/art", "art"));
  EXPECT_FALSE(formats::same_folder_list(dir, ".,art", "art,."));
  EXPECT_FALSE(formats::same_folder_list(dir, "", "c:\\help"));
  EXPECT_TRUE(formats::same_project_entry(dir, ".\\h.log", "c:\\help\\H.LOG"));
  EXPECT_TRUE(formats::same_project_entry(dir, "..\\help\\h.log", host_dir + "/h.log"));
  EXPECT_FALSE(formats::same_project_entry(dir, "h.err", "c:\\help\\h.log"));
  EXPECT_FALSE(formats::same_project_entry(dir, "", "c:\\help\\h.log"));
}

}  // namespace
