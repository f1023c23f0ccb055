// The tab strip's click and paint rules and the form's Tab keys.
#include <gtest/gtest.h>

#include "assistant/entry_rules.h"
#include "assistant/field_keys.h"
#include "assistant/tab_strip.h"
#include "platform/ui/fonts.h"

namespace {

using assistant::KeyAction;
using assistant::TabStrip;

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
  ui::RecordingFontPainter p;
  strip.paint(p);
  std::vector<std::string> expected = {
      "bitmap 0 0 244 23 \"1509\"",
      "bitmap 0 0 244 23 \"1501\"",
      "font system",
      "text 0 7 122 16 0x000000 centre \"Entry Form\"",
      "font dialog",
      "text 122 7 122 16 0x000000 centre \"List View\"",
  };
  EXPECT_EQ(p.record(), expected);
  ui::RecordingFontPainter item;
  assistant::paint_topic_item(item, "IDC_NAME", true, {0, 32, 180, 16});
  std::vector<std::string> item_expected = {"bitmap 0 32 16 16 \"BIT_CHECK\"",
                                            "text 16 32 164 16 0x000000 left \"IDC_NAME\""};
  EXPECT_EQ(item.record(), item_expected);
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
