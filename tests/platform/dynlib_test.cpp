#include "platform/dynlib.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using CosFn = double (*)(double);

TEST(SharedLibrary, LoadsByNameAndFindsSymbols) {
  std::string error;
  auto lib = platform::SharedLibrary::open("libm.so.6", error);
  ASSERT_TRUE(lib) << error;
  EXPECT_TRUE(error.empty());
  auto cos_fn = reinterpret_cast<CosFn>(lib->symbol("cos"));
  ASSERT_NE(cos_fn, nullptr);
  EXPECT_DOUBLE_EQ(cos_fn(0.0), 1.0);
  EXPECT_EQ(lib->symbol("no_such_symbol_here"), nullptr);
}

TEST(SharedLibrary, ReportsTheLoaderMessage) {
  std::string error;
  EXPECT_FALSE(platform::SharedLibrary::open("VIC32.DLL", error));
  EXPECT_NE(error.find("VIC32.DLL"), std::string::npos) << error;
}

class SharedLibraryPath : public tw_test::Fixture {};

TEST_F(SharedLibraryPath, SystemPathsResolveWithoutCase) {
  void* libm = dlopen("libm.so.6", RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(libm, nullptr);
  Dl_info info{};
  ASSERT_NE(dladdr(dlsym(libm, "cos"), &info), 0);
  ASSERT_NE(info.dli_fname, nullptr);
  fs::create_directories(file("lib"));
  fs::copy_file(fs::canonical(info.dli_fname), file("lib/libcopy.so"));
  std::string error;
  auto lib = platform::SharedLibrary::open("c:\\LIB\\LIBCOPY.SO", error);
  ASSERT_TRUE(lib) << error;
  EXPECT_NE(lib->symbol("cos"), nullptr);
  dlclose(libm);
}

}  // namespace

namespace {

using CountsFn = void (*)(int*, int*);

struct EntryCounts {
  int attached = 0, detached = 0;
};

EntryCounts counts(const platform::SharedLibrary& lib) {
  EntryCounts c;
  reinterpret_cast<CountsFn>(lib.symbol("entry_probe_counts"))(&c.attached, &c.detached);
  return c;
}

// The loader stands in for the system: a library is attached when its first
// handle opens and detached when its last one closes, so a library loaded
// again starts afresh; a failed attach fails the load.
TEST(SharedLibraryEntry, AttachesOnFirstLoadAndDetachesWithTheLastHandle) {
  std::string error;
  auto first = platform::SharedLibrary::open(TW_ENTRY_PROBE, error);
  ASSERT_TRUE(first) << error;
  const EntryCounts base = counts(*first);  // the library stays mapped between tests
  auto second = platform::SharedLibrary::open(TW_ENTRY_PROBE, error);
  ASSERT_TRUE(second) << error;
  EXPECT_EQ(counts(*second).attached, base.attached);
  second.reset();
  EXPECT_EQ(counts(*first).detached, base.detached);
  first.reset();
  auto again = platform::SharedLibrary::open(TW_ENTRY_PROBE, error);
  ASSERT_TRUE(again) << error;
  EXPECT_EQ(counts(*again).attached, base.attached + 1);
  EXPECT_EQ(counts(*again).detached, base.detached + 1);
}

TEST(SharedLibraryEntry, AFailedAttachFailsTheLoad) {
  std::string error;
  setenv("TW_ENTRY_PROBE_FAIL", "1", 1);
  auto lib = platform::SharedLibrary::open(TW_ENTRY_PROBE, error);
  unsetenv("TW_ENTRY_PROBE_FAIL");
  EXPECT_FALSE(lib);
  EXPECT_NE(error.find("failed to start"), std::string::npos) << error;
  auto retried = platform::SharedLibrary::open(TW_ENTRY_PROBE, error);
  EXPECT_TRUE(retried) << error;
}

}  // namespace
