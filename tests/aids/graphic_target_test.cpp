// A picture as a hotspot: the target chosen by title, from a related
// project or through the finder, checked as the jump dialog checks it; a
// keyword jump composed for a picture; the stock pictures on their buttons.
#include <algorithm>

#include "aids/bullet_drawing.h"
#include "aids/graphic_dialog.h"
#include "aids/hotspot_companion.h"
#include "aids/insert_bitmap.h"
#include "aids/related_fixture.h"
#include "jump_fixture.h"
#include "core/messages.h"
#include "platform/ui/host.h"
#include "resources/trvwck32/pictures.h"
#include "support/bitmaps.h"

namespace {

class GraphicTargetTest : public tw_test::JumpFixture {
 protected:
  aids::InsertBitmapResult out;
  void SetUp() override {
    JumpFixture::SetUp();
    state.settings.bitmap_dir = "c:\\trvwck\\tw_bmaps";
    tw_test::write_file(file("trvwck/tw_bmaps/std_bmps/bullet.bmp"),
                        tw_test::truecolour_bmp(16, 16, [](int, int) { return tw_test::Rgb{0, 0, 0}; }));
  }
  // The stock bullet picture as a hotspot, the rest as the script says.
  int insert(const std::string& script, std::string_view target = "") {
    ui().queue_script("dialog DLG_GRAPHIC\nclick 830\nclick 104\n" + script);
    return aids::InsertBitmap(state, 0, kDocument, "", target, out);
  }
  bool shown(std::string_view piece) {
    const auto& t = ui().transcript();
    return std::any_of(t.begin(), t.end(), [&](const std::string& l) { return l.find(piece) != std::string::npos; });
  }
};

TEST_F(GraphicTargetTest, TargetByTitleOrThroughTheFinder) {
  tw_test::write_file(host("c:\\help\\guide.kdb"), "IDH_Print_Setup\tSetting up the printer\tprinting\r\n");
  EXPECT_EQ(insert("check 636 1\nselect 601 Setting up the printer=IDH_Print_Setup\nclick 1\n"), aids::kPictureJump);
  EXPECT_EQ(out.target, "IDH_Print_Setup");

  EXPECT_EQ(insert("click 191\nclick 189\nwindow DLG_CX_FIND\nset 101 cont\nclick 1\nwindow DLG_GRAPHIC\nclick 1\n"),
            aids::kPicturePopup);
  EXPECT_EQ(out.target, "IDH_Contents");
}

TEST_F(GraphicTargetTest, TargetsAreCheckedAsJumpsAre) {
  EXPECT_EQ(insert("set 102 IDH_Nowhere\nclick 1\nmessage OK\nset 102 bad name\nclick 1\nmessage OK\nclick 2\n"), 0);
  EXPECT_TRUE(shown("Context string IDH_Nowhere not found."));
  EXPECT_TRUE(shown("Context strings may contain only letters"));

  // An unknown window: the message, then the window editor.
  state.win95_compiler = 0;
  EXPECT_EQ(insert("set 102 IDH_Contents\nset 137 nowhere\nclick 1\nmessage OK\ndialog DLG_WINED\nclick 2\n"
                   "select 137 second\nclick 1\n"),
            aids::kPictureJump);
  EXPECT_EQ(out.target, "IDH_Contents>second");

  // An unlisted help file needs its name.
  EXPECT_EQ(insert("click 511\nset 102 IDH_Far\nclick 1\nmessage OK\nset 513 manual.hlp\nclick 1\n"),
            aids::kPictureJump);
  EXPECT_EQ(out.target, "IDH_Far@manual.hlp");
  EXPECT_EQ(out.test_flag, "0");
}

TEST_F(GraphicTargetTest, ATopicOfARelatedProjectTargetsItsHelpFile) {
  tw_test::add_related_project(state, {"IDH_Elsewhere", "IDH_Other"});
  EXPECT_EQ(insert("click 295\nwindow DLG_WG_LIST\nselect# 101 0\nwindow DLG_GRAPHIC\nselect 102 IDH_Other\nclick 1\n"),
            aids::kPictureJump);
  EXPECT_EQ(out.target, "IDH_Other@two.hlp");
  EXPECT_TRUE(shown("window DLG_WG_LIST closed")) << "the list goes with the dialog";
}

TEST_F(GraphicTargetTest, KeywordJumpForAPicture) {
  tw_test::write_file(host("c:\\help\\guide.kdb"), "IDH_Print_Setup\tPrint Setup\tprinting\r\n");
  // Without keywords there is nothing to insert.
  EXPECT_EQ(insert("click 193\nclick 1\nmessage OK\nclick 195\ndialog DLG_LINK\nselect 101 printing\nclick 130\n"
                   "click 1\nclick 1\n"),
            aids::kPictureMacro);
  EXPECT_EQ(out.target, "!KLink(\"printing\",0,\"\",\"\")");
  EXPECT_TRUE(shown("You must enter a value for the macro"));

  // An existing keyword jump opens as one and comes back unchanged.
  ui().queue_script("dialog DLG_GRAPHIC\nclick 1\n");
  EXPECT_EQ(aids::InsertBitmap(state, 0, kDocument, "bullet.bmp", "%!ALink(\"a\",0,\"\",\"\")", out),
            aids::kPictureMacro);
  EXPECT_EQ(out.target, "!ALink(\"a\",0,\"\",\"\")");

  // KLink and ALink need the Windows 95 compiler or its emulation.
  state.win95_compiler = 0;
  EXPECT_EQ(insert("click 193\nclick 2\n"), 0);
  EXPECT_TRUE(shown("control 193 is disabled"));
}

// Keeps the dialog's handle, under which the host keeps what was painted.
class PaintProbe : public aids::GraphicDialog {
 public:
  using GraphicDialog::GraphicDialog;
  ui::Handle handle = 0;
  void on_close(ui::Dialog& dialog) override {
    handle = dialog.handle();
    GraphicDialog::on_close(dialog);
  }
};

using Lines = std::vector<std::string>;

TEST_F(GraphicTargetTest, StockPicturesAreDrawnOnTheirButtons) {
  PaintProbe dialog(state, "bullet.bmp", "");
  ui().queue_script("dialog DLG_GRAPHIC\nclick 1\n");
  ASSERT_EQ(ui().run_modal(core::authoring_module(), "DLG_GRAPHIC", dialog, 0), 1);
  const std::string bullet = file("trvwck/tw_bmaps/std_bmps/bullet.bmp");
  EXPECT_EQ(ui().paint_record(dialog.handle, 830),
            (Lines{"fill 0 0 16 16 0xC0C0C0", "frame 0 0 16 16 0x000000", "bitmap 2 2 12 12 \"" + bullet + "\""}));
  // A stock picture the installation lacks shows its name.
  EXPECT_EQ(ui().paint_record(dialog.handle, 831),
            (Lines{"fill 0 0 16 16 0xC0C0C0", "frame 0 0 16 16 0x808080", "text 2 2 12 12 0x000000 centre \"emdash\""}));
}

// The bullet list draws each picture beside its name.
TEST_F(GraphicTargetTest, BulletPicturesAreDrawnInTheirList) {
  tw_test::write_file(file("trvwck/tw_bmaps/star.bmp"), "BM");
  struct ListProc : ui::DialogProc {
    aids::AidsState* state = nullptr;
    ui::Handle handle = 0;
    void on_init(ui::Dialog& d) override {
      handle = d.handle();
      for (const char* name : {"bullet.bmp", "star.bmp", "gone.bmp"}) d.add_item(IDC_BULLETS_LIST, name);
      d.set_selection(IDC_BULLETS_LIST, 1);
      aids::paint_bullet_list(*state, d, IDC_BULLETS_LIST);
    }
  } proc;
  proc.state = &state;
  ui().queue_script("dialog DLG_BULLETS\nclick 2\n");
  ui().run_modal(core::authoring_module(), "DLG_BULLETS", proc, 0);
  EXPECT_EQ(ui().paint_record(proc.handle, IDC_BULLETS_LIST),
            (Lines{"fill 0 0 150 25 0xFFFFFF",
                   "bitmap 4 4 17 17 \"" + file("trvwck/tw_bmaps/std_bmps/bullet.bmp") + "\"",
                   "text 25 0 125 25 0x000000 left \"bullet.bmp\"",
                   "fill 0 25 150 25 0x800000",
                   "bitmap 4 29 17 17 \"" + file("trvwck/tw_bmaps/star.bmp") + "\"",
                   "text 25 25 125 25 0xFFFFFF left \"star.bmp\"",
                   "fill 0 50 150 25 0xFFFFFF",
                   "text 25 50 125 25 0x000000 left \"gone.bmp\""}));
}

}  // namespace

namespace {

// The Hotspot Editor starts with its companion beside it; bindings chosen
// there go to the editor's open window.
TEST_F(GraphicTargetTest, HotspotEditorOpensWithItsCompanion) {
  tw_test::write_file(file("help/pic.bmp"), "BMpicture");
  state.settings.compilers.shed = "/bin/true";
  ui().queue_script("dialog DLG_GRAPHIC\nclick 37\nmessage Yes\nwindow DLG_CX\nset 109 print\nclick 110\n"
                    "set 103 second\ndblclick 101 1\nwindow DLG_GRAPHIC\nclick 1\n");
  EXPECT_EQ(aids::InsertBitmap(state, 0, kDocument, "pic.bmp", "", out), aids::kPicturePlain);
  EXPECT_EQ(out.graphic_file, "pic.shg");
  EXPECT_EQ(tw_test::read_file(file("help/pic.shg")), "BMpicture");
  EXPECT_EQ(tw_test::read_file(file("help/pic.bmp")), "BMpicture");
  EXPECT_TRUE(shown("topmost DLG_CX on"));
  EXPECT_TRUE(shown("paste \"Attributes|Preferences\" \"IDH_Print_Setup>second\" -> 0"));
  EXPECT_TRUE(shown("window DLG_CX closed")) << "the companion goes with the dialog";

  // An editor that cannot start: the message, and no companion left open.
  ui().clear_transcript();
  state.settings.compilers.shed = "c:\\nowhere\\shed.exe";
  ui().queue_script("dialog DLG_GRAPHIC\nclick 37\nmessage OK\nclick 1\n");
  EXPECT_EQ(aids::InsertBitmap(state, 0, kDocument, "pic.shg", "", out), aids::kPicturePlain);
  EXPECT_TRUE(shown("Unable to locate or run SHED.EXE."));
  EXPECT_TRUE(shown("window DLG_CX closed"));
}

TEST(HotspotCompanion, FindGoesOnFromTheSelectionAndWrapsRound) {
  const std::vector<std::string> items = {"IDH_Contents", "IDH_Print", "IDH_Printer"};
  EXPECT_EQ(aids::find_next_item(items, "print", -1), 1);
  EXPECT_EQ(aids::find_next_item(items, "PRINT", 1), 2);
  EXPECT_EQ(aids::find_next_item(items, "print", 2), 1);
  EXPECT_EQ(aids::find_next_item(items, "nothing", 0), -1);
  EXPECT_EQ(aids::find_next_item({}, "x", -1), -1);
  EXPECT_EQ(aids::companion_binding(" IDH_a ", ""), "IDH_a");
  EXPECT_EQ(aids::companion_binding("IDH_a", "second"), "IDH_a>second");
}

}  // namespace
