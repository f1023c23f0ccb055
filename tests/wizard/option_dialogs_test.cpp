// The option dialogs: each edits its keys, refuses what it must, saves only
// what changed, and copies the graphics it names.
#include <memory>
#include <utility>
#include <vector>

#include "html/driver/messages.h"
#include "platform/files.h"
#include "resources/twzhtml/options.h"
#include "wizard/dialogs/colour_number_dialog.h"
#include "wizard/dialogs/option_dialog.h"
#include "wizard/dialogs/wizard_entry.h"
#include "wizard/project_file.h"
#include "wizard_fixture.h"

namespace wizard {
namespace {

class OptionDialogsTest : public tw_test::WizardFixture {
 protected:
  void SetUp() override {
    WizardFixture::SetUp();
    project_from("standard.lfc");
  }
  int run(const OptionPage& page, const std::string& script) {
    ui().clear_transcript();
    ui().queue_script(script);
    return run_option_page(state, page, 0);
  }
  ProjectSettings saved() { return read_project_settings(kProject); }
};

TEST(ColourNumber, ShownAndReadInHtmlOrder) {
  EXPECT_EQ(colour_number_text(255), "#FF0000");   // Windows red
  EXPECT_EQ(colour_number_text(kBlue), "#FF");
  EXPECT_EQ(colour_from_number("#FF0000"), 255L);
  EXPECT_EQ(colour_from_number(" 00ff00 "), 0x00FF00L);
  EXPECT_EQ(colour_from_number("0000FF"), kBlue);
  EXPECT_FALSE(colour_from_number("#GG0000"));
  EXPECT_FALSE(colour_from_number("1234567"));
  EXPECT_FALSE(colour_from_number("#"));
}

TEST_F(OptionDialogsTest, OkWithoutChangesLeavesTheFileAlone) {
  const auto before = platform::file_stamp(kProject);
  const std::string bytes = tw_test::read_file(host_project());
  for (const OptionPage* page : {&layout_page(), &table_page(), &document_page(), &toc_page(),
                                 &index_page(), &headings_page(), &cross_references_page(),
                                 &html_help_toc_page()}) {
    SCOPED_TRACE(page->template_name);
    EXPECT_EQ(run(*page, "dialog " + std::string(page->template_name) + "\nclick 1\n"), 1);
    EXPECT_TRUE(ui().pending_script().empty());
  }
  EXPECT_EQ(tw_test::read_file(host_project()), bytes);
  EXPECT_EQ(platform::file_stamp(kProject), before);
}

TEST_F(OptionDialogsTest, LoadOnlyOpensNothingAndSavesNothing) {
  const std::string bytes = tw_test::read_file(host_project());
  EXPECT_EQ(run_option_page(state, document_page(), 0, true), 1);
  EXPECT_EQ(state.project.settings.hlo, "BT-");
  EXPECT_EQ(tw_test::read_file(host_project()), bytes);
}

TEST_F(OptionDialogsTest, TableFormattingNeedsAFontWhenItSetsOne) {
  run(table_page(), "dialog DLG_Table\ncheck 412 0\ncheck 414 1\nclick 1\nmessage OK\n"
                    "set IDC_TABLE_SIZE 2\nclick 1\n");
  EXPECT_NE(ui().transcript()[0].find("You must specify font formatting."), std::string::npos);
  EXPECT_EQ(saved().settings.ftabfont, 2);
  EXPECT_EQ(saved().settings.tabfsize, "2");
}

TEST_F(OptionDialogsTest, HeadingFormatsEditEachLevel) {
  run(headings_page(),
      "dialog DLG_HEAD\nselect# IDC_HEAD_LEVEL 3\ncheck IDC_HEAD_SET_FORMAT 1\ncheck IDC_HEAD_BOLD 1\n"
      "set IDC_HEAD_FACE Georgia, serif\ncheck 924 1\n"
      "select# IDC_HEAD_LEVEL 1\nset IDC_HEAD_SIZE -1\nclick 1\n");
  ProjectSettings p = saved();
  EXPECT_EQ(p.settings.headings[3].set_format, 1);
  EXPECT_EQ(p.settings.headings[3].bold, 1);
  EXPECT_EQ(p.settings.headings[3].face, "Georgia, serif");
  EXPECT_EQ(p.settings.wdmgn1.placement[2], 2);  // heading 3 spans
  EXPECT_EQ(p.settings.headings[1].size_change, -1);
  EXPECT_EQ(p.settings.headings[1].bold, 0);
  EXPECT_EQ(p.settings.headings[2], ProjectSettings{}.settings.headings[2]);
}

TEST_F(OptionDialogsTest, ColoursByChooserAndByNumber) {
  run(table_page(), "dialog DLG_Table\ncheck IDC_TABLE_SET_BORDER_COLOUR 1\n"
                    "click IDC_TABLE_BORDER_COLOUR\ncolour 0x00FF00\n"
                    "click 461\ndialog DLG_COLOUR_NUMBER\nset IDC_COLOUR_NUMBER_VALUE #zz\nclick 1\n"
                    "set IDC_COLOUR_NUMBER_VALUE #FF0000\nclick 1\nclick 1\n");
  ProjectSettings p = saved();
  EXPECT_EQ(p.settings.tabv.set_border_colour, 1);
  EXPECT_EQ(p.settings.tabv.border_colour, 0x00FF00);
  EXPECT_EQ(p.settings.tabv.background_colour, 255);  // "#FF0000" is red
}

TEST_F(OptionDialogsTest, NavigationStyleCopiesItsGraphics) {
  run(nav_buttons_page(), "dialog DLG_NAV\nselect IDC_NAV_STYLE redrnd\ncheck 221 1\n"
                          "select IDC_NAV_RULE_STYLE rconfet\ncheck 224 1\nclick 1\n");
  ProjectSettings p = saved();
  EXPECT_EQ(p.settings.butfrom, "redrnd");
  EXPECT_EQ(p.settings.copied_graphics, 1);
  EXPECT_EQ(p.settings.rule0.use_graphic, 1);
  EXPECT_EQ(p.settings.rule0.style, 2);
  EXPECT_EQ(p.settings.rulefrom, "rconfets.gif");
  for (const char* name : {"home.gif", "toc.gif", "indx.gif", "next.gif", "prev.gif", "email.gif"}) {
    EXPECT_EQ(tw_test::read_file(file(std::string("pub/") + name)),
              tw_test::read_file(file(std::string("trvwck/graphics/buttons/redrnd/") + name)));
  }
  EXPECT_TRUE(tw_test::exists(file("pub/rconfets.gif")));
}

TEST_F(OptionDialogsTest, ButtonListIsEditedInPlaceAndChecked) {
  // The template's buttons: Home, Contents, Index, Previous, Next.
  run(nav_buttons_page(),
      "dialog DLG_NAV\nselect# IDC_NAV_BUTTONS 2\nclick IDC_NAV_BUTTON_ADD\n"
      "dialog DLG_NAVBUTTON\nselect IDC_BUTTON_TYPE Custom\nclick 1\nmessage OK\n"
      "set IDC_BUTTON_TEXT Support\nclick 1\nmessage OK\n"
      "set IDC_BUTTON_GRAPHIC help.gif\nclick 1\nmessage OK\n"
      "set IDC_BUTTON_URL https://example.org/support\ncheck 245 0\nclick 1\n"
      "select# IDC_NAV_BUTTONS 0\nclick IDC_NAV_BUTTON_REMOVE\n"
      "select# IDC_NAV_BUTTONS 3\nclick IDC_NAV_BUTTON_DOWN\n"
      "select# IDC_NAV_BUTTONS 0\nclick IDC_NAV_BUTTON_EDIT\n"
      "dialog DLG_NAVBUTTON\nselect IDC_BUTTON_TYPE Next\nclick 1\nclick 1\n");
  const auto& t = ui().transcript();
  ASSERT_GE(t.size(), 3u);
  EXPECT_NE(t[0].find("You must specify alternate text for the button."), std::string::npos);
  EXPECT_NE(t[1].find("You must specify a graphic file for the button."), std::string::npos);
  EXPECT_NE(t[2].find("You must specify a target URL for the button."), std::string::npos);
  std::vector<std::string> order;
  for (const NavButton& b : saved().buttons) order.push_back(b.alt_text);
  EXPECT_EQ(order, (std::vector<std::string>{"Contents", "Index", "Support", "Next", "Previous"}));
  EXPECT_EQ(saved().buttons[0].url, kAutomaticUrl);  // Contents became a Next button
  EXPECT_EQ(saved().buttons[2], (NavButton{"Support", "help.gif", "https://example.org/support", 6, {0, 1, 1}}));
}

TEST_F(OptionDialogsTest, CustomGraphicsNeedTheirLocation) {
  run(nav_buttons_page(), "dialog DLG_NAV\ncheck IDC_NAV_CUSTOM 1\nset IDC_NAV_CUSTOM_LOCATION \n"
                          "click 1\nmessage OK\nset IDC_NAV_CUSTOM_LOCATION c:\\art\nclick 1\n");
  EXPECT_NE(ui().transcript()[0].find("You must specify a location for the custom button graphics."),
            std::string::npos);
  EXPECT_EQ(saved().settings.butfrom, "c:\\art");
  EXPECT_EQ(saved().settings.cbutloc, "c:\\art");
}

TEST_F(OptionDialogsTest, EmailLinkAskedForOnlyWhenTheAuthorTurnsItOn) {
  // The template has the switch on and no address: OK is taken as it stands.
  run(layout_page(), "dialog DLG_LAYOUT\nset IDC_LAYOUT_ABOVE BT\nclick 1\n");
  EXPECT_EQ(saved().settings.hlo, "BT");
  run(layout_page(), "dialog DLG_LAYOUT\ncheck IDC_LAYOUT_SIG_EMAIL_ON 0\nclick 1\n");
  run(layout_page(), "dialog DLG_LAYOUT\ncheck IDC_LAYOUT_SIG_EMAIL_ON 1\nclick 1\nmessage OK\n"
                     "set IDC_LAYOUT_SIG_EMAIL help@example.org\nclick 1\n");
  EXPECT_NE(ui().transcript()[0].find("You must specify an email address"), std::string::npos);
  EXPECT_EQ(saved().settings.se, "help@example.org");
}

TEST_F(OptionDialogsTest, AdvancedOptionsWriteBothFilesAndBothListKeys) {
  platform::write_profile_string("Settings", "Fix OL", "0", kProject);
  platform::write_profile_string("Settings", "removehidden", "1", kProject);
  run(advanced_page(), "dialog DLG_ADVOPTS\ncheck IDC_ADV_LOWER_CASE 1\n"
                       "set IDC_ADV_COMPILER c:\\hhw\\hhc.exe\ncheck IDC_ADV_RUN_POST 1\n"
                       "set IDC_ADV_POST_NAME c:\\tools\\tidy.exe\nclick 1\n");
  ProjectSettings p = saved();
  EXPECT_EQ(p.settings.fix_ol, 1);  // shown on because either key was
  EXPECT_EQ(p.settings.removehidden, 1);
  EXPECT_EQ(p.extensions.run_post, 1);
  EXPECT_EQ(p.extensions.post_name, "c:\\tools\\tidy.exe");
  EXPECT_EQ(ini_value("Settings", "set lower case"), "1");
  EXPECT_EQ(ini_value("Locations", "compiler"), "c:\\hhw\\hhc.exe");

  run(advanced_page(), "dialog DLG_ADVOPTS\ncheck IDC_ADV_FIX_LISTS 0\nclick 1\n");
  EXPECT_EQ(saved().settings.fix_ol, 0);
  EXPECT_EQ(saved().settings.removehidden, 0);
}

TEST_F(OptionDialogsTest, IndexAndCrossReferenceSwitches) {
  run(index_page(), "dialog DLG_INDEX\nset IDC_INDEX_TITLE Keywords\ncheck IDC_INDEX_AZ_USED 1\nclick 1\n");
  EXPECT_EQ(saved().settings.ixt, "Keywords");
  EXPECT_EQ(saved().settings.azused, 1);

  run(cross_references_page(), "dialog DLG_CROSS\ncheck IDC_CROSS_AUTOLINK_ON 1\nclick 1\nmessage OK\n"
                               "click IDC_CROSS_BROWSE\nfile c:\\pub\\links.txt\nclick 1\n");
  EXPECT_NE(ui().transcript()[0].find("You must select an autolink file."), std::string::npos);
  EXPECT_EQ(saved().settings.xref.autolink_file, "c:\\pub\\links.txt");
}

// Replaces whole lines "key=..." of a project file's text.
std::string with_lines(std::string text, const std::vector<std::pair<std::string, std::string>>& lines) {
  for (const auto& [key, value] : lines) {
    const std::size_t at = text.find("\n" + key + "=");
    EXPECT_NE(at, std::string::npos) << key;
    if (at == std::string::npos) continue;
    const std::size_t end = text.find_first_of("\r\n", at + 1);
    text.replace(at + 1, end - at - 1, key + "=" + value);
  }
  return text;
}

TEST_F(OptionDialogsTest, BrowsedLayoutFilesAreStoredAndSwitchedOn) {
  const std::string before = tw_test::read_file(host_project());
  run(layout_page(), "dialog DLG_LAYOUT\nclick IDC_LAYOUT_HEADER_BROWSE\nfile c:\\pub\\parts\\top.htm\n"
                     "click IDC_LAYOUT_FOOTER_BROWSE\nfile cancel\n"
                     "click IDC_LAYOUT_MASTER_BROWSE\nfile c:\\pub\\master page.htm\nclick 1\n");
  EXPECT_EQ(ui().transcript()[0], "filedialog open \"*.htm\" -> c:\\pub\\parts\\top.htm");
  EXPECT_EQ(tw_test::read_file(host_project()),
            with_lines(before, {{"usempage", "1"}, {"masterpg", "c:\\pub\\master page.htm"},
                                {"hv", "1 1 1 1"}, {"hd", "c:\\pub\\parts\\top.htm"}}));
}

TEST_F(OptionDialogsTest, BrowsedCustomGraphics) {
  // The button style is the folder of the graphic chosen; the rule graphic
  // is the file itself, and choosing it chooses the custom rule.
  run(nav_buttons_page(), "dialog DLG_NAV\nclick IDC_NAV_CUSTOM_BROWSE\nfile c:\\art\\buttons\\home.gif\n"
                          "click IDC_NAV_RULE_BROWSE\nfile c:\\art\\line.gif\nclick 1\n");
  ProjectSettings p = saved();
  EXPECT_EQ(p.settings.navbuts.custom_style, 1);
  EXPECT_EQ(p.settings.cbutloc, "c:\\art\\buttons");
  EXPECT_EQ(p.settings.butfrom, "c:\\art\\buttons");
  EXPECT_EQ(p.settings.rule0.use_graphic, 1);
  EXPECT_EQ(p.settings.rule0.style, -1);
  EXPECT_EQ(p.settings.rule0.graphic, "c:\\art\\line.gif");
  EXPECT_EQ(p.settings.rulefrom, "c:\\art\\line.gif");

  run(document_page(), "dialog DLG_DOC\nclick IDC_DOC_BACKGROUND_BROWSE\nfile c:\\art\\paper.gif\nclick 1\n");
  EXPECT_EQ(saved().settings.bg.mode, 2);
  EXPECT_EQ(saved().settings.bg.graphic, "c:\\art\\paper.gif");
}

TEST_F(OptionDialogsTest, HeadingPlacementNamesTheLevelShown) {
  const OptionPage& page = headings_page();
  const ui::Handle window = ui().create_modeless(html::conversion_module(), "DLG_HEAD",
                                                 std::make_unique<ui::DialogProc>(), 0);
  ui::Dialog* dialog = ui().find_dialog(window);
  ASSERT_NE(dialog, nullptr);
  page.show_record(*dialog, 4);
  EXPECT_EQ(dialog->text(IDC_HEAD_PLACE_LABEL), "Place Heading 4 in:");
  EXPECT_TRUE(dialog->visible(IDC_HEAD_PLACE + 1));
  page.show_record(*dialog, 0);  // the page title has no place
  EXPECT_FALSE(dialog->visible(IDC_HEAD_PLACE_LABEL));
  EXPECT_FALSE(dialog->visible(IDC_HEAD_PLACE));
  ui().destroy_window(window);

  // The dialog follows the level chosen: the page title's choice cannot be made.
  run(page, "dialog DLG_HEAD\nselect# IDC_HEAD_LEVEL 0\ncheck IDC_HEAD_PLACE 1\n"
            "select# IDC_HEAD_LEVEL 5\ncheck 923 1\nclick 1\n");
  ASSERT_FALSE(ui().transcript().empty());
  EXPECT_NE(ui().transcript()[0].find("ignored"), std::string::npos) << ui().transcript()[0];
  EXPECT_EQ(saved().settings.wdmgn1.placement[4], 1);
}

TEST_F(OptionDialogsTest, HelpButtonsOpenTheirTopics) {
  ini("Locations", "help file", "c:\\trvwck\\twzhtml.hlp");
  const std::pair<const OptionPage*, int> pages[] = {
      {&nav_buttons_page(), 4001},       {&layout_page(), 4002},          {&table_page(), 4003},
      {&document_page(), 4004},          {&html_help_toc_page(), 4005},   {&toc_page(), 4006},
      {&index_page(), 4007},             {&html_help_index_page(), 4008}, {&headings_page(), 4009},
      {&cross_references_page(), 4010}, {&advanced_page(), 4012}};
  for (const auto& [page, topic] : pages) {
    SCOPED_TRACE(page->template_name);
    run(*page, "dialog " + std::string(page->template_name) + "\nclick IDC_OPTION_HELP\nclick 2\n");
    ASSERT_FALSE(ui().transcript().empty());
    EXPECT_EQ(ui().transcript()[0], "winhelp \"c:\\trvwck\\twzhtml.hlp\" command=1 data=" + std::to_string(topic));
  }
  ui().clear_transcript();
  ui().queue_script("dialog DLG_TRANS\nclick IDC_OPTION_HELP\nclick 2\n");
  edit_translations(state, 0);
  ASSERT_FALSE(ui().transcript().empty());
  EXPECT_EQ(ui().transcript()[0], "winhelp \"c:\\trvwck\\twzhtml.hlp\" command=1 data=4011");
}

TEST_F(OptionDialogsTest, FontTranslationNeedsOneOfItsFields) {
  ui().queue_script("dialog DLG_TRANS\nset IDC_TRANS_STYLE Code\ncheck 1103 0\ncheck 1104 1\n"
                    "select IDC_TRANS_PROPERTIES Bold\nselect IDC_TRANS_PROPERTIES Font\n"
                    "click IDC_TRANS_ADD\nmessage OK\n"
                    "set IDC_TRANS_FONT_FACE Courier \"New\"; x\nset IDC_TRANS_FONT_COLOUR #800000\n"
                    "click IDC_TRANS_ADD\nclick 1\n");
  EXPECT_EQ(edit_translations(state, 0), 1);
  ASSERT_FALSE(ui().transcript().empty());
  EXPECT_NE(ui().transcript()[0].find("You must enter some text in at least one edit box."), std::string::npos);
  EXPECT_EQ(project_value("Translations", "t0"), "Code>>>>Bold; Font: FACE=\"Courier New x\" COLOR=\"#800000\"");
}

TEST_F(OptionDialogsTest, StyleTranslationsAreAddedAndChecked) {
  ui().queue_script("dialog DLG_TRANS\nclick IDC_TRANS_ADD\nmessage OK\n"
                    "set IDC_TRANS_STYLE Warning\nset IDC_TRANS_TAGS \nclick IDC_TRANS_ADD\nmessage OK\n"
                    "set IDC_TRANS_TAGS <STRONG>...</STRONG>\nclick IDC_TRANS_ADD\n"
                    "set IDC_TRANS_STYLE Note\ncheck 1103 0\ncheck 1104 1\nclick IDC_TRANS_ADD\nmessage OK\n"
                    "select IDC_TRANS_PROPERTIES Italic\nselect IDC_TRANS_PROPERTIES Heading 3\n"
                    "click IDC_TRANS_ADD\nclick 1\n");
  EXPECT_EQ(edit_translations(state, 0), 1);
  EXPECT_EQ(project_value("Translations", "t0"), "Warning>>>>Tags: <STRONG>...</STRONG>");
  EXPECT_EQ(project_value("Translations", "t1"), "Note>>>>Italic; Heading 3");
  EXPECT_EQ(project_value("Translations", "t2"), "(none)");
  const auto& t = ui().transcript();
  EXPECT_NE(t[0].find("You must enter a style name"), std::string::npos);
  EXPECT_NE(t[1].find("You must enter some custom tags."), std::string::npos);
  EXPECT_NE(t[2].find("You must select one or more properties on the right."), std::string::npos);
}

}  // namespace
}  // namespace wizard
