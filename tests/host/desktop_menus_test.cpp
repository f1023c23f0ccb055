// The authoring window's menu commands, run as the window runs them: on the
// project it opened once, over its current document, with the person's
// answers given as a headless script. What each says is what the log pane
// shows.
#include <filesystem>

#include "host/desktop_flow.h"
#include "host/installation.h"
#include "host/user_paths.h"
#include "platform/output_capture.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

class DesktopMenus : public tw_test::Fixture {
 protected:
  host::Libraries libs;
  host::ScriptSession script;
  host::Desktop desktop{libs, script, {}, {}, {}};

  void SetUp() override {
    Fixture::SetUp();
    std::string error;
    ASSERT_TRUE(host::load_libraries(libs, error)) << error;
    host::ensure_installation();
    host::add_installed_programs();
    fs::copy(fs::path(TW_SOURCE_DIR) / "samples/sample", file("Help Sample"), fs::copy_options::recursive);
  }

  void open_sample() {
    const std::string said =
        platform::capture_output([&] { host::start_desktop(desktop, file("Help Sample/sample.hpj")); });
    ASSERT_EQ(desktop.document, file("Help Sample/intro.rtf")) << said;
  }

  // Runs the command of that menu whose label starts with label, with the
  // person's answers; what it said for the log.
  std::string run(const std::string& menu, const std::string& label, const std::string& answers = "") {
    if (!answers.empty()) script.queue(answers);
    for (const ui::MenuCommand& command : host::desktop_view(desktop).commands)
      if (command.menu == menu && command.label.rfind(label, 0) == 0) return command.run();
    ADD_FAILURE() << "no command " << menu << " > " << label;
    return {};
  }

  std::vector<std::string> labels(const std::string& menu) {
    std::vector<std::string> found;
    for (const ui::MenuCommand& command : host::desktop_view(desktop).commands)
      if (command.menu == menu) found.push_back(command.label + (command.checked ? " (current)" : ""));
    return found;
  }

  size_t transcript_count(const std::string& start) {
    size_t n = 0;
    for (const std::string& line : ui().transcript()) n += line.rfind(start, 0) == 0;
    return n;
  }

  void add_topic(const std::string& title, const std::string& context) {
    const std::string said = run("&Topic", "&Insert Topic",
                                 "dialog DLG_INS_TOPIC\nset 101 " + title + "\nset 102 " + context + "\nclick 1\n");
    ASSERT_TRUE(has(said, "  # " + context + "\n")) << said;
  }

  // A file of the test's folder as the user sees it.
  std::string shown(const std::string& name) { return host::shown_path(platform::to_system_path(file(name))); }

  static bool has(const std::string& said, const std::string& part) { return said.find(part) != std::string::npos; }
};

TEST_F(DesktopMenus, CommandsUseTheWindowsProjectAndTheDocumentMenuFollowsOpen) {
  EXPECT_EQ(run("&Topic", "&Insert Topic"), "Open a project first (Project > Open Project...).");
  open_sample();
  EXPECT_EQ(host::desktop_view(desktop).title, "Tarvenwick - " + shown("Help Sample/sample.hpj"));
  EXPECT_EQ(labels("&Document"), (std::vector<std::string>{"Open in &Word Processor", "&1 intro.rtf (current)",
                                                            "&2 using.rtf", "&3 extras.rtf"}));
  // The project dialog runs on the open project: no start dialog, no file chooser.
  const size_t starts = transcript_count("dialog DLG_START");
  const std::string said = run("&Project", "Project &Options", "dialog DLG_PRJ\nclick 1\n");
  EXPECT_TRUE(has(said, "SetOptions -> 1")) << said;
  EXPECT_EQ(transcript_count("dialog DLG_START"), starts);
  EXPECT_EQ(transcript_count("filedialog "), 1u);

  // Another project chosen: its files make the Document menu and the title.
  fs::create_directories(file("other"));
  fs::copy(file("Help Sample/sample.hpj"), file("other/guide.hpj"));
  tw_test::write_file(file("other/guide.hpj"), "[OPTIONS]\r\nTITLE=Guide\r\n\r\n[FILES]\r\nchapter.rtf\r\n");
  tw_test::write_file(file("other/chapter.rtf"), "{\\rtf1\\ansi\\ansicpg1252 {\\fs20 Chapter}\\par\r\n}");
  const std::string opened = run("&Project", "&Open Project", "file " + file("other/guide.hpj") + "\n");
  EXPECT_TRUE(has(opened, "TWStartUp -> 1")) << opened;
  EXPECT_EQ(desktop.document, file("other/chapter.rtf"));
  EXPECT_EQ(labels("&Document"), (std::vector<std::string>{"Open in &Word Processor", "&1 chapter.rtf (current)"}));
  EXPECT_EQ(host::desktop_view(desktop).title, "Tarvenwick - " + shown("other/guide.hpj"));
  // A file that is no project leaves the window's project as it was.
  const std::string refused = run("&Project", "&Open Project", "file " + file("other/chapter.rtf") + "\n");
  EXPECT_TRUE(has(refused, "not a help project")) << refused;
  EXPECT_EQ(desktop.project, platform::to_system_path(file("other/guide.hpj")));
}

TEST_F(DesktopMenus, TopicMenuRunsTheTopicExportsOverTheCurrentDocument) {
  open_sample();
  run("&Document", "&2 using.rtf");
  std::string said = run("&Topic", "&Insert Topic",
                         "dialog DLG_INS_TOPIC\nset 101 Printing Tips\nset 102 IDH_tips\nclick 1\n");
  EXPECT_TRUE(has(said, "GetTopic -> 2")) << said;  // accepted, no entry macro
  EXPECT_TRUE(has(said, "insertion point of " + shown("Help Sample/using.rtf"))) << said;
  EXPECT_TRUE(has(said, "  # IDH_tips\n  $ Printing Tips\n")) << said;

  // The finder names the document to open: it becomes the current one.
  run("&Document", "&1");
  said = run("&Topic", "&Go to Topic", "dialog DLG_GOTO\nclick 103\nset 107 tips\nclick 108\nclick 1\n");
  EXPECT_TRUE(has(said, "GotoTopic -> 1\n")) << said;
  EXPECT_TRUE(has(said, "context string: IDH_tips\n")) << said;
  EXPECT_EQ(desktop.document, file("Help Sample/using.rtf")) << said;

  said = run("&Topic", "G&roups", "dialog DLG_GROUP\nclick 103\nselect# 101 0\nclick 105\n"
                                  "click 114\nset 115 tour\nset 116 10\nset 117 5\nclick 1\n");
  EXPECT_TRUE(has(said, "EditGroup -> 2\nthe group's topics:\n  IDH_tips  + tour:0010\n")) << said;

  said = run("&Topic", "&Delete", "dialog DLG_DELETE\nselect# 101 0\nclick 1\n");
  EXPECT_TRUE(has(said, "DeleteItem -> 1\n")) << said;
  said = run("&Topic", "&Go to Topic", "dialog DLG_GOTO\nclick 103\nset 107 tips\nclick 108\nclick 1\n");
  EXPECT_TRUE(has(said, "GotoTopic -> 0")) << said;
}

TEST_F(DesktopMenus, JumpsAskForTheClickTextAndShowTheHotspot) {
  open_sample();
  add_topic("Printing", "IDH_printing");
  add_topic("Getting Started", "IDH_getting_started");
  std::string said = run("&Links", "&Jump", "dialog DLG_HOTSPOT_TEXT\nset 101 {Print} it\nclick 1\n"
                                            "dialog DLG_INS_JUMP\nset 102 IDH_printing\nclick 1\n");
  EXPECT_TRUE(has(said, "InsertJump -> 1\nclick text: {Print} it\nhidden text: IDH_printing\n")) << said;
  EXPECT_TRUE(has(said, "in place of the selection \"{Print} it\" of " + shown("Help Sample/intro.rtf"))) << said;
  EXPECT_TRUE(has(said, "  {\\uldb \\{Print\\} it}{\\v IDH_printing}\n")) << said;

  // No click text: the pop-up takes it from the target.
  said = run("&Links", "&Pop-up", "dialog DLG_HOTSPOT_TEXT\nclick 1\n"
                                  "dialog DLG_INS_DEF\nset 102 IDH_getting_started\nclick 1\n");
  EXPECT_TRUE(has(said, "  {\\ul getting started}{\\v IDH_getting_started}\n")) << said;

  // Cancel on the question runs no dialog.
  const size_t jumps = transcript_count("dialog DLG_INS_JUMP");
  EXPECT_EQ(run("&Links", "&Jump", "dialog DLG_HOTSPOT_TEXT\nclick 2\n"), "");
  EXPECT_EQ(transcript_count("dialog DLG_INS_JUMP"), jumps);

  said = run("&Links", "&Macro", "dialog DLG_HOTSPOT_TEXT\nset 101 About\nclick 1\n"
                                 "dialog DLG_INS_MACRO\nclick 2\n");
  EXPECT_TRUE(has(said, "InsertMacro -> 0")) << said;
  // Keyword jumps and buttons need the Windows 95 compiler: the library says so.
  said = run("&Links", "&Keyword Jump", "message OK\n");
  EXPECT_TRUE(has(said, "InsertLink -> 0")) << said;
  EXPECT_EQ(transcript_count("message \"This feature is available only"), 1u);
}

TEST_F(DesktopMenus, BuildAndContentsCommandsWorkOnTheOpenProject) {
  open_sample();
  std::string said = run("&Build", "&Keyword Indexes");
  EXPECT_TRUE(has(said, "BuildKeywordIndex -> 1\nK keywords: " + shown("Help Sample/sample.kdb"))) << said;
  said = run("&Build", "Topic &Report", "dialog DLG_REPORT\nclick 1\n");
  EXPECT_TRUE(has(said, "GenReport -> 1\nreport: ")) << said;
  said = run("&Contents", "&Contents File", "dialog DLG_CNT_B\nclick 1\n");
  EXPECT_TRUE(has(said, "contents file: " + shown("Help Sample/sample.cnt"))) << said;
  // The compiler's problem topic: its document becomes the current one.
  said = run("&Build", "&Compile", "dialog DLG_ERRORS\ncheck 155 0\nselect# 150 2\nclick 107\n");
  EXPECT_TRUE(has(said, "ViewErrors -> 1\nproblem topic: #1 of ")) << said;
  EXPECT_EQ(desktop.document, file("Help Sample/extras.rtf")) << said;
  said = run("&Project", "Save &All");
  EXPECT_EQ(said, "SaveAll -> 1\n");
  EXPECT_EQ(transcript_count("dialog DLG_START"), 1u);
}

TEST_F(DesktopMenus, PublishWritesTheSiteAndTheHtmlHelpProjectInFoldersBesideTheProject) {
  EXPECT_EQ(run("P&ublish", "Publish as HTML &Help"), "Open a project first (Project > Open Project...).");
  open_sample();
  std::string said = run("P&ublish", "Publish as &HTML");
  EXPECT_TRUE(has(said, "start page: " + shown("Help Sample/html/"))) << said;

  // A compiler setting that names no program: the pages and the HTML Help
  // project are written, and the log says no .chm came of them.
  tw_test::write_file(file("not-a-compiler"), "text");
  platform::write_profile_string("Locations", "compiler", platform::to_system_path(file("not-a-compiler")),
                                 "twzhtml.ini");
  said = run("P&ublish", "Publish as HTML &Help");
  EXPECT_TRUE(has(said, "HTML Help: the topic pages and sample.hhp, sample.hhc, sample.hhk in ")) << said;
  EXPECT_TRUE(has(said, "no .chm was built: the HTML Help compiler")) << said;
  EXPECT_TRUE(has(said, "(exit status 1)")) << said;
  const std::string hhp = tw_test::read_file(file("Help Sample/htmlhelp/sample.hhp"));
  const size_t pages = hhp.find("[FILES]");
  ASSERT_NE(pages, std::string::npos) << hhp;
  const size_t line = hhp.find('\n', pages) + 1;
  const std::string first_page = hhp.substr(line, hhp.find_first_of("\r\n", line) - line);
  ASSERT_FALSE(first_page.empty()) << hhp;
  EXPECT_TRUE(tw_test::exists(file("Help Sample/htmlhelp/" + first_page))) << hhp;
  // The site beside it is left as it was.
  EXPECT_FALSE(tw_test::exists(file("Help Sample/html/sample.hhp")));
}

}  // namespace

namespace {

TEST_F(DesktopMenus, KeywordJumpsAndButtonsInAHelpWorkshopProject) {
  // A project for the Windows 95 compiler (an LCID), its K keywords built.
  fs::create_directories(file("Guide"));
  tw_test::write_file(file("Guide/guide.hpj"),
                      "[OPTIONS]\r\nLCID=0x409 0x0 0x0\r\nTITLE=Guide\r\n\r\n[FILES]\r\nchapter.rtf\r\n");
  tw_test::write_file(file("Guide/chapter.rtf"),
                      "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
                      "{\\cs15\\super #{\\footnote {\\cs15\\super #} IDH_print}}{\\cs15\\super ${\\footnote "
                      "{\\cs15\\super $} Printing}}{\\cs15\\super K{\\footnote {\\cs15\\super K} printing}}\r\n"
                      "Printing\\rquote s ways\\par\r\n}\r\n");
  std::string said = platform::capture_output([&] { host::start_desktop(desktop, file("Guide/guide.hpj")); });
  ASSERT_EQ(desktop.document, file("Guide/chapter.rtf")) << said;
  add_topic("Printing", "IDH_print");
  said = run("&Build", "&Keyword Indexes");
  ASSERT_TRUE(has(said, "BuildKeywordIndex -> 1")) << said;

  said = run("&Links", "&Keyword Jump", "dialog DLG_LINK\nselect 101 printing\nclick 130\nclick 1\n");
  EXPECT_TRUE(has(said, "InsertLink -> 2\nclick text: Related Topics\n"
                        "hidden text: %!KLink(\"printing\",0,\"\",\"\")\n"))
      << said;
  EXPECT_TRUE(has(said, "  {\\uldb Related Topics}{\\v %!KLink(\"printing\",0,\"\",\"\")}\n"
                        "with a bullet button before it\nwith a border above it\n"))
      << said;

  said = run("&Links", "&Button", "dialog DLG_INS_BUTTON\nset 36 &Next\nset 102 IDH_print\nclick 1\n");
  EXPECT_TRUE(has(said, "InsertButton -> 2\nbutton text: &Next\n")) << said;
  EXPECT_TRUE(has(said, "the field:\n  {button &Next,JI(\"\",\"IDH_print\")}\n")) << said;
}

}  // namespace
