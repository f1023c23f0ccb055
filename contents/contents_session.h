// What the contents commands keep between calls: the model the editor and
// the preview share, and the preview's last chosen item.
#pragma once
#include <cstddef>

#include "contents/contents_model.h"

namespace contents {

struct ContentsSession {
  ContentsModel model;
  size_t preview_item = 0;  // the item the preview selected last
};

}  // namespace contents
