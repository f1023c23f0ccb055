#include "tools/helpc/hlp/file_system.h"

#include "tools/helpc/hlp/btree.h"
#include "tools/helpc/hlp/bytes.h"

namespace hlp {
namespace {

constexpr std::uint16_t kDirectoryPageSize = 1024;

std::string internal_header(std::size_t used) {
  Bytes out;
  out.u32(static_cast<std::uint32_t>(used + kInternalHeaderSize));
  out.u32(static_cast<std::uint32_t>(used));
  out.u8(kInternalFileFlags);
  return out.take();
}

// An internal file's header and bytes at offset, checked against the file.
std::optional<std::string_view> internal_at(std::string_view data, std::uint32_t offset) {
  Reader in(data, offset);
  auto reserved = in.u32();
  auto used = in.u32();
  if (!reserved || !used || !in.skip(1) || *used > in.left()) return std::nullopt;
  return data.substr(in.at(), *used);
}

}  // namespace

std::optional<std::string> FileSystemWriter::render() const {
  std::string body;
  std::vector<BtreeEntry> entries;
  for (const auto& [name, bytes] : files_) {
    Bytes offset;
    offset.u32(static_cast<std::uint32_t>(kFileHeaderSize + body.size()));
    entries.push_back(BtreeEntry{name + std::string(1, '\0'), offset.take()});
    body += internal_header(bytes.size());
    body += bytes;
  }
  auto directory = build_btree(entries, BtreeLayout{kDirectoryFlags, kDirectoryPageSize, "z4"});
  if (!directory) return std::nullopt;
  const std::size_t directory_at = kFileHeaderSize + body.size();
  body += internal_header(directory->bytes.size());
  body += directory->bytes;
  Bytes head;
  head.u32(kHelpFileMagic);
  head.u32(static_cast<std::uint32_t>(directory_at));
  head.i32(-1);  // no free blocks
  head.u32(static_cast<std::uint32_t>(kFileHeaderSize + body.size()));
  return head.take() + body;
}

std::optional<FileSystemReader> FileSystemReader::open(std::string_view help_file) {
  Reader in(help_file);
  auto magic = in.u32();
  auto directory_at = in.u32();
  if (!magic || *magic != kHelpFileMagic || !directory_at) return std::nullopt;
  auto directory = internal_at(help_file, *directory_at);
  if (!directory) return std::nullopt;
  auto leaves = read_leaf_pages(*directory);
  if (!leaves) return std::nullopt;
  FileSystemReader reader;
  reader.data_ = help_file;
  for (const auto& leaf : *leaves) {
    Reader entries(leaf.bytes);
    for (int i = 0; i < leaf.entries; ++i) {
      auto name = entries.sz();
      auto offset = entries.u32();
      if (!name || !offset) return std::nullopt;
      auto bytes = internal_at(help_file, *offset);
      if (!bytes) return std::nullopt;
      reader.files_.push_back(InternalFile{*name, *offset, static_cast<std::uint32_t>(bytes->size())});
    }
  }
  return reader;
}

std::optional<std::string_view> FileSystemReader::file(std::string_view name) const {
  for (const auto& f : files_) {
    if (f.name == name) return internal_at(data_, f.offset);
  }
  return std::nullopt;
}

}  // namespace hlp
