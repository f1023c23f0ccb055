// Topic files read through a map: the bytes are those of the file however
// much was given back, and a file that cannot be mapped reads as before.
#include "platform/mapped_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/files.h"
#include "support/test_support.h"

namespace {

class MappedFile : public tw_test::Fixture {};

// Bytes that differ from page to page, so a page read back at the wrong
// place would show.
std::string patterned(std::size_t size) {
  std::string bytes(size, '\0');
  std::uint32_t x = 2463534242u;
  for (char& c : bytes) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    c = static_cast<char>(x);
  }
  return bytes;
}

// Resident kilobytes of the mapping that holds address, from /proc/self/smaps.
long resident_kb(const void* address) {
  std::ifstream smaps("/proc/self/smaps");
  const auto at = reinterpret_cast<std::uintptr_t>(address);
  std::string line;
  bool inside = false;
  while (std::getline(smaps, line)) {
    std::uintptr_t begin = 0, end = 0;
    char dash = 0;
    std::istringstream range(line);
    if (range >> std::hex >> begin >> dash >> end && dash == '-') {
      inside = begin <= at && at < end;
    } else if (inside && line.rfind("Rss:", 0) == 0) {
      return std::stol(line.substr(4));
    }
  }
  return -1;
}

// Reads a byte of every page.
void touch_all(std::string_view view) {
  volatile char sink = 0;
  for (std::size_t i = 0; i < view.size(); i += 4096) sink = static_cast<char>(sink + view[i]);
}

TEST_F(MappedFile, ReleasedPagesGoAndComeBackWithTheSameBytes) {
  const std::string bytes = patterned(8u << 20);
  tw_test::write_file(file("big.rtf"), bytes);
  auto mapped = platform::MappedFile::open("c:\\BIG.RTF");  // found without regard to case
  ASSERT_TRUE(mapped);
  ASSERT_TRUE(mapped->mapped());
  touch_all(mapped->view());
  const long before = resident_kb(mapped->view().data());
  EXPECT_GE(before, 8 * 1024 - 64);

  mapped->release_before(6u << 20);
  EXPECT_EQ(mapped->released(), 6u << 20);
  EXPECT_LE(resident_kb(mapped->view().data()), before - 6 * 1024 + 64);
  // A position short of a page gives back only the whole pages before it.
  mapped->release_before((7u << 20) + 100);
  EXPECT_EQ(mapped->released(), 7u << 20);
  mapped->release_before(1u << 20);  // behind what is given back already: nothing
  EXPECT_EQ(mapped->released(), 7u << 20);

  EXPECT_TRUE(mapped->view() == bytes);  // read again from the file
  platform::MappedFile moved = std::move(*mapped);
  EXPECT_TRUE(moved.view() == bytes);
  moved.release_before(std::string::npos);  // past the end: every page
  EXPECT_TRUE(moved.view() == bytes);
}

TEST_F(MappedFile, MissingEmptyAndFolderAreAsAWholeRead) {
  EXPECT_FALSE(platform::MappedFile::open("c:\\none.rtf"));
  EXPECT_FALSE(platform::read_file("c:\\none.rtf"));
  EXPECT_FALSE(platform::MappedFile::open(""));

  tw_test::write_file(file("empty.rtf"), "");
  auto empty = platform::MappedFile::open("c:\\empty.rtf");
  ASSERT_TRUE(empty);
  EXPECT_FALSE(empty->mapped());
  EXPECT_TRUE(empty->view().empty());
  empty->release_before(100);  // nothing to give back
  EXPECT_TRUE(empty->view().empty());

  std::filesystem::create_directories(file("sub"));
  EXPECT_FALSE(platform::MappedFile::open("c:\\sub"));
}

}  // namespace
