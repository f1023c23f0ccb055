// A caller that unloads the libraries and loads them again gets libraries
// that start afresh, as the system's loader gives them: no project set, the
// About box shown again on the first InitTW.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/editor_flows.h"
#include "host/installation.h"
#include "host/libraries.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

class LibraryReload : public tw_test::Fixture {};

TEST_F(LibraryReload, ALibraryLoadedAgainStartsAfresh) {
  host::ensure_installation();
  fs::copy(fs::path(TW_SOURCE_DIR) / "samples/sample", file("sample"), fs::copy_options::recursive);
  const std::string hpj = platform::to_system_path(file("sample/sample.hpj"));
  host::ScriptSession script;
  for (int load = 0; load < 2; ++load) {
    host::Libraries libs;
    std::string error;
    ASSERT_TRUE(host::load_libraries(libs, error)) << error;
    // Each run's script starts with the About box of a library with no project.
    ASSERT_EQ(host::run_macros(libs, script, {hpj, "About()"}), 0) << "load " << load;
  }
}

}  // namespace
