#include "host/usage.h"

#include <cctype>

namespace host {
namespace {

constexpr FlowUsage kFlows[] = {
    {"start", "", "InitTW, then TWStartUp: open or create a project; prints the document to open",
     "Runs the start dialog (scripted with --script; cancelled without one) and prints\n"
     "the topic document the word processor would open.\n",
     0, 0},
    {"sample", "PROJECT.hpj", "open a project through the exports, save it, show its files",
     "Opens PROJECT.hpj from the start dialog, lists its files and topic files, calls\n"
     "SaveAll and prints the regenerated project file.\n",
     1, 1},
    {"build", "PROJECT.hpj", "compile the help project and print the compiler's messages",
     "InitTW, GenFiles, waits for the help compiler (showing progress on a terminal),\n"
     "then ViewErrors, and prints the compiler's log.\n",
     1, 1},
    {"report", "PROJECT.hpj", "write the topic report (twz_rpt.txt) and print it", "", 1, 1},
    {"jump", "PROJECT.hpj TOPICFILE.rtf TARGET [CLICK-TEXT]", "make a jump hotspot in a topic file with InsertJump",
     "Opens the project, runs InsertJump on the topic file (one of the project's) with\n"
     "TARGET (context string, \">\" window, \"@\" help file; \"%\" or \"*\" in front for a\n"
     "custom appearance) and writes the hotspot into the file: the first occurrence\n"
     "of CLICK-TEXT becomes it, or, without CLICK-TEXT, a new last paragraph holds it\n"
     "with the click text made from the target. Prints what InsertJump returned.\n"
     "\n"
     "  twhost jump guide.hpj guide.rtf IDH_Print_Setup 'printer setup'\n",
     3, 4},
    {"popup", "PROJECT.hpj TOPICFILE.rtf TARGET [CLICK-TEXT]", "make a pop-up hotspot in a topic file with InsertDef",
     "As jump, with InsertDef: the hotspot is underlined once and has no window.\n", 3, 4},
    {"macros", "PROJECT.hpj [MACRO...]", "add start-up macros in the Macro Editor",
     "Opens the project dialog's Macro Editor, adds each MACRO as a line and saves;\n"
     "prints the project's [CONFIG] section. Without macros it only prints it.\n"
     "\n"
     "  twhost macros help.hpj 'About()' 'EP(`notepad.exe readme.txt',1)'\n",
     1, 999},
    {"buttons", "PROJECT.hpj [ID CAPTION MACRO]...", "add buttons to the button bar in the Button Editor",
     "Opens the project dialog's Button Editor and adds each button (always visible\n"
     "and enabled) with a macro as its action; prints the project's [CONFIG] section.\n"
     "\n"
     "  twhost buttons help.hpj btn_web '&Web' 'EP(`browser.exe',1)'\n",
     1, 999},
    {"windows", "PROJECT.hpj [NAME CAPTION X Y WIDTH HEIGHT]...", "define windows in the Window Editor",
     "Opens the project dialog's Window Editor (Windows 3.x projects) and adds or\n"
     "changes each window: its caption and its place in WinHelp's 0-1023 units of\n"
     "the screen; prints the project's [WINDOWS] section. A project holds the main\n"
     "window and up to five others.\n"
     "\n"
     "  twhost windows help.hpj main 'My Help' 0 0 700 1023 note 'Notes' 700 0 323 500\n",
     1, 999},
    {"keywords", "PROJECT.hpj", "rebuild the K and A keyword indexes and list each topic's keywords",
     "Opens PROJECT.hpj, calls BuildKeywordIndex without its dialog (the .kdb and .adb\n"
     "databases are written anew from the topic files) and prints every topic's keywords.\n",
     1, 1},
    {"distribute", "PROJECT.hpj [SECTIONS]", "write the distribution index (.xtw) of the project",
     "Calls BuildKeywordIndex with its dialog and prints where each section starts.\n"
     "SECTIONS names them by letters: A (A keywords), K (K keywords), F (full text),\n"
     "e.g. AKF; without it the project's options stand (A and F unless changed).\n",
     1, 2},
    {"find", "PROJECT.hpj KEYWORDS [K|A]", "list the topics that carry any of the keywords",
     "KEYWORDS is a list separated by semicolons; K (default) searches the K keywords,\n"
     "A the A keywords. Prints one \"title TAB context string\" line per topic.\n",
     2, 3},
    {"contents", "PROJECT.hpj [book:TITLE|topic:TITLE]...", "list the contents file, or add books and topics to it",
     "Without entries prints the project's contents file (.cnt). With entries runs\n"
     "EditContents, adds each one after the last entry (book:TITLE a book, topic:TITLE\n"
     "the topic the editor's topic list shows with that title), saves and prints it.\n"
     "\n"
     "  twhost contents help.hpj 'book:Getting Started' 'topic:Printing a Document'\n",
     1, 999},
    {"outline", "PROJECT.hpj [--from-contents | --edit]", "rebuild or edit the document outline and list it",
     "Opens the project; --from-contents rebuilds the outline (.out) from the contents\n"
     "file (.cnt) in the Outline Editor and saves it, --edit runs the Outline Editor as\n"
     "the --script says. Then lists the outline through get_outline, one entry a line,\n"
     "indented by level: documents, headings and \"-> context string\" for a topic.\n"
     "\n"
     "  twhost outline guide.hpj --from-contents\n",
     1, 2},
    {"keyword", "PROJECT.hpj TOPICFILE.rtf K|A KEYWORDS [AT-TEXT]", "put a keyword footnote into a topic file with InsertKey",
     "Opens the project, runs InsertKey on KEYWORDS (separated by semicolons) with\n"
     "the kind K or A and writes the footnote it hands back into the topic file (one of\n"
     "the project's): before the first occurrence of AT-TEXT, or, without AT-TEXT, as a\n"
     "new last paragraph. Run keywords afterwards to bring the indexes up to date.\n"
     "\n"
     "  twhost keyword guide.hpj guide.rtf K 'printing;paper size' 'Paper sizes'\n",
     4, 5},
    {"convert", "PROJECT.hpj --out DIR [--template NAME.lfc] [--keep-intermediates]",
     "marker files, their HTML export into DIR, registration",
     "The first half of publish: the HTML files in DIR are registered for ProcessFiles.\n", -1, -1},
    {"publish", "PROJECT.hpj --out DIR [--template NAME.lfc] [--keep-intermediates]",
     "publish the project as a browsable site in DIR",
     "Converts the project, runs ProcessFiles and checks every link of the site.\n"
     "Prints the start page, the counts and what the run wrote.\n"
     "\n"
     "  --out DIR             the output folder (created when missing)\n"
     "  --template NAME.lfc   modern.lfc (default), standard.lfc, widemarg.lfc,\n"
     "                        frames.lfc or htmlhelp.lfc (an HTML Help project,\n"
     "                        compiled into a .chm)\n"
     "  --keep-intermediates  keep the marker files (.~tw) beside the topic files\n",
     -1, -1},
    {"desktop", "[PROJECT.hpj]", "the authoring window: menus that run these flows on a project",
     "Opens a window on the desktop (it needs a display and the GUI module). The project\n"
     "is opened once (InitTW, TWStartUp) and every menu works on it and on the current\n"
     "document (the Document menu): Project (open, start dialog, options, files, save),\n"
     "Topic (insert, go to, groups, delete), Links (jump, pop-up, keyword jump, macro,\n"
     "button), Build, Contents and Publish. The log pane shows what each export returned\n"
     "and the text the word processor would insert; the window edits no topic file.\n"
     "SaveAll runs when the window closes.\n",
     0, 1},
    {"call", "EXPORT [ARG...]", "call any export of the two libraries by name",
     "Integers are given as numbers, text buffers as s:TEXT; each argument is checked\n"
     "against the export's declaration. Prints the result, then each text buffer after\n"
     "the call. twzhtml:NAME picks the conversion library's export where both libraries\n"
     "have one.\n"
     "\n"
     "  twhost call FixBookmark 's:#1 word'\n",
     -1, -1},
    {"help", "[FLOW]", "show this help, or a flow's", "", 0, 1},
};

}  // namespace

const FlowUsage* find_flow(std::string_view name) {
  for (const auto& flow : kFlows) {
    if (flow.name == name) return &flow;
  }
  return nullptr;
}

std::string flow_names() {
  std::string names;
  for (const auto& flow : kFlows) {
    if (!names.empty()) names += ", ";
    names += flow.name;
  }
  return names;
}

std::string flow_synopsis(const FlowUsage& flow) {
  std::string line = "usage: twhost [OPTION...] " + std::string(flow.name);
  if (!flow.synopsis.empty()) line += " " + std::string(flow.synopsis);
  return line + "\n";
}

std::string general_usage() {
  std::string text =
      "usage: twhost [OPTION...] FLOW [ARG...]\n"
      "       twhost --help | --version | help FLOW\n"
      "\n"
      "Drives the help-authoring libraries the way the word processor's macros do.\n"
      "\n"
      "Flows:\n";
  for (const auto& flow : kFlows) {
    std::string head = "  " + std::string(flow.name);
    head.resize(14, ' ');
    text += head + std::string(flow.summary) + "\n";
  }
  text +=
      "\n"
      "Options:\n"
      "  --root DIR          the user's root folder (settings, installation folder);\n"
      "                      default $TARVENWICK_ROOT, else $XDG_DATA_HOME/tarvenwick\n"
      "  --script FILE       what the user does in the dialogs, one action a line\n"
      "  --transcript FILE   write every dialog and message box shown to FILE\n"
      "  --append            add to the transcript instead of starting it anew\n"
      "  --gui               show the dialogs on the desktop (the default when a\n"
      "                      display is there and no script is given)\n"
      "  -h, --help          show this help; FLOW --help shows a flow's\n"
      "  --version           show the versions of twhost and the libraries\n"
      "\n"
      "Exit status: 0 success, 1 the work failed, 2 wrong usage.\n"
      "See twhost(1) for the script and transcript formats.\n";
  return text;
}

std::string flow_usage(const FlowUsage& flow) {
  std::string summary(flow.summary);
  if (!summary.empty()) summary[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(summary[0])));
  std::string text = flow_synopsis(flow) + "\n" + summary + ".\n";
  if (!flow.details.empty()) text += "\n" + std::string(flow.details);
  return text;
}

}  // namespace host
