#include "contents/list_item_height.h"

#include "platform/ui/host.h"

namespace contents {
namespace {

constexpr int kLargeBaseUnitX = 9;

}  // namespace

int list_item_height(int dialog_base_unit_x) {
  return dialog_base_unit_x >= kLargeBaseUnitX ? kLargeItemHeight : kItemHeight;
}

int list_item_height() { return list_item_height(ui::host().screen_size().dialog_base_unit_x); }

}  // namespace contents
