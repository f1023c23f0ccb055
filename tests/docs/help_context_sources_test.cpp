// Every context number a Help button or a compile message asks of the
// product's help is named in formats/help_contexts.h, so the help project's
// [MAP] and the published-page walk cover it. This reads the sources: each
// help call's k-constants must be defined from help_contexts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// Topics of help files that are not the product's: the installation's file
// association help and the assistant's test of the author's own popups.
const std::set<std::string> kOtherHelpFiles = {"kAssociationTopic", "kHelpContextPopup"};
// The viewer's command constants, which name no topic.
const std::set<std::string> kViewerCommands = {"kHelpContext", "kHelpContents", "kHelpFinder",
                                               "kHelpQuit",    "kHelpKey",      "kHelpCommand",
                                               "kHelpPartialKey"};

std::map<std::string, std::string> read_sources() {
  std::map<std::string, std::string> sources;
  for (const char* folder : {"core", "project", "aids", "contents", "authoring", "html", "wizard", "assistant"}) {
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(TW_SOURCE_DIR) / folder)) {
      const auto ext = entry.path().extension();
      if (ext != ".cpp" && ext != ".h") continue;
      std::ifstream in(entry.path());
      std::stringstream text;
      text << in.rdbuf();
      sources[entry.path().string()] = text.str();
    }
  }
  return sources;
}

TEST(HelpContextSources, EveryHelpCallNamesItsNumberInTheInventory) {
  const auto sources = read_sources();
  const std::regex call(R"((ProductHelpContext\(|ShowErrorWindow\(|kHelpContext,)([^;]*);)");
  const std::regex constant(R"(\bk[A-Z]\w*)");
  std::set<std::string> asked;
  for (const auto& [path, text] : sources) {
    if (text.find("ProductHelpContext(") == std::string::npos && text.find("ShowErrorWindow(") == std::string::npos &&
        text.find("kHelpContext,") == std::string::npos)
      continue;
    for (std::sregex_iterator m(text.begin(), text.end(), call), end; m != end; ++m) {
      const std::string args = (*m)[2];
      for (std::sregex_iterator c(args.begin(), args.end(), constant); c != end; ++c) {
        const std::string name = c->str();
        const auto at = static_cast<std::size_t>(m->position(2) + c->position());
        const bool qualified = at >= 15 && text.compare(at - 15, 15, "help_contexts::") == 0;
        if (!qualified && !kViewerCommands.count(name) && !kOtherHelpFiles.count(name)) asked.insert(name);
      }
    }
  }
  ASSERT_GE(asked.size(), 20u) << "the scan found too few help calls";
  for (const std::string& name : asked) {
    const std::regex definition("\\b" + name + R"(\s*=\s*([^;]+);)");
    bool defined = false;
    for (const auto& [path, text] : sources) {
      std::smatch d;
      if (text.find(name) == std::string::npos || !std::regex_search(text, d, definition)) continue;
      defined = true;
      EXPECT_EQ(d[1].str().rfind("help_contexts::", 0), 0u)
          << name << " in " << path << " is " << d[1] << ": name it in formats/help_contexts.h";
    }
    EXPECT_TRUE(defined) << name << " is defined nowhere the scan looks";
  }
}

}  // namespace
