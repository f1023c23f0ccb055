// Tuple keys of a project's [Settings]: defaults, short and damaged values,
// texts after ">", and the formats written back.
#include "wizard/settings_tuples.h"

#include <gtest/gtest.h>

namespace wizard {
namespace {

// The stored defaults of every tuple read into the records' initial values:
// a record default that drifts from the file format's default shows here.
TEST(SettingsTuples, StoredDefaultsGiveTheRecordDefaults) {
  const PageSettings d;
  EXPECT_EQ(parse_xref("1 0 "), d.xref);
  EXPECT_EQ(parse_fnames("0 40 .htm"), d.fnames);
  EXPECT_EQ(parse_base("3  "), d.base);
  EXPECT_EQ(parse_wdmgn1("0 200 1 1 1 0 0 0"), d.wdmgn1);
  EXPECT_EQ(parse_frm("0 1 0 30 30 twzfrm.htm"), d.frm);
  EXPECT_EQ(parse_tocset("1 1 1 1 0 0 1 0 0 0 0 0 0"), d.tocset);
  EXPECT_EQ(parse_tabv("0 0 100 1 1 1 0 0 0 16777215"), d.tabv);
  EXPECT_EQ(parse_v2frameset("1 1 1 0"), d.v2frameset);
  EXPECT_EQ(parse_v2toc("0 2"), d.v2toc);
  EXPECT_EQ(parse_page_file_switch("0 1 1 1"), d.hv);
  EXPECT_EQ(parse_longdoc("0 0 0 0"), d.longdoc);
  EXPECT_EQ(parse_background("0 "), d.bg);
  EXPECT_EQ(parse_navbuts("0 0 0 0 0 0 1 0 0 0 0 1 0"), d.navbuts);
  EXPECT_EQ(parse_rule0("center \"100%\" 2 0 0 "), d.rule0);
  EXPECT_EQ(parse_sigv("1 1 0 1 0 1 1 1 1"), d.sigv);
  EXPECT_EQ(parse_colours("9116245 9116245 9116245", {}), d.tv);
  EXPECT_EQ(parse_heading(""), HeadingFormat{});
}

TEST(SettingsTuples, TextAfterMarkerIsTakenWhole) {
  EXPECT_EQ(parse_xref("1 1 >c:\\my links\\auto list.txt").autolink_file,
            "c:\\my links\\auto list.txt");
  // Only the first ">" separates; later ones belong to the text.
  EXPECT_EQ(parse_background("2 >c:\\a>b\\paper.gif").graphic, "c:\\a>b\\paper.gif");
  HeadingFormat h = parse_heading("1 1 2 -2 1 0 1 255 1 0 1 2 >Times New Roman");
  EXPECT_EQ(h.face, "Times New Roman");
  EXPECT_EQ(h.size_change, -2);
  EXPECT_EQ(h.colour, 255);
  EXPECT_EQ(h.top_button, 2);
  RuleOptions r = parse_rule0("right \"50%\" 4 -1 1 >c:\\art\\my rule.gif");
  EXPECT_EQ(r.alignment, "right");
  EXPECT_EQ(r.width, "\"50%\"");
  EXPECT_EQ(r.style, -1);
  EXPECT_EQ(r.graphic, "c:\\art\\my rule.gif");
  // A closing text field without ">" may hold blanks too.
  EXPECT_EQ(parse_base("2 Times New Roman").face, "Times New Roman");
  EXPECT_EQ(parse_frm("1 0 1 20 20 my frames.htm").page_name, "my frames.htm");
}

TEST(SettingsTuples, ShortOrDamagedValuesKeepDefaultsOfMissingFields) {
  FrameOptions f = parse_frm("1 0");
  EXPECT_EQ(f.in_frame, 1);
  EXPECT_EQ(f.home_exits_frame, 0);
  EXPECT_EQ(f.toc_size, 30);
  EXPECT_EQ(f.page_name, "twzfrm.htm");
  // Reading stops at the first field that is not a number.
  TocPageOptions t = parse_tocset("0 0 x 5 5");
  EXPECT_EQ(t.long_doc_enable, 0);
  EXPECT_EQ(t.toc_title, 0);
  EXPECT_EQ(t.index_title, 1);
  EXPECT_EQ(t.size_change[0], 1);
  // The text after ">" does not depend on the numbers before it.
  CrossReferenceOptions x = parse_xref("garbage >links.txt");
  EXPECT_EQ(x.convert, 1);
  EXPECT_EQ(x.autolink_file, "links.txt");
  EXPECT_EQ(parse_tabv("99999999999999 -99999999999999").set_width, 2147483647);
  EXPECT_EQ(parse_colours("", {1, 2, 3}), (ColourTriple{1, 2, 3}));
}

TEST(SettingsTuples, FileNamingBoundsAndExtensionCut) {
  EXPECT_EQ(parse_fnames("1 -1 .htm").max_chars, 40);
  EXPECT_EQ(parse_fnames("1 261 .htm").max_chars, 40);
  EXPECT_EQ(parse_fnames("1 260 .htm").max_chars, 260);
  EXPECT_EQ(parse_fnames("2 0 .html").extension, ".html");
  EXPECT_EQ(parse_fnames("2 0 .shtml").extension, ".shtm");
  EXPECT_EQ(parse_fnames("2 0 phtml").extension, "phtm");
  EXPECT_EQ(parse_fnames("2 8").extension, ".htm");
}

TEST(SettingsTuples, FormatsAsStored) {
  EXPECT_EQ(format_xref({1, 0, "c:\\x y.txt"}), "1 0 >c:\\x y.txt");
  EXPECT_EQ(format_background({0, ""}), "0 >");
  EXPECT_EQ(format_rule0(RuleOptions{}), "center \"100%\" 2 0 0 >");
  HeadingFormat h;
  h.colour = 16711680;
  h.face = "Arial";
  EXPECT_EQ(format_heading(h), "0 0 0 0 0 0 0 16711680 0 0 0 0 >Arial");
  EXPECT_EQ(format_navbuts(NavBarOptions{}), "0 0 0 0 0 0 1 0 0 0 0 1 0");
  EXPECT_EQ(format_tocset(TocPageOptions{}), "1 1 1 1 0 0 1 0 0 0 0 0 0");
  EXPECT_EQ(format_tabv(TableOptions{}), "0 0 100 1 1 1 0 0 0 16777215");
  EXPECT_EQ(format_sigv(SignatureOptions{}), "1 1 0 1 0 1 1 1 1");
  EXPECT_EQ(format_frm(FrameOptions{}), "0 1 0 30 30 twzfrm.htm");
  EXPECT_EQ(format_fnames(FileNaming{}), "0 40 .htm");
  // Word fields stay single words, so the fields after them do not shift.
  RuleOptions r;
  r.alignment = "";
  r.width = "\"100 %\"";
  EXPECT_EQ(parse_rule0(format_rule0(r)).height, 2);
  EXPECT_EQ(parse_rule0(format_rule0(r)).alignment, "center");
}

TEST(SettingsTuples, SignatureLineBreaksAsDoubleTilde) {
  EXPECT_EQ(signature_to_stored("Line one\r\nLine two"), "Line one~~Line two");
  EXPECT_EQ(signature_from_stored("Line one~~Line two"), "Line one\r\nLine two");
  EXPECT_EQ(signature_to_stored("a\nb\rc"), "a~~b~~c");
  EXPECT_EQ(signature_from_stored("~~~"), "\r\n~");
}

}  // namespace
}  // namespace wizard
