#include "rtf/tokenizer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// One line per token: "{", "}", "\word", "\word-12", "\~" (symbol),
// "T:text", "B:n" (binary, data length), "U+e9".
std::string describe(const rtf::Token& t) {
  switch (t.kind) {
    case rtf::TokenKind::group_open: return "{";
    case rtf::TokenKind::group_close: return "}";
    case rtf::TokenKind::control_word:
      return "\\" + std::string(t.text) + (t.has_param ? std::to_string(t.param) : "");
    case rtf::TokenKind::control_symbol: return "\\" + std::string(t.text);
    case rtf::TokenKind::text: return "T:" + std::string(t.text);
    case rtf::TokenKind::binary: return "B:" + std::string(t.text);
    case rtf::TokenKind::unicode: {
      char buf[16];
      std::snprintf(buf, sizeof buf, "U+%x", static_cast<unsigned>(t.param));
      return buf;
    }
  }
  return "?";
}

std::vector<std::string> describe_all(std::string_view input, std::vector<rtf::Problem>* problems = nullptr) {
  std::vector<std::string> out;
  for (const rtf::Token& t : rtf::tokenize(input, problems)) out.push_back(describe(t));
  return out;
}

using Strings = std::vector<std::string>;

TEST(RtfTokenizer, GroupsWordsAndTextWithPositions) {
  std::string_view input = "{\\rtf1\\ansi Hello\r\n world\\par}";
  std::vector<rtf::Problem> problems;
  std::vector<rtf::Token> tokens = rtf::tokenize(input, &problems);
  Strings described;
  for (const auto& t : tokens) described.push_back(describe(t));
  EXPECT_EQ(described, (Strings{"{", "\\rtf1", "\\ansi", "T:Hello", "T: world", "\\par", "}"}));
  ASSERT_EQ(tokens.size(), 7u);
  EXPECT_EQ(tokens[2].offset, 6u);
  EXPECT_EQ(tokens[2].length, 6u);  // "\ansi " with its delimiting blank
  EXPECT_EQ(tokens[3].offset, 12u);
  EXPECT_EQ(tokens[4].offset, 19u);  // the line break is not text
  EXPECT_TRUE(problems.empty());
}

TEST(RtfTokenizer, ParametersAndDelimiters) {
  EXPECT_EQ(describe_all("\\fs-24x\\b0\\i \\li720  a"),
            (Strings{"\\fs-24", "T:x", "\\b0", "\\i", "\\li720", "T: a"}));
  // A minus sign without digits is not a parameter.
  EXPECT_EQ(describe_all("\\b- x"), (Strings{"\\b", "T:- x"}));
  rtf::Token t = rtf::tokenize("\\b")[0];
  EXPECT_FALSE(t.has_param);
  EXPECT_TRUE(rtf::tokenize("\\b0")[0].has_param);
}

TEST(RtfTokenizer, EscapesAndSymbols) {
  EXPECT_EQ(describe_all("\\'e9\\'41\\'4A"), (Strings{"T:\xE9", "T:A", "T:J"}));
  EXPECT_EQ(describe_all("a\\{b\\}\\\\"), (Strings{"T:a", "T:{", "T:b", "T:}", "T:\\"}));
  EXPECT_EQ(describe_all("\\~\\-\\_\\*\\|"), (Strings{"\\~", "\\-", "\\_", "\\*", "\\|"}));
  // A backslash before a line break is a paragraph mark.
  EXPECT_EQ(describe_all("a\\\nb"), (Strings{"T:a", "\\par", "T:b"}));
}

TEST(RtfTokenizer, BinaryDataIsOneTokenBoundedByTheInput) {
  EXPECT_EQ(describe_all("\\bin3 {}\\x"), (Strings{"B:{}\\", "T:x"}));
  EXPECT_EQ(describe_all("\\bin0 {}"), (Strings{"B:", "{", "}"}));
  std::vector<rtf::Problem> problems;
  EXPECT_EQ(describe_all("\\bin2000000000 ab", &problems), (Strings{"B:ab"}));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].offset, 0u);
}

TEST(RtfTokenizer, UnicodeSkipsItsFallback) {
  EXPECT_EQ(describe_all("\\u233?x"), (Strings{"U+e9", "T:x"}));
  EXPECT_EQ(describe_all("\\u-3913 ?"), (Strings{"U+f0b7"}));
  // \uc2: two fallback units, here two hex escapes.
  EXPECT_EQ(describe_all("\\uc2\\u8364\\'80\\'80x"), (Strings{"\\uc2", "U+20ac", "T:x"}));
  // \uc0: nothing to skip.
  EXPECT_EQ(describe_all("\\uc0\\u8364 x"), (Strings{"\\uc0", "U+20ac", "T:x"}));
  // A control word is one fallback unit; a line break is none.
  EXPECT_EQ(describe_all("\\u8212\r\n\\endash x"), (Strings{"U+2014", "T:x"}));
  // \uc is scoped to its group, and a brace ends the fallback early.
  EXPECT_EQ(describe_all("{\\uc2 }\\u233 ab"), (Strings{"{", "\\uc2", "}", "U+e9", "T:b"}));
  EXPECT_EQ(describe_all("\\uc3\\u233 a}b"), (Strings{"\\uc3", "U+e9", "}", "T:b"}));
  // A \bin inside the fallback has its data stepped over as well.
  EXPECT_EQ(describe_all("\\u233\\bin2 }}x"), (Strings{"U+e9", "T:x"}));
}

TEST(RtfTokenizer, MalformedInputIsReportedAndReadOn) {
  std::vector<rtf::Problem> problems;
  EXPECT_EQ(describe_all("}a{{b", &problems), (Strings{"}", "T:a", "{", "{", "T:b"}));
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].message, "unmatched '}'");
  EXPECT_EQ(problems[1].message, "2 group(s) not closed at the end");

  problems.clear();
  EXPECT_EQ(describe_all("a\\'4", &problems), (Strings{"T:a"}));
  EXPECT_EQ(describe_all("\\'zz", &problems), (Strings{"T:zz"}));
  EXPECT_EQ(describe_all("x\\", &problems), (Strings{"T:x"}));
  EXPECT_EQ(problems.size(), 3u);

  problems.clear();
  std::string long_word = "\\" + std::string(40, 'a') + "7 t";
  EXPECT_EQ(describe_all(long_word, &problems), (Strings{"\\" + std::string(32, 'a') + "7", "T:t"}));
  EXPECT_EQ(describe_all("\\fs99999999999999999999 t", &problems), (Strings{"\\fs2147483647", "T:t"}));
  EXPECT_EQ(problems.size(), 2u);
}

TEST(RtfTokenizer, ProblemListIsBounded) {
  std::vector<rtf::Problem> problems;
  rtf::tokenize(std::string(1000, '}'), &problems);
  EXPECT_EQ(problems.size(), rtf::kMaxProblems + 1);
}

// Whatever the bytes, tokens stay inside the input, in order, and cover it.
TEST(RtfTokenizer, ArbitraryBytesNeverEscapeTheInput) {
  std::mt19937 random(20240611);
  const std::string alphabet = "{}\\'*~-u0123456789abcfinx \r\n";
  for (int round = 0; round < 2000; ++round) {
    std::string input;
    std::size_t length = random() % 64;
    for (std::size_t i = 0; i < length; ++i) {
      input.push_back(random() % 4 == 0 ? static_cast<char>(random() % 256)
                                        : alphabet[random() % alphabet.size()]);
    }
    rtf::Tokenizer tokenizer(input);
    rtf::Token token;
    std::size_t last_end = 0;
    while (tokenizer.next(token)) {
      ASSERT_GE(token.offset, last_end) << input;
      ASSERT_LE(token.offset + token.length, input.size()) << input;
      last_end = token.offset + token.length;
    }
    ASSERT_EQ(tokenizer.position(), input.size());
  }
}

}  // namespace
