// Message boxes, file dialogs and colour dialogs of the headless host.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

using Lines = std::vector<std::string>;

class HeadlessPromptsTest : public tw_test::Fixture {
 protected:
  int box(std::uint32_t flags, std::string_view text = "Text") {
    return ui().message_box(ui().main_window(), text, "Caption", flags);
  }
};

TEST_F(HeadlessPromptsTest, UnansweredBoxesTakeTheirDefaultButton) {
  struct Case {
    std::uint32_t flags;
    int answer;
  };
  const Case cases[] = {
      {ui::kMbOk, ui::kIdOk},
      {ui::kMbOkCancel, ui::kIdOk},
      {ui::kMbOkCancel | ui::kMbDefButton2, ui::kIdCancel},
      {ui::kMbYesNoCancel | ui::kMbDefButton3, ui::kIdCancel},
      {ui::kMbYesNo | ui::kMbDefButton2, ui::kIdNo},
      {ui::kMbYesNo | ui::kMbDefButton3, ui::kIdYes},  // no third button: the first
      {ui::kMbAbortRetryIgnore | ui::kMbDefButton2, ui::kIdRetry},
      {ui::kMbRetryCancel, ui::kIdRetry},
  };
  for (const Case& c : cases) EXPECT_EQ(box(c.flags), c.answer) << "flags " << c.flags;
  EXPECT_EQ(ui().transcript()[2], "message \"Text\" caption=\"Caption\" icon=none -> Cancel (default)");
}

TEST_F(HeadlessPromptsTest, TranscriptNamesTheIconAndEscapesTheText) {
  box(ui::kMbOk | ui::kMbIconStop, "Context String has already been used.");
  box(ui::kMbOk | ui::kMbIconExclamation, "Say \"hi\"\nthen go");
  box(ui::kMbOk | ui::kMbIconInformation, "c:\\trvwck");
  EXPECT_EQ(ui().transcript(),
            (Lines{"message \"Context String has already been used.\" caption=\"Caption\" icon=stop -> OK (default)",
                   "message \"Say \\\"hi\\\"\\nthen go\" caption=\"Caption\" icon=exclamation -> OK (default)",
                   "message \"c:\\trvwck\" caption=\"Caption\" icon=information -> OK (default)"}));
}

TEST_F(HeadlessPromptsTest, ScriptAnswersAreTakenWhenTheBoxOffersThem) {
  ui().queue_script("message Yes\nmessage RETRY\nmessage cancel\n");
  EXPECT_EQ(box(ui::kMbYesNo | ui::kMbIconQuestion), ui::kIdYes);
  EXPECT_EQ(box(ui::kMbYesNo | ui::kMbDefButton2), ui::kIdNo);  // Retry is not offered
  EXPECT_EQ(box(ui::kMbOkCancel), ui::kIdCancel);
  EXPECT_EQ(ui().transcript(),
            (Lines{"message \"Text\" caption=\"Caption\" icon=question -> Yes",
                   "message \"Text\" caption=\"Caption\" icon=none -> No (script answer Retry not offered)",
                   "message \"Text\" caption=\"Caption\" icon=none -> Cancel"}));
}

TEST_F(HeadlessPromptsTest, BoxesLeaveOtherScriptLinesAlone) {
  ui().queue_script("file a.hpj\n");
  EXPECT_EQ(box(ui::kMbOk), ui::kIdOk);
  EXPECT_EQ(ui().pending_script(), (Lines{"file a.hpj"}));
}

TEST_F(HeadlessPromptsTest, FileDialogsTakeAPathOrCancel) {
  ui::FileDialogRequest open;
  open.filter = "*.hpj";
  ui::FileDialogRequest save = open;
  save.save = true;
  ui().queue_script("file proj/new help.hpj\nfile cancel\n");
  EXPECT_EQ(ui().file_dialog(0, open), std::optional<std::string>("proj/new help.hpj"));
  EXPECT_EQ(ui().file_dialog(0, save), std::nullopt);
  EXPECT_EQ(ui().file_dialog(0, open), std::nullopt);
  EXPECT_EQ(ui().transcript(), (Lines{"filedialog open \"*.hpj\" -> proj/new help.hpj",
                                      "filedialog save \"*.hpj\" -> cancel",
                                      "filedialog open \"*.hpj\" -> cancel (not scripted)"}));
}

TEST_F(HeadlessPromptsTest, ColourDialogsTakeAColourOrCancel) {
  ui::CustomColours custom{};
  ui().queue_script("colour 0x00FF00\ncolour 255\ncolour cancel\n");
  EXPECT_EQ(ui().choose_colour(0, 0xFFFFFF, custom), std::optional<std::uint32_t>(0x00FF00));
  EXPECT_EQ(ui().choose_colour(0, 0xFFFFFF, custom), std::optional<std::uint32_t>(0xFF));
  EXPECT_EQ(ui().choose_colour(0, 0xFFFFFF, custom), std::nullopt);
  EXPECT_EQ(ui().choose_colour(0, 0xFFFFFF, custom), std::nullopt);
  EXPECT_EQ(ui().transcript(), (Lines{"colourdialog -> 0x00FF00", "colourdialog -> 0x0000FF",
                                      "colourdialog -> cancel", "colourdialog -> cancel (not scripted)"}));
}

TEST_F(HeadlessPromptsTest, UnreadableScriptLinesAreReportedAndSkipped) {
  ui().queue_script("message Maybe\n\n  # comment\njump 5\ncheck 5 7\ncolour 0x1000000000\nclick 1\n");
  EXPECT_EQ(ui().pending_script(), (Lines{"click 1"}));
  EXPECT_EQ(ui().transcript(), (Lines{"script line 1: cannot read \"message Maybe\"",
                                      "script line 4: unknown action \"jump 5\"",
                                      "script line 5: cannot read \"check 5 7\"",
                                      "script line 6: cannot read \"colour 0x1000000000\""}));
}

}  // namespace
