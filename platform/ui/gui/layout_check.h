// How a drawn dialog lies on the desktop: a control outside the dialog, two
// shown controls covering each other (group boxes and frames hold theirs),
// a caption wider than its control at the dialog font. The dialog tests
// measure each dialog with it, and TARVENWICK_GUI_SHOTS keeps a picture and
// the findings of every dialog the GUI host draws.
#pragma once
#include <QString>
#include <string>
#include <vector>

namespace ui::gui {

class DialogWindow;

// One line per finding, "<dialog> control <id> ..." or "<dialog> controls <a> and <b> overlap".
std::vector<std::string> layout_problems(const DialogWindow& window);

// The folder TARVENWICK_GUI_SHOTS names, empty when it is not set.
QString shots_folder_from_environment();

// Saves the dialog as drawn (<folder>/<dialog>.png) and adds its findings to
// <folder>/<dialog>.<program>.layout, one line each, every line once: a
// dialog opened in several states keeps what each of them showed.
void keep_dialog_shot(DialogWindow& window, const QString& folder);

}  // namespace ui::gui
