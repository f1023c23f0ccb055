// Embedded windows: texts read and written, declared classes, the dialog's
// refusals.
#include <gtest/gtest.h>

#include "aids/embedded_window.h"
#include "project/project_fixture.h"

namespace {

class EmbeddedWindowTest : public tw_test::ProjectFixture {
 protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    use_project("c:\\help\\guide.hpj", "[OPTIONS]\r\n");
    state.data.project.window_comments = ";@DW [mci.dll.MCIWnd]{Plays media}<mci.hlp>; [chart.dll.Pie]{}<>;\n";
  }
  size_t shown(const std::string& text) {
    size_t n = 0;
    for (const auto& line : ui().transcript()) n += line.find(text) != std::string::npos;
    return n;
  }
};

TEST_F(EmbeddedWindowTest, TextsAreReadAndWrittenBack) {
  aids::EmbeddedWindow w;
  ASSERT_TRUE(aids::parse_embedded_window("{ewr mci.dll,MCIWnd,clip.avi,1,2}", w));
  EXPECT_EQ(w.position, 'r');
  EXPECT_EQ(w.dll, "mci.dll");
  EXPECT_EQ(w.window_class, "MCIWnd");
  EXPECT_EQ(w.data, "clip.avi,1,2");
  EXPECT_EQ(aids::embedded_window_text(w), "{ewr mci.dll,MCIWnd,clip.avi,1,2}");
  EXPECT_FALSE(aids::parse_embedded_window("{button x,y}", w));
  EXPECT_FALSE(aids::parse_embedded_window("{ewx a,b,c}", w));
  ASSERT_TRUE(aids::parse_embedded_window("{ewC onlydll", w));
  EXPECT_EQ(w.position, 'c');
  EXPECT_EQ(w.dll, "onlydll");
  EXPECT_EQ(w.window_class, "");
  auto classes = aids::parse_window_classes(state.data.project.window_comments);
  ASSERT_EQ(classes.size(), 2u);
  EXPECT_EQ(classes[0].dll, "mci.dll");
  EXPECT_EQ(classes[0].name, "MCIWnd");
  EXPECT_EQ(classes[1].dll, "chart.dll");
  EXPECT_EQ(classes[1].name, "Pie");
}

TEST_F(EmbeddedWindowTest, DialogRefusesMissingPartsAndComposesTheText) {
  std::string text;
  ui().queue_script(
      "dialog DLG_EMBWIN\nclick 1\nmessage OK\nset 109 mci.dll\nclick 1\nmessage OK\n"
      "select 102 MCIWnd\nclick 1\nmessage OK\nset 105 clip.avi\nclick 112\nclick 1\n");
  EXPECT_EQ(aids::InsertEmbWindow(state, 5, "", text), 1);
  EXPECT_EQ(text, "{ewc mci.dll,MCIWnd,clip.avi}");
  EXPECT_EQ(shown("Specify a DLL name."), 1u);
  EXPECT_EQ(shown("Specify Window Class Name."), 1u);
  EXPECT_EQ(shown("Specify window data."), 1u);
  // An existing text comes back unchanged.
  ui().queue_script("dialog DLG_EMBWIN\nclick 1\n");
  text = "{ewr mci.dll,MCIWnd,a,b}";
  EXPECT_EQ(aids::InsertEmbWindow(state, 5, "", text), 1);
  EXPECT_EQ(text, "{ewr mci.dll,MCIWnd,a,b}");
  state.compiler_kind = 2;
  ui().queue_script("message OK\n");
  EXPECT_EQ(aids::InsertEmbWindow(state, 5, "", text), 0);
}

TEST_F(EmbeddedWindowTest, DeclaredDataItemsAreEditedOneByOne) {
  state.data.project.window_comments +=
      ";@DW [clock.dll.Clock(Title:s, Seconds:b, Size:n, Mark:c)|]{A clock}<clock.hlp>;\n";
  const auto classes = aids::parse_window_classes(state.data.project.window_comments);
  ASSERT_EQ(classes.size(), 3u);
  EXPECT_EQ(classes[2].dll, "clock.dll");
  EXPECT_EQ(classes[2].name, "Clock");
  EXPECT_EQ(classes[2].separator, '|');
  ASSERT_EQ(classes[2].items.size(), 4u);
  EXPECT_EQ(aids::data_item_prompt(classes[2].items[2]), "Size (Enter a number)");

  std::string text;
  ui().queue_script(
      "dialog DLG_EMBWIN\nselect 102 Clock\nset 172 Noon\nselect# 170 1\nset 172 yes\nselect# 170 2\n"
      "message OK\nset 172 1\nselect# 170 2\nset 172 12pt\nclick 1\nmessage OK\nset 172 -1.5\nclick 1\n"
      "message OK\nset 172 xyz\nclick 1\n");
  EXPECT_EQ(aids::InsertEmbWindow(state, 5, "", text), 1);
  EXPECT_EQ(text, "{ewl clock.dll,Clock,Noon|1|-1.5|x}");
  EXPECT_EQ(shown("Must be 1 or 0."), 1u);
  EXPECT_EQ(shown("Invalid Number."), 1u);
  EXPECT_EQ(shown("Missing data item."), 1u);

  // An existing text fills the items; what the items do not take stays in
  // the last one.
  text = "{ewr clock.dll,Clock,A|0|2|z|extra}";
  ui().queue_script("dialog DLG_EMBWIN\nclick 1\n");
  EXPECT_EQ(aids::InsertEmbWindow(state, 5, "", text), 1);
  EXPECT_EQ(text, "{ewr clock.dll,Clock,A|0|2|z|extra}");
}

}  // namespace
