// The project's contents file loaded into the model and saved back whole.
#include "contents/contents_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

using namespace contents;

class ContentsFile : public tw_test::Fixture {};

TEST_F(ContentsFile, LoadsAndSavesTheFileUnchanged) {
  const std::string crlf =
      ":Base tools.hlp>main\r\n:Title Tools Help\r\n:Index Tools Reference=toolref.hlp\r\n"
      "1 Using Tools\r\n2 Hammer=hammer\r\n2 Saw=saw@shop.hlp>wide\r\n:include shop.cnt\r\n";
  const std::string lf = ":Base tools.hlp\n:Title Tools Help\n1 Using Tools\n2 Hammer=hammer\n";
  for (const auto& text : {crlf, lf}) {
    const std::string path = file("tools.cnt");
    tw_test::write_file(path, text);
    ContentsModel model;
    ASSERT_TRUE(load_contents(model, path));
    EXPECT_TRUE(model.loaded);
    EXPECT_EQ(model.states.size(), model.file.entries.size());
    ASSERT_TRUE(save_contents(model, path));
    EXPECT_EQ(tw_test::read_file(path), text);
  }
}

TEST_F(ContentsFile, MissingFileGivesAnEmptyModel) {
  ContentsModel model;
  model.loaded = true;
  append_entry(model, {1, "Old", false});
  EXPECT_FALSE(load_contents(model, file("none.cnt")));
  EXPECT_FALSE(model.loaded);
  EXPECT_EQ(entry_count(model), 0u);
}

TEST(ContentsPath, NeverTheProjectFileItself) {
  EXPECT_EQ(contents_path("c:\\help\\tools.hpj"), "c:\\help\\tools.cnt");
  EXPECT_EQ(contents_path("/home/ann/my.docs/tools"), "/home/ann/my.docs/tools.cnt");
}

}  // namespace
