// The resource-script reader: string tables, dialogs, bitmaps, error
// reports, hostile input, the module registry and the shipped scripts.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "platform/images.h"
#include "platform/ui/resources.h"
#include "support/test_support.h"

namespace {

using Errors = std::vector<std::string>;

constexpr std::uint32_t kChild = 0x40000000, kVisible = 0x10000000, kTabStop = 0x00010000,
                        kGroup = 0x00020000, kDisabled = 0x08000000, kBorder = 0x00800000;

TEST(ResourceScript, StringTablesResolveIdsAndEscapes) {
  const char* script = R"rc(
// texts
#define IDS_BASE 10000
#define IDS_QUOTE (IDS_BASE + 3)   /* an expression */
#include <winres.h>
STRINGTABLE DISCARDABLE
BEGIN
  IDS_BASE, "hypertext jump"
  IDS_QUOTE "Make this occurrance into a ""%s""?"
  10004, "Tab\there\nnext \\ \"q\" \x41\x2a \q"
  10006,
     "continued on the next line"
END
STRINGTABLE { 7 "braces" }
)rc";
  Errors errors;
  ui::ResourceSet set = ui::ResourceSet::parse(script, &errors);
  EXPECT_EQ(errors, Errors{});
  EXPECT_EQ(*set.string(10000), "hypertext jump");
  EXPECT_EQ(*set.string(10003), "Make this occurrance into a \"%s\"?");
  EXPECT_EQ(*set.string(10004), "Tab\there\nnext \\ \"q\" A* \\q");
  EXPECT_EQ(*set.string(10006), "continued on the next line");
  EXPECT_EQ(*set.string(7), "braces");
  EXPECT_EQ(set.string(10001), nullptr);
  EXPECT_EQ(set.symbol("IDS_QUOTE"), std::optional<std::int64_t>(10003));
}

const char* kDialogs = R"rc(
#define IDC_LIST 101
#define DLG_ABOUT 21000
DLG_START DIALOG DISCARDABLE 40, 30, 260, 150
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Tarvenwick"
FONT 8, "MS Sans Serif"
BEGIN
  LTEXT "&Recent:", -1, 8, 6, 180, 9
  LISTBOX IDC_LIST, 8, 17, 180, 90, LBS_NOTIFY | WS_VSCROLL |
          WS_BORDER | NOT WS_VISIBLE
  EDITTEXT 102, 8, 110, 100, 12, ES_AUTOHSCROLL | NOT WS_TABSTOP
  AUTORADIOBUTTON "&95", 201, 16, 50, 160, 10, WS_GROUP
  CONTROL "Topic;Keyword Search", 300, "TWTab", WS_TABSTOP,
          4, 4, 200, 14
  CONTROL "Go", 301, BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP | WS_DISABLED, 4, 20, 50, 10
  CONTROL "", 302, "ProgMeter", 0, 4, 30, 200, 8, WS_EX_CLIENTEDGE
  ICON 1, -1, 220, 4
  DEFPUSHBUTTON "OK", IDOK, 196, 17, 56, 14
END

DLG_ABOUT DIALOGEX 0, 0, 200, 96, 0
EXSTYLE WS_EX_CONTEXTHELP
CAPTION "About"
FONT 8, "MS Shell Dlg", 0, 0, 0x1
{
  CTEXT "Tarvenwick", -1, 8, 8, 184, 10, SS_NOPREFIX, 0, 0
  COMBOBOX 5, 8, 30, 100, 60, CBS_DROPDOWNLIST | WS_VSCROLL
}
1500 BITMAP "tabs0.bmp"
logo BITMAP DISCARDABLE "res\\logo.bmp"
1 VERSIONINFO
 FILEVERSION 1,0,0,1
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    VALUE "CompanyName", "x"
  END
END
1 ICON "app.ico"
)rc";

TEST(ResourceScript, DialogsKeepTheirControlsStylesAndClasses) {
  Errors errors;
  ui::ResourceSet set = ui::ResourceSet::parse(kDialogs, &errors);
  EXPECT_EQ(errors, Errors{});
  const ui::DialogTemplate* d = set.dialog("dlg_start");
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->name, "DLG_START");
  EXPECT_EQ(d->number, -1);
  EXPECT_EQ(d->caption, "Tarvenwick");
  EXPECT_EQ(d->font, "MS Sans Serif");
  EXPECT_EQ(d->font_size, 8);
  EXPECT_EQ(d->cx, 260);
  EXPECT_EQ(d->style, 0x80C80080u);
  ASSERT_EQ(d->controls.size(), 9u);

  const ui::ControlTemplate& label = d->controls[0];
  EXPECT_EQ(label.kind, "LTEXT");
  EXPECT_EQ(label.window_class, "Static");
  EXPECT_EQ(label.id, -1);
  EXPECT_EQ(label.style, kChild | kVisible | kGroup);

  const ui::ControlTemplate* list = d->control(101);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->window_class, "ListBox");
  EXPECT_EQ(list->style, kChild | 0x00200000u | kBorder | 0x1u);  // NOT WS_VISIBLE took effect
  EXPECT_EQ(list->y, 17);
  EXPECT_EQ(d->control(102)->style, kChild | kVisible | kBorder | 0x80u);
  EXPECT_EQ(d->control(201)->style, kChild | kVisible | kGroup | 0x9u);

  const ui::ControlTemplate* tabs = d->control(300);
  EXPECT_EQ(tabs->kind, "CONTROL");
  EXPECT_EQ(tabs->window_class, "TWTab");
  EXPECT_EQ(tabs->text, "Topic;Keyword Search");
  EXPECT_EQ(tabs->cx, 200);
  EXPECT_EQ(d->control(301)->window_class, "Button");
  EXPECT_EQ(d->control(301)->style, kChild | kVisible | kTabStop | kDisabled | 0x3u);
  EXPECT_EQ(d->control(302)->exstyle, 0x200u);
  EXPECT_EQ(d->controls[7].kind, "ICON");
  EXPECT_EQ(d->controls[7].text, "1");
  EXPECT_EQ(d->control(1)->kind, "DEFPUSHBUTTON");
}

TEST(ResourceScript, DialogsAreFoundByNameNumberOrSymbol) {
  ui::ResourceSet set = ui::ResourceSet::parse(kDialogs);
  const ui::DialogTemplate* about = set.dialog(21000);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(set.dialog("21000"), about);
  EXPECT_EQ(set.dialog("DLG_ABOUT"), about);
  EXPECT_EQ(about->identifier(), "DLG_ABOUT");
  EXPECT_EQ(about->exstyle, 0x400u);
  EXPECT_EQ(about->font, "MS Shell Dlg");
  ASSERT_EQ(about->controls.size(), 2u);
  EXPECT_EQ(about->controls[1].window_class, "ComboBox");
  EXPECT_EQ(set.dialog("DLG_NONE"), nullptr);
  EXPECT_EQ(set.dialog(-1), nullptr);
  EXPECT_EQ(*set.bitmap("1500"), "tabs0.bmp");
  EXPECT_EQ(*set.bitmap("LOGO"), "res\\logo.bmp");
  EXPECT_EQ(set.bitmap("app"), nullptr);
}

// Pictures embedded beside a script (as hex digits) are read with it; a later
// BITMAP line for the same name drops the earlier picture.
TEST(ResourceScript, BitmapsEmbeddedBesideTheScriptAreRead) {
  ui::IncludeFiles files = [](std::string_view path) -> std::optional<std::string> {
    if (path == "app/doc.bmp") return "424d0a00ff";
    if (path == "app/odd.bmp") return "424";
    return std::nullopt;
  };
  const char* script =
      "#line 1 \"app/list.rc\"\n"
      "DOC BITMAP \"doc.bmp\"\n"
      "ODD BITMAP \"odd.bmp\"\n"
      "GONE BITMAP \"doc.bmp\"\n"
      "GONE BITMAP \"missing.bmp\"\n";
  std::vector<std::string> errors;
  ui::ResourceSet set = ui::ResourceSet::parse(script, &errors, files);
  EXPECT_EQ(errors, std::vector<std::string>{});
  ASSERT_NE(set.bitmap_data("doc"), nullptr);
  EXPECT_EQ(*set.bitmap_data("doc"), std::string("BM\x0a\x00\xff", 5));
  EXPECT_EQ(set.bitmap_data("ODD"), nullptr);  // not whole bytes: no picture
  EXPECT_EQ(*set.bitmap("GONE"), "missing.bmp");
  EXPECT_EQ(set.bitmap_data("GONE"), nullptr);
}

TEST(ResourceScript, UnreadableStatementsAreReportedAndTheRestIsRead) {
  const char* script =
      "STRINGTABLE\n"                           // 1
      "BEGIN\n"                                 // 2
      "  1 \"one\"\n"                           // 3
      "  UNKNOWN_ID \"x\"\n"                    // 4
      "  2 \"unterminated\n"                    // 5
      "  3 \"three\"\n"                         // 6
      "  3 \"again\"\n"                         // 7
      "END\n"                                   // 8
      "this is not valid\n"                     // 9
      "D DIALOG 0, 0, 10\n"                     // 10
      "E DIALOG 0, 0, 100, 50\n"                // 11
      "STYLE WS_POPUP | SOMETHING_ELSE\n"       // 12
      "BEGIN\n"                                 // 13
      "  LTEXT \"a\", 1, 0, 0, 10\n"            // 14
      "  WIDGET \"b\", 2, 0, 0, 10, 10\n"       // 15
      "  PUSHBUTTON \"c\", 3, 0, (0, 10, 10\n"  // 16
      "  PUSHBUTTON \"d\", 4, 0, 0, 10, 10\n"   // 17
      "/* never closed\n";                      // 18
  Errors errors;
  ui::ResourceSet set = ui::ResourceSet::parse(script, &errors);
  EXPECT_EQ(errors, (Errors{
                        "line 4: string id: unknown name UNKNOWN_ID",
                        "line 5: unterminated string",
                        "line 7: string id 3 used twice",
                        "line 9: cannot read \"this is not valid\"",
                        "line 10: dialog D needs x, y, cx, cy",
                        "line 11: dialog E has no END",
                        "line 14: LTEXT needs 6 to 9 values, not 5",
                        "line 15: unknown control statement \"WIDGET \"b\", 2, 0, 0, 10, 10\"",
                        "line 16: PUSHBUTTON needs 6 to 9 values, not 4",
                        "line 18: unterminated comment",
                    }));
  EXPECT_EQ(*set.string(1), "one");
  EXPECT_EQ(*set.string(2), "unterminated");
  EXPECT_EQ(*set.string(3), "three");
  const ui::DialogTemplate* e = set.dialog("E");
  ASSERT_NE(e, nullptr);
  ASSERT_EQ(e->controls.size(), 1u);
  EXPECT_EQ(e->controls[0].id, 4);
  EXPECT_EQ(e->style, 0x80000000u);  // the unknown style name counts as 0
}

TEST(ResourceScript, HostileInputNeverCrashes) {
  const std::vector<std::string> pieces = {
      "BEGIN", "END", "{", "}", "DIALOG", "DIALOGEX", "STRINGTABLE", "CONTROL", "LTEXT", "NOT",
      "\"s\"", "\"", "1", "0x", "-", "(", ")", "|", ",", "\n", " ", "#define X", "#", "/*", "*/",
      "//", "\\", "\xff", "WS_CHILD", "X", "BITMAP", "9999999999999999999999", "L\"w\"", "~", "/", "*",
  };
  std::mt19937 random(7);
  for (int round = 0; round < 400; ++round) {
    std::string script;
    int n = static_cast<int>(random() % 80);
    for (int i = 0; i < n; ++i) script += pieces[random() % pieces.size()] + " ";
    Errors errors;
    ui::ResourceSet::parse(script, &errors);
  }
  ui::ResourceSet::parse(std::string(5000, '(') + "1", nullptr);
  ui::ResourceSet::parse("D DIALOG 0, 0, 1, 1\nSTYLE " + std::string(3000, '-') + "1\nBEGIN\nEND\n");
  ui::ResourceSet::parse(std::string("1 \"a\0b\" 2", 10));
  SUCCEED();
}

TEST(ResourceScript, ModulesKeepTheirResources) {
  const char* script = "STRINGTABLE\nBEGIN\n 5 \"five\"\nEND\nBAD LINE HERE\n";
  std::int32_t module = ui::register_module("test_module_a", script);
  EXPECT_GT(module, 0);
  EXPECT_EQ(ui::register_module("test_module_a", script), module);
  EXPECT_EQ(ui::load_string(module, 5), "five");
  EXPECT_EQ(ui::load_string(module, 6), "");
  EXPECT_EQ(ui::module_errors(module), Errors{"line 5: cannot read \"BAD LINE HERE\""});
  EXPECT_EQ(ui::find_module("test_module_a"), module);

  const ui::ResourceSet& first = ui::module_resources(module);
  std::int32_t changed = ui::register_module("test_module_a", "STRINGTABLE { 5 \"new\" }");
  EXPECT_NE(changed, module);
  EXPECT_EQ(ui::load_string(changed, 5), "new");
  EXPECT_EQ(*first.string(5), "five");  // earlier sets stay valid
  EXPECT_EQ(ui::find_module("test_module_a"), changed);

  EXPECT_EQ(ui::load_string(0, 5), "");
  EXPECT_EQ(ui::load_string(9999, 5), "");
  EXPECT_EQ(ui::module_resources(-4).dialog("X"), nullptr);
}

// The scripts the binaries embed are read without a single complaint, joined
// the way the build joins them, each naming itself for its #include lines.
TEST(ResourceScript, ShippedScriptsReadCleanly) {
  namespace fs = std::filesystem;
  const fs::path resources = fs::path(TW_SOURCE_DIR) / "resources";
  ui::IncludeFiles from_disk = [&](std::string_view path) -> std::optional<std::string> {
    fs::path file = resources / path;
    if (!fs::is_regular_file(file)) return std::nullopt;
    return tw_test::read_file(file.string());
  };
  for (const char* binary : {"trvwck32", "twzhtml", "pointip", "twhost"}) {
    std::vector<fs::path> parts;
    if (fs::exists(resources / (std::string(binary) + ".rc"))) parts.push_back(resources / (std::string(binary) + ".rc"));
    std::vector<fs::path> folder;
    if (fs::is_directory(resources / binary))
      for (const auto& entry : fs::directory_iterator(resources / binary))
        if (entry.path().extension() == ".rc") folder.push_back(entry.path());
    std::sort(folder.begin(), folder.end());
    parts.insert(parts.end(), folder.begin(), folder.end());
    std::string joined;
    for (const fs::path& p : parts)
      joined += "#line 1 \"" + fs::relative(p, resources).string() + "\"\n" + tw_test::read_file(p.string()) + "\n";
    Errors errors;
    ui::ResourceSet::parse(joined, &errors, from_disk);
    EXPECT_EQ(errors, Errors{}) << binary;
  }
}

}  // namespace

extern const char tw_rc_trvwck32[];
extern const char* const tw_rc_trvwck32_files[];
extern const char tw_rc_twzhtml[];
extern const char* const tw_rc_twzhtml_files[];
extern const char tw_rc_pointip[];
extern const char* const tw_rc_pointip_files[];
extern const char tw_rc_twhost[];
extern const char* const tw_rc_twhost_files[];

namespace {

// Every picture a BITMAP line names is built in beside its script and reads
// as a bitmap: a missing or misnamed file would paint as an empty box.
TEST(ResourceScript, EveryNamedPictureIsBuiltIn) {
  struct Embedded {
    const char* name;
    const char* script;
    const char* const* files;
  };
  const Embedded binaries[] = {{"trvwck32", tw_rc_trvwck32, tw_rc_trvwck32_files},
                               {"twzhtml", tw_rc_twzhtml, tw_rc_twzhtml_files},
                               {"pointip", tw_rc_pointip, tw_rc_pointip_files},
                               {"twhost", tw_rc_twhost, tw_rc_twhost_files}};
  size_t pictures = 0;
  for (const Embedded& binary : binaries) {
    const std::int32_t module = ui::register_module(binary.name, binary.script, binary.files);
    EXPECT_EQ(ui::module_errors(module), Errors{}) << binary.name;
    const ui::ResourceSet& set = ui::module_resources(module);
    for (const std::string& name : set.bitmap_names()) {
      const std::string* bytes = set.bitmap_data(name);
      ASSERT_NE(bytes, nullptr) << binary.name << ": " << name << " names \"" << *set.bitmap(name) << "\"";
      EXPECT_TRUE(platform::images::bmp_info_from_bytes(*bytes)) << binary.name << ": " << name;
      ++pictures;
    }
  }
  // the contents and outline icons, and Pointip's check mark and tab strip
  // (both by name and by number)
  EXPECT_GE(pictures, 6u + 5u);
  const ui::ResourceSet& pointip = ui::module_resources(ui::find_module("pointip"));
  for (const char* name : {"BIT_CHECK", "1500", "1501", "1502", "1509"})
    EXPECT_NE(pointip.bitmap_data(name), nullptr) << name;
}

// Headers as the build embeds them: name and text pairs.
const char* const kHeaders[] = {
    "app/ids.h", "#pragma once\n#include \"../common/base.h\"\n#define IDC_LIST (IDC_BASE + 1)\n",
    "common/base.h", "#define IDC_BASE 100\n",
    "app/loop_a.h", "#define A 1\n#include \"loop_b.h\"\n",
    "app/loop_b.h", "#include \"LOOP_A.H\"\n",
    "app/self.h", "#include \"./self.h\"\n",
    "app/broken.h", "#define OK_ID 7\n#bogus\n",
    nullptr};

// An include is read relative to the script that makes it, its defines name
// the controls of the script, and the includes nest.
TEST(ResourceScript, IncludeReadsTheHeaderBesideTheScript) {
  std::int32_t module = ui::register_module("include_test", R"rc(#line 1 "app/dialogs.rc"
#include "ids.h"
D DIALOG 0, 0, 100, 100
BEGIN
  LISTBOX IDC_LIST, 0, 0, 50, 60
END
#line 1 "other.rc"
#include "common\base.h"
STRINGTABLE { IDC_BASE "base" }
)rc", kHeaders);
  EXPECT_EQ(ui::module_errors(module), Errors{});
  const ui::ResourceSet& set = ui::module_resources(module);
  ASSERT_NE(set.dialog("D"), nullptr);
  EXPECT_NE(set.dialog("D")->control(101), nullptr);
  EXPECT_EQ(set.symbol("IDC_LIST"), std::optional<std::int64_t>(101));
  EXPECT_EQ(*set.string(100), "base");
}

// A missing file, a loop and a broken header each give one clear report at
// the #include line, and the rest of the script is still read.
TEST(ResourceScript, IncludeProblemsAreReportedAndNeverHang) {
  std::int32_t module = ui::register_module("include_problems", R"rc(#line 1 "app/main.rc"
#include "missing.h"
#include "loop_a.h"
#include "self.h"
#include "broken.h"
#include "../../outside.h"
#include missing_quotes.h
STRINGTABLE { OK_ID "still read" }
)rc", kHeaders);
  EXPECT_EQ(ui::module_errors(module),
            (Errors{"line 2: cannot find include file \"missing.h\"",
                    "line 3: in \"app/loop_a.h\", line 2: in \"app/loop_b.h\", line 1: #include loop: "
                    "\"app/LOOP_A.H\" includes itself",
                    "line 4: in \"app/self.h\", line 1: #include loop: \"app/self.h\" includes itself",
                    "line 5: in \"app/broken.h\", line 2: unknown directive #bogus",
                    "line 6: cannot find include file \"../../outside.h\"",
                    "line 7: #include needs a file name in quotes: missing_quotes.h"}));
  EXPECT_EQ(*ui::module_resources(module).string(7), "still read");

  // A script read on its own has no files to include.
  Errors errors;
  ui::ResourceSet::parse("#include \"ids.h\"\n", &errors);
  EXPECT_EQ(errors, Errors{"line 1: cannot find include file \"ids.h\""});

  // Files that make up a new name at every level stop at a fixed depth.
  ui::IncludeFiles endless = [](std::string_view) -> std::optional<std::string> {
    return "#include \"deeper/next.h\"\n";
  };
  errors.clear();
  ui::ResourceSet::parse("#include \"next.h\"\n", &errors, endless);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("nested too deep"), std::string::npos) << errors[0];
}

}  // namespace

namespace {

TEST(ResourceScript, ComboBoxTypeGivenReplacesTheDefaultSimpleType) {
  auto set = ui::ResourceSet::parse(R"rc(
D DIALOG 0, 0, 100, 100
BEGIN
  COMBOBOX 1, 0, 0, 50, 60
  COMBOBOX 2, 0, 0, 50, 60, CBS_DROPDOWN | WS_VSCROLL
  COMBOBOX 3, 0, 0, 50, 60, CBS_DROPDOWNLIST
  COMBOBOX 4, 0, 0, 50, 60, WS_VSCROLL
END
)rc");
  const auto* d = set.dialog("D");
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->control(1)->style & 3u, 1u);  // CBS_SIMPLE by default
  EXPECT_EQ(d->control(2)->style & 3u, 2u);
  EXPECT_EQ(d->control(3)->style & 3u, 3u);
  EXPECT_EQ(d->control(4)->style & 3u, 1u);
}

}  // namespace
