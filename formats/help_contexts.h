// Every topic the code asks of the product's own help: the context numbers
// of the dialogs' Help buttons, of the compile messages and of the quick
// start, and the context strings the message viewer jumps to. The help
// project in docs/help maps each of them to a topic; the tests walk these
// tables and find each topic's published page, so a new Help button names
// its number here.
#pragma once
#include <array>
#include <string_view>

namespace help_contexts {

// The product's help files, as the settings name them (any folder, any case).
inline constexpr std::string_view kProductHelpFile = "trvwck.hlp";
inline constexpr std::string_view kQuickStartFile = "qsa.hlp";
inline constexpr std::string_view kAssistantHelpFile = "pointip.hlp";

// The authoring library's dialogs.
inline constexpr int kStartDialog = 1072;  // start and new-project dialogs
inline constexpr int kKeywordEntry = 1055;
inline constexpr int kJump = 1061;  // jump dialog and mid-topic jump
inline constexpr int kPopup = 1065;
inline constexpr int kEmbeddedWindow = 1068;
inline constexpr int kErrorViewer = 1070;
inline constexpr int kMacroEditor = 1104;
inline constexpr int kTestMacros = 1105;
inline constexpr int kButtonEditor = 1107;
inline constexpr int kWindowEditor = 1108;
inline constexpr int kWindowMacros = 1109;
inline constexpr int kBullets = 1125;
inline constexpr int kRelatedEditor = 1165;
inline constexpr int kRelatedList = 1166;
inline constexpr int kKeywordLink = 1399;
inline constexpr int kKeywordLinkOptions = 1400;
inline constexpr int kShortcut = 1402;
inline constexpr int kMultimedia = 1403;
inline constexpr int kStyles = 1406;
inline constexpr int kContentsEditor = 1409;
inline constexpr int kIndexLinks = 1410;
inline constexpr int kOutlineEditor = 1432;

// The compile: the severe messages that stop a build, and the overview the
// message viewer opens before it jumps to one message's topic.
inline constexpr int kSevere1079 = 1131;
inline constexpr int kSevere1100 = 1132;
inline constexpr int kSevere2550 = 1133;
inline constexpr int kSevere5059 = 1134;
inline constexpr int kMessageOverview = 1277;

// The quick-start help (the start dialog's check box).
inline constexpr int kQuickStart = 1000;

// The HTML wizard's dialogs.
inline constexpr int kWizardStart = 1019;
inline constexpr int kHtmlHelpCompiler = 3019;
inline constexpr int kHeadCode = 4018;
inline constexpr int kHeadCodeExamples = 4019;
// The wizard's option dialogs, in the order of their exports.
inline constexpr int kWizardNavigation = 4001;
inline constexpr int kWizardLayout = 4002;
inline constexpr int kWizardTables = 4003;
inline constexpr int kWizardPageProperties = 4004;
inline constexpr int kWizardHtmlHelpOptions = 4005;
inline constexpr int kWizardContents = 4006;
inline constexpr int kWizardIndex = 4007;
inline constexpr int kWizardHtmlHelpIndex = 4008;
inline constexpr int kWizardHeadings = 4009;
inline constexpr int kWizardCrossReferences = 4010;
inline constexpr int kWizardTranslations = 4011;
inline constexpr int kWizardAdvanced = 4012;

struct NumberedTopic {
  int number;
  std::string_view what;
};

inline constexpr std::array kNumberedTopics{
    NumberedTopic{kStartDialog, "start dialog"},
    NumberedTopic{kKeywordEntry, "mid-topic keyword"},
    NumberedTopic{kJump, "jump"},
    NumberedTopic{kPopup, "pop-up"},
    NumberedTopic{kEmbeddedWindow, "embedded window"},
    NumberedTopic{kErrorViewer, "compiler messages"},
    NumberedTopic{kMacroEditor, "macro editor"},
    NumberedTopic{kTestMacros, "test macros"},
    NumberedTopic{kButtonEditor, "button editor"},
    NumberedTopic{kWindowEditor, "window editor"},
    NumberedTopic{kWindowMacros, "window macros"},
    NumberedTopic{kBullets, "bullets"},
    NumberedTopic{kRelatedEditor, "related projects editor"},
    NumberedTopic{kRelatedList, "related projects list"},
    NumberedTopic{kKeywordLink, "keyword link"},
    NumberedTopic{kKeywordLinkOptions, "keyword link options"},
    NumberedTopic{kShortcut, "shortcut"},
    NumberedTopic{kMultimedia, "multimedia"},
    NumberedTopic{kStyles, "styles"},
    NumberedTopic{kContentsEditor, "contents editor"},
    NumberedTopic{kIndexLinks, "index and links"},
    NumberedTopic{kOutlineEditor, "outline editor"},
    NumberedTopic{kSevere1079, "compile stopped: 1079"},
    NumberedTopic{kSevere1100, "compile stopped: 1100"},
    NumberedTopic{kSevere2550, "compile stopped: 2550"},
    NumberedTopic{kSevere5059, "compile stopped: 5059"},
    NumberedTopic{kMessageOverview, "compiler messages overview"},
    NumberedTopic{kQuickStart, "quick start"},
    NumberedTopic{kWizardStart, "HTML wizard start"},
    NumberedTopic{kHtmlHelpCompiler, "HTML Help compiler"},
    NumberedTopic{kHeadCode, "HEAD code"},
    NumberedTopic{kHeadCodeExamples, "HEAD code examples"},
    NumberedTopic{kWizardNavigation, "navigation buttons"},
    NumberedTopic{kWizardLayout, "page layout"},
    NumberedTopic{kWizardTables, "table formatting"},
    NumberedTopic{kWizardPageProperties, "page properties"},
    NumberedTopic{kWizardHtmlHelpOptions, "HTML Help options"},
    NumberedTopic{kWizardContents, "contents page options"},
    NumberedTopic{kWizardIndex, "index page options"},
    NumberedTopic{kWizardHtmlHelpIndex, "HTML Help index options"},
    NumberedTopic{kWizardHeadings, "heading formats"},
    NumberedTopic{kWizardCrossReferences, "cross references"},
    NumberedTopic{kWizardTranslations, "style translations"},
    NumberedTopic{kWizardAdvanced, "advanced options"},
};

// The Pointip Assistant asks its help file (kAssistantHelpFile) for popup
// help on a control of its command panel or entry form by the control's own
// id (resources/pointip.h). These numbers must not collide with the
// numbers above: both files are published as one help.
inline constexpr std::array kAssistantControlTopics{
    NumberedTopic{10, "Pointip: Always on top"},   NumberedTopic{91, "Pointip: first entry"},
    NumberedTopic{92, "Pointip: previous entry"},  NumberedTopic{93, "Pointip: Add/Update"},
    NumberedTopic{94, "Pointip: last entry"},      NumberedTopic{95, "Pointip: update in place"},
    NumberedTopic{96, "Pointip: Delete"},          NumberedTopic{97, "Pointip: Help"},
    NumberedTopic{98, "Pointip: Read from VB"},    NumberedTopic{99, "Pointip: Paste to VB"},
    NumberedTopic{101, "Pointip: Dialog/Window"},  NumberedTopic{102, "Pointip: Control"},
    NumberedTopic{103, "Pointip: Context Integer"}, NumberedTopic{105, "Pointip: Pointip Text"},
    NumberedTopic{115, "Pointip: New"},            NumberedTopic{116, "Pointip: Open"},
    NumberedTopic{117, "Pointip: Save"},           NumberedTopic{118, "Pointip: Options"},
    NumberedTopic{119, "Pointip: Generate RTF"},   NumberedTopic{318, "Pointip: topic ID list"},
    NumberedTopic{370, "Pointip: Test"},           NumberedTopic{990, "Pointip: Entry Form and List View"},
};

// The message viewer's topics, by message number. The Windows 3.x family:
// a number without an entry goes to "IDH_error_" and the number.
struct MessageTopic {
  std::string_view number;
  std::string_view topic;
};

inline constexpr std::string_view kUnlistedMessagePrefix = "IDH_error_";

inline constexpr std::array kWin31MessageTopics{
    MessageTopic{"1079", "idx_1079_help"}, MessageTopic{"5059", "idx_5059_help"},
    MessageTopic{"1100", "idx_1100_help"}, MessageTopic{"2550", "idx_2550_help"},
    MessageTopic{"1230", "idx_1230_help"}, MessageTopic{"4616", "idx_1230_help"},
    MessageTopic{"4639", "idx_1230_help"}, MessageTopic{"4251", "idx_4251_help"},
    MessageTopic{"4331", "idx_4251_help"}, MessageTopic{"4551", "idx_4251_help"},
    MessageTopic{"4372", "idx_4251_help"}, MessageTopic{"4312", "idx_4251_help"}};

// The numbers of the compiler stand-in's own checks. Help on one of them
// goes to "IDH_error_" and the number in either family: Help Workshop's own
// help does not know them.
inline constexpr int kCheckerMessageFirst = 6001;
inline constexpr int kCheckerMessageLast = 6899;

// Help Workshop's messages the product explains itself; the others are in
// Help Workshop's own help.
inline constexpr std::array kHelpWorkshopMessageTopics{
    MessageTopic{"3110", "idx_4251_help"}, MessageTopic{"3106", "idx_4251_help"},
    MessageTopic{"3108", "idx_4251_help"}, MessageTopic{"3107", "idx_4251_help"},
    MessageTopic{"1011", "IDH_error_4652"}, MessageTopic{"1012", "IDH_error_4652"},
    MessageTopic{"3025", "IDH_error_4113"}};

}  // namespace help_contexts
