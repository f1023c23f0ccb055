// Files written and read in pieces.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/files.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

class FileStreams : public tw_test::Fixture {};

TEST_F(FileStreams, WriterCreatesEmptiesAndWritesInPieces) {
  std::string expected;
  platform::FileWriter out;
  ASSERT_TRUE(out.open("c:\\Page.htm"));
  for (int i = 0; i < 10000; ++i) {
    std::string piece = "line " + std::to_string(i) + "\r\n";
    expected += piece;
    ASSERT_TRUE(out.write(piece));
  }
  EXPECT_TRUE(out.close());
  EXPECT_FALSE(out.is_open());
  EXPECT_GT(expected.size(), platform::FileWriter::kBufferBytes);
  EXPECT_EQ(tw_test::read_file(file("Page.htm")), expected);

  // Reopening a case variant empties the same file.
  ASSERT_TRUE(out.open("c:\\PAGE.HTM"));
  EXPECT_TRUE(out.write("short"));
  EXPECT_TRUE(out.close());
  EXPECT_EQ(tw_test::read_file(file("Page.htm")), "short");
  EXPECT_FALSE(tw_test::exists(file("PAGE.HTM")));
}

TEST_F(FileStreams, WriterFailures) {
  platform::FileWriter out;
  EXPECT_FALSE(out.open("c:\\no\\such\\folder\\x.htm"));
  EXPECT_FALSE(out.write("x"));
  EXPECT_FALSE(out.close());

  // Another holder's file is neither opened nor emptied.
  tw_test::write_file(file("held.htm"), "held");
  platform::OpenStatus status;
  auto held = platform::ExclusiveFile::open("c:\\held.htm", platform::OpenMode::read, status);
  ASSERT_TRUE(held);
  EXPECT_FALSE(out.open("c:\\held.htm"));
  EXPECT_EQ(tw_test::read_file(file("held.htm")), "held");
}

TEST_F(FileStreams, AWriteThatFailsIsReportedByClose) {
  std::string path = file("big.htm");
  int code = tw_test::with_file_size_limit(1000, [&] {
    platform::FileWriter out;
    if (!out.open(path)) return 2;
    out.write(std::string(3 * platform::FileWriter::kBufferBytes, 'x'));
    return out.close() ? 1 : 0;
  });
  EXPECT_EQ(code, 0) << "close should have reported the failed write";
}

TEST_F(FileStreams, ReaderReadsFromAnOffsetToTheEnd) {
  tw_test::write_file(file("Data.bin"), "0123456789");
  platform::FileReader in;
  ASSERT_TRUE(in.open("c:\\DATA.BIN", 3));
  char buffer[16];
  EXPECT_EQ(in.read(buffer, 4), 4u);
  EXPECT_EQ(std::string(buffer, 4), "3456");
  EXPECT_EQ(in.read(buffer, sizeof buffer), 3u);
  EXPECT_EQ(std::string(buffer, 3), "789");
  EXPECT_EQ(in.read(buffer, sizeof buffer), 0u);
  EXPECT_FALSE(in.failed());
  EXPECT_FALSE(in.open("c:\\missing.bin"));
  EXPECT_FALSE(in.is_open());
  fs::create_directories(file("folder"));
  EXPECT_FALSE(in.open("c:\\folder"));
}

}  // namespace
