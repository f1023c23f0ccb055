// The tab strip's click and paint rules and the form's Tab keys.
#include <gtest/gtest.h>

#include "assistant/entry_rules.h"
#include "assistant/field_keys.h"
#include "assistant/tab_strip.h"

namespace {

using assistant::KeyAction;
using assistant::TabStrip;

class RecordingPainter : public assistant::Painter {
 public:
  std::vector<std::string> calls;
  void bitmap(std::string_view name, int x, int y) override {
    calls.push_back("bitmap " + std::string(name) + " " + std::to_string(x) + "," + std::to_string(y));
  }
  void centred_text(std::string_view text, int x, int y, Font font) override {
    calls.push_back("centred " + std::string(text) + " " + std::to_string(x) + "," + std::to_string(y) +
                    (font == Font::panel ? " panel" : ""));
  }
  void text(std::string_view text, int x, int y) override {
    calls.push_back("text " + std::string(text) + " " + std::to_string(x) + "," + std::to_string(y));
  }
};

TEST(AssistantTabStrip, ClicksChooseByShareOfTheWidth) {
  TabStrip two("Entry Form;List View", 1500, 990);
  EXPECT_EQ(two.tab_at(122, 244), 0) << "exactly half is still the first tab";
  EXPECT_EQ(two.tab_at(125, 244), 1);
  TabStrip three("A;B;C", 1500, 990);
  EXPECT_EQ(three.tab_at(33, 100), 0);
  EXPECT_EQ(three.tab_at(34, 100), 1);
  EXPECT_EQ(three.tab_at(66, 100), 1);
  EXPECT_EQ(three.tab_at(67, 100), 2);
  EXPECT_TRUE(two.select(1));
  EXPECT_FALSE(two.select(1)) << "no change, no repaint";
}

TEST(AssistantTabStrip, PaintsBackgroundSelectedTabAndLabels) {
  TabStrip strip("Entry Form;List View", 1500, 990);
  strip.select(1);
  RecordingPainter p;
  strip.paint(p);
  std::vector<std::string> expected = {"bitmap 1509 0,0", "bitmap 1501 0,0", "centred Entry Form 61,7",
                                       "centred List View 183,7 panel"};
  EXPECT_EQ(p.calls, expected);
  RecordingPainter item;
  assistant::paint_topic_item(item, "IDC_NAME", true, 32);
  EXPECT_EQ(item.calls.front(), "bitmap BIT_CHECK 0,32");
}

TEST(AssistantFieldKeys, TabWalksTheFieldsAndCommitsFromTheText) {
  using assistant::IdSource;
  using assistant::tab_key;
  EXPECT_EQ(tab_key(assistant::kDialogField, false, IdSource::manual).focus, assistant::kControlField);
  EXPECT_EQ(tab_key(assistant::kContextField, true, IdSource::manual).focus, assistant::kControlField);
  EXPECT_EQ(tab_key(assistant::kPopupField, false, IdSource::manual).action, KeyAction::commit);
  EXPECT_EQ(tab_key(assistant::kPopupField, true, IdSource::include_file).focus, assistant::kTopicIdList);
  EXPECT_EQ(tab_key(assistant::kDialogField, true, IdSource::manual).action, KeyAction::pass);
}

}  // namespace
