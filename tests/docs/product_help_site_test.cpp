// The published product help (built into <build>/docs/help) has a page for
// every topic the code asks for: each dialog's context number, the compile
// messages of both compiler families, the quick start and the contents.
#include <gtest/gtest.h>

#include <string>

#include "aids/macro_catalogue.h"
#include "aids/macro_text.h"
#include "core/messages.h"
#include "formats/help_contexts.h"
#include "platform/files.h"
#include "platform/product_help.h"
#include "platform/profile.h"
#include "platform/winhelp.h"
#include "project/compile/error_help.h"
#include "support/test_support.h"
#include "tools/helpc/messages.h"

namespace {

const std::string kSite = TW_BUILD_DIR "/docs/help";

class ProductHelpSite : public tw_test::Fixture {
 protected:
  // The page file of a context string, "" when the index names none.
  std::string page_file(std::string_view context) const {
    auto page = platform::product_topic_page(kSite, context);
    if (!page) return {};
    return page->substr(0, page->find('#'));
  }
  void expect_page(std::string_view context, std::string_view what) const {
    std::string page = page_file(context);
    EXPECT_FALSE(page.empty()) << what << ": no page for " << context;
    if (!page.empty()) {
      EXPECT_TRUE(platform::file_exists(page)) << what << ": " << page << " is missing";
    }
  }
};

TEST_F(ProductHelpSite, EveryContextNumberHasAPublishedPage) {
  const std::string index = kSite + "/" + std::string(platform::kContextIndexFile);
  ASSERT_TRUE(platform::file_exists(index)) << "build the product_help target first";
  for (const auto& topic : help_contexts::kNumberedTopics) {
    std::string context = platform::get_profile_string("Map", std::to_string(topic.number), "", 256, index);
    EXPECT_FALSE(context.empty()) << topic.what << " (" << topic.number << ") is not in [MAP]";
    if (!context.empty()) expect_page(context, topic.what);
  }
}

// The Assistant's popups come from the same published help: each control
// it asks about has its page, and no control id takes a number a Help
// button of the libraries uses.
TEST_F(ProductHelpSite, EveryAssistantControlHasAPublishedPage) {
  const std::string index = kSite + "/" + std::string(platform::kContextIndexFile);
  for (const auto& topic : help_contexts::kAssistantControlTopics) {
    for (const auto& other : help_contexts::kNumberedTopics)
      EXPECT_NE(topic.number, other.number) << topic.what << " and " << other.what;
    std::string context = platform::get_profile_string("Map", std::to_string(topic.number), "", 256, index);
    EXPECT_FALSE(context.empty()) << topic.what << " (" << topic.number << ") is not in [MAP]";
    if (context.empty()) continue;
    expect_page(context, topic.what);
    auto page = platform::product_help_page(kSite, platform::kHelpContextPopup, static_cast<std::uint32_t>(topic.number));
    ASSERT_TRUE(page);
    EXPECT_EQ(page->substr(0, page->find('#')), page_file(context)) << topic.what;
  }
}

// "Help On" in the Macro Editor asks by the macro's name: every macro the
// editor offers, by its short and its long name, has a page.
TEST_F(ProductHelpSite, EveryMacroTheEditorOffersHasAPageByItsName) {
  const auto lookup = [](int id) { return core::resource_string(id); };
  for (bool win95 : {false, true}) {
    aids::CatalogueKind kind;
    kind.win95 = win95;
    kind.emulation = !win95;
    for (const auto& entry : aids::read_catalogue(kind, lookup)) {
      for (const std::string& name : {aids::macro_name(entry.syntax), aids::macro_name(entry.long_name)}) {
        if (name.empty()) continue;
        auto page = platform::product_keyword_page(kSite, name);
        EXPECT_TRUE(page && platform::file_exists(page->substr(0, page->find('#')))) << name;
      }
    }
  }
}

TEST_F(ProductHelpSite, EveryMessageTheViewerExplainsHasAPublishedPage) {
  for (const auto& entry : help_contexts::kWin31MessageTopics) expect_page(entry.topic, entry.number);
  for (const auto& entry : help_contexts::kHelpWorkshopMessageTopics) expect_page(entry.topic, entry.number);
  // Every message of the checker, as each compiler family numbers it.
  const int last = static_cast<int>(helpc::Problem::no_topics);
  for (int i = 0; i <= last; ++i) {
    const auto problem = static_cast<helpc::Problem>(i);
    for (auto family : {helpc::Family::win31, helpc::Family::win95}) {
      const std::string number = std::to_string(helpc::message_number(problem, family));
      auto target = project::error_help_target(number, family == helpc::Family::win95);
      EXPECT_EQ(target.source, project::ErrorHelpTarget::Source::product) << number;
      expect_page(target.topic, "message " + number);
    }
  }
}

TEST_F(ProductHelpSite, TheContentsOpensThePublishedStartPage) {
  auto page = platform::product_help_page(kSite, platform::kHelpFinder, 0u);
  ASSERT_TRUE(page);
  EXPECT_TRUE(platform::file_exists(*page)) << *page;
}

}  // namespace
