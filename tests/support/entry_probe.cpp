// A library with an entry point that counts how the loader calls it; its
// attach fails while TW_ENTRY_PROBE_FAIL is set.
#include <cstdint>
#include <cstdlib>

namespace {
int attaches = 0;
int detaches = 0;
}  // namespace

extern "C" __attribute__((visibility("default"))) int32_t DllMain(void*, uint32_t reason, void*) {
  if (reason == 0) {
    ++detaches;
    return 1;
  }
  ++attaches;
  return std::getenv("TW_ENTRY_PROBE_FAIL") ? 0 : 1;
}

extern "C" __attribute__((visibility("default"))) void entry_probe_counts(int* attached, int* detached) {
  *attached = attaches;
  *detached = detaches;
}
