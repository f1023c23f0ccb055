#include "rtf/reader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string flags(const rtf::CharFormat& f) {
  static const char* const kUnderlines[] = {"", "ul", "uldb", "ulw", "uld", "uldash", "ulth", "ulwave", "ul?"};
  std::string out;
  auto add = [&](const std::string& flag) { out += (out.empty() ? "" : " ") + flag; };
  if (f.bold) add("b");
  if (f.italic) add("i");
  if (f.underline != rtf::Underline::none) add(kUnderlines[static_cast<int>(f.underline)]);
  if (f.strike) add("strike");
  if (f.hidden) add("v");
  if (f.font != 0) add("f" + std::to_string(f.font));
  if (f.size != rtf::kDefaultFontSize) add("fs" + std::to_string(f.size));
  if (f.color != 0) add("cf" + std::to_string(f.color));
  return out;
}

std::string para(const char* name, const rtf::ParaFormat& p) {
  std::string out = std::string("<") + name;
  if (p.style != 0) out += " s" + std::to_string(p.style);
  if (p.in_table) out += " tbl";
  if (p.outline_level >= 0) out += " ol" + std::to_string(p.outline_level);
  if (p.list == rtf::ListKind::bullet) out += " bullet" + std::to_string(p.list_level);
  if (p.list == rtf::ListKind::numbered) out += " numbered" + std::to_string(p.list_level);
  return out + ">";
}

// Renders what the reader reports as one string: text as "[flags]text"
// (adjacent pieces of one format merged), everything else as "<event>".
class Recorder : public rtf::Sink {
 public:
  std::string out;

  void text(std::string_view bytes, const rtf::CharFormat& f) override {
    std::string prefix = "[" + flags(f) + "]";
    if (!last_text_prefix_.empty() && last_text_prefix_ == prefix) {
      out += bytes;
    } else {
      out += prefix + std::string(bytes);
      last_text_prefix_ = prefix;
    }
  }
  void unicode_char(std::uint32_t cp, const rtf::CharFormat&) override { event("<U+" + std::to_string(cp) + ">"); }
  void line_break(const rtf::CharFormat&) override { event("<line>"); }
  void paragraph_end(const rtf::ParaFormat& p) override { event(para("par", p)); }
  void cell_end(const rtf::ParaFormat& p) override { event(para("cell", p)); }
  void row_end(const rtf::RowFormat& row) override {
    std::string cells;
    for (int right : row.cell_right) cells += " " + std::to_string(right);
    event("<row" + cells + ">");
  }
  void page_break() override { event("<page>"); }
  void footnote_begin() override { event("<fn>"); }
  void footnote_end() override { event("</fn>"); }
  void picture(const rtf::Picture& p) override {
    event("<pict " + std::to_string(static_cast<int>(p.format)) + " " + std::to_string(p.goal_width) + "x" +
          std::to_string(p.goal_height) + " " + rtf::decode_picture_data(p) + ">");
  }

 private:
  void event(const std::string& e) {
    out += e;
    last_text_prefix_.clear();
  }
  std::string last_text_prefix_;
};

std::string read(std::string_view rtf, rtf::Header* header = nullptr) {
  rtf::Reader reader(rtf);
  Recorder recorder;
  reader.run(recorder);
  if (header) *header = reader.header();
  return recorder.out;
}

TEST(RtfReader, ReadsTheDeclarations) {
  rtf::Header h;
  std::string out = read(
      "{\\rtf1\\ansi\\deff1"
      "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
      "{\\f1\\fswiss\\fcharset0\\fprq2{\\*\\panose 020b0604020202020204}Arial;}"
      "{\\f2\\fnil\\fcharset2 Symbol;}}"
      "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
      "{\\stylesheet{\\widctlpar\\f1\\fs20 Normal;}{\\s1\\outlinelevel0\\b\\fs28 heading 1;}"
      "{\\*\\cs10\\additive Default Paragraph Font;}{\\s15 footnote text;}}"
      "{\\info{\\title Caf\\'e9 {\\i guide}}{\\author Someone}}"
      "Body\\par}",
      &h);
  EXPECT_EQ(out, "[f1]Body<par>");
  EXPECT_EQ(h.default_font, 1);
  EXPECT_EQ(h.font_name(0), "Times New Roman");
  EXPECT_EQ(h.font_name(1), "Arial");
  EXPECT_EQ(h.fonts.at(2).charset, 2);
  EXPECT_EQ(h.font_name(7), "");
  ASSERT_EQ(h.colors.size(), 3u);
  EXPECT_FALSE(h.color(0).has_value());
  EXPECT_EQ(h.color(1), 0xFF0000u);
  EXPECT_EQ(h.color(2), 0x008000u);
  EXPECT_FALSE(h.color(9).has_value());
  ASSERT_NE(h.style(1), nullptr);
  EXPECT_EQ(h.style(1)->name, "heading 1");
  EXPECT_EQ(h.style(1)->outline_level, 0);
  EXPECT_EQ(h.style(0)->name, "Normal");
  EXPECT_EQ(h.style(15)->name, "footnote text");
  EXPECT_EQ(h.styles.size(), 3u);  // the character style is not a paragraph style
  EXPECT_EQ(h.title, "Caf\xE9 guide");
}

TEST(RtfReader, OldStyleFontTableWithoutEntryGroups) {
  rtf::Header h;
  read("{\\rtf1{\\fonttbl\\f0\\fswiss Arial;\\f1\\fmodern Courier New;}x}", &h);
  EXPECT_EQ(h.font_name(0), "Arial");
  EXPECT_EQ(h.font_name(1), "Courier New");
}

TEST(RtfReader, SkipsDestinationsWithoutDocumentText) {
  EXPECT_EQ(read("{\\rtf1 a{\\*\\unknown x}{\\header h}{\\footerr f}{\\*\\bkmkstart _Toc1}b"
                 "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt shown}}"
                 "{\\pntext 1.\\tab}{\\xe {\\v entry}}c{\\*\\generator w}\\par}"),
         "[]abshownc<par>");
}

TEST(RtfReader, FootnotesPicturesAndPages) {
  EXPECT_EQ(read("{\\rtf1 {\\super #{\\footnote \\pard\\plain {\\super #} IDH_A\\par}}Title"
                 "{\\*\\shppict{\\pict\\pngblip\\picwgoal30\\pichgoal15 41\r\n42{\\*\\blipuid 00}}}"
                 "{\\nonshppict{\\pict\\wmetafile8 43}}\\par\\page next}"),
         "[]#<fn>[]# IDH_A<par></fn>[]Title<pict 3 30x15 AB><par><page>[]next");
  // Binary picture data.
  EXPECT_EQ(read("{\\pict\\dibitmap0\\bin2 xy}"), "<pict 5 0x0 xy>");
}

TEST(RtfReader, CharacterFormattingIsScopedByGroups) {
  EXPECT_EQ(read("{\\rtf1 {\\b bold {\\i both}}\\ul u\\ulnone\\uldb d\\ul0 {\\v hidden}"
                 "\\strike s\\striked0 \\f2\\fs20\\cf3 x\\plain y}"),
            "[b]bold [b i]both[ul]u[uldb]d[v]hidden[strike]s[f2 fs20 cf3]x[]y");
}

TEST(RtfReader, SpecialCharactersAndUnicode) {
  EXPECT_EQ(read("{\\rtf1 \\u8364?\\u12354?\\emdash\\~\\-\\_\\tab\\bullet\\lquote x\\line y}"),
            "[]\x80<U+12354>[]\x97\xA0-\t\x95\x91x<line>[]y");
}

TEST(RtfReader, TablesAndParagraphState) {
  EXPECT_EQ(read("{\\rtf1\\trowd\\trleft0\\cellx2000\\cellx4000\\pard\\intbl a\\cell b\\cell\\row"
                 "\\pard c\\par\\pard\\s2\\outlinelevel1 g\\par}"),
            "[]a<cell tbl>[]b<cell tbl><row 2000 4000>[]c<par>[]g<par s2 ol1>");
}

TEST(RtfReader, ListsFromListTablesAndOldNumbering) {
  EXPECT_EQ(read("{\\rtf1{\\*\\listtable"
                 "{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}}\\listid7}"
                 "{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}}{\\listlevel\\levelnfc23}\\listid8}}"
                 "{\\*\\listoverridetable{\\listoverride\\listid7\\listoverridecount0\\ls1}"
                 "{\\listoverride\\listid8\\ls2}}"
                 "\\pard\\ls1 a\\par\\pard\\ls2 b\\par\\pard\\ls2\\ilvl1 c\\par\\pard\\ls9 d\\par"
                 "{\\pard{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}e\\par}"
                 "\\pard{\\*\\pn\\pnlvlbody\\pndec}f\\par\\pard g\\par}"),
            "[]a<par bullet0>[]b<par numbered0>[]c<par bullet1>[]d<par bullet0>"
            "[]e<par bullet0>[]f<par numbered0>[]g<par>");
}

// What a help compiler needs from a topic file: footnotes with their marks,
// hotspots (underlined text followed by hidden text) and topic boundaries.
TEST(RtfReader, WinHelpTopicConventions) {
  EXPECT_EQ(read("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard #{\\footnote # IDH_A}"
                 "${\\footnote $ Topic A}K{\\footnote K alpha;beta}\\par "
                 "See {\\uldb Other}{\\v IDH_B} and {\\ul pop}{\\v IDH_C}.\\par\\page "
                 "#{\\footnote # IDH_B}\\par}"),
            "[]#<fn>[]# IDH_A</fn>[]$<fn>[]$ Topic A</fn>[]K<fn>[]K alpha;beta</fn><par>"
            "[]See [uldb]Other[v]IDH_B[] and [ul]pop[v]IDH_C[].<par><page>"
            "[]#<fn>[]# IDH_B</fn><par>");
}

// A footnote whose "}" is missing ends at the topic's \page: the topics
// after it keep their own footnotes, and the late brace closes nothing new.
TEST(RtfReader, UnclosedFootnoteEndsAtThePage) {
  rtf::Reader reader("{\\rtf1 #{\\footnote # IDH_A}K{\\footnote K open\\par\r\nBody\\par\\page\r\n"
                     "#{\\footnote # IDH_B}Text\\par\\page}}");
  reader.end_footnotes_at_page(true);
  Recorder recorder;
  reader.run(recorder);
  EXPECT_EQ(recorder.out,
            "[]#<fn>[]# IDH_A</fn>[]K<fn>[]K open<par>[]Body<par></fn><page>"
            "[]#<fn>[]# IDH_B</fn>[]Text<par><page>");
  ASSERT_EQ(reader.problems().size(), 1u);
  EXPECT_EQ(reader.problems()[0].message, "footnote not closed before \\page");
}

TEST(RtfReader, MalformedInputNeverStopsTheReader) {
  std::string nested = std::string(5000, '{') + "\\b x" + std::string(5000, '}') + "y";
  rtf::Reader deep(nested);
  Recorder recorder;
  deep.run(recorder);
  EXPECT_EQ(recorder.out, "[b]x[]y");
  EXPECT_FALSE(deep.problems().empty());

  // Every prefix of a document with all the constructs ends without harm.
  std::string document =
      "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1;}{\\stylesheet{\\s1 heading 1;}}"
      "{\\info{\\title T}}{\\*\\listtable{\\list{\\listlevel\\levelnfc23}\\listid1}}"
      "\\pard\\s1 #{\\footnote x}{\\pict\\pngblip 0a}\\u233 ?\\trowd\\cellx10\\intbl a\\cell\\row}";
  for (std::size_t n = 0; n <= document.size(); ++n) {
    rtf::Reader reader(std::string_view(document).substr(0, n));
    Recorder sink;
    reader.run(sink);
  }
}

}  // namespace

namespace {

// Reports characters as code points and control words the reader leaves.
class CodePoints : public rtf::Sink {
 public:
  std::u32string out;
  std::vector<std::string> words;
  void text(std::string_view bytes, const rtf::CharFormat&) override {
    for (char c : bytes) out += static_cast<char32_t>(static_cast<unsigned char>(c));
  }
  void unicode_char(std::uint32_t cp, const rtf::CharFormat&) override {
    out += U'<';
    out += static_cast<char32_t>(cp);
    out += U'>';
  }
  void other_word(const rtf::Token& word, const rtf::CharFormat&) override {
    words.emplace_back(word.text);
  }
};

std::u32string code_points(std::string_view rtf, int* code_page = nullptr) {
  rtf::Reader reader(rtf);
  CodePoints sink;
  reader.run(sink);
  if (code_page) *code_page = reader.header().code_page;
  return sink.out;
}

}  // namespace

TEST(RtfReader, TextIsInTheDocumentsCodePage) {
  int page = 0;
  // Code page 1251: escapes stay its bytes, \uN becomes its byte when it has one.
  EXPECT_EQ(code_points("{\\rtf1\\ansi\\ansicpg1251 \\'e0\\u1073?\\u945?}", &page),
            U"\u00e0\u00e1<\u03b1>");
  EXPECT_EQ(page, 1251);
  EXPECT_EQ(code_points("{\\rtf1\\ansi x\\u233?\\u8217\\'3f\\u1073?}", &page), U"x\u00e9\u0092<\u0431>");
  EXPECT_EQ(page, 1252);
  // A font of another charset: its bytes are read in its code page and
  // given in the document's, or as characters the document cannot hold.
  std::string fonts =
      "{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset204 Arial Cyr;}{\\f2\\fcharset2 Symbol;}}";
  EXPECT_EQ(code_points("{\\rtf1\\ansi\\ansicpg1252" + fonts +
                        "{\\f1 a\\'e0\\'85b}{\\f2 \\'b7}{\\f0 \\'e0}}"),
            U"a<\u0430>\u0085b\u00b7\u00e0");
  // In a code page 1251 document a font of charset 204 needs no conversion.
  EXPECT_EQ(code_points("{\\rtf1\\ansi\\ansicpg1251" + fonts + "{\\f1 \\'e0}{\\f0 \\'e0}}"),
            U"\u00e0\u00e0");
}

TEST(RtfReader, ReportsWordsItLeavesAlone) {
  rtf::Reader reader("{\\rtf1 a{\\super \\chftn}{\\footnote x}\\page\\~}");
  CodePoints sink;
  reader.run(sink);
  EXPECT_EQ(sink.words, (std::vector<std::string>{"rtf", "chftn"}));
}

// Where the formatting in force was set: what a rewriter needs to change a
// hotspot where it stands.
class Origins : public rtf::Sink {
 public:
  explicit Origins(const rtf::Reader& reader) : reader_(reader) {}
  std::vector<std::string> seen;
  void text(std::string_view bytes, const rtf::CharFormat&) override {
    rtf::FormatOrigin o = reader_.origin();
    auto word = [this](const rtf::WordSpan& w) {
      return w.offset == std::string::npos ? std::string("-")
                                           : std::string(reader_.input().substr(w.offset, w.length));
    };
    seen.push_back(std::string(bytes) + "@" + std::to_string(reader_.token().offset) + " {" +
                   std::to_string(o.group_open) + " ul=" + word(o.underline) + " v=" + word(o.hidden));
  }

 private:
  const rtf::Reader& reader_;
};

TEST(RtfReader, KnowsWhereFormattingWasSet) {
  std::string rtf = "{\\rtf1 {\\b\\uldb Go}{\\v\\ulnone T\\'e9}\\plain z}";
  rtf::Reader reader(rtf);
  Origins sink(reader);
  reader.run(sink);
  EXPECT_EQ(sink.seen, (std::vector<std::string>{"Go@16 {7 ul=\\uldb  v=-",
                                                 "T@30 {19 ul=\\ulnone  v=\\v",
                                                 "\xe9@31 {19 ul=\\ulnone  v=\\v",
                                                 "z@43 {0 ul=\\plain  v=\\plain "}));
}
