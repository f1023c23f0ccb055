// Whole help files against stored copies: the bundled sample and a
// generated project of many topics (browse sequences, a topic window,
// keywords, a paragraph that runs over blocks), plain and packed. Any
// change of layout shows here byte for byte; a deliberate one rewrites the
// copies with TW_WRITE_HELP_COPIES=1.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/test_support.h"
#include "tools/helpc/hlp/help_compiler.h"
#include "tools/helpc/project_input.h"

namespace {

using tw_test::read_file;
using tw_test::write_file;

constexpr std::uint32_t kDate = 0x5F3A1234;

class WholeHelpFile : public tw_test::Fixture {
 protected:
  std::string compile(const std::string& project) {
    const std::string path = file(project);
    const helpc::ProjectInput input = helpc::read_project_input(path, read_file(path));
    auto compiled = hlp::compile_help(input, kDate);
    EXPECT_TRUE(compiled);
    return compiled ? compiled->bytes : std::string();
  }
  void expect_stored(const std::string& bytes, const std::string& name) {
    const std::string stored = std::string(TW_TEST_DATA) + "/helpc/" + name;
    if (std::getenv("TW_WRITE_HELP_COPIES")) write_file(stored, bytes);
    EXPECT_TRUE(read_file(stored) == bytes) << name << " differs from its stored copy";
  }
  void copy_sample(const std::string& folder, bool packed) {
    std::filesystem::create_directories(file(folder));
    for (const auto& entry : std::filesystem::directory_iterator(TW_SAMPLE_DIR))
      std::filesystem::copy(entry.path(), file(folder + "/" + entry.path().filename().string()));
    if (!packed) return;
    std::string hpj = read_file(file(folder + "/sample.hpj"));
    hpj.replace(hpj.find("COMPRESS=0"), 10, "COMPRESS=high");
    write_file(file(folder + "/sample.hpj"), hpj);
  }
  void generate(const std::string& folder, bool packed) {
    std::string hpj = "[OPTIONS]\r\nCONTENTS=t0\r\n";
    if (packed) hpj += "COMPRESS=1\r\n";
    hpj += "[FILES]\r\nt.rtf\r\n[WINDOWS]\r\nside=\"Side\",(10,10,500,500),0\r\n[MAP]\r\nt3 30\r\n";
    write_file(file(folder + "/p.hpj"), hpj);
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times;}}\r\n";
    for (int t = 0; t < 150; ++t) {
      const std::string n = std::to_string(t);
      if (t > 0) rtf += "\\page\r\n";
      rtf += "{\\super #}{\\footnote {\\super #} t" + n + "}{\\super $}{\\footnote {\\super $} Topic " + n + "}";
      rtf += "{\\super K}{\\footnote {\\super K} alpha;key " + std::to_string(t % 7) + "}";
      rtf += "{\\super +}{\\footnote {\\super +} seq:" + std::to_string(1000 - t) + "}";
      if (t % 10 == 3) rtf += "{\\super >}{\\footnote {\\super >} side}";
      rtf += "\r\n\\pard\\keepn{\\b Heading " + n + "}\\par\r\n";
      const int paragraphs = t == 40 ? 1 : 1 + t % 5;
      for (int p = 0; p < paragraphs; ++p) {
        rtf += "\\pard\\li" + std::to_string(p * 120) + " Text {\\f1 of} topic " + n +
               " with a {\\uldb jump}{\\v t" + std::to_string((t * 7) % 150) + "} and a {\\ul pop-up}{\\v t" +
               std::to_string((t + 1) % 150) + "}.\\par\r\n";
      }
      if (t == 40) rtf += std::string(9000, 'w') + "\\par\r\n";  // over two plain blocks
    }
    write_file(file(folder + "/t.rtf"), rtf + "}\r\n");
  }
};

TEST_F(WholeHelpFile, SampleMatchesItsStoredCopyPlainAndPacked) {
  copy_sample("plain", false);
  copy_sample("packed", true);
  expect_stored(compile("plain/sample.hpj"), "sample_plain.hlp");
  expect_stored(compile("packed/sample.hpj"), "sample_packed.hlp");
}

TEST_F(WholeHelpFile, ManyTopicsMatchTheirStoredCopyPlainAndPacked) {
  generate("plain", false);
  generate("packed", true);
  expect_stored(compile("plain/p.hpj"), "many_plain.hlp");
  expect_stored(compile("packed/p.hpj"), "many_packed.hlp");
}

// A target that takes limit bytes and then refuses: the compile abandons
// it and says the help file was not written; a retry of packed blocks
// starts the target afresh.
class FailingTarget : public hlp::HelpTarget {
 public:
  explicit FailingTarget(std::size_t limit) : limit_(limit) {}
  bool open() override {
    ++opened;
    bytes.clear();
    return true;
  }
  bool write(std::string_view piece) override {
    if (bytes.size() + piece.size() > limit_) return false;
    bytes.append(piece);
    return true;
  }
  bool commit() override {
    ++committed;
    return true;
  }
  void abandon() override { ++abandoned; }
  int opened = 0, committed = 0, abandoned = 0;
  std::string bytes;

 private:
  std::size_t limit_;
};

TEST_F(WholeHelpFile, ATargetThatFailsHalfwayIsAbandonedNotCommitted) {
  generate("p", true);
  const helpc::ProjectInput input = helpc::read_project_input(file("p/p.hpj"), read_file(file("p/p.hpj")));
  FailingTarget failing(20000);
  auto compiled = hlp::compile_help(input, kDate, failing);
  ASSERT_TRUE(compiled);
  EXPECT_FALSE(compiled->written);
  EXPECT_EQ(compiled->topics, 150);
  EXPECT_EQ(failing.opened, 1);
  EXPECT_EQ(failing.abandoned, 1);
  EXPECT_EQ(failing.committed, 0);

  FailingTarget roomy(1 << 20);
  compiled = hlp::compile_help(input, kDate, roomy);
  ASSERT_TRUE(compiled && compiled->written);
  EXPECT_EQ(roomy.committed, 1);
  EXPECT_TRUE(roomy.bytes == read_file(std::string(TW_TEST_DATA) + "/helpc/many_packed.hlp"));
}

}  // namespace
