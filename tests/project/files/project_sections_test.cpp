// Section replacement in projects that Help Workshop also edits, and the
// section helpers other commands use.
#include "core/messages.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "project/files/project_file.h"
#include "project/files/project_update.h"
#include "project/project_fixture.h"

namespace {

using tw_test::ProjectFixture;

class SectionTest : public ProjectFixture {
 protected:
  const std::string hpj = "c:\\gadget\\gadget.hpj";
  std::string original;

  void SetUp() override {
    ProjectFixture::SetUp();
    original = fixture("hcw95.hpj");
    use_project(hpj, original);
    state.win95_compiler = 1;
    ASSERT_EQ(project::ReadProjectFile(state), 1);
  }
  // The original text up to the given section header.
  std::string original_before(const std::string& header) {
    return original.substr(0, original.find(header));
  }
};

TEST_F(SectionTest, Windows95ProjectIsReadWithoutTouchingHelpWorkshopLines) {
  const auto& m = state.data.project;
  EXPECT_EQ(m.title, "Gadget Help");
  EXPECT_EQ(m.bitmap_roots, "c:\\gadget\\bmp,c:\\gadget\\more");
  EXPECT_EQ(m.map_include, "cntxmap.h");
  EXPECT_TRUE(m.browse_buttons);
  ASSERT_EQ(state.data.windows.size(), 2u);
  EXPECT_EQ(state.data.windows[1].name, "proc1");
}

TEST_F(SectionTest, FilesSectionIsReplacedAtTheEndInTheFilesLineEnding) {
  state.topic_files.add("second.rtf");
  ASSERT_EQ(project::ReplaceProjectSection(state, project::SectionKind::files), 1);
  const std::string out = text_of(hpj);
  const std::string rest = original.substr(original.find("[MAP]"));
  EXPECT_EQ(out, original_before("[FILES]") + rest + "\r\n[FILES]\r\ngadget.rtf\r\nsecond.rtf\r\n");
  EXPECT_FALSE(tw_test::exists(host("c:\\gadget\\gadget.twb")));
}

// A Help Workshop project kept with LF line ends and comments in [FILES]:
// the replaced section keeps both.
TEST_F(SectionTest, FilesReplacementKeepsCommentsAndLineEnds) {
  use_project(hpj, "[OPTIONS]\nLCID=0x409 0x0 0x0\n\n[FILES]\n; the welcome pages\ngadget.rtf\n"
                   "; retired\nold.rtf\n\n[MAP]\n#include cntxmap.h\n");
  state.topic_files.clear();
  state.topic_files.add("gadget.rtf");
  state.topic_files.add("second.rtf");
  ASSERT_EQ(project::ReplaceProjectSection(state, project::SectionKind::files), 1);
  EXPECT_EQ(text_of(hpj), "[OPTIONS]\nLCID=0x409 0x0 0x0\n\n[MAP]\n#include cntxmap.h\n\n[FILES]\n"
                          "; the welcome pages\ngadget.rtf\nsecond.rtf\n; retired\n");
}

// Files named .hpj that are no help project: neither read nor written over,
// by any of the writers, and the user is told what they are.
TEST_F(SectionTest, FileThatIsNoHelpProjectIsNeverWrittenOver) {
  const std::string utf16("\xFF\xFE[\0O\0P\0T\0I\0O\0N\0S\0]\0\r\0\n\0", 22);
  use_project(hpj, utf16);
  state.data.project.title = "Kept";
  EXPECT_EQ(project::ReadProjectFile(state), 0);
  EXPECT_EQ(state.data.project.title, "Kept");
  EXPECT_EQ(project::ReplaceProjectSection(state, project::SectionKind::files), 0);
  EXPECT_EQ(project::RemoveSection(hpj, "OPTIONS"), 0);
  const project::ProjectFileModel before = state.data.project;
  state.data.project.title = "Changed";
  EXPECT_EQ(project::StoreProjectOptions(state, before), 0);  // Help Workshop's key by key
  state.win95_compiler = 0;
  EXPECT_EQ(project::WriteProjectFile(state, 0, hpj), 0);
  EXPECT_EQ(text_of(hpj), utf16);
  EXPECT_FALSE(tw_test::exists(host("c:\\gadget\\gadget.twb")));
  ASSERT_EQ(ui().transcript().size(), 4u);
  EXPECT_EQ(ui().transcript()[0],
            "message \"gadget.hpj is not a help project file, so it was neither read nor changed.  "
            "Open or create a help project (.hpj) file instead.\" caption=\"Tarvenwick\" icon=stop -> OK "
            "(default)");
}

TEST_F(SectionTest, ConfigReplacementAddsTheDocumentOnlyExclusionOnce) {
  state.options.doc_only_tags = project::kDocOnlyRequested;
  state.data.project.config_macros = "BrowseButtons();JI(`a.hlp', `x;y')";
  ASSERT_EQ(project::ReplaceProjectSection(state, project::SectionKind::config), 1);
  EXPECT_EQ(state.options.doc_only_tags, project::kDocOnlyWritten);
  std::string out = text_of(hpj);
  EXPECT_NE(
      out.find("\r\n[CONFIG]\r\nBrowseButtons()\r\nJI(`a.hlp', `x:y')\r\n[EXCLUDE]\r\nDOC_ONLY\r\n"),
      std::string::npos);
  state.options.doc_only_tags = project::kDocOnlyRequested;
  ASSERT_EQ(project::ReplaceProjectSection(state, project::SectionKind::config), 1);
  out = text_of(hpj);
  EXPECT_EQ(out.find("[EXCLUDE]"), out.rfind("[EXCLUDE]"));
  EXPECT_EQ(out.find("[CONFIG]"), out.rfind("[CONFIG]"));
}

TEST_F(SectionTest, MapReplacementKeepsNameAndNumberLines) {
  use_project(hpj, "[OPTIONS]\nTITLE=x\n[MAP]\n#include <old.h>\nIDH_a 5\n\n[WINDOWS]\n");
  state.data.project.map_include = "cntxmap.h";
  state.data.project.extra_includes = " more.h ,";
  ASSERT_EQ(project::ReplaceProjectSection(state, project::SectionKind::map), 1);
  EXPECT_EQ(text_of(hpj),
            "[OPTIONS]\nTITLE=x\n[WINDOWS]\n\n[MAP]\n#include <cntxmap.h>\n"
            "#include <more.h>\nIDH_a 5\n\n");
}

TEST_F(SectionTest, AliasIsOnlyReplacedOnceTheAliasEditorOwnsIt) {
  EXPECT_EQ(project::ReplaceProjectSection(state, project::SectionKind::alias), 1);
  EXPECT_EQ(text_of(hpj), original);
  state.data.project.alias_taken_over = true;
  state.data.project.alias_lines = "IDH_a=IDH_b\n";
  ASSERT_EQ(project::ReplaceProjectSection(state, project::SectionKind::alias), 1);
  EXPECT_EQ(text_of(hpj), original + "\r\n[ALIAS]\r\nIDH_a=IDH_b\r\n");
}

TEST_F(SectionTest, RemoveAndCopySection) {
  use_project(hpj, "[A]\nx=1\n[bitmaps]\none.bmp\n#include <b.lst>\n[C]\n");
  std::string out;
  EXPECT_EQ(project::CopySection(hpj, "BITMAPS", out, 0), 1);
  EXPECT_EQ(out, "one.bmp\n");
  EXPECT_EQ(project::CopySection(hpj, "BITMAPS", out, 1), 1);
  EXPECT_EQ(out, "#include <b.lst>\n");
  EXPECT_EQ(project::CopySection(hpj, "Bitmaps", out, 2), 1);
  EXPECT_EQ(out, "[bitmaps]\none.bmp\n#include <b.lst>\n");
  EXPECT_EQ(project::CopySection(hpj, "MISSING", out, 2), 0);
  EXPECT_EQ(project::RemoveSection(hpj, "BITMAPS"), 1);
  EXPECT_EQ(text_of(hpj), "[A]\nx=1\n[C]\n");
}

// Lists a project's window names into the combo box of a real dialog.
class WindowNamesProc : public ui::DialogProc {
 public:
  WindowNamesProc(std::string path, int mode) : path_(std::move(path)), mode_(mode) {}
  void on_init(ui::Dialog& dialog) override {
    constexpr int kCombo = 106;
    dialog.clear_items(kCombo);
    count = project::ListWindowNames(dialog, kCombo, path_, mode_);
    for (int i = 0; i < dialog.item_count(kCombo); ++i) names.push_back(dialog.item_text(kCombo, i));
    dialog.end(1);
  }
  int count = 0;
  std::vector<std::string> names;

 private:
  std::string path_;
  int mode_;
};

TEST_F(SectionTest, WindowNamesComeFromWindowsOrPopups) {
  use_project(hpj,
              "[WINDOWS]\n; comment\nside=\"Side\",,,,,0\nmain=\"M\"\n#x\n[POPUPS]\ntip,\"Tip\"\n");
  WindowNamesProc windows(hpj, 0);
  ui::host().run_modal(core::authoring_module(), "DLG_MORE_OPT2", windows, 0);
  EXPECT_EQ(windows.names, (std::vector<std::string>{"main", "side"}));
  WindowNamesProc popups(hpj, 1);
  ui::host().run_modal(core::authoring_module(), "DLG_MORE_OPT2", popups, 0);
  EXPECT_EQ(popups.names, std::vector<std::string>{"tip"});
}

}  // namespace
