#include "tools/helpc/hlp/btree.h"

#include "tools/helpc/hlp/bytes.h"

namespace hlp {
namespace {

struct Page {
  std::string body;  // entries only
  int entries = 0;
  std::string first_key;
};

// Packs items into pages of room bytes each.
std::vector<Page> pack(const std::vector<std::string>& items, const std::vector<std::string>& keys,
                       std::size_t room) {
  std::vector<Page> pages;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (pages.empty() || pages.back().body.size() + items[i].size() > room) {
      pages.push_back(Page{});
      pages.back().first_key = keys[i];
    }
    pages.back().body += items[i];
    ++pages.back().entries;
  }
  return pages;
}

std::string leaf_page(const Page& page, int number, int count, std::size_t page_size) {
  Bytes out;
  out.u16(static_cast<std::uint32_t>(page_size - kLeafHeaderSize - page.body.size()));
  out.i16(page.entries);
  out.i16(number == 0 ? -1 : number - 1);
  out.i16(number + 1 == count ? -1 : number + 1);
  out.raw(page.body);
  out.zeros(page_size - out.size());
  return out.take();
}

}  // namespace

std::optional<BuiltBtree> build_btree(const std::vector<BtreeEntry>& entries, const BtreeLayout& layout) {
  const std::size_t page_size = layout.page_size;
  std::vector<std::string> items, keys;
  for (const auto& e : entries) {
    if (e.key.size() + e.data.size() + kLeafHeaderSize > page_size ||
        e.key.size() + 2 + 2 * kIndexHeaderSize > page_size / 2)
      return std::nullopt;
    items.push_back(e.key + e.data);
    keys.push_back(e.key);
  }
  BuiltBtree built;
  std::vector<Page> level = pack(items, keys, page_size - kLeafHeaderSize);
  if (level.empty()) level.push_back(Page{});
  std::string pages;
  int before = 0;
  const int leaf_count = static_cast<int>(level.size());
  for (int i = 0; i < leaf_count; ++i) {
    pages += leaf_page(level[i], i, leaf_count, page_size);
    built.leaves.emplace_back(i, before);
    before += level[i].entries;
  }
  int first_page = 0, levels = 1;
  // Index levels: each entry is the first key of a child and the child's
  // page; the first child goes in the header instead.
  while (level.size() > 1) {
    std::vector<std::string> index_items, index_keys;
    std::vector<int> firsts;
    for (std::size_t i = 0; i < level.size(); ++i) {
      Bytes item;
      item.raw(level[i].first_key);
      item.i16(first_page + static_cast<int>(i));
      index_items.push_back(item.take());
      index_keys.push_back(level[i].first_key);
    }
    // Pack children into index pages; the first child of each page goes
    // into its header, so it takes no entry room.
    std::vector<Page> upper;
    std::size_t i = 0;
    while (i < index_items.size()) {
      Page page;
      page.first_key = index_keys[i];
      firsts.push_back(first_page + static_cast<int>(i));
      ++i;
      while (i < index_items.size() &&
             page.body.size() + index_items[i].size() <= page_size - kIndexHeaderSize) {
        page.body += index_items[i];
        ++page.entries;
        ++i;
      }
      upper.push_back(std::move(page));
    }
    first_page += static_cast<int>(level.size());
    for (std::size_t p = 0; p < upper.size(); ++p) {
      Bytes out;
      out.u16(static_cast<std::uint32_t>(page_size - kIndexHeaderSize - upper[p].body.size()));
      out.i16(upper[p].entries);
      out.i16(firsts[p]);
      out.raw(upper[p].body);
      out.zeros(page_size - out.size());
      pages += out.str();
    }
    level = std::move(upper);
    ++levels;
  }
  const int total_pages = first_page + 1;
  if (total_pages > 0x7FFF) return std::nullopt;  // page numbers are 16-bit
  Bytes header;
  header.u16(kBtreeMagic);
  header.u16(layout.flags);
  header.u16(layout.page_size);
  header.fixed(layout.structure, 16);
  header.i16(0);
  header.i16(0);  // page splits
  header.i16(total_pages - 1);
  header.i16(-1);
  header.i16(total_pages);
  header.i16(levels);
  header.i32(static_cast<std::int32_t>(entries.size()));
  built.bytes = header.take() + pages;
  return built;
}

std::optional<BtreeHeader> read_btree_header(std::string_view tree) {
  Reader in(tree);
  auto magic = in.u16();
  if (!magic || *magic != kBtreeMagic || tree.size() < kBtreeHeaderSize) return std::nullopt;
  BtreeHeader h;
  h.flags = static_cast<std::uint16_t>(*in.u16());
  h.page_size = static_cast<std::uint16_t>(*in.u16());
  std::string_view structure = tree.substr(6, 16);
  h.structure = std::string(structure.substr(0, structure.find('\0')));
  in.skip(16 + 2 + 2);
  h.root_page = *in.i16();
  in.skip(2);
  h.total_pages = *in.i16();
  h.levels = *in.i16();
  h.entries = *in.i32();
  if (h.page_size < 16 || h.total_pages <= 0 || h.levels <= 0 ||
      kBtreeHeaderSize + static_cast<std::size_t>(h.total_pages) * h.page_size > tree.size())
    return std::nullopt;
  return h;
}

std::optional<std::vector<LeafPage>> read_leaf_pages(std::string_view tree) {
  auto header = read_btree_header(tree);
  if (!header) return std::nullopt;
  auto page_at = [&](int n) { return tree.substr(kBtreeHeaderSize + static_cast<std::size_t>(n) * header->page_size, header->page_size); };
  // Down the leftmost edge to the first leaf.
  int page = header->root_page;
  for (int level = header->levels; level > 1; --level) {
    if (page < 0 || page >= header->total_pages) return std::nullopt;
    Reader in(page_at(page), 4);
    page = *in.i16();
  }
  std::vector<LeafPage> leaves;
  while (page != -1) {
    if (page < 0 || page >= header->total_pages || leaves.size() >= static_cast<std::size_t>(header->total_pages))
      return std::nullopt;
    std::string_view bytes = page_at(page);
    Reader in(bytes, 2);
    int entries = *in.i16();
    in.skip(2);
    page = *in.i16();
    leaves.push_back(LeafPage{entries, bytes.substr(kLeafHeaderSize)});
  }
  return leaves;
}

}  // namespace hlp
