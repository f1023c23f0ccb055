// Reading and writing help project files: the three forms, real projects
// written by hand and by Help Workshop, and what a regeneration keeps.
#include "project/files/project_file.h"

#include "platform/files.h"
#include "platform/text.h"
#include "project/project_fixture.h"

namespace {

using tw_test::ProjectFixture;

class ProjectFileTest : public ProjectFixture {
 protected:
  const std::string hpj = "c:\\widgets\\help\\widgets.hpj";

  void load_legacy() {
    use_project(hpj, fixture("legacy31.hpj"));
    state.settings.bitmap_dir = "c:\\trvwck\\TW_BMAPS";
    ASSERT_EQ(project::ReadProjectFile(state), 1);
  }
  // The model as the writer sees it: two models that render alike are alike.
  std::string canonical() {
    project::WriteExtras none;
    return project::render_project_file(state.data, state.topic_files, project::form_context(state),
                                        none);
  }
};

TEST_F(ProjectFileTest, HandWrittenProjectLoadsEveryPart) {
  load_legacy();
  const auto& m = state.data.project;
  EXPECT_EQ(m.title, "Widget Manager Help");
  EXPECT_EQ(m.contents_topic, "IDH_contents");
  EXPECT_EQ(m.warning_level, 2);
  EXPECT_EQ(m.compression, 2);
  EXPECT_FALSE(m.old_keyphrase);
  EXPECT_TRUE(m.cdrom);
  EXPECT_EQ(m.root, "c:\\widgets\\help,c:\\widgets\\shared");
  EXPECT_EQ(m.bitmap_roots, "c:\\widgets\\art,c:\\trvwck\\TW_BMAPS\\std_bmps");
  EXPECT_EQ(m.copyright, "\xA9 1994 Widget Works");
  EXPECT_EQ(m.multikey_chars, "L");
  EXPECT_EQ(m.extra_options, "REPORT=ON\nMAPFONTSIZE=8-10:12\n");
  ASSERT_EQ(state.topic_files.count(), 3);
  EXPECT_EQ(state.topic_files.name(0), "INTRO.RTF");
  EXPECT_EQ(state.topic_files.name(1), "Tasks\\TASKS.RTF");
  EXPECT_EQ(state.topic_files.name(2), "glossary.rtf");
  EXPECT_EQ(m.other_file_lines, std::vector<std::string>{"#include <morefiles.lst>"});
  EXPECT_EQ(m.bitmap_files, (std::vector<std::string>{"logo.bmp", "shot1.shg"}));
  EXPECT_EQ(m.map_include, "cntxmap.h");
  EXPECT_EQ(m.extra_includes, "errors.h");
  EXPECT_EQ(state.data.build_tags, (std::vector<std::string>{"WIN", "DRAFT"}));
}

TEST_F(ProjectFileTest, ConfigLinesBecomeMacrosFlagsAndComments) {
  load_legacy();
  const auto& m = state.data.project;
  EXPECT_TRUE(m.browse_buttons);
  EXPECT_EQ(m.register_lines, "RegisterRoutine(\"sndplay.dll\", \"Play\", \"S\")");
  EXPECT_EQ(m.config_macros,
            "RegisterRoutine(\"sndplay.dll\", \"Play\", \"S\");"
            "CreateButton(\"btn_up\", \"&Up\", \"JumpId(`widgets.hlp', `IDH_contents')\");"
            "CB(`btn_tip', `&Tip', `JI(`tips.hlp', `IDH_tip');PW(0,0,512,512,0,`main')')");
  EXPECT_EQ(m.format_comments, "; @DF [sndplay.Play(file)] {plays a sound} <snd.hlp>;\n");
}

TEST_F(ProjectFileTest, WindowsKeepPositionsColoursAndEveryDefinition) {
  load_legacy();
  const auto& w = state.data.windows;
  ASSERT_EQ(w.size(), 8u);  // more than the window editor adds, none dropped
  EXPECT_EQ(w[0].name, "main");
  EXPECT_EQ(w[0].caption, "Widget Manager Help");
  EXPECT_EQ(w[0].width, 1023);
  EXPECT_EQ(w[0].main_colour, 255 | (255 << 8) | (226 << 16));
  EXPECT_EQ(w[1].name, "glossary");
  EXPECT_EQ(w[1].x, 512);
  EXPECT_EQ(w[1].nonscroll_colour, project::kNoColour);
  EXPECT_EQ(w[1].on_top, 1);
  EXPECT_EQ(w[2].name, "note");
  EXPECT_EQ(w[2].x, project::kNoPosition);
  EXPECT_EQ(w[2].main_colour, 255 | (255 << 8));
  EXPECT_EQ(w[6].name, "w7");
  EXPECT_EQ(w[7].name, "w8");
}

TEST_F(ProjectFileTest, RegenerationKeepsCarriedSectionsAndRoundTrips) {
  load_legacy();
  const std::string before = canonical();
  ASSERT_EQ(project::WriteProjectFile(state, 0, hpj), 1);
  const std::string written = crlf_text_of(hpj);  // the file's own CR LF throughout
  for (const char* kept :
       {"[Alias]\nIDH_old_intro=IDH_intro   ; renamed in 1995\nIDH_start=IDH_intro\n",
        "[MAP]\n#include <cntxmap.h>\n#include <errors.h>\nIDH_intro   10\n"
        "IDH_tasks   20   ; tasks topic\n",
        "[Baggage]\nwidgets.dat\nsounds.wav\n", "shot1.shg\n#include <art.lst>\n",
        "glossary.rtf\n#include <morefiles.lst>\n", "REPORT=ON\n"}) {
    EXPECT_NE(written.find(kept), std::string::npos) << kept;
  }
  EXPECT_EQ(written.find("[Macros]"), std::string::npos);
  EXPECT_FALSE(tw_test::exists(host("c:\\widgets\\help\\widgets.twb")));

  state.topic_files.clear();
  ASSERT_EQ(project::ReadProjectFile(state), 1);
  EXPECT_EQ(canonical(), before);
  ASSERT_EQ(project::WriteProjectFile(state, 0, hpj), 1);
  EXPECT_EQ(crlf_text_of(hpj), written);
}

class ProjectFormTest : public ProjectFixture {
 protected:
  const std::string hpj = "c:\\help\\sample.hpj";

  void SetUp() override {
    ProjectFixture::SetUp();
    platform::create_directories(hpj.substr(0, hpj.rfind('\\')));
    state.project_path = hpj;
    auto& m = state.data.project;
    m.title = "Sample";
    m.contents_topic = "IDH_contents";
    m.compression = 1;
    m.old_keyphrase = true;
    m.copyright = "\xA9 2024 Sample";
    m.citation = "From Sample";
    m.build_expression = "WIN";
    m.bitmap_files = {"pic.bmp", "folder\\"};
    m.browse_buttons = true;
    m.config_macros = "CB(`btn_up', `&Up', `Back();Back()');SetContents(`sample.hlp', 10)";
    state.options.doc_only_tags = 1;
    state.data.build_tags = {"WIN"};
    state.topic_files.add("a.rtf");
    state.topic_files.add("sub\\b.rtf");
    state.data.windows[0].caption = "Sample";
    project::WindowRecord side;
    side.name = "side";
    side.caption = "Side";
    side.x = 512, side.y = 0, side.width = 511, side.height = 700, side.show_state = 1;
    side.main_colour = 255 | (255 << 8) | (226 << 16);
    side.on_top = 1;
    state.data.windows.push_back(side);
  }
};

TEST_F(ProjectFormTest, Windows31FileIsWrittenLineByLine) {
  ASSERT_EQ(project::WriteProjectFile(state, 0, hpj), 1);
  // A new file: CR LF ends every line, [FILES] like the others.
  EXPECT_EQ(crlf_text_of(hpj),
            ";\n[OPTIONS]\nROOT=c:\\help\nERRORLOG=c:\\help\\sample.log\nTITLE=Sample\n"
            "CONTENTS=IDH_contents\nWARNING=3\nOLDKEYPHRASE=YES\nCOMPRESS=MEDIUM\n"
            "COPYRIGHT=\xB8 2024 Sample\n;\nCITATION=From Sample\n;\nBUILD=WIN& ~DOC_ONLY\n;\n"
            "ICON=\n;\n"
            ";\n[BUILDTAGS]\nDOC_ONLY\nWIN\n"
            ";\n[FILES]\na.rtf\nsub\\b.rtf\n"
            ";\n[BITMAPS]\npic.bmp\n"
            ";\n[CONFIG]\nBrowseButtons()\nCB(`btn_up', `&Up', `Back():Back()')\n"
            "SetContents(`sample.hlp', 10)\n"
            ";\n[WINDOWS]\nmain=\"Sample\",,,,,0\n"
            "side=\"Side\",(512, 0, 511, 700),1,(255, 255, 226),,1\n");
}

TEST_F(ProjectFormTest, QuotedSemicolonsAndCopyrightSignSurviveARoundTrip) {
  ASSERT_EQ(project::WriteProjectFile(state, 0, hpj), 1);
  const auto model = state.data.project;
  state.data.project = {};
  state.project_set = true;
  ASSERT_EQ(project::ReadProjectFile(state), 1);
  EXPECT_EQ(state.data.project.config_macros, model.config_macros);
  EXPECT_EQ(state.data.project.copyright, model.copyright);
  EXPECT_EQ(state.data.project.build_expression, "WIN& ~DOC_ONLY");
  // An expression that names DOC_ONLY already is not extended again.
  ASSERT_EQ(project::WriteProjectFile(state, 0, hpj), 1);
  EXPECT_NE(crlf_text_of(hpj).find("\nBUILD=WIN& ~DOC_ONLY\n;\n"), std::string::npos);
}

TEST_F(ProjectFormTest, Windows30FormLeavesOutWhatItsCompilerLacks) {
  state.compiler_kind = 2;
  state.data.project.icon = "app.ico";
  state.data.project.language = "scandinavian";
  ASSERT_EQ(project::WriteProjectFile(state, 0, hpj), 1);
  const std::string out = crlf_text_of(hpj);
  EXPECT_NE(out.find("\nINDEX=IDH_contents\n"), std::string::npos);
  EXPECT_NE(out.find("\nCOMPRESS=TRUE\n"), std::string::npos);
  for (const char* absent : {"ERRORLOG", "CONTENTS=", "COPYRIGHT", "CITATION", "ICON", "OPTCDROM",
                             "LANGUAGE", "[CONFIG]", "[BAGGAGE]"}) {
    EXPECT_EQ(out.find(absent), std::string::npos) << absent;
  }
  state.data.project.compression = 0;
  ASSERT_EQ(project::WriteProjectFile(state, 0, hpj), 1);
  EXPECT_NE(crlf_text_of(hpj).find("\nCOMPRESS=FALSE\n"), std::string::npos);
}

TEST_F(ProjectFormTest, Windows95FormWritesHelpWorkshopWindowsAndNoStockBitmaps) {
  state.win95_compiler = 1;
  state.settings.bitmap_dir = "c:\\trvwck\\TW_BMAPS";
  state.data.project.bitmap_roots = "c:\\art,c:\\trvwck\\TW_BMAPS\\std_bmps";
  ASSERT_EQ(project::WriteProjectFile(state, 0, hpj), 1);
  const std::string out = crlf_text_of(hpj);
  EXPECT_NE(out.find("\nBMROOT=c:\\art\n;\n"), std::string::npos);
  EXPECT_NE(out.find(";\n[WINDOWS]\nmain=\"Sample\",,28932,(r14876671),(r12632256),f2\n"
                     "proc1=\"Sample\",(653,102,360,600),20740,(r14876671),(r12632256),f3\n"),
            std::string::npos);
  EXPECT_EQ(out.find("[BITMAPS]"), std::string::npos);
}

TEST_F(ProjectFormTest, EmulationLinesAreWrittenOnceAndReadBackAsTheFlag) {
  state.data.project.emulation = true;
  ASSERT_EQ(project::WriteProjectFile(state, 0, hpj), 1);
  std::string out = crlf_text_of(hpj);
  EXPECT_NE(out.find("SetContents(`sample.hlp', 10)\nRR(\"tw95em.dll\", \"W95Stat\", \"UUUS\")\n"),
            std::string::npos);
  EXPECT_NE(out.find("CB(`btn_twzopt', `&Options', `FloatingMenu()')\nTWRestoreSize(0)\n;\n[WINDOWS]"),
            std::string::npos);
  const std::string macros = state.data.project.config_macros;
  state.data.project = {};
  ASSERT_EQ(project::ReadProjectFile(state), 1);
  EXPECT_TRUE(state.data.project.emulation);
  EXPECT_EQ(state.data.project.config_macros, macros);
  ASSERT_EQ(project::WriteProjectFile(state, 0, hpj), 1);
  EXPECT_EQ(crlf_text_of(hpj), out);
}

TEST_F(ProjectFormTest, SoundLibraryLinesAreAddedOnceFromTheSetting) {
  state.project_set = true;
  state.data.project.sound = true;
  state.settings.sound = "RR(`mmsystem.dll', `sndPlaySound', `SU')$SetHelpOnFile(`snd.hlp')";
  ASSERT_EQ(project::WriteProjectFile(state, 0, hpj), 1);
  const std::string out = crlf_text_of(hpj);
  EXPECT_NE(
      out.find("RR(`mmsystem.dll', `sndPlaySound', `SU')\nSetHelpOnFile(`snd.hlp')\n;\n[WINDOWS]"),
      std::string::npos);
  // The file was read back: the model knows the lines, the next write keeps them once.
  EXPECT_NE(state.data.project.config_macros.find("sndPlaySound"), std::string::npos);
  ASSERT_EQ(project::WriteProjectFile(state, 0, hpj), 1);
  const std::string again = crlf_text_of(hpj);
  EXPECT_EQ(again.find("sndPlaySound"), again.rfind("sndPlaySound"));
}

TEST_F(ProjectFormTest, NothingIsWrittenOverAProjectTheDataCannotVouchFor) {
  tw_test::write_file(host(hpj), "old");
  state.data.magic_ok = false;
  EXPECT_EQ(project::WriteProjectFile(state, 0, hpj), 0);
  state.data.magic_ok = true;
  state.data.loaded_topic_count = 3;  // topics were lost since the data file was read
  EXPECT_EQ(project::WriteProjectFile(state, 0, hpj), 0);
  EXPECT_EQ(text_of(hpj), "old");
}

TEST_F(ProjectFormTest, InvalidNameIsReportedWhenAWindowIsGiven) {
  EXPECT_EQ(project::WriteProjectFile(state, 7, "c:\\help\\bad|name.hpj"), 0);
  ASSERT_EQ(ui().transcript().size(), 1u);
  EXPECT_NE(ui().transcript()[0].find(
                "Unable to create c:\\help\\bad|name.hpj.  Check that filename is valid."),
            std::string::npos);
  EXPECT_EQ(project::WriteProjectFile(state, 7, "c:\\nowhere\\x.hpj"), 0);
}

TEST_F(ProjectFormTest, LockedProjectFileIsNotRead) {
  tw_test::write_file(host(hpj), fixture("legacy30.hpj"));
  platform::OpenStatus status;
  auto holder = platform::ExclusiveFile::open(hpj, platform::OpenMode::read, status);
  ASSERT_EQ(status, platform::OpenStatus::ok);
  EXPECT_EQ(project::ReadProjectFile(state), 0);
  ASSERT_EQ(ui().transcript().size(), 1u);
  EXPECT_NE(ui().transcript()[0].find("You must close the help project file before proceeding."),
            std::string::npos);
  EXPECT_EQ(state.data.project.title, "Sample");
}

TEST_F(ProjectFileTest, Windows30ProjectWithLowerCaseSectionsRoundTrips) {
  use_project("c:\\old\\old.hpj", fixture("legacy30.hpj"));
  state.compiler_kind = 2;
  ASSERT_EQ(project::ReadProjectFile(state), 1);
  EXPECT_EQ(state.data.project.contents_topic, "contents");
  EXPECT_EQ(state.data.project.compression, 2);
  ASSERT_EQ(state.topic_files.count(), 2);
  ASSERT_EQ(project::WriteProjectFile(state, 0, "c:\\old\\old.hpj"), 1);
  const std::string out = text_of("c:\\old\\old.hpj");
  // The file had LF line ends, and keeps them.
  EXPECT_NE(out.find("[FILES]\none.rtf\ntwo.rtf\n"), std::string::npos);
  // The old [map] had no includes: a Windows 3.0 file does not carry it.
  EXPECT_EQ(out.find("one 1"), std::string::npos);
  EXPECT_EQ(out.find("x.dat"), std::string::npos);
}

// A hand-kept project with relative paths and LF line ends: the rewrite
// keeps its line ends, its comments in their sections (before the entry
// they stood before, or at the section's end when that entry is gone) and
// its ROOT and ERRORLOG as written, since they name the same places.
TEST_F(ProjectFileTest, RelativeProjectKeepsItsPathsCommentsAndLineEnds) {
  const std::string path = "c:\\print\\printer.hpj";
  use_project(path, fixture("relative_lf.hpj"));
  ASSERT_EQ(project::ReadProjectFile(state), 1);
  EXPECT_EQ(state.data.project.map_include + "|" + state.data.project.extra_includes, "|ids.h");
  state.topic_files.clear();
  state.topic_files.add("setup.rtf");
  state.topic_files.add("tasks.rtf");
  ASSERT_EQ(project::WriteProjectFile(state, 0, path), 1);
  EXPECT_EQ(text_of(path),
            "; Printer guide, moved between machines: all paths are relative.\n"
            ";\n[OPTIONS]\n; the project folder itself\nROOT=.\nERRORLOG=.\\printer.log\n"
            "TITLE=Printer Guide\nWARNING=3\nCOMPRESS=OFF\nCOPYRIGHT=\n;\nCITATION=\n;\nICON=\n;\n"
            "; a comment beside nothing the regeneration keeps\n"
            ";\n[BUILDTAGS]\n"
            ";\n; topic files, in reading order\n[FILES]\n; chapter one\nsetup.rtf\ntasks.rtf\n"
            "; chapter two, dropped later\n; end of the files\n"
            ";\n[BITMAPS]\nart\\printer.bmp\n"
            ";\n[CONFIG]\n\n"
            ";\n[WINDOWS]\nmain=\"Printer Guide\",,,,,0\n"
            "[alias]\nIDH_install=IDH_setup\n"
            "[MAP]\n#include <ids.h>\nIDH_setup 10\n\n");
}

TEST_F(ProjectFileTest, MovedProjectGetsItsOwnPathsWhereTheOldOnesNameElsewhere) {
  const std::string path = "c:\\print\\printer.hpj";
  use_project(path, "[OPTIONS]\r\nROOT=c:\\old\r\nERRORLOG=..\\print\\printer.log\r\n");
  ASSERT_EQ(project::ReadProjectFile(state), 1);
  state.data.project.root = "c:\\print";
  ASSERT_EQ(project::WriteProjectFile(state, 0, path), 1);
  const std::string out = crlf_text_of(path);
  // ROOT named another folder: rewritten. ERRORLOG named this log: kept.
  EXPECT_NE(out.find("\nROOT=c:\\print\nERRORLOG=..\\print\\printer.log\n"), std::string::npos) << out;
}

}  // namespace
