// The entry texts' store: blocks of 64,000 bytes filled one after another,
// so an entry list of views into them moves pointers only. The store grows
// by blocks as long as memory lasts; a text larger than a block gets a block
// of its own size.
#pragma once
#include <memory>
#include <string_view>
#include <vector>

namespace assistant {

class StringPool {
 public:
  static constexpr std::size_t kBlockBytes = 64000;

  // Copies text into the pool; the view stays valid until clear().
  std::string_view store(std::string_view text);
  void clear();
  std::size_t block_count() const { return blocks_.size(); }

 private:
  struct Block {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0, used = 0;
  };
  std::vector<Block> blocks_;
};

}  // namespace assistant
