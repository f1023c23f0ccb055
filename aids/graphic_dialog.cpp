#include "aids/graphic_dialog.h"

#include "aids/aids_state.h"

#include "aids/bitmap_path.h"
#include "aids/graphic_preview.h"
#include "aids/hotspot_companion.h"
#include "aids/insert_bitmap.h"
#include "aids/picture_copy.h"
#include "core/messages.h"
#include "formats/bitmap_roots.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "platform/ui/resources.h"
#include "project/project_state.h"

namespace aids {

namespace {

constexpr int kStockCount = static_cast<int>(kStockPictures.size());
using ui::kIdNo;
using ui::kIdYes;

// The files the dialog accepts as pictures.
bool is_picture_file(std::string_view path) {
  for (std::string_view ext : {".bmp", ".wmf", ".mrb", ".dib", ".shg"})
    if (text::iends_with(path, ext)) return true;
  return false;
}

bool has_folder(std::string_view file) {
  return file.find('\\') != std::string_view::npos || file.find('/') != std::string_view::npos;
}

std::string message_text(int id) { return ui::load_string(core::authoring_module(), id); }

// The Yes/No copy offer of DLG_ROOT; it names the folder when the copy
// goes to a bitmap root other than the project folder.
class CopyOfferDialog : public ui::DialogProc {
 public:
  CopyOfferDialog(std::string file, std::string question)
      : file_(std::move(file)), question_(std::move(question)) {}
  void on_init(ui::Dialog& dialog) override {
    dialog.set_text(IDC_ROOT_FILE_TEXT, file_);
    if (!question_.empty()) dialog.set_text(IDC_ROOT_QUESTION_TEXT, question_);
  }
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == kIdYes || id == kIdNo) return dialog.end(id);
    ui::DialogProc::on_command(dialog, id, notify);
  }

 private:
  std::string file_;
  std::string question_;
};

}  // namespace

std::string picture_path(const project::ProjectState& state, const std::string& file, bool stock) {
  if (stock) return platform::join_path(formats::stock_bitmap_folder(state.settings.bitmap_dir), file);
  if (has_folder(file)) return file;
  return formats::find_bitmap(project_bitmap_folders(state), file).value_or("");
}

GraphicDialog::GraphicDialog(AidsState& state, std::string file, std::string target)
    : state_(state),
      fields_(state, {IDC_GRAPHIC_CONTEXT_COMBO, IDC_GRAPHIC_TITLE_LIST, IDC_GRAPHIC_TITLE_CONTEXT,
                      IDC_GRAPHIC_BY_TITLE, IDC_GRAPHIC_OTHER_FILE, IDC_GRAPHIC_FILE_NAME,
                      IDC_GRAPHIC_WINDOW_COMBO}),
      file_(std::move(file)),
      target_(std::move(target)) {
  for (int i = 0; i < kStockCount; ++i)
    if (!file_.empty() && text::icontains(file_, kStockPictures[static_cast<std::size_t>(i)])) stock_ = i;
  if (stock_ >= 0) file_ = std::string(kStockPictures[static_cast<std::size_t>(stock_)]);
}

void GraphicDialog::on_init(ui::Dialog& dialog) {
  handle_ = dialog.handle();
  init_target(dialog);
  dialog.set_check(IDC_GRAPHIC_LEFT_RADIO + 2, 1);
  // An empty name offers the stock pictures first.
  dialog.set_check(IDC_GRAPHIC_STANDARD_CHECK, stock_ >= 0 || file_.empty() ? 1 : 0);
  dialog.set_text(IDC_GRAPHIC_FILE_TEXT, file_);
  show_state(dialog);
}

void GraphicDialog::show_state(ui::Dialog& dialog) {
  const bool standard = dialog.check(IDC_GRAPHIC_STANDARD_CHECK) == 1;
  for (int i = 0; i < kStockCount; ++i) dialog.show(IDC_GRAPHIC_FIRST_STOCK + i, standard);
  dialog.show(IDC_GRAPHIC_PREVIEW, !standard);
  dialog.show(IDC_GRAPHIC_CREATE_BUTTON, file_.empty());
  dialog.show(IDC_GRAPHIC_EDIT_BUTTON, !file_.empty());
  dialog.enable(IDC_GRAPHIC_EDIT_BUTTON, !file_.empty() && !text::iends_with(file_, ".shg"));
  dialog.enable(IDC_GRAPHIC_HOTSPOT_EDITOR,
                text::iends_with(file_, ".shg") || text::iends_with(file_, ".bmp"));
  show_target_state(dialog);
  if (standard) paint_stock_buttons(dialog);
  else paint_preview(dialog);
}

void GraphicDialog::paint_preview(ui::Dialog& dialog) {
  const std::string path = file_.empty() ? std::string() : picture_path(state_, file_, stock_ >= 0);
  ui::host().paint(dialog.handle(), IDC_GRAPHIC_PREVIEW,
                   [&path](ui::Painter& painter) { paint_graphic_preview(painter, path); });
}

// The stock pictures on their buttons, from the installation's stock folder.
void GraphicDialog::paint_stock_buttons(ui::Dialog& dialog) {
  constexpr ui::Rect kFace{0, 0, 16, 16};
  for (int i = 0; i < kStockCount; ++i) {
    const std::string name(kStockPictures[static_cast<std::size_t>(i)]);
    const std::string path = picture_path(state_, name, true);
    ui::host().paint(dialog.handle(), IDC_GRAPHIC_FIRST_STOCK + i, [&](ui::Painter& painter) {
      paint_picture_button(painter, kFace, path, platform::replace_extension(name, ""), i == stock_);
    });
  }
}

void GraphicDialog::select_file(ui::Dialog& dialog) {
  ui::FileDialogRequest request;
  request.filter = "*.bmp";
  request.initial_dir = std::string(platform::directory_of(state_.project_path));
  std::optional<std::string> chosen = ui::host().file_dialog(dialog.handle(), request);
  if (!chosen || !is_picture_file(*chosen)) return;
  const std::string path = *chosen;
  file_ = platform::lower_unless_host_path(in_bitmap_roots(state_, path) ? std::string(platform::file_name_of(path))
                                                                 : offer_copy(dialog, path));
  stock_ = -1;
  dialog.set_text(IDC_GRAPHIC_FILE_TEXT, file_);
  dialog.set_check(IDC_GRAPHIC_STANDARD_CHECK, 0);
  show_state(dialog);
}

// A picture outside the roots: the author may have it copied where the
// compiler finds it by name; otherwise it is placed by its path.
std::string GraphicDialog::offer_copy(ui::Dialog& dialog, const std::string& path) {
  const std::string folder = picture_copy_folder(state_);
  const bool project_folder = text::iequals(folder, project_folder_of(state_));
  const std::string shown_folder = platform::to_host_path(folder);
  const std::string question =
      project_folder ? std::string() : text::format(message_text(kStrCopyToRoot).c_str(), shown_folder.c_str());
  CopyOfferDialog offer(platform::to_host_path(path), question);
  if (ui::host().run_modal(core::authoring_module(), "DLG_ROOT", offer, dialog.handle()) != kIdYes) return path;
  const std::string name(platform::file_name_of(path));
  switch (copy_picture(path, folder)) {
    case PictureCopyOutcome::other_file:
      core::show_message(state_,
                         text::format(message_text(kStrOtherPictureThere).c_str(), name.c_str(), shown_folder.c_str()),
                         ui::kMbOk | ui::kMbIconExclamation);
      return path;
    case PictureCopyOutcome::failed:
      core::show_message(state_, text::format(message_text(kStrPictureNotCopied).c_str(), shown_folder.c_str()),
                         ui::kMbOk | ui::kMbIconExclamation);
      return path;
    default: return picture_reference(state_, platform::join_path(folder, name));
  }
}

void GraphicDialog::choose_stock(ui::Dialog& dialog, int index) {
  stock_ = index;
  dialog.set_check(IDC_GRAPHIC_STANDARD_CHECK, 1);
  file_ = std::string(kStockPictures[static_cast<std::size_t>(index)]);
  dialog.set_text(IDC_GRAPHIC_FILE_TEXT, file_);
  show_state(dialog);
}

void GraphicDialog::start_graphics_editor(ui::Dialog& dialog) {
  const bool metafile = text::iends_with(file_, ".wmf");
  const std::string& editor = metafile ? state_.settings.compilers.wmf : state_.settings.compilers.bmp;
  if (text::trim(editor).empty()) {
    core::show_message(state_, message_text(kStrNoGraphicsEditor), ui::kMbOk | ui::kMbIconExclamation);
    return;
  }
  const std::string path = file_.empty() ? std::string() : picture_path(state_, file_, stock_ >= 0);
  platform::win_exec(text::format("%s %s", editor.c_str(), platform::quote_argument(path).c_str()), 1);
}

// The .shg made from a picture lies beside it, except for a stock picture:
// the installation's folder is not the project's, so it goes where the copy
// offer puts pictures (the project folder when it is a root, else the first root).
std::string GraphicDialog::hotspot_graphic_path(const std::string& picture) const {
  const std::string shg = platform::replace_extension(picture, ".shg");
  const std::string stock_folder = formats::stock_bitmap_folder(state_.settings.bitmap_dir);
  const bool stock = stock_ >= 0 || (!stock_folder.empty() && platform::is_within(stock_folder, picture));
  if (!stock) return shg;
  return platform::join_path(picture_copy_folder(state_), platform::file_name_of(shg));
}

void GraphicDialog::start_hotspot_editor(ui::Dialog& dialog) {
  std::string path = picture_path(state_, file_, stock_ >= 0);
  if (path.empty()) return;
  if (!text::iends_with(path, ".shg")) {
    if (core::show_message(state_, message_text(kStrMakeShg), ui::kMbYesNo | ui::kMbIconQuestion) != kIdYes)
      return;
    const std::string shg = hotspot_graphic_path(path);
    if (!platform::file_exists(shg) && !platform::copy_file(path, shg)) return;
    path = shg;
    if (stock_ >= 0) file_ = picture_reference(state_, shg);
    else file_ = has_folder(file_) ? shg : platform::replace_extension(file_, ".shg");
    stock_ = -1;
    dialog.set_text(IDC_GRAPHIC_FILE_TEXT, file_);
    dialog.set_check(IDC_GRAPHIC_STANDARD_CHECK, 0);
  }
  // The companion lists what the editor's hotspots may bind to; without the
  // editor it has nothing to serve.
  const ui::Handle companion = OpenHotspotCompanion(state_, dialog.handle());
  const std::string command =
      text::format("%s %s", state_.settings.compilers.shed.c_str(), platform::quote_argument(path).c_str());
  if (platform::win_exec(command, 1) < 32) {
    if (companion != 0) ui::host().destroy_window(companion);
    core::show_message(state_, message_text(kStrNoHotspotEditor), ui::kMbOk | ui::kMbIconExclamation);
  }
  show_state(dialog);
}

void GraphicDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id >= IDC_GRAPHIC_FIRST_STOCK && id < IDC_GRAPHIC_FIRST_STOCK + kStockCount)
    return choose_stock(dialog, id - IDC_GRAPHIC_FIRST_STOCK);
  if (target_command(dialog, id, notify)) return;
  switch (id) {
    case IDC_GRAPHIC_SELECT_BUTTON: return select_file(dialog);
    case IDC_GRAPHIC_EDIT_BUTTON:
    case IDC_GRAPHIC_CREATE_BUTTON: return start_graphics_editor(dialog);
    case IDC_GRAPHIC_HOTSPOT_EDITOR: return start_hotspot_editor(dialog);
    case IDC_GRAPHIC_STANDARD_CHECK: return show_state(dialog);
    case ui::kIdOk: return accept(dialog);
    case ui::kIdCancel: cancelled_ = true; break;
    default: break;
  }
  ui::DialogProc::on_command(dialog, id, notify);
}

// The list windows go with the dialog; they reload nothing then.
void GraphicDialog::on_close(ui::Dialog&) {
  cancelled_ = true;
  CloseRelatedProjectsList();
  handle_ = 0;
}

void GraphicDialog::accept(ui::Dialog& dialog) {
  if (text::trim(file_).empty()) {
    core::show_message(state_, message_text(kStrSelectBitmap), ui::kMbOk | ui::kMbIconExclamation);
    return;
  }
  if (!accept_target(dialog)) return;
  for (int i = 0; i < 3; ++i)
    if (dialog.check(IDC_GRAPHIC_LEFT_RADIO + i) == 1) position_ = i;
  transparent_ = dialog.check(IDC_GRAPHIC_TRANSPARENT_CHECK) == 1;
  dialog.end(1);
}

}  // namespace aids
