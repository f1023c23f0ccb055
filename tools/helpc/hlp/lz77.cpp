#include "tools/helpc/hlp/lz77.h"

#include <cstdint>
#include <vector>

namespace hlp {
namespace {

constexpr std::size_t kWindow = 4096;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 18;
constexpr int kMaxChain = 48;  // candidates tried per position: speed over the last byte saved
constexpr std::size_t kHashSize = 1 << 13;

std::size_t hash3(std::string_view d, std::size_t at) {
  auto b = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(d[at + i])); };
  return ((b(0) << 10) ^ (b(1) << 5) ^ b(2)) & (kHashSize - 1);
}

// Greedy matching over hash chains of three-byte prefixes.
class Matcher {
 public:
  explicit Matcher(std::string_view data) : data_(data), head_(kHashSize, -1), previous_(data.size(), -1) {}

  void insert(std::size_t at) {
    if (at + kMinMatch > data_.size()) return;
    std::size_t h = hash3(data_, at);
    previous_[at] = head_[h];
    head_[h] = static_cast<std::ptrdiff_t>(at);
  }

  // The longest earlier match at `at`: {length, distance}; length 0 when none.
  std::pair<std::size_t, std::size_t> longest(std::size_t at) const {
    if (at + kMinMatch > data_.size()) return {0, 0};
    const std::size_t limit = std::min(kMaxMatch, data_.size() - at);
    std::size_t best = 0, distance = 0;
    int tries = 0;
    for (std::ptrdiff_t c = head_[hash3(data_, at)]; c >= 0 && tries < kMaxChain; c = previous_[c], ++tries) {
      const auto candidate = static_cast<std::size_t>(c);
      if (at - candidate > kWindow) break;
      std::size_t n = 0;
      while (n < limit && data_[candidate + n] == data_[at + n]) ++n;
      if (n > best) {
        best = n;
        distance = at - candidate;
        if (n == limit) break;
      }
    }
    return best >= kMinMatch ? std::pair{best, distance} : std::pair{std::size_t{0}, std::size_t{0}};
  }

 private:
  std::string_view data_;
  std::vector<std::ptrdiff_t> head_;
  std::vector<std::ptrdiff_t> previous_;
};

}  // namespace

std::string lz77_compress(std::string_view data) {
  std::string out;
  Matcher matcher(data);
  std::size_t flag_at = 0;
  int items = 8;
  std::size_t at = 0;
  while (at < data.size()) {
    if (items == 8) {
      flag_at = out.size();
      out.push_back('\0');
      items = 0;
    }
    auto [length, distance] = matcher.longest(at);
    if (length > 0) {
      const auto word = static_cast<std::uint32_t>(((length - kMinMatch) << 12) | (distance - 1));
      out[flag_at] = static_cast<char>(static_cast<unsigned char>(out[flag_at]) | (1u << items));
      out.push_back(static_cast<char>(word & 0xFF));
      out.push_back(static_cast<char>(word >> 8));
      for (std::size_t i = 0; i < length; ++i) matcher.insert(at + i);
      at += length;
    } else {
      out.push_back(data[at]);
      matcher.insert(at);
      ++at;
    }
    ++items;
  }
  return out;
}

std::optional<std::string> lz77_decompress(std::string_view packed, std::size_t max_out) {
  std::string out;
  std::size_t at = 0;
  while (at < packed.size() && out.size() < max_out) {
    const auto flags = static_cast<unsigned char>(packed[at++]);
    for (int bit = 0; bit < 8 && at < packed.size() && out.size() < max_out; ++bit) {
      if ((flags & (1u << bit)) == 0) {
        out.push_back(packed[at++]);
        continue;
      }
      if (at + 2 > packed.size()) return out;  // a reference cut off by the block's end
      const std::uint32_t word = static_cast<unsigned char>(packed[at]) |
                                 static_cast<std::uint32_t>(static_cast<unsigned char>(packed[at + 1])) << 8;
      at += 2;
      const std::size_t distance = (word & 0x0FFF) + 1;
      const std::size_t length = (word >> 12) + kMinMatch;
      if (distance > out.size()) return std::nullopt;
      for (std::size_t i = 0; i < length && out.size() < max_out; ++i) out.push_back(out[out.size() - distance]);
    }
  }
  return out;
}

}  // namespace hlp
