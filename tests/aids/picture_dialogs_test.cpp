// The picture dialogs as the author uses them: choosing a picture or a
// stock picture, the copy offer, the hotspot target, position and
// transparency codes, the preview, multimedia elements and the refresh choice.
#include <gtest/gtest.h>

#include <cctype>

#include "aids/bullet_dialog.h"
#include "aids/graphic_preview.h"
#include "aids/styles_dialog.h"
#include "core/settings.h"
#include "platform/profile.h"
#include "aids/insert_bitmap.h"
#include "aids/multimedia_dialog.h"
#include "platform/ui/painter.h"
#include "project/project_fixture.h"
#include "project/topics/topic_table.h"
#include "support/bitmaps.h"
#include "support/mixed_case_dir.h"

namespace {

class PictureDialogs : public tw_test::ProjectFixture {
 protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    use_project("c:\\help\\guide.hpj", "[OPTIONS]\r\nBMROOT=art\r\n[WINDOWS]\r\nside=\"Side\",,,,\r\n");
    state.data.project.bitmap_roots = "art";
    state.settings.bitmap_dir = "c:\\trvwck\\tw_bmaps";
    tw_test::write_file(file("help/art/pic.bmp"), picture(30, 20));
    tw_test::write_file(file("trvwck/tw_bmaps/std_bmps/shortcut.bmp"), picture(16, 16));
    for (const char* name : {"intro", "tip"}) project::AddOrUpdateTopic(state.data.topics, {name, "", 0, true});
    project::WindowRecord side;
    side.name = "side";
    state.data.windows.push_back(side);
  }
  static std::string text_lowered(std::string path) {
    for (char& c : path) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return path;
  }
  static std::string picture(int width, int height) {
    return tw_test::truecolour_bmp(width, height, [](int, int) { return tw_test::Rgb{0, 0, 255}; });
  }
  int insert(const std::string& script, aids::InsertBitmapResult& out, std::string_view file = "",
             std::string_view target = "") {
    ui().queue_script("dialog DLG_GRAPHIC\n" + script);
    return aids::InsertBitmap(state, 5, "", file, target, out);
  }
};

TEST_F(PictureDialogs, ChosenPictureAtTheRightMarginTransparent) {
  aids::InsertBitmapResult out;
  EXPECT_EQ(insert("click 109\nfile c:\\help\\art\\PIC.bmp\nclick 111\nclick 38\nclick 1\n", out),
            aids::kPicturePlain);
  EXPECT_EQ(out.graphic_file, "pic.bmp");  // in a bitmap root: the compiler finds it by name
  EXPECT_EQ(out.alignment, "11");
  EXPECT_EQ(out.target, "");
  EXPECT_EQ(out.test_flag, "0");
  EXPECT_EQ(out.display_path, file("help/art/pic.bmp"));
}

TEST_F(PictureDialogs, HotspotGraphicShowsItsBitmapOrNothing) {
  tw_test::write_file(file("help/art/map.shg"), "lP");
  aids::InsertBitmapResult out;
  EXPECT_EQ(insert("click 1\n", out, "  MAP.SHG "), aids::kPicturePlain);
  EXPECT_EQ(out.graphic_file, "map.shg");
  EXPECT_EQ(out.display_path, "");
  tw_test::write_file(file("help/art/map.bmp"), picture(4, 4));
  EXPECT_EQ(insert("click 1\n", out, "map.shg"), aids::kPicturePlain);
  EXPECT_EQ(out.display_path, file("help/art/map.bmp"));
  state.options.wys_picts = false;
  EXPECT_EQ(insert("click 1\n", out, "map.shg"), aids::kPicturePlain);
  EXPECT_EQ(out.display_path, "");
}

// The copy goes where the compiler finds the picture by its bare name: the
// first bitmap root when the project folder is none of them.
TEST_F(PictureDialogs, PictureOutsideTheRootsIsCopiedIntoABitmapRootWhenAsked) {
  tw_test::write_file(file("elsewhere/far.bmp"), picture(8, 8));
  const std::string choose = "click 109\nfile c:\\elsewhere\\far.bmp\ndialog DLG_ROOT\n";
  aids::InsertBitmapResult out;
  EXPECT_EQ(insert(choose + "click 6\nclick 1\n", out), 1);
  EXPECT_EQ(out.graphic_file, "far.bmp");
  EXPECT_EQ(tw_test::read_file(file("help/art/far.bmp")), picture(8, 8));
  EXPECT_FALSE(tw_test::exists(file("help/far.bmp")));

  // Answered No, the picture stays where it is and is placed by its path.
  EXPECT_EQ(insert(choose + "click 7\nclick 1\n", out), 1);
  EXPECT_EQ(out.graphic_file, "c:\\elsewhere\\far.bmp");

  // With the project folder among the roots, the copy goes there.
  state.data.project.bitmap_roots = "art, .";
  tw_test::write_file(file("elsewhere/near.bmp"), picture(6, 6));
  EXPECT_EQ(insert("click 109\nfile c:\\elsewhere\\near.bmp\ndialog DLG_ROOT\nclick 6\nclick 1\n", out), 1);
  EXPECT_EQ(out.graphic_file, "near.bmp");
  EXPECT_EQ(tw_test::read_file(file("help/near.bmp")), picture(6, 6));
}

// A different picture of that name in the root is never replaced; the
// author is told and the chosen picture is placed by its path.
TEST_F(PictureDialogs, CopyOfferLeavesAnotherPictureOfTheSameNameAlone) {
  tw_test::write_file(file("elsewhere/pic.bmp"), picture(8, 8));
  aids::InsertBitmapResult out;
  const std::string choose = "click 109\nfile c:\\elsewhere\\pic.bmp\ndialog DLG_ROOT\nclick 6\n";
  EXPECT_EQ(insert(choose + "message OK\nclick 1\n", out), 1);
  EXPECT_EQ(out.graphic_file, "c:\\elsewhere\\pic.bmp");
  // The message names the root folder as a host path.
  bool told = false;
  for (const auto& line : ui().transcript()) {
    told = told || (line.rfind("message ", 0) == 0 && line.find(file("help/art")) != std::string::npos);
  }
  EXPECT_TRUE(told);
  EXPECT_EQ(tw_test::read_file(file("help/art/pic.bmp")), picture(30, 20));
  // The same bytes already there: nothing to copy, the bare name serves.
  tw_test::write_file(file("elsewhere/pic.bmp"), picture(30, 20));
  EXPECT_EQ(insert(choose + "click 1\n", out), 1);
  EXPECT_EQ(out.graphic_file, "pic.bmp");
}

// A picture kept outside the roots, in folders whose names mix case: the
// path comes back as the author chose it, and one given in another case
// shows the folders as they are on disk.
TEST_F(PictureDialogs, PathsOutsideTheRootsKeepTheirCase) {
  tw_test::MixedCaseDir mixed;
  ASSERT_FALSE(mixed.path().empty());
  const std::string chosen = mixed.file("Shots/Main Window.bmp");
  tw_test::write_file(chosen, picture(8, 8));
  aids::InsertBitmapResult out;
  EXPECT_EQ(insert("click 109\nfile " + chosen + "\ndialog DLG_ROOT\nclick 7\nclick 1\n", out), 1);
  EXPECT_EQ(out.graphic_file, chosen);
  EXPECT_EQ(out.display_path, chosen);

  EXPECT_EQ(insert("click 1\n", out, text_lowered(chosen)), 1);
  EXPECT_EQ(out.display_path, chosen);

  // A hotspot graphic made from it lies beside it, under the same spelling.
  state.settings.compilers.shed = "/bin/true";
  EXPECT_EQ(insert("click 37\nmessage Yes\nwindow DLG_GRAPHIC\nclick 1\n", out, chosen), 1);
  EXPECT_EQ(out.graphic_file, mixed.file("Shots/Main Window.shg"));
  EXPECT_TRUE(tw_test::exists(mixed.file("Shots/Main Window.shg")));
  EXPECT_EQ(out.display_path, chosen);
}

TEST_F(PictureDialogs, StockPictureAsAJumpHotspot) {
  aids::InsertBitmapResult out;
  EXPECT_EQ(insert("click 832\nclick 104\nset 102 intro\nset 137 side\nclick 1\n", out),
            aids::kPictureJump);
  EXPECT_EQ(out.target, "intro>side");
  EXPECT_EQ(out.graphic_file, "c:\\trvwck\\tw_bmaps\\std_bmps\\shortcut.bmp");
  EXPECT_EQ(out.alignment, "2");
  // A pop-up without a context string is refused until one is given.
  EXPECT_EQ(insert("click 104\nclick 191\nclick 1\nmessage OK\nset 102 tip\nclick 1\n", out, "shortcut.bmp"),
            aids::kPicturePopup);
  EXPECT_EQ(out.target, "tip");
  // Without a picture there is nothing to insert.
  EXPECT_EQ(insert("click 1\nmessage OK\nclick 2\n", out), 0);
}

// A hotspot graphic made from a stock picture belongs to the project: it
// goes where the copy offer puts pictures, never into the stock folder.
TEST_F(PictureDialogs, HotspotGraphicOfAStockPictureIsMadeInTheProjectsRoot) {
  state.settings.compilers.shed = "/bin/true";
  aids::InsertBitmapResult out;
  EXPECT_EQ(insert("click 832\nclick 37\nmessage Yes\nwindow DLG_GRAPHIC\nclick 1\n", out), 1);
  EXPECT_EQ(out.graphic_file, "shortcut.shg");
  EXPECT_EQ(tw_test::read_file(file("help/art/shortcut.shg")), picture(16, 16));
  EXPECT_FALSE(tw_test::exists(file("trvwck/tw_bmaps/std_bmps/shortcut.shg")));
}

TEST(GraphicPreview, ScaledToTheSquareOrExplained) {
  tw_test::TempDir dir;
  tw_test::write_file(dir.file("wide.bmp"),
                      tw_test::truecolour_bmp(240, 60, [](int, int) { return tw_test::Rgb{}; }));
  tw_test::write_file(dir.file("broken.bmp"), "BM?");
  ui::RecordingPainter wide, broken, none;
  aids::paint_graphic_preview(wide, dir.file("wide.bmp"));
  aids::paint_graphic_preview(broken, dir.file("broken.bmp"));
  aids::paint_graphic_preview(none, "");
  ASSERT_EQ(wide.record().size(), 2u);
  EXPECT_EQ(wide.record()[0], "fill 0 0 120 120 0xC0C0C0");
  EXPECT_EQ(wide.record()[1], "bitmap 0 45 120 30 \"" + dir.file("wide.bmp") + "\"");
  ASSERT_EQ(broken.record().size(), 2u);
  EXPECT_NE(broken.record()[1].find("\"Can't preview graphic\""), std::string::npos);
  EXPECT_EQ(none.record().size(), 1u);
}

TEST_F(PictureDialogs, MultimediaElementsForBothCompilers) {
  tw_test::write_file(file("help/clip.avi"), "RIFF");
  std::string element, document = "c:\\help\\topics.doc";
  state.win95_compiler = 1;
  ui().queue_script("dialog DLG_MULTIM\nclick 101\nfile c:\\help\\clip.avi\nclick 150\nclick 1\n");
  EXPECT_EQ(aids::InsertMultiMedia(state, 5, element, document), 1);
  EXPECT_EQ(element, "{mci_left ,clip.avi}");
  EXPECT_EQ(document, "c:\\help\\topics.doc");

  // Read back and changed: the options survive.
  ui().queue_script("dialog DLG_MULTIM\nclick 113\nclick 1\n");
  EXPECT_EQ(aids::InsertMultiMedia(state, 5, element, document), 1);
  EXPECT_EQ(element, "{mci_left REPEAT ,clip.avi}");

  state.win95_compiler = 0;
  state.data.project.emulation = true;
  element.clear();
  tw_test::write_file(file("media/song.wav"), "RIFF");
  ui().queue_script("dialog DLG_MULTIM\nclick 101\nfile c:\\media\\song.wav\nclick 150\nclick 1\n"
                    "dialog DLG_MMROOT\nclick 6\n");
  EXPECT_EQ(aids::InsertMultiMedia(state, 5, element, document), 1);
  EXPECT_EQ(element, "{ewl twzmm.dll,TWMCI,|song.wav}");
  EXPECT_EQ(tw_test::read_file(file("help/song.wav")), "RIFF");

  state.options.wys_picts = false;
  ui().queue_script("dialog DLG_MULTIM\nclick 2\n");
  EXPECT_EQ(aids::InsertMultiMedia(state, 5, element, document), 0);
  EXPECT_EQ(document, "");
}

TEST_F(PictureDialogs, UpdatePicturesReturnsTheChoice) {
  ui().queue_script("dialog DLG_UPPICT\nclick 1\n");
  EXPECT_EQ(aids::UpdatePictures(state, 5, ""), 1);
  ui().queue_script("dialog DLG_UPPICT\nclick 113\nclick 1\n");
  EXPECT_EQ(aids::UpdatePictures(state, 5, ""), 4);
  ui().queue_script("dialog DLG_UPPICT\nclick 2\n");
  EXPECT_EQ(aids::UpdatePictures(state, 5, ""), 0);
}

TEST_F(PictureDialogs, BulletPicturesFromTheBitmapDirectory) {
  tw_test::write_file(file("trvwck/tw_bmaps/std_bmps/blsquare.bmp"), picture(8, 8));
  tw_test::write_file(file("trvwck/tw_bmaps/bldiamnd.bmp"), picture(8, 8));
  tw_test::write_file(file("elsewhere/star.bmp"), picture(8, 8));
  core::write_setting("BULLETS", "blsquare.bmp;gone.bmp;bldiamnd.bmp");
  EXPECT_EQ(aids::listed_bullets(state, "blsquare.bmp;gone.bmp;bldiamnd.bmp"),
            (std::vector<std::string>{"blsquare.bmp", "bldiamnd.bmp"}));

  // A picture from another folder is refused; bitmap bullets need a choice.
  ui().queue_script("dialog DLG_BULLETS\nclick 105\nfile c:\\elsewhere\\star.bmp\nmessage OK\n"
                    "click 111\nclick 1\nmessage OK\nselect# 101 1\nclick 1\n");
  EXPECT_EQ(aids::SelectBullet(state, 5), 1);
  std::string name;
  EXPECT_EQ(aids::GetBullet(state, name), 1);
  EXPECT_EQ(name, "bldiamnd.bmp");
  EXPECT_EQ(core::read_setting("Bullet Type", "", 13), "bldiamnd.bmp");
  EXPECT_EQ(state.data.project.bitmap_files.back(), "c:\\trvwck\\tw_bmaps\\bldiamnd.bmp");

  ui().queue_script("dialog DLG_BULLETS\nclick 110\nclick 1\n");
  EXPECT_EQ(aids::SelectBullet(state, 5), 1);
  EXPECT_EQ(aids::GetBullet(state, name), 1);
  EXPECT_EQ(name, "");
}

// Bullet pictures go by their whole file names: a long name is listed and
// chosen whole, and two names that share their first twelve characters
// stay two bullets.
TEST_F(PictureDialogs, BulletsAreMatchedByTheirWholeNames) {
  for (const char* name : {"arrow-right-blue.bmp", "arrow-right-red.bmp"})
    tw_test::write_file(file(std::string("trvwck/tw_bmaps/std_bmps/") + name), picture(8, 8));
  core::write_setting("BULLETS", "arrow-right-blue.bmp;arrow-right-red.bmp");
  EXPECT_EQ(aids::listed_bullets(state, "arrow-right-blue.bmp;arrow-right-red.bmp"),
            (std::vector<std::string>{"arrow-right-blue.bmp", "arrow-right-red.bmp"}));

  ui().queue_script("dialog DLG_BULLETS\nclick 111\nselect 101 arrow-right-red.bmp\nclick 1\n");
  EXPECT_EQ(aids::SelectBullet(state, 5), 1);
  std::string name;
  aids::GetBullet(state, name);
  EXPECT_EQ(name, "arrow-right-red.bmp");
  EXPECT_EQ(core::read_setting("Bullet Type", "", core::kBulletTypeMax), "arrow-right-red.bmp");
  EXPECT_EQ(state.data.project.bitmap_files.back(), "c:\\trvwck\\tw_bmaps\\arrow-right-red.bmp");

  // Opened again, the chosen one is selected; removing the other keeps it.
  ui().queue_script("dialog DLG_BULLETS\nclick 1\n");
  EXPECT_EQ(aids::SelectBullet(state, 5), 1);
  EXPECT_EQ(core::read_setting("Bullet Type", "", core::kBulletTypeMax), "arrow-right-red.bmp");
  ui().queue_script("dialog DLG_BULLETS\nselect# 101 0\nclick 106\nselect# 101 0\nclick 1\n");
  EXPECT_EQ(aids::SelectBullet(state, 5), 1);
  EXPECT_EQ(core::read_setting("BULLETS", "", 500), "arrow-right-red.bmp");
  EXPECT_EQ(core::read_setting("Bullet Type", "", core::kBulletTypeMax), "arrow-right-red.bmp");
}

TEST_F(PictureDialogs, StylesGoBackToTheCallerAndIntoTheOptionFile) {
  std::string sizes = "14 12 10 9", separator;
  ui().queue_script("dialog DLG_STYLES\nset 108  . 3\"\nclick 114\nclick 1\n");
  EXPECT_EQ(aids::TWStyles(state, 5, sizes, separator, ""), 2);
  EXPECT_EQ(sizes, "14 12 10 9 .3\" .25\"");
  EXPECT_EQ(separator, ".");
  EXPECT_EQ(platform::get_profile_string("Project", "Bul Indent", "", 20, "c:\\help\\guide.opt"), ".3\"");

  ui().queue_script("dialog DLG_STYLES\nclick 116\nclick 1\n");
  EXPECT_EQ(aids::TWStyles(state, 5, sizes, separator, ""), 1);
  EXPECT_EQ(sizes, "8 8 8 8 .15\" .15\"");
  EXPECT_EQ(separator, "");
  ui().queue_script("dialog DLG_STYLES\nclick 2\n");
  EXPECT_EQ(aids::TWStyles(state, 5, sizes, separator, ""), 0);
}

}  // namespace
