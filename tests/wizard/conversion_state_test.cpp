// Loading everything a conversion needs: the project's location (quick and
// batch modes), the derived values, and the other programs' settings.
#include "wizard/conversion_state.h"

#include "support/test_support.h"
#include "wizard/project_file.h"

namespace wizard {
namespace {

class ConversionStateTest : public tw_test::Fixture {
 protected:
  void write_ini(std::string_view name, std::string_view text) {
    tw_test::write_file(file("windows/" + std::string(name)), text);
  }
  ConversionState load() {
    ConversionState state;
    load_conversion_state(state);
    return state;
  }
};

TEST_F(ConversionStateTest, NothingConfiguredGivesDefaults) {
  ConversionState state = load();
  EXPECT_EQ(state.library, LibrarySettings{});
  EXPECT_EQ(state.library.browser.run, 1);
  EXPECT_EQ(state.library.project.dll_version, 2);
  EXPECT_EQ(state.converter, ConverterSettings{});
  EXPECT_EQ(state.location.project_file, "");
  EXPECT_EQ(state.project, ProjectSettings{});
  EXPECT_EQ(state.derived.toc_page_name, "twztoc.htm");
  EXPECT_EQ(state.derived.index_page_name, "lfcindx.htm");
  EXPECT_FALSE(save_project(state));
  EXPECT_FALSE(tw_test::exists(file("windows/lfcqwk.ini")));
}

TEST_F(ConversionStateTest, ProjectNamedByTheLibrarySettings) {
  write_ini("twzhtml.ini", "[Project]\r\nproj=c:\\pubs\\guide.lfc\r\n");
  write_ini("TRVWCK6.INI", "[TARVENWICK]\r\nPROJECT=c:\\help\\guide.hpj\r\n");
  tw_test::write_file(file("pubs/guide.lfc"), "[Settings]\r\ntct=Guide Contents\r\n");
  ConversionState state = load();
  EXPECT_FALSE(state.location.quick);
  EXPECT_EQ(state.location.project_file, "c:\\pubs\\guide.lfc");
  EXPECT_EQ(state.location.output_location, "c:\\pubs\\guide.lfc");
  EXPECT_EQ(state.derived.output_directory, "c:\\pubs");
  EXPECT_EQ(state.project.settings.tct, "Guide Contents");
  EXPECT_EQ(state.authoring.project, "c:\\help\\guide.hpj");
}

TEST_F(ConversionStateTest, QuickModeUsesTheQuickProjectAndOutput) {
  write_ini("twzhtml.ini",
            "[Project]\r\nproj=c:\\pubs\\guide.lfc\r\nquick output=c:\\out\\quick.htm\r\n"
            "[VAR]\r\nquick=1\r\n");
  write_ini("lfcqwk.ini", "[Settings]\r\ntct=Quick Contents\r\nuniquenames=1\r\n");
  tw_test::write_file(file("pubs/guide.lfc"), "[Settings]\r\ntct=Guide Contents\r\n");
  ConversionState state = load();
  EXPECT_TRUE(state.location.quick);
  EXPECT_EQ(state.location.project_file, "lfcqwk.ini");
  EXPECT_EQ(state.location.output_location, "c:\\out\\quick.htm");
  EXPECT_EQ(state.derived.output_directory, "c:\\out");
  EXPECT_EQ(state.project.settings.tct, "Quick Contents");
  EXPECT_EQ(state.derived.index_page_name, "lfcqwk_lfcindx.htm");
  // The save goes to the quick project too.
  state.project.settings.ixt = "Quick Index";
  ASSERT_TRUE(save_project(state));
  EXPECT_EQ(read_project_settings("lfcqwk.ini").settings.ixt, "Quick Index");
  EXPECT_EQ(read_project_settings("c:\\pubs\\guide.lfc").settings.ixt, "Index");
}

TEST_F(ConversionStateTest, BatchModePrefixesFrameAndIndexNames) {
  write_ini("twzhtml.ini", "[Project]\r\nproj=c:\\pubs\\Guide.v2.lfc\r\n");
  write_ini("lfc.ini", "[project]\r\nbatchmode=1\r\nproj=other.lfc\r\n");
  ConversionState state = load();
  EXPECT_TRUE(state.location.batch_mode);
  EXPECT_EQ(state.converter.proj, "other.lfc");
  EXPECT_EQ(state.derived.index_page_name, "Guide.v2_lfcindx.htm");
  EXPECT_EQ(state.derived.frame_page_name, "Guide.v2_twzfrm.htm");
  EXPECT_EQ(state.derived.toc_page_name, "twztoc.htm");  // the TOC page is never prefixed
}

TEST_F(ConversionStateTest, HtmlHelpModeForcesTocLevels) {
  write_ini("twzhtml.ini", "[Project]\r\nproj=c:\\hh.lfc\r\n");
  tw_test::write_file(file("hh.lfc"),
                      "[HTMLHELP]\r\nuse_htmlhelp=1\r\n[Settings]\r\ngtinct=1\r\ngtmax=2\r\n"
                      "frm=1 1 0 30 30 f.htm\r\n");
  ConversionState state = load();
  EXPECT_EQ(state.project.settings.gtinct, 0);
  EXPECT_EQ(state.project.settings.gtmax, 8);
  EXPECT_EQ(state.derived.main_frame_target, "MAIN_FRAME");
  EXPECT_EQ(state.derived.toc_frame_target, " TARGET=\"TOC_FRAME\"");
}

TEST(DerivedSettings, FrameTargets) {
  ProjectSettings p;
  ProjectLocation at;
  EXPECT_EQ(derive_settings(p, at).toc_frame_target, "");
  EXPECT_EQ(derive_settings(p, at).main_frame_target, "");
  p.settings.frm.in_frame = 1;
  EXPECT_EQ(derive_settings(p, at).toc_frame_target, " TARGET=\"TOC_FRAME\"");
  EXPECT_EQ(derive_settings(p, at).main_frame_target, " TARGET=\"MAIN_FRAME\"");
}

TEST(DerivedSettings, UniqueNamesUseTheProjectStem) {
  ProjectSettings p;
  p.settings.uniquenames = 1;
  p.settings.ixfn = "keys.htm";
  ProjectLocation at{"c:\\pubs/My Guide.lfc", "c:\\pubs/My Guide.lfc"};
  DerivedSettings d = derive_settings(p, at);
  EXPECT_EQ(d.index_page_name, "My Guide_keys.htm");
  EXPECT_EQ(d.frame_page_name, "My Guide_twzfrm.htm");
  EXPECT_EQ(d.output_directory, "c:\\pubs");
  p.settings.uniquenames = 0;
  EXPECT_EQ(derive_settings(p, at).index_page_name, "keys.htm");
}

TEST(DerivedSettings, LongDocumentSwitchNeedsAllThreeSettings) {
  ProjectSettings p;
  p.settings.ltmin = 3;
  p.settings.longdoc = {0, 1, 0, 0};  // the flag of level 3
  EXPECT_TRUE(derive_settings(p, {}).long_document);
  p.settings.tocset.long_doc_enable = 0;
  EXPECT_FALSE(derive_settings(p, {}).long_document);
  p.settings.tocset.long_doc_enable = 1;
  p.settings.ltmin = 2;
  EXPECT_FALSE(derive_settings(p, {}).long_document);
  p.settings.ltmin = 1;
  p.settings.longdoc = {1, 1, 1, 1};
  EXPECT_FALSE(derive_settings(p, {}).long_document);
  p.settings.ltmin = 6;
  EXPECT_FALSE(derive_settings(p, {}).long_document);
}

TEST_F(ConversionStateTest, LibrarySaveKeepsKeysSetByOthers) {
  write_ini("twzhtml.ini",
            "[Project]\r\nDLL Version =3\r\n[Settings]\r\nw2kflag=1\r\n"
            "[Browser]\r\nshell=\"c:\\web\\browser.exe\" %1\r\n[LFC]\r\nMain Dir=c:\\lfc\r\n");
  LibrarySettings s = read_library_settings();
  EXPECT_EQ(s.project.dll_version, 3);
  EXPECT_EQ(s.settings.w2kflag, 1);
  EXPECT_EQ(s.browser.shell, "\"c:\\web\\browser.exe\" %1");
  EXPECT_EQ(s.lfc.main_dir, "c:\\lfc");
  s.project.dll_version = 9;
  s.settings.w2kflag = 0;
  s.browser.shell.clear();
  s.lfc.main_dir.clear();
  s.locations.proj_list = "c:\\a.lfc;c:\\b.lfc;";
  s.browser.def = 2;
  ASSERT_TRUE(write_library_settings(s));
  LibrarySettings back = read_library_settings();
  EXPECT_EQ(back.project.dll_version, 3);
  EXPECT_EQ(back.settings.w2kflag, 1);
  EXPECT_EQ(back.browser.shell, "\"c:\\web\\browser.exe\" %1");
  EXPECT_EQ(back.lfc.main_dir, "c:\\lfc");
  EXPECT_EQ(back.locations.proj_list, "c:\\a.lfc;c:\\b.lfc;");
  EXPECT_EQ(back.browser.def, 2);
}

}  // namespace
}  // namespace wizard
