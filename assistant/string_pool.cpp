#include "assistant/string_pool.h"

#include <algorithm>
#include <cstring>

namespace assistant {

std::string_view StringPool::store(std::string_view text) {
  if (text.empty()) return {};
  if (blocks_.empty() || blocks_.back().size - blocks_.back().used < text.size()) {
    std::size_t size = std::max(kBlockBytes, text.size());
    blocks_.push_back(Block{std::make_unique<char[]>(size), size, 0});
  }
  Block& block = blocks_.back();
  char* at = block.bytes.get() + block.used;
  std::memcpy(at, text.data(), text.size());
  block.used += text.size();
  return {at, text.size()};
}

void StringPool::clear() { blocks_.clear(); }

}  // namespace assistant
