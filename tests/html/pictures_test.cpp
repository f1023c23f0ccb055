// Pictures in published pages: bitmaps found on the project's search path,
// converted beside the pages with their size in the tag, hotspot graphics
// with image maps, captions and thumbnails.
#include <gtest/gtest.h>

#include <filesystem>

#include "html/pages/page_writer.h"
#include "html/pictures/bitmap_step.h"
#include "html/pictures/caption_step.h"
#include "html/pictures/image_map.h"
#include "html/pictures/shg_file.h"
#include "html/publish_fixture.h"
#include "html/text/read_on.h"
#include "platform/profile.h"
#include "support/bitmaps.h"

namespace html {
namespace {

using tw_test::Rgb;

struct Spot {
  int type;
  int left, top, width, height;
  std::string name, binding;
};

// A hotspot graphic as the hotspot editor lays it out: the short header
// (or, past 64 KB, the long one) places the hotspot block.
std::string shg_file(const std::vector<Spot>& spots, std::size_t pad_to = 0) {
  const bool long_form = pad_to > 65535;
  std::string out(long_form ? 38 : 34, '\0');
  out[0] = 'l';
  out[1] = 'P';
  std::string picture(pad_to > out.size() + 100 ? pad_to - out.size() - 100 : 4, 'x');
  const std::uint32_t block = static_cast<std::uint32_t>(out.size() + picture.size());
  std::string offset;
  tw_test::put_le(offset, block - 8, long_form ? 4 : 2);
  out.replace(long_form ? 34 : 32, offset.size(), offset);
  out += picture;
  out += '\0';
  tw_test::put_le(out, static_cast<std::uint32_t>(spots.size()), 2);
  tw_test::put_le(out, 3, 2);  // bytes skipped after the records
  tw_test::put_le(out, 0, 2);
  for (const Spot& s : spots) {
    out += static_cast<char>(s.type);
    out += std::string(2, '\0');
    for (int v : {s.left, s.top, s.width, s.height}) tw_test::put_le(out, static_cast<std::uint32_t>(v), 2);
    tw_test::put_le(out, 0, 4);
  }
  out += "abc";
  for (const Spot& s : spots) out += s.name + '\0' + s.binding + '\0';
  return out;
}

const std::vector<Spot> kTwoSpots = {{0xE3, 4, 8, 32, 24, "first", "IDH_PRINT>main"},
                                     {0xE2, 44, 8, 30, 20, "second", "IDH_TONER"}};

TEST(ShgFile, ShortAndLongHeadersGiveTheSameHotspots) {
  for (std::size_t size : {std::size_t{0}, std::size_t{70000}}) {
    SCOPED_TRACE(size);
    std::vector<ShgHotspot> spots = read_shg_hotspots(shg_file(kTwoSpots, size));
    ASSERT_EQ(spots.size(), 2u);
    EXPECT_EQ(spots[0].type, 0xE3);
    EXPECT_EQ(spots[0].left, 4);
    EXPECT_EQ(spots[0].height, 24);
    EXPECT_EQ(spots[0].name, "first");
    EXPECT_EQ(spots[0].binding, "IDH_PRINT>main");
    EXPECT_EQ(spots[1].width, 30);
    EXPECT_EQ(spots[1].binding, "IDH_TONER");
  }
}

TEST(ShgFile, TruncatedAndHostileFilesNeverReadPastTheirEnd) {
  const std::string whole = shg_file(kTwoSpots);
  for (std::size_t size = 0; size < whole.size(); ++size) {
    // Each cut in a buffer of its own, so that a read past it is caught.
    std::vector<char> exact(whole.begin(), whole.begin() + static_cast<long>(size));
    std::vector<ShgHotspot> spots = read_shg_hotspots(std::string_view(exact.data(), exact.size()));
    EXPECT_LE(spots.size(), 2u);
  }
  std::string hostile = shg_file(kTwoSpots);
  hostile[32] = hostile[33] = '\xff';  // block offset beyond the file
  EXPECT_TRUE(read_shg_hotspots(hostile).empty());
  hostile = shg_file(kTwoSpots);
  hostile[39] = hostile[40] = '\xff';  // 65535 hotspots claimed
  EXPECT_LE(read_shg_hotspots(hostile).size(), hostile.size() / 15);
  std::vector<ShgHotspot> long_binding =
      read_shg_hotspots(shg_file({{0xE3, 0, 0, 1, 1, "n", std::string(300, 'A')}}));
  ASSERT_EQ(long_binding.size(), 1u);
  EXPECT_EQ(long_binding[0].binding.size(), kBindingCut);
}

class PicturesTest : public PublishFixture {
 protected:
  void SetUp() override {
    PublishFixture::SetUp();
    run.project.bitmap_path = ".,pics, ..\\shared ";
    std::filesystem::create_directories(file("out"));
    std::filesystem::create_directories(file("help"));
    run.context_map.add("guidep2.htm#IDH_PRINT#%");
    run.context_map.add("guidep3.htm#IDH_TONER#");
    prepare_page_writing(run);
  }
  // A 24-bit picture of the given size with a white background.
  void bitmap(const std::string& where, int width, int height) {
    tw_test::write_file(file(where), tw_test::truecolour_bmp(width, height, [](int x, int y) {
                          return x == y ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
                        }));
  }
  std::string converted(std::string line) {
    struct NoMore : ReadOn {
      bool append_line(std::string&) override { return false; }
    } none;
    convert_bitmap_references(run, line, none);
    return line;
  }
};

TEST_F(PicturesTest, BitmapsAreFoundInRootOrderAndNamesWithFoldersAreNotSearched) {
  bitmap("help/pics/arrow.bmp", 4, 4);
  bitmap("shared/arrow.bmp", 4, 4);
  bitmap("shared/only.bmp", 4, 4);
  tw_test::write_file(file("help/pics/dir.bmp/x"), "a folder named like a picture");
  bitmap("shared/dir.bmp", 4, 4);
  EXPECT_EQ(locate_bitmap(run, "arrow.bmp"), file("help/pics/arrow.bmp"));
  EXPECT_EQ(locate_bitmap(run, "only.bmp"), file("shared/only.bmp"));
  EXPECT_EQ(locate_bitmap(run, "dir.bmp"), file("shared/dir.bmp"));
  EXPECT_FALSE(locate_bitmap(run, "none.bmp"));

  // "art\only.bmp" is taken from the project's folder, not looked for on the path.
  std::string line = "<P>{bmc art\\only.bmp} {bmc pics\\arrow.bmp}</P>\r\n";
  EXPECT_EQ(converted(line),
            "<P>{bmc art\\only.bmp} <IMG SRC=\"arrow.gif\" BORDER=0 HEIGHT=4 WIDTH=4></P>\r\n");
  EXPECT_EQ(run.publish.counts.missing_pictures, 1);
}

TEST_F(PicturesTest, StockPicturesAreSearchedForWindows95Projects) {
  run.settings.authoring.bitmap_dir = "c:\\trvwck\\tw_bmaps";
  bitmap("trvwck/tw_bmaps/std_bmps/bullet.bmp", 9, 9);
  EXPECT_FALSE(locate_bitmap(run, "bullet.bmp"));
  platform::write_profile_string("Project", "W95", "1", "c:\\help\\guide.opt");
  run.publish.bitmap_folders.reset();
  EXPECT_EQ(locate_bitmap(run, "bullet.bmp"), file("trvwck/tw_bmaps/std_bmps/bullet.bmp"));
}

TEST_F(PicturesTest, ReferencesBecomeTagsWithThePicturesSize) {
  bitmap("help/pics/pic.bmp", 40, 25);
  bitmap("help/left.bmp", 8, 6);
  EXPECT_EQ(converted("<P>a {bmr pic.bmp} b {BMLT\r\nLeft.BMP} c {bmcd pic.bmp}</P>\r\n"),
            "<P>a <IMG SRC=\"pic.gif\" ALIGN=RIGHT BORDER=0 HEIGHT=25 WIDTH=40> b "
            "<IMG SRC=\"left.gif\" ALIGN=LEFT BORDER=0 HEIGHT=6 WIDTH=8> c "
            "<IMG SRC=\"pic.gif\" BORDER=0 HEIGHT=25 WIDTH=40></P>\r\n");
  EXPECT_EQ(run.publish.counts.pictures, 3);
  const std::string gif = tw_test::read_file(file("out/pic.gif"));
  EXPECT_EQ(gif.substr(0, 4), "GIF8");
  // The transparent one carries the transparency flag.
  const std::string left = tw_test::read_file(file("out/left.gif"));
  std::size_t control = left.find(std::string("\x21\xF9\x04", 3));
  ASSERT_NE(control, std::string::npos);
  EXPECT_EQ(left[control + 3] & 1, 1);

  run.settings.project.twhtml.pngimages = 1;
  EXPECT_EQ(converted("{bmc pic.bmp}"), "<IMG SRC=\"pic.png\" BORDER=0 HEIGHT=25 WIDTH=40>");
  EXPECT_EQ(tw_test::read_file(file("out/pic.png")).substr(1, 3), "PNG");
}

TEST_F(PicturesTest, UnusableReferencesStayAsTextAndAreCounted) {
  tw_test::write_file(file("help/broken.bmp"), "BM not really a bitmap");
  const std::string line = "{bmc nothere.bmp} {bmc broken.bmp} {bmx pic.bmp} {bmc} {bmc open";
  EXPECT_EQ(converted(line), line);
  EXPECT_EQ(run.publish.counts.missing_pictures, 1);
  EXPECT_EQ(run.publish.counts.failed_pictures, 1);
  EXPECT_EQ(run.publish.counts.pictures, 0);
}

TEST_F(PicturesTest, HotspotGraphicGetsItsMapAfterTheTag) {
  bitmap("help/pics/screen.bmp", 80, 40);
  std::vector<Spot> spots = kTwoSpots;
  spots.push_back({200, 0, 0, 5, 5, "macro", "!Exit()"});
  spots.push_back({0xE3, 1, 1, 2, 2, "elsewhere", "IDH_OTHER@other.hlp"});
  spots.push_back({0xE3, 1, 1, 2, 2, "gone", "IDH_GONE"});
  tw_test::write_file(file("help/pics/screen.shg"), shg_file(spots));
  EXPECT_EQ(converted("<TD>{bmc screen.shg} after</TD>\r\n"),
            "<TD><IMG SRC=\"screen.gif\" BORDER=0 HEIGHT=40 WIDTH=80 USEMAP=\"#screen\">\r\n"
            "<MAP NAME=\"screen\">\r\n"
            "<AREA SHAPE=\"RECT\" COORDS=\"4,8,36,32\" HREF=\"guidep2.htm\" ALT=\"IDH_PRINT\">\r\n"
            "<AREA SHAPE=\"RECT\" COORDS=\"44,8,74,28\" HREF=\"guidep3.htm#IDH_TONER\" ALT=\"IDH_TONER\">\r\n"
            "<AREA SHAPE=default NOHREF>\r\n</MAP>\r\n after</TD>\r\n");
  EXPECT_EQ(run.publish.counts.unresolved_jumps, 2);

  // All macros: only the default area.
  EXPECT_EQ(image_map(run, "m", {{200, 0, 0, 1, 1, "a", "Exit()"}, {204, 0, 0, 1, 1, "b", "x()"}}),
            "<MAP NAME=\"m\">\r\n<AREA SHAPE=default NOHREF>\r\n</MAP>\r\n");
}

TEST_F(PicturesTest, CaptionsAndThumbnailsBecomeCentredLinks) {
  struct Lines : ReadOn {
    std::vector<std::string> rest;
    bool append_line(std::string& buffer) override {
      if (rest.empty()) return false;
      buffer += rest.front();
      rest.erase(rest.begin());
      return true;
    }
  } more;
  more.rest = {"Figure <B>1</B> LFCECAP tail\r\n"};
  std::string line = "<P>LFCBCAP<IMG SRC=\"big.gif\" WIDTH=9>\r\n";
  link_captions(line, more);
  EXPECT_EQ(line, "<P><P><CENTER><A HREF=\"big.gif\">Figure 1</A></CENTER></P> tail\r\n");

  line = "<P>LFCBCAP no end here";
  link_captions(line, more);
  EXPECT_EQ(line, "<P> no end here");

  line = "x!!lfcg <P><IMG SRC=\"full.gif\" WIDTH=400></P> LFCTHUMB <IMG SRC=\"small.gif\"> y";
  link_thumbnails(line, more);
  EXPECT_EQ(line, "x<P><CENTER><A HREF=\"full.gif\"><IMG SRC=\"small.gif\" BORDER=0></A></CENTER></P> y");

  line = "!!lfcg<IMG SRC=\"full.gif\"> LFCTHUMB";
  link_thumbnails(line, more);
  EXPECT_EQ(line, "<IMG SRC=\"full.gif\"> ");
}

TEST_F(PicturesTest, ThePageWriterConvertsPicturesInTableCells) {
  bitmap("help/pics/tool.bmp", 16, 15);
  page("guidep2.htm", "Tools",
       "<TABLE BORDER=1>\r\n<TR><TD>{bmct tool.bmp}</TD><TD>Cut</TD></TR>\r\n</TABLE>\r\n");
  prepare_page_writing(run);
  ASSERT_EQ(write_topic_page(run, "c:\\out\\guidep2.htm"), 1);
  const std::string written = out("guidep2.htm");
  EXPECT_EQ(written.find("{bm"), std::string::npos) << written;
  EXPECT_NE(written.find("<TD><IMG SRC=\"tool.gif\" BORDER=0 HEIGHT=15 WIDTH=16>"), std::string::npos)
      << written;
  EXPECT_TRUE(tw_test::exists(file("out/tool.gif")));
}

}  // namespace
}  // namespace html
