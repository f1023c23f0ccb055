#include "tools/helpc/hlp/file_system.h"

#include "tools/helpc/hlp/btree.h"
#include "tools/helpc/hlp/bytes.h"

namespace hlp {
namespace {

constexpr std::uint16_t kDirectoryPageSize = 1024;

std::string internal_header(std::uint64_t used) {
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

void FileSystemWriter::add(std::string name, std::string bytes) {
  const std::uint64_t size = bytes.size();
  files_[std::move(name)] = Entry{size, std::move(bytes), {}};
}

void FileSystemWriter::add_streamed(std::string name, std::uint64_t size, FileBody body) {
  files_[std::move(name)] = Entry{size, {}, std::move(body)};
}

// The directory and the file header are made first from the sizes alone,
// so that the files' bytes go straight through in name order.
FileSystemWriter::Written FileSystemWriter::write(const std::function<bool(std::string_view)>& sink) const {
  std::uint64_t at = kFileHeaderSize;
  std::vector<BtreeEntry> entries;
  for (const auto& [name, entry] : files_) {
    Bytes offset;
    offset.u32(static_cast<std::uint32_t>(at));
    entries.push_back(BtreeEntry{name + std::string(1, '\0'), offset.take()});
    at += kInternalHeaderSize + entry.size;
    if (at > 0xFFFFFFFFu) return Written::too_large;
  }
  auto directory = build_btree(entries, BtreeLayout{kDirectoryFlags, kDirectoryPageSize, "z4"});
  if (!directory) return Written::too_large;
  const std::uint64_t directory_at = at;
  const std::uint64_t end = at + kInternalHeaderSize + directory->bytes.size();
  if (end > 0xFFFFFFFFu) return Written::too_large;
  Bytes head;
  head.u32(kHelpFileMagic);
  head.u32(static_cast<std::uint32_t>(directory_at));
  head.i32(-1);  // no free blocks
  head.u32(static_cast<std::uint32_t>(end));
  if (!sink(head.str())) return Written::failed;
  for (const auto& [name, entry] : files_) {
    if (!sink(internal_header(entry.size))) return Written::failed;
    if (!entry.body) {
      if (!sink(entry.bytes)) return Written::failed;
      continue;
    }
    std::uint64_t written = 0;
    const std::uint64_t size = entry.size;  // clang 14 lambdas cannot capture a structured binding
    auto counting = [&](std::string_view piece) {
      written += piece.size();
      return written <= size && sink(piece);
    };
    if (!entry.body(counting) || written != entry.size) return Written::failed;
  }
  if (!sink(internal_header(directory->bytes.size())) || !sink(directory->bytes)) return Written::failed;
  return Written::done;
}

std::optional<std::string> FileSystemWriter::render() const {
  std::string out;
  auto appended = [&out](std::string_view piece) {
    out.append(piece);
    return true;
  };
  if (write(appended) != Written::done) return std::nullopt;
  return out;
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
