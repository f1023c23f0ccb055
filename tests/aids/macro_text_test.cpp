// Macro texts: splitting, placeholders, conditional insertion, arguments,
// the catalogue and custom declarations, and the browser's answer.
#include <gtest/gtest.h>

#include <map>

#include "aids/macro_catalogue.h"
#include "aids/macro_text.h"
#include "aids/url_capture.h"
#include "core/messages.h"
#include "platform/browser_query.h"

namespace {

using Lines = std::vector<std::string>;

TEST(MacroText, SplitsAtSeparatorsOutsideQuotedArguments) {
  EXPECT_EQ(aids::split_macros("!JI(\"guide.hlp\",\"intro\");Back()"),
            (Lines{"JI(\"guide.hlp\",\"intro\")", "Back()"}));
  // ";" and ":" inside either quoting style stay in the macro.
  EXPECT_EQ(aids::split_macros("EP(`notepad a;b:c',1) ; JI(\"x:y.hlp\",\"a;b\")"),
            (Lines{"EP(`notepad a;b:c',1)", "JI(\"x:y.hlp\",\"a;b\")"}));
  // ":" separates where no ";" follows; before a ";" it is left alone.
  EXPECT_EQ(aids::split_macros("About():Back()"), (Lines{"About()", "Back()"}));
  EXPECT_EQ(aids::split_macros("A(1:2);B():C()"), (Lines{"A(1:2)", "B()", "C()"}));
  EXPECT_EQ(aids::split_macros(" ;; Back() ;"), (Lines{"Back()"}));
  EXPECT_TRUE(aids::split_macros("!").empty());
  // An apostrophe in a double-quoted argument opens nothing.
  EXPECT_EQ(aids::split_macros("JK(\"\", \"don't;care\");Back()"), (Lines{"JK(\"\", \"don't;care\")", "Back()"}));
  // The nested macro of a conditional stays whole.
  EXPECT_EQ(aids::split_macros("IfThen(IsMark(\"m\"), \"SaveMark(`m');CB(`b', `&B', `Back()')\");About()"),
            (Lines{"IfThen(IsMark(\"m\"), \"SaveMark(`m');CB(`b', `&B', `Back()')\")", "About()"}));
}

TEST(MacroText, UnbalancedQuotesAndAbsurdLengthsStayInOnePiece) {
  EXPECT_EQ(aids::split_macros("JI(\"a;b);Back()"), (Lines{"JI(\"a;b);Back()"}));
  EXPECT_EQ(aids::split_macros("EP(`x;y);Back()"), (Lines{"EP(`x;y);Back()"}));
  EXPECT_FALSE(aids::quotes_balanced("JI(\"a;b);Back()"));
  EXPECT_TRUE(aids::quotes_balanced("JK(\"\", \"don't\");EP(`a `b'',1)"));
  std::string huge(200000, '`');
  huge += ";Back()";
  EXPECT_EQ(aids::split_macros(huge).size(), 1u);
  std::string many;
  for (int i = 0; i < 50000; ++i) many += "Back();";
  EXPECT_EQ(aids::split_macros(many).size(), 50000u);
  EXPECT_EQ(aids::join_macros(aids::split_macros(many)).size(), many.size() - 1);
}

TEST(MacroText, JumpAndBackRoundTrip) {
  const std::string macro = "JI(`guide.hlp>main', `intro');Back()";
  EXPECT_EQ(aids::join_macros(aids::split_macros("!" + macro)), macro);
}

TEST(MacroText, PlaceholdersGoPunctuationStays) {
  EXPECT_EQ(aids::strip_placeholders("JI(\"filename\", \"context-string\")"), "JI(\"\", \"\")");
  EXPECT_EQ(aids::strip_placeholders("EP(\"command-line\", display-state)"), "EP(\"\", )");
  EXPECT_EQ(aids::strip_placeholders("PW(x, y, width, height, state, \"name\")"), "PW(, , , , , \"\")");
  EXPECT_EQ(aids::strip_placeholders("About()"), "About()");
  EXPECT_EQ(aids::strip_placeholders("Exit"), "Exit");
  EXPECT_EQ(aids::strip_placeholders("IfThen(IsMark(\"marker-text\"), \"macro\")"), "IfThen(IsMark(\"\"), \"\")");
  EXPECT_EQ(aids::strip_placeholders("EF(`program', `args',1)"), "EF(`', `', )");
}

TEST(MacroText, MacrosGoIntoAConditionalWithAlternatedQuotes) {
  std::string text = "IfThen(IsMark(\"m\"), \"\")";
  ASSERT_TRUE(aids::is_conditional_macro(text));
  text = aids::insert_into_conditional(text, aids::conditional_insertion_point(text), "JI(\"\", \"\")");
  EXPECT_EQ(text, "IfThen(IsMark(\"m\"), \"JI(`', `')\")");
  // A second macro follows after "; ".
  text = aids::insert_into_conditional(text, aids::conditional_insertion_point(text), "Back()");
  EXPECT_EQ(text, "IfThen(IsMark(\"m\"), \"JI(`', `'); Back()\")");
  EXPECT_FALSE(aids::is_conditional_macro("IfThenX()"));
  EXPECT_TRUE(aids::is_conditional_macro(" ifthenelse(IsMark(\"\"), \"\", \"\")"));
  EXPECT_EQ(aids::insert_into_conditional("IfThen(", 99, "A()"), "IfThen(; A()");
}

TEST(MacroText, ArgumentsLoseTheirQuotes) {
  EXPECT_EQ(aids::macro_arguments("JI(`guide.hlp>win', `intro')"), (Lines{"guide.hlp>win", "intro"}));
  EXPECT_EQ(aids::macro_arguments("PI(\"\",\"don't\")"), (Lines{"", "don't"}));
  EXPECT_EQ(aids::macro_arguments("CBB(\"b\", \"JI(`a', `b')\")"), (Lines{"b", "JI(`a', `b')"}));
  EXPECT_EQ(aids::macro_arguments("About()"), Lines{});
  EXPECT_EQ(aids::macro_arguments("JI(\"unclosed, x"), (Lines{"unclosed, x"}));
  EXPECT_EQ(aids::macro_name(" JumpId (\"a\")"), "JumpId");
}

std::map<int, std::string> table = {
    {101, "About()"},          {140, "JI(\"filename\", \"context-string\")\tJumpId()"},
    {201, "Shows the about box"}, {240, "Jumps"},
    {301, "ALink(\"k\")"},     {320, "  "},
    {500, "ALink(\"k\")"},     {501, "KLink(\"k\")"}, {506, "ShortCut()"}};

std::vector<aids::CatalogueEntry> catalogue(aids::CatalogueKind kind) {
  return aids::read_catalogue(kind, [](int id) { return table.count(id) ? table[id] : std::string(); });
}

TEST(MacroCatalogue, KindDecidesTheRanges) {
  auto win31 = catalogue({});
  ASSERT_EQ(win31.size(), 2u);
  EXPECT_EQ(win31[1].syntax, "JI(\"filename\", \"context-string\")");
  EXPECT_EQ(win31[1].long_name, "JumpId()");
  EXPECT_EQ(win31[1].description, "Jumps");
  EXPECT_EQ(catalogue({true, true, false}).size(), 3u);   // 3.1 and 95, blank 320 skipped
  EXPECT_EQ(catalogue({false, true, false}).size(), 5u);  // 3.1 and the emulation library
  auto viewer = catalogue({false, true, true});
  ASSERT_EQ(viewer.size(), 2u);
  EXPECT_EQ(viewer[0].syntax, "KLink(\"k\")");
}

TEST(MacroCatalogue, TheLibraryTableHoldsEveryEntry) {
  auto lookup = [](int id) { return core::resource_string(id); };
  EXPECT_EQ(aids::read_catalogue({}, lookup).size(), 56u);
  EXPECT_EQ(aids::read_catalogue({true, false, false}, lookup).size(), 56u + 32u);
  auto emulation = aids::read_catalogue({false, true, false}, lookup);
  ASSERT_EQ(emulation.size(), 56u + 7u);
  EXPECT_EQ(emulation[23].description,
            "Execute a program   Display State: 0 - Normal 1 - Minimized 2 - Maximized");
  EXPECT_EQ(emulation[39].long_name, "JumpId()");
  EXPECT_EQ(aids::strip_placeholders(emulation[39].syntax), "JI(\"\", \"\")");
  EXPECT_EQ(aids::read_catalogue({false, true, true}, lookup).size(), 6u);
}

TEST(MacroCatalogue, CustomDeclarationsInCommentLines) {
  const std::string comments =
      ";@DF [mylib.Ding(\"sound\")]{Plays a sound}<mylib.hlp>; [MyLib.Dong()]{Second; with}<x.hlp>;\n"
      "; plain comment [no.decl]\n"
      ";@DF [broken.Half(\n"
      ";@DF [other.Go()]\n";
  auto macros = aids::parse_custom_macros(comments);
  ASSERT_EQ(macros.size(), 4u);
  EXPECT_EQ(macros[0].library, "mylib");
  EXPECT_EQ(macros[0].syntax, "Ding(\"sound\")");
  EXPECT_EQ(macros[0].description, "Plays a sound");
  EXPECT_EQ(macros[0].help_file, "mylib.hlp");
  EXPECT_EQ(macros[1].description, "Second");  // a declaration ends at ";"
  EXPECT_EQ(macros[2].syntax, "Half(");
  EXPECT_EQ(macros[3].help_file, "");
  EXPECT_EQ(aids::custom_libraries(macros), (Lines{"mylib", "broken", "other"}));
}

// A stand-in for the browsers: answers for the services it knows, and a
// record of every request.
class FakeBrowsers : public platform::BrowserChannel {
 public:
  std::map<std::string, std::string> answers;
  Lines* log;
  explicit FakeBrowsers(Lines* l) : log(l) {}
  std::optional<std::string> request(std::string_view service, std::string_view topic,
                                     std::string_view item, int timeout) override {
    log->push_back(std::string(service) + " " + std::string(topic) + " " + std::string(item) + " " +
                   std::to_string(timeout));
    auto it = answers.find(std::string(service));
    if (it == answers.end()) return std::nullopt;
    return it->second;
  }
};

TEST(UrlCapture, AsksTheBrowsersInOrderUntilOneAnswers) {
  Lines log;
  EXPECT_FALSE(aids::capture_browser_url());  // this platform finds no browser
  auto browsers = std::make_unique<FakeBrowsers>(&log);
  browsers->answers["MOSAIC"] = "\"http://example.org/a,b\",\"Title\"";
  platform::set_browser_channel(std::move(browsers));
  EXPECT_EQ(aids::capture_browser_url(), "http://example.org/a");
  platform::set_browser_channel(nullptr);
  EXPECT_EQ(log, (Lines{"NETSCAPE WWW_GetWindowInfo -1 3000", "Iexplore WWW_GetWindowInfo -1 3000",
                        "MOSAIC WWW_GetWindowInfo -1 3000"}));
}

TEST(UrlCapture, AnswersAreCutAndTheMacroFollowsTheCompiler) {
  EXPECT_EQ(aids::parse_browser_answer("\"http://a.org/\",\"A page\""), "http://a.org/");
  EXPECT_EQ(aids::parse_browser_answer("  http://b.org/  "), "http://b.org/");
  EXPECT_EQ(aids::parse_browser_answer("\"http://c.org/"), "http://c.org/");
  EXPECT_EQ(aids::parse_browser_answer(std::string(1000, 'x')).size(), 300u);
  EXPECT_EQ(aids::parse_browser_answer(std::string("\"u\"\0junk,", 9)), "u");
  EXPECT_EQ(aids::url_macro("http://a.org/", true), "EF(`urlvane.exe', `>http://a.org/', 1, `')");
  EXPECT_EQ(aids::url_macro("http://a.org/", false), "EP(`urlvane.exe >http://a.org/',1)");
}

}  // namespace
