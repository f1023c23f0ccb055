// A project whose contents are too long to stand beside every page, published
// with the default template: each page stays small, one page holds the whole
// contents, and every link of the site reaches its page.
#include <filesystem>

#include "platform/paths.h"
#include "platform/text.h"
#include "sample_publish_fixture.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTopics = 600;
constexpr int kPerFile = 150;

// A topic file as a word processor saves it: footnote marks in character
// style groups, the footnote text in its own paragraph style, \rquote and
// \'xx escapes, LF line ends in every other file.
std::string topic_file(int first, int count, bool lf) {
  std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
      "{\\stylesheet{\\s0 Normal;}{\\*\\cs15 \\super footnote reference;}{\\s16 footnote text;}}\r\n";
  for (int t = first; t < first + count; ++t) {
    if (t > first) rtf += "\\page\r\n";
    rtf += text::format("{\\cs15\\super #{\\footnote \\pard\\plain \\s16 {\\cs15\\super #} IDH_T%d}}", t);
    rtf += text::format("{\\cs15\\super ${\\footnote \\pard\\plain \\s16 {\\cs15\\super $} Topic number %d}}", t);
    rtf += text::format("{\\cs15\\super K{\\footnote \\pard\\plain \\s16 {\\cs15\\super K} subject %d}}\r\n", t);
    rtf += text::format("\\pard\\plain {\\b\\fs28 Topic number %d}\\par\r\n", t);
    rtf += text::format("\\pard It\\rquote s the caf\\'e9 topic; see {\\uldb topic %d}{\\v IDH_T%d}.\\par\r\n",
                        (t * 7) % kTopics, (t * 7) % kTopics);
  }
  rtf += "}\r\n";
  if (lf) {
    std::string out;
    for (char c : rtf)
      if (c != '\r') out += c;
    return out;
  }
  return rtf;
}

class LargeContentsPublish : public tw_test::SamplePublishFixture {
 protected:
  void SetUp() override {
    SamplePublishFixture::SetUp();
    std::string hpj = "[OPTIONS]\r\nTITLE=Large Help\r\nCONTENTS=IDH_T0\r\n\r\n[FILES]\r\n";
    // Books of 100 topics, each with a chapter of its last 20.
    std::string cnt = ":Base big.hlp\r\n:Title Large Help\r\n";
    for (int f = 0; f < kTopics / kPerFile; ++f) {
      hpj += text::format("part%d.rtf\r\n", f);
      tw_test::write_file(file(text::format("big/part%d.rtf", f)),
                          topic_file(f * kPerFile, kPerFile, f % 2 == 1));
    }
    for (int t = 0; t < kTopics; ++t) {
      if (t % 100 == 0) cnt += text::format("1 Book %d\r\n", t / 100);
      if (t % 100 == 80) cnt += "2 Chapter\r\n";
      cnt += text::format("%d Topic number %d=IDH_T%d\r\n", t % 100 >= 80 ? 3 : 2, t, t);
    }
    tw_test::write_file(file("big/big.hpj"), hpj);
    tw_test::write_file(file("big/big.cnt"), cnt);
    project = platform::to_system_path(file("big/big.hpj"));
  }
};

TEST_F(LargeContentsPublish, PagesKeepTheWayToThemselvesAndOnePageHoldsTheWhole) {
  host::PublishResult r = publish("modern.lfc");
  EXPECT_EQ(r.pages, kTopics);
  EXPECT_EQ(r.failed_pages, 0);
  EXPECT_TRUE(r.broken_links.empty()) << r.broken_links.front();

  const std::string whole = tw_test::read_file(file("site/twzcont.htm"));
  for (int t = 0; t < kTopics; ++t)
    EXPECT_NE(whole.find(text::format(">Topic number %d</A>", t)), std::string::npos) << t;
  for (const char* book : {"Book 0", "Book 5", "Chapter"})
    EXPECT_NE(whole.find(book), std::string::npos) << book;

  std::size_t largest = 0;
  int with_link = 0;
  for (const auto& entry : fs::directory_iterator(file("site"))) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".htm" || name == "twzcont.htm" || name == "twztoc.htm") continue;
    const std::string page = tw_test::read_file(entry.path().string());
    if (page.find("<A HREF=\"twzcont.htm\">") != std::string::npos) ++with_link;
    const std::size_t nav = page.find("<NAV CLASS=\"tw-contents\">");
    if (nav != std::string::npos) largest = std::max(largest, page.find("</NAV>", nav) - nav);
  }
  EXPECT_GE(with_link, kTopics);
  // The whole sidebar of this project is over 30 KB.
  EXPECT_LT(largest, 6000u);

  // A topic in a chapter sees its book and chapter open, and the other books closed.
  const std::string deep = tw_test::read_file(file("site/part3p42.htm"));
  const std::size_t nav = deep.find("<NAV CLASS=\"tw-contents\">");
  ASSERT_NE(nav, std::string::npos);
  const std::string sidebar = deep.substr(nav, deep.find("</NAV>", nav) - nav);
  for (const char* shown : {">Book 0<", ">Book 5<", ">Chapter<", ">Topic number 491</A>"})
    EXPECT_NE(sidebar.find(shown), std::string::npos) << shown << sidebar;
  EXPECT_EQ(sidebar.find(">Topic number 300</A>"), std::string::npos) << sidebar;
}

}  // namespace
