// The help file's B+ trees: a 38-byte header, then fixed-size pages, the
// leaves first (entries in key order, chained both ways), then the index
// levels above them; the root is the last page. Every keyed internal file
// (the directory, |CONTEXT, |TTLBTREE, |KWBTREE) is one of these.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hlp {

inline constexpr std::uint16_t kBtreeMagic = 0x293B;
inline constexpr std::uint16_t kBtreeFlags = 0x0002;
inline constexpr std::uint16_t kDirectoryFlags = 0x0402;
inline constexpr std::size_t kBtreeHeaderSize = 38;
inline constexpr std::size_t kLeafHeaderSize = 8;
inline constexpr std::size_t kIndexHeaderSize = 6;

struct BtreeEntry {
  std::string key;   // the key as stored (a zero-terminated name, a 4-byte number ...)
  std::string data;  // what follows the key in a leaf
};

struct BtreeLayout {
  std::uint16_t flags = kBtreeFlags;
  std::uint16_t page_size = 2048;
  std::string structure;  // the field letters, e.g. "z4" or "L4"
};

struct BuiltBtree {
  std::string bytes;
  // For each leaf page, the number of the page and how many entries came
  // before it (the keyword map lists these).
  std::vector<std::pair<int, int>> leaves;
};

// Builds the tree over entries already in key order. nullopt when one
// entry does not fit in a page or the tree needs more pages than a 16-bit
// page number reaches.
std::optional<BuiltBtree> build_btree(const std::vector<BtreeEntry>& entries, const BtreeLayout& layout);

// What a tree's header says.
struct BtreeHeader {
  std::uint16_t flags = 0;
  std::uint16_t page_size = 0;
  std::string structure;
  int root_page = 0;
  int total_pages = 0;
  int levels = 0;
  std::int32_t entries = 0;
};

std::optional<BtreeHeader> read_btree_header(std::string_view tree);

// The raw entries of each leaf, in order: for each leaf page the bytes
// from its first entry to the page's end (the caller knows the entry form).
// nullopt when the tree is damaged (a page out of range, a loop).
struct LeafPage {
  int entries = 0;
  std::string_view bytes;
};
std::optional<std::vector<LeafPage>> read_leaf_pages(std::string_view tree);

}  // namespace hlp
