// The end of a conversion: the start page and its stored URL, the browser
// launch (recorded, never a real browser), the HTML Help compile and the
// location checks and dialogs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "html/driver/messages.h"
#include "html/driver/publish_summary.h"
#include "html/finishing/dialogs/location_dialogs.h"
#include "html/finishing/location_checks.h"
#include "html/finishing/publication.h"
#include "platform/browser_launch.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "publish_fixture.h"
#include "resources/twzhtml/finishing.h"
#include "support/mixed_case_dir.h"

namespace html {
namespace {

using Lines = std::vector<std::string>;

class Finishing : public PublishFixture {
 protected:
  void SetUp() override {
    PublishFixture::SetUp();
    platform::set_url_opener([this](const std::string& url) {
      opened.push_back(url);
      return platform::kExecSuccess;
    });
    tw_test::write_file(file("help/guide.hpj"), "[OPTIONS]\r\n");
    tw_test::write_file(file("help/guide.opt"), "[Settings]\r\n");
    run.settings.library.locations.main_dir = "c:\\trvwck";
    run.settings.authoring.project = "c:\\help\\guide.hpj";
    page("intro.htm", "Intro", "a");
    page("toner.htm", "Toner", "b");
    run.home_page = "intro.htm";
  }
  std::string browser_key(std::string_view key) {
    return platform::get_profile_string("Browser", key, "(none)", 260, "twzhtml.ini");
  }
  std::string run_html() {
    return platform::get_profile_string("Settings", "runhtml", "(none)", 260, "c:\\help\\guide.opt");
  }
  // The projects RunBrowser loads: twzhtml.ini names the wizard project.
  void settings_files(std::string_view browser) {
    tw_test::write_file(file("windows/twzhtml.ini"),
                        "[Project]\r\nproj=c:\\out\\guide.lfc\r\n[Locations]\r\nmain dir=c:\\trvwck\r\n"
                        "[Browser]\r\n" + std::string(browser));
    tw_test::write_file(file("windows/TRVWCK6.INI"), "[Tarvenwick]\r\nPROJECT=c:\\help\\guide.hpj\r\n");
  }
  Lines opened;
};

TEST_F(Finishing, TargetUrlFormAndLauncherCommand) {
  EXPECT_EQ(target_of("C:\\pub\\index.htm"), "C|/pub/index.htm");
  EXPECT_EQ(open_publication(run, false), platform::kExecSuccess);
  EXPECT_EQ(browser_key("target"), "c|/out/intro.htm");
  EXPECT_EQ(run_html(), "c:\\trvwck\\lfcbrws.exe >file:///c|/out/intro.htm");
  EXPECT_EQ(opened, Lines{"file://" + file("out/intro.htm")});
}

TEST_F(Finishing, StartPageRules) {
  EXPECT_EQ(start_page_path(run), "c:\\out\\intro.htm");  // the TOC page, here the home topic
  s().frm.in_frame = 1;
  EXPECT_EQ(start_page_path(run), "c:\\out\\twzfrm.htm");
  s().frm.in_frame = 0;
  run.settings.project.htmlhelp.use_nethelp = 1;
  EXPECT_EQ(start_page_path(run), "c:\\out\\nh_start.htm");
  run.settings.project.htmlhelp.use_nethelp = 0;
  run.page_list.clear();
  page("only.htm", "Only", "x");
  EXPECT_EQ(start_page_path(run), "c:\\out\\only.htm");
}

TEST_F(Finishing, RunOffMeansNoLaunchAfterAConversionButRunBrowserStillOpens) {
  run.settings.library.browser.run = 0;
  EXPECT_EQ(finish_publication(run, false), platform::kExecSuccess);
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(run_html(), "c:\\trvwck\\lfcbrws.exe >file:///c|/out/intro.htm");  // Run HTML still works

  settings_files("run=0\r\n");
  tw_test::write_file(file("out/guide.lfc"), "[Settings]\r\nfrm=1 1 0 30 30 twzfrm.htm\r\n");
  EXPECT_EQ(run_browser(run), 1);
  EXPECT_EQ(opened, Lines{"file://" + file("out/twzfrm.htm")});
  EXPECT_EQ(browser_key("run"), "0");
}

TEST_F(Finishing, DefaultBrowserFromTheShellCommand) {
  wizard::BrowserSettings b;
  b.shell = "\"C:\\Program Files\\Netscape\\NETSCAPE.EXE\" -h \"%1\"";
  b.iexplore = "c:\\ie\\iexplore.exe";
  detect_default_browser(b);
  EXPECT_EQ(b.path1, "c:\\program files\\netscape\\netscape.exe");
  EXPECT_EQ(b.title1, "Netscape Navigator");
  EXPECT_EQ(b.path2, "c:\\ie\\iexplore.exe");
  EXPECT_EQ(b.title2, "MS Internet Explorer");
  EXPECT_EQ(b.flip, 1);

  // Without "shell" the desktop's setting names the browser; a Linux
  // command has no ".exe" and no second browser.
  platform::set_default_browser_query([] { return std::string("/usr/bin/firefox-esr %u"); });
  wizard::BrowserSettings desktop;
  detect_default_browser(desktop);
  EXPECT_EQ(desktop.path1, "/usr/bin/firefox-esr");
  EXPECT_EQ(desktop.path2, "");
  EXPECT_EQ(desktop.flip, 0);
}

TEST_F(Finishing, CompileStartsTheCompilerOnceNoticedAndDoesNotWait) {
  tw_test::write_file(file("tools/hhc.sh"), "#!/bin/sh\npwd > \"$0.out\"\nprintf '%s\\n' \"$@\" >> \"$0.out\"\n");
  ::chmod(file("tools/hhc.sh").c_str(), 0755);
  tw_test::write_file(file("out/guide.hhp"), "[Options]\r\nCompiled file=guide.chm\r\n");
  run.settings.project.htmlhelp.use_htmlhelp = 1;
  run.settings.library.locations.compiler = "c:\\tools\\hhc.sh";
  EXPECT_GE(finish_publication(run, false), 32);
  ASSERT_GT(run.publish.compiler_process, 0);
  EXPECT_EQ(platform::wait_for_process(run.publish.compiler_process), 0);
  EXPECT_EQ(tw_test::read_file(file("tools/hhc.sh.out")), file("out") + "\n" + file("out/guide.hhp") + "\n");
  EXPECT_EQ(run_html(), "c:\\out\\guide.chm");
  EXPECT_NE(publish_summary(run).find("\nchm=c:\\out\\guide.chm\n"), std::string::npos);
  EXPECT_EQ(platform::get_profile_int("Locations", "comp msg", 0, "twzhtml.ini"), 1);
  EXPECT_TRUE(opened.empty());

  finish_publication(run, false);  // the notice comes only the first time
  platform::wait_for_process(run.publish.compiler_process);
  int notices = 0;
  for (const std::string& line : ui().transcript())
    if (line.starts_with("message \"The HTML Wizard will now start the HTML Help compiler.")) ++notices;
  EXPECT_EQ(notices, 1);
}

TEST_F(Finishing, ContentsAndCompilerChecks) {
  settings_files("");
  EXPECT_EQ(check_cnt_exists(run), 0);
  tw_test::write_file(file("out/guide.lfc"), "[HTMLHELP]\r\nuse_htmlhelp=1\r\n");
  EXPECT_EQ(check_cnt_exists(run), 0);
  Lines t = ui().transcript();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_TRUE(t[0].starts_with("message \"You have selected the option to create an HTML table")) << t[0];
  EXPECT_TRUE(t[1].starts_with("message \"In order to create an HTML Help project")) << t[1];
  tw_test::write_file(file("help/guide.cnt"), ":Base guide.hlp\r\n");
  EXPECT_EQ(check_cnt_exists(run), 1);

  // No compiler: the message, then the dialog insists on a path.
  ui().clear_transcript();
  ui().queue_script("message OK\ndialog DLG_COMPILER\nclick 1\nmessage OK\nclick IDC_COMPILER_SELECT_BUTTON\n"
                    "file c:\\hhw\\hhc.exe\nclick 1\n");
  EXPECT_EQ(check_compiler_exists(run), 1);
  t = ui().transcript();
  ASSERT_GE(t.size(), 3u);
  EXPECT_TRUE(t[0].starts_with("message \"Error - Unable to locate the HTML Help compiler.")) << t[0];
  EXPECT_NE(t[0].find("caption=\"Tarvenwick HTML Wizard\""), std::string::npos);
  EXPECT_TRUE(t[1].starts_with("message \"You must select the location of the HTML Help compiler\"")) << t[1];
  EXPECT_EQ(platform::get_profile_string("Locations", "compiler", "", 260, "twzhtml.ini"), "c:\\hhw\\hhc.exe");

  tw_test::write_file(file("hhw/hhc.exe"), "x");
  EXPECT_EQ(check_compiler_exists(run), 1);
}

TEST_F(Finishing, BrowserDialogNeedsEveryBrowserUpToTheDefault) {
  settings_files("path1=c:\\web\\one.exe\r\ntitle1=One\r\n");
  ui().queue_script("dialog DLG_BROWSER\ncheck 123 1\nclick 1\nmessage OK\n"
                    "set 102 c:\\web\\two.exe\nset 112 Two\nset 103 c:\\web\\three.exe\nclick 1\n");
  EXPECT_EQ(set_browser(run, 0), 1);
  EXPECT_TRUE(ui().transcript()[0].starts_with("message \"You must specify the location of this browser.\""));
  EXPECT_EQ(browser_key("def"), "3");
  EXPECT_EQ(browser_key("path2"), "c:\\web\\two.exe");
  EXPECT_EQ(browser_key("short3"), "c:\\web\\three.exe");
  EXPECT_EQ(browser_key("title2"), "Two");
  EXPECT_EQ(browser_key("flip"), "1");

  // In HTML Help mode the same command locates the compiler.
  tw_test::write_file(file("out/guide.lfc"), "[HTMLHELP]\r\nuse_htmlhelp=1\r\n");
  ui().queue_script("dialog DLG_COMPILER\nclick 2\n");
  EXPECT_EQ(set_browser(run, 0), 0);
}

// Keeps the path fields as a dialog showed them.
template <class Proc>
class ShownFields : public Proc {
 public:
  ShownFields(ConversionRun& run, std::vector<int> fields) : Proc(run), fields_(std::move(fields)) {}
  void on_init(ui::Dialog& dialog) override {
    Proc::on_init(dialog);
    for (int id : fields_) shown.push_back(dialog.text(id));
  }
  Lines shown;

 private:
  std::vector<int> fields_;
};

// Programs show as host paths spelled as on disk and bare names as they
// stand; what the user leaves is stored exactly as before, a host path typed
// in the drive form.
TEST_F(Finishing, BrowserAndCompilerFieldsShowHostPaths) {
  tw_test::MixedCaseDir dir;
  const std::string one = dir.file("Web Browsers/One.exe"), three = dir.file("Web Browsers/Three.exe");
  tw_test::write_file(one, "x");
  const std::string stored_one = text::to_lower(platform::to_system_path(one));
  wizard::BrowserSettings& b = run.settings.library.browser;
  b.path1 = stored_one;
  b.path2 = "firefox";
  b.def = 1;
  ShownFields<BrowserDialog> browsers(run, {IDC_BROWSER_PATH_FIELD, IDC_BROWSER_PATH_FIELD + 1});
  ui().queue_script("dialog DLG_BROWSER\nset 103 " + three + "\nclick 1\n");
  EXPECT_EQ(ui().run_modal(conversion_module(), "DLG_BROWSER", browsers, 0), 1);
  EXPECT_EQ(browsers.shown, (Lines{one, "firefox"}));
  EXPECT_EQ(browser_key("path1"), stored_one);
  EXPECT_EQ(browser_key("path2"), "firefox");
  EXPECT_EQ(browser_key("path3"), platform::to_system_path(three));
  EXPECT_TRUE(platform::has_drive(browser_key("short3")));

  const std::string hhc = dir.file("HTML Help/HHC.exe"), moved = dir.file("HTML Help/New/HHC.exe");
  tw_test::write_file(hhc, "x");
  const std::string stored_hhc = text::to_lower(platform::to_system_path(hhc));
  run.settings.library.locations.compiler = stored_hhc;
  ShownFields<CompilerDialog> compiler(run, {IDC_COMPILER_PATH_FIELD});
  ui().queue_script("dialog DLG_COMPILER\nclick 1\n");
  EXPECT_EQ(ui().run_modal(conversion_module(), "DLG_COMPILER", compiler, 0), 1);
  EXPECT_EQ(compiler.shown, Lines{hhc});
  EXPECT_EQ(platform::get_profile_string("Locations", "compiler", "", 260, "twzhtml.ini"), stored_hhc);
  ShownFields<CompilerDialog> retyped(run, {});
  ui().queue_script("dialog DLG_COMPILER\nset " + std::to_string(IDC_COMPILER_PATH_FIELD) + " " + moved +
                    "\nclick 1\n");
  EXPECT_EQ(ui().run_modal(conversion_module(), "DLG_COMPILER", retyped, 0), 1);
  EXPECT_EQ(run.settings.library.locations.compiler, platform::to_system_path(moved));
}

}  // namespace
}  // namespace html
