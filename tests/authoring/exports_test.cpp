// The authoring library's C surface as the word processor's macros call it,
// with buffers of the size twhost passes: texts come back whole, documents
// are named as the word processor names them (".doc"), a save stores the
// project's options, and the start dialog ends with what the export returns.
#include "tarvenwick/trvwck32.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "support/core_fixture.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "project/files/data_file_format.h"
#include "project/files/project_data.h"

namespace {

using tw_test::CoreFixture;

// A caller's text buffer: room for the longest text any export writes.
struct Buffer {
  char data[4096] = {};
  explicit Buffer(std::string_view text = {}) { text.copy(data, text.size()); }
  std::string str() const { return data; }
};

class ExportsTest : public CoreFixture {
 protected:
  std::string hpj;

  // The project opened through the start dialog, as a macro session starts;
  // this also replaces whatever an earlier test left in the library.
  int open_project(const std::string& project) {
    InitTW(5, -97);
    ui().queue_script("dialog DLG_START\nclick 102\nfile " + project + "\n");
    Buffer document;
    return TWStartUp(5, document.data);
  }

  void SetUp() override {
    CoreFixture::SetUp();
    hpj = make_project("help.hpj", "intro.rtf\r\nsecond.rtf\r\n");
    ASSERT_EQ(open_project(hpj), 1);
    ui().clear_transcript();
  }

  // The topic files of the saved data file's topics, by context string.
  std::map<std::string, int> saved_topic_files() {
    EXPECT_EQ(SaveAll(0), 1);
    project::ProjectData data;
    project::reset_project_data(data);
    project::DataFileExtras extras;
    auto bytes = tw_test::read_file(file("proj/help.twz"));
    EXPECT_EQ(project::parse_data_file(bytes, data, extras).status, project::DataReadStatus::ok);
    std::map<std::string, int> files;
    for (int i = 0; i < data.topics.count(); ++i)
      files[std::string(data.topics[i].name())] = data.topics[i].file;
    return files;
  }

  int opt(const std::string& key) { return platform::get_profile_int("Project", key, -99, file("proj/help.opt")); }
};

std::string joined(const std::string& stem, int count, std::string_view separator) {
  std::string out;
  for (int i = 1; i <= count; ++i) {
    if (i > 1) out += separator;
    out += text::format("%s%02d", stem.c_str(), i);
  }
  return out;
}

TEST_F(ExportsTest, TopicTextsLongerThanTheOldCapComeBackWhole) {
  const std::string title = "A title of the longest length the dialog takes " + std::string(81, 'x');
  ASSERT_EQ(title.size(), 128u);
  const std::string keywords = joined("keyword", 40, "; ");  // 438 characters
  ASSERT_EQ(keywords.size(), 438u);
  // Thirty macros, the last with a quoted ";" that must stay as it is.
  std::string macro = joined("JumpId(`guide.hlp',`IDH_topic_number_", 29, "');");
  macro += "'); ExecProgram(`notepad.exe; x', 1)";
  Buffer b_title(title), cx, browse, k(keywords), a("alpha;beta"), counter, footnote(macro), tags, window;
  ui().queue_script("dialog DLG_INS_TOPIC\nset 102 IDH_long_texts\nclick 1\n");
  ASSERT_EQ(GetTopic(5, Buffer(file("proj/intro.doc")).data, b_title.data, cx.data, browse.data, k.data,
                     a.data, counter.data, footnote.data, tags.data, window.data),
            1);
  EXPECT_EQ(b_title.str(), title);
  EXPECT_EQ(cx.str(), "IDH_long_texts");
  EXPECT_EQ(k.str(), keywords);
  EXPECT_EQ(a.str(), "alpha;beta");

  // Nothing of the macro is lost: its separators become "$" from the front
  // until the text after the last one is at most 250 characters, no sooner.
  const std::string out = footnote.str();
  std::string restored = out;
  std::replace(restored.begin(), restored.end(), '$', ';');
  EXPECT_EQ(restored, "!" + macro);
  const size_t last = out.rfind('$');
  ASSERT_NE(last, std::string::npos);
  EXPECT_LE(out.size() - last - 1, 250u);
  const size_t previous = out.rfind('$', last - 1);
  const size_t before_last = previous == std::string::npos ? 0 : previous + 1;
  EXPECT_GT(out.size() - before_last, 250u);
  EXPECT_NE(out.find("notepad.exe; x"), std::string::npos);
}

TEST_F(ExportsTest, EntryMacroSplitsOnlyPastTheFootnoteLength) {
  auto footnote_of = [&](const std::string& macro) {
    Buffer title("Boundary " + std::to_string(macro.size())), cx, browse, k, a, counter, footnote(macro), tags,
        window;
    EXPECT_EQ(GetTopic(-10, Buffer(file("proj/intro.rtf")).data, title.data, cx.data, browse.data, k.data,
                       a.data, counter.data, footnote.data, tags.data, window.data),
              1);
    return footnote.str();
  };
  const std::string fits = "Macro(" + std::string(242, 'm') + ");X()";  // 254 with its "!"
  EXPECT_EQ(footnote_of(fits), "!" + fits);
  const std::string over = "Macro(" + std::string(243, 'm') + ");X()";
  EXPECT_EQ(footnote_of(over), "!Macro(" + std::string(243, 'm') + ")$X()");
}

TEST_F(ExportsTest, LongTopicFilePathsComeBackWhole) {
  const std::string deep = std::string(120, 'd') + "\\" + std::string(120, 'e') + "\\chapter.rtf";
  const std::string project = make_project("deep.hpj", "intro.rtf\r\n" + deep + "\r\n");
  tw_test::write_file(file("proj/intro.doc"), "doc");
  const std::string rtf = file("proj/" + std::string(120, 'd') + "/" + std::string(120, 'e') + "/chapter.rtf");
  tw_test::write_file(rtf, "{\\rtf1}");
  ASSERT_EQ(open_project(project), 1);
  Buffer document(file("proj/intro.doc")), flag("Y");
  EXPECT_EQ(GetAllFiles(document.data, flag.data), 2);
  std::string path = document.str();
  std::replace(path.begin(), path.end(), '\\', '/');
  EXPECT_EQ(path, rtf);
  EXPECT_GT(document.str().size(), 255u);
}

TEST_F(ExportsTest, WordProcessorDocumentsPlaceImportedTopicsInTheirTopicFile) {
  Buffer cx("#IDH_from_doc"), title("+"), browse_cx("IDH_plain"), browse_title("+");
  EXPECT_EQ(AddCX2(cx.data, title.data, Buffer(file("proj/second.doc")).data), 1);
  EXPECT_EQ(cx.str(), "IDH_from_doc");

  tw_test::write_file(file("proj/ids.h"), "#define IDH_imported 2001\r\n#define IDH_other 2002\r\n");
  ui().queue_script("dialog DLG_IMPORT1\nset 101 " + file("proj/ids.h") + "\nclick 1\nmessage OK\n");
  EXPECT_EQ(TWImport1(5, Buffer(file("proj/INTRO.DOC")).data), 1);

  auto files = saved_topic_files();
  EXPECT_EQ(files["IDH_from_doc"], 1);
  EXPECT_EQ(files["IDH_imported"], 0);
  EXPECT_EQ(files["IDH_other"], 0);
}

TEST_F(ExportsTest, WordProcessorDocumentOutsideTheProjectIsOfferedForAdding) {
  ui().queue_script("message Cancel\n");
  Buffer cx("IDH_elsewhere"), title("+");
  EXPECT_EQ(AddCX2(cx.data, title.data, Buffer(file("proj/letter.doc")).data), 0);
  ASSERT_EQ(ui().transcript().size(), 1u);
  EXPECT_NE(ui().transcript()[0].find("Do you want to add letter.doc to help project help.hpj?"),
            std::string::npos);
}

TEST_F(ExportsTest, SavingStoresTheDecidedCompilerEvenWithUnchangedTopics) {
  tw_test::write_file(hpj, ";\r\n[OPTIONS]\r\nLCID=0x409 0x0 0x0\r\n\r\n[FILES]\r\nintro.rtf\r\n");
  ASSERT_EQ(open_project(hpj), 1);
  EXPECT_EQ(Is95Compiler(0), 1);
  EXPECT_EQ(SaveAll(0), 1);
  EXPECT_EQ(opt("W95"), 1);
  EXPECT_EQ(opt("JUT"), 1);
}

TEST_F(ExportsTest, Windows30CompilerChosenInTheProjectDialogSurvivesReopening) {
  ui().queue_script("dialog DLG_PRJ\nclick 203\nmessage OK\nclick 1\n");
  SetOptions(5, 0);
  ASSERT_EQ(Is30Compiler(), 1);
  EXPECT_EQ(SaveAll(0), 1);
  ASSERT_EQ(open_project(hpj), 1);
  EXPECT_EQ(Is30Compiler(), 1);

  ui().queue_script("dialog DLG_PRJ\nclick 202\nclick 1\n");
  SetOptions(5, 0);
  EXPECT_EQ(SaveAll(0), 1);
  ASSERT_EQ(open_project(hpj), 1);
  EXPECT_EQ(Is30Compiler(), 0);
}

TEST_F(ExportsTest, StartDialogEndsWithWhatTheExportReturns) {
  const std::string empty = make_project("empty.hpj", "");
  ui().clear_transcript();
  EXPECT_EQ(open_project(empty), 2);
  ASSERT_FALSE(ui().transcript().empty());
  EXPECT_EQ(ui().transcript().back(), "dialog DLG_START \"Tarvenwick\" -> 2");
  EXPECT_NE(tw_test::read_file(empty).find("topfile1.rtf"), std::string::npos);

  ui().clear_transcript();
  EXPECT_EQ(open_project(hpj), 1);
  EXPECT_EQ(ui().transcript().back(), "dialog DLG_START \"Tarvenwick\" -> 1");
}

TEST_F(ExportsTest, FixedRoomBuffersAreCutToTheirRoom) {
  char language[7][50];
  for (auto& name : language) std::memset(name, 'z', sizeof name);
  EXPECT_EQ(GetLang(language[0], language[1], language[2], language[3], language[4], language[5],
                    language[6]),
            1);
  for (auto& name : language) EXPECT_LT(strnlen(name, sizeof name), sizeof name);

  // A bookmark may grow by its leading "n" within the 256 the caller gives.
  char bookmark[256];
  std::memset(bookmark, '1', 255);
  bookmark[255] = '\0';
  EXPECT_EQ(FixBookmark(bookmark), 1);
  EXPECT_EQ(std::string(bookmark), "n" + std::string(254, '1'));
}

}  // namespace

namespace {

TEST_F(ExportsTest, JumpCommandsFillTheCallersBuffers) {
  Buffer cx("IDH_Print_Setup"), title("Print Setup");
  ASSERT_EQ(AddCX2(cx.data, title.data, Buffer(file("proj/intro.doc")).data), 1);
  Buffer click, target, format("3");
  ui().queue_script("dialog DLG_INS_JUMP\nset 102 IDH_Print_Setup\nclick 1\n");
  EXPECT_EQ(InsertJump(0, Buffer(file("proj/INTRO.DOC")).data, click.data, target.data, format.data), 1);
  EXPECT_EQ(click.str(), "Print Setup");
  EXPECT_EQ(target.str(), "IDH_Print_Setup");
  EXPECT_EQ(format.str(), "00");

  // Cancel hands back the trimmed texts and leaves the format.
  Buffer selection("  a word  "), old("*IDH_Print_Setup  rest"), kept("4");
  ui().queue_script("dialog DLG_INS_DEF\nclick 2\n");
  EXPECT_EQ(InsertDef(0, Buffer(file("proj/intro.doc")).data, selection.data, old.data, kept.data), 0);
  EXPECT_EQ(selection.str(), "a word");
  EXPECT_EQ(old.str(), "*IDH_Print_Setup");
  EXPECT_EQ(kept.str(), "4");

  Buffer digits;
  ui().queue_script("dialog DLG_CNV_TO_DOC\nclick 1\n");
  EXPECT_EQ(Convert(0, digits.data), 1);
  EXPECT_EQ(std::strlen(digits.data), 15u);
}

}  // namespace

namespace {

// A picture placed by a path longer than the caller's buffers is not
// inserted half-written; the author is told.
TEST_F(ExportsTest, PictureTextsTheCallerCannotHoldAreNotInserted) {
  const std::string a(120, 'a'), b(120, 'b');
  tw_test::write_file(file("pics/" + a + "/" + b + "/far.bmp"), "BM");
  Buffer picture, target, alignment("x"), test("x"), display("stale");
  ui().queue_script("dialog DLG_GRAPHIC\nclick 109\nfile c:\\pics\\" + a + "\\" + b +
                    "\\far.bmp\ndialog DLG_ROOT\nclick 7\nclick 1\nmessage OK\n");
  EXPECT_EQ(InsertBitmap(0, Buffer().data, picture.data, target.data, alignment.data, test.data, display.data), 0);
  EXPECT_EQ(picture.str(), "");
  EXPECT_EQ(alignment.str(), "x");
  EXPECT_EQ(display.str(), "stale");
  const auto& lines = ui().transcript();
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
    return l.find("longer than 255 characters") != std::string::npos;
  }));
}

}  // namespace
