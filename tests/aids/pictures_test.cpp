// Pictures for the word processor: where a picture code's file lies
// (GetBitPath) and the texts of multimedia elements.
#include <gtest/gtest.h>

#include "aids/bitmap_path.h"
#include "aids/multimedia_element.h"
#include "project/project_fixture.h"

namespace {

class BitPathTest : public tw_test::ProjectFixture {
 protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    use_project("c:\\help\\guide.hpj", "[OPTIONS]\r\nBMROOT=art, shared\r\n");
    state.data.project.bitmap_roots = "art, ..\\shared";
    state.settings.bitmap_dir = "c:\\trvwck\\TW_BMAPS";
    tw_test::write_file(file("shared/arrow.bmp"), "BM");
    tw_test::write_file(file("trvwck/TW_BMAPS/std_bmps/bullet.bmp"), "BM");
    tw_test::write_file(file("trvwck/TW_BMAPS/std_bmps/blsquare.bmp"), "BM");
  }
  int bit_path(std::string_view code, std::string& path) { return aids::GetBitPath(state, code, path); }
};

TEST_F(BitPathTest, CodeWordAndBraceAreDroppedAndTheSecondRootFound) {
  std::string path;
  EXPECT_EQ(bit_path("  bmc arrow.bmp}  ", path), aids::kBitmapFound);
  EXPECT_EQ(path, file("shared/arrow.bmp"));
  EXPECT_EQ(bit_path("BMCT ARROW.BMP", path), aids::kBitmapFound);
  EXPECT_EQ(bit_path("bmc nothing.bmp}", path), aids::kBitmapNotFound);
  EXPECT_EQ(path, "");
}

TEST_F(BitPathTest, StockPicturesAndTheBulletOnlyWithTheWindows95Compiler) {
  std::string path;
  EXPECT_EQ(bit_path("bmc bullet.bmp", path), aids::kBitmapNotFound);
  state.win95_compiler = 1;
  EXPECT_EQ(bit_path("bmc bullet.bmp", path), aids::kBitmapIsStock);
  EXPECT_EQ(path, file("trvwck/TW_BMAPS/std_bmps/bullet.bmp"));
  state.settings.bullet_type = "blsquare.bmp";
  EXPECT_EQ(bit_path("bmc blsquare.bmp", path), aids::kBitmapIsBullet);

  // The stock button picture shows only with WYSIWYG pictures.
  tw_test::write_file(file("help/art/twbtn1.bmp"), "BM");
  EXPECT_EQ(bit_path("bmc twbtn1.bmp", path), aids::kBitmapFound);
  state.options.wys_picts = false;
  EXPECT_EQ(bit_path("bmc twbtn1.bmp", path), aids::kBitmapNotFound);
}

TEST_F(BitPathTest, TheProjectsBitmapListIsTheLastResort) {
  state.data.project.bitmap_files = {"c:\\pictures\\logo.bmp", "c:\\trvwck\\tw_bmaps\\gone.bmp"};
  std::string path;
  EXPECT_EQ(bit_path("bml logo.bmp}", path), aids::kBitmapFound);
  EXPECT_EQ(path, "c:\\pictures\\logo.bmp");
  EXPECT_EQ(bit_path("gone.bmp", path), aids::kBitmapIsStock);
}

TEST(MultimediaElement, BothCompilerFormsAndTheirOptionsReadBack) {
  aids::MultimediaElement clip;
  clip.file = "clip.avi";
  clip.position = aids::ElementPosition::left;
  EXPECT_EQ(aids::multimedia_element_text(clip, true), "{mci_left ,clip.avi}");
  EXPECT_EQ(aids::multimedia_element_text(clip, false), "{ewl twzmm.dll,TWMCI,|clip.avi}");

  aids::MultimediaElement full = clip;
  full.position = aids::ElementPosition::right;
  full.baggage = full.playbar = full.menu = false;
  full.autoplay = full.loop = true;
  const std::string win95 = aids::multimedia_element_text(full, true);
  EXPECT_EQ(win95, "{mci_right EXTERNAL NOPLAYBAR NOMENU PLAY REPEAT ,clip.avi}");
  EXPECT_EQ(aids::multimedia_element_text(full, false),
            "{ewr twzmm.dll,TWMCI, NOPLAYBAR PLAY REPEAT|clip.avi}");

  for (bool w95 : {true, false}) {
    SCOPED_TRACE(w95);
    const aids::MultimediaElement back =
        aids::parse_multimedia_element(aids::multimedia_element_text(full, w95), w95);
    EXPECT_EQ(back.file, "clip.avi");
    EXPECT_EQ(back.position, aids::ElementPosition::right);
    EXPECT_FALSE(back.playbar);
    EXPECT_TRUE(back.autoplay);
    EXPECT_TRUE(back.loop);
    EXPECT_EQ(back.menu, !w95);
  }
  const aids::MultimediaElement fresh = aids::parse_multimedia_element("", true);
  EXPECT_TRUE(fresh.playbar && fresh.menu && fresh.baggage);
  EXPECT_EQ(fresh.position, aids::ElementPosition::insertion_point);
}

}  // namespace
