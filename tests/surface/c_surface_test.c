/* The public header compiles as C, and the library's surface answers through
 * dlopen with local binding, as the word processor loads it. */
#include <dlfcn.h>
#include <stdio.h>
#include <string.h>

#include "tarvenwick/trvwck32.h"
#include "tarvenwick/twzhtml.h"

typedef int32_t (*text_fn)(char*);

static int check(int ok, const char* what) {
  if (!ok) fprintf(stderr, "FAILED: %s\n", what);
  return ok ? 0 : 1;
}

int main(void) {
  int failures = 0;
  void* lib = dlopen(TW_AUTHORING_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  if (!lib) {
    fprintf(stderr, "cannot load %s: %s\n", TW_AUTHORING_LIBRARY, dlerror());
    return 1;
  }
  text_fn fix = (text_fn)dlsym(lib, "FixBookmark");
  failures += check(fix != NULL, "FixBookmark is exported");
  if (fix) {
    char buffer[256] = "#1 word";
    failures += check(fix(buffer) == 1, "FixBookmark returns 1");
    failures += check(strcmp(buffer, "n1_word") == 0, "FixBookmark text");
  }
  failures += check(dlsym(lib, "_ZN4core11FixBookmarkESt17basic_string_viewIcSt11char_traitsIcEE") == NULL,
                    "internal C++ names stay hidden");
  dlclose(lib);
  printf("%d passed, %d failed\n", failures ? 0 : 1, failures ? 1 : 0);
  return failures ? 1 : 0;
}
