#include "platform/dynlib.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

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
