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
  /* The keyword-index exports, by their exact names; without a project they
   * change nothing and answer 1. */
  typedef int32_t (*build_fn)(int32_t, int32_t, int32_t);
  typedef int32_t (*update_fn)(char*, char*, char*, char*, int32_t);
  build_fn build = (build_fn)dlsym(lib, "BuildKeywordIndex");
  update_fn update = (update_fn)dlsym(lib, "update_keys");
  failures += check(build != NULL && update != NULL, "BuildKeywordIndex and update_keys are exported");
  if (build && update) {
    char context[256] = " IDH_a ", title[256] = "A", old_keys[256] = "a;b", new_keys[256] = "b;c";
    failures += check(build(0, 0, 0) == 1, "BuildKeywordIndex returns 1");
    failures += check(update(context, title, old_keys, new_keys, 1) == 1, "update_keys returns 1");
    failures += check(strcmp(context, " IDH_a ") == 0, "update_keys leaves its arguments as they were");
  }
  failures += check(dlsym(lib, "InsertMacro") != NULL, "InsertMacro is exported");
  typedef int32_t (*insert_key_fn)(int32_t, char*, char*);
  insert_key_fn insert_key = (insert_key_fn)dlsym(lib, "InsertKey");
  failures += check(insert_key != NULL, "InsertKey is exported");
  if (insert_key) {
    char keys[501] = "print;setup", kind[8] = "A";
    failures += check(insert_key(0, keys, kind) == 0 && strcmp(keys, "print;setup") == 0,
                      "InsertKey cancelled leaves the text as it was");
  }
  /* The contents exports; without a project the path is empty. */
  typedef int32_t (*retarget_fn)(char*, char*, char*);
  text_fn contents_path = (text_fn)dlsym(lib, "GetContentsPath");
  retarget_fn retarget = (retarget_fn)dlsym(lib, "update_title_or_cx");
  failures += check(contents_path != NULL && retarget != NULL && dlsym(lib, "EditContents") != NULL,
                    "EditContents, GetContentsPath and update_title_or_cx are exported");
  if (contents_path && retarget) {
    char path[260] = "x", old_context[256] = "a", new_context[256] = "b", title[256] = "";
    failures += check(contents_path(path) == 1 && path[0] == '\0', "GetContentsPath without a project");
    failures += check(retarget(old_context, new_context, title) == 1, "update_title_or_cx without a project");
  }
  /* The outline's exports; get_outline without an outline file ends at once. */
  typedef int32_t (*edit_outline_fn)(int32_t, char*);
  typedef int32_t (*get_outline_fn)(char*, char*, char*, char*);
  edit_outline_fn edit_outline = (edit_outline_fn)dlsym(lib, "EditOutline");
  get_outline_fn outline = (get_outline_fn)dlsym(lib, "get_outline");
  failures += check(edit_outline != NULL && outline != NULL, "EditOutline and get_outline are exported");
  if (outline) {
    char project[260] = "/nonexistent/none.hpj", target[5000] = "t", title[5000] = "x", level[256] = "1";
    failures += check(outline(project, target, title, level) == 0 && strcmp(title, "x") == 0,
                      "get_outline without an outline file delivers nothing");
  }
  /* The picture exports, by their exact names; without a project nothing is
   * found and no bullet picture is chosen. */
  static const char* const picture_exports[] = {"InsertBitmap", "GetBitPath", "UpdatePictures",
                                                "InsertMultiMedia", "SelectBullet", "GetBullet", "TWStyles"};
  for (size_t i = 0; i < sizeof picture_exports / sizeof picture_exports[0]; ++i)
    failures += check(dlsym(lib, picture_exports[i]) != NULL, picture_exports[i]);
  typedef int32_t (*bit_path_fn)(char*, char*);
  bit_path_fn bit_path = (bit_path_fn)dlsym(lib, "GetBitPath");
  text_fn bullet = (text_fn)dlsym(lib, "GetBullet");
  if (bit_path && bullet) {
    char code[256] = "bmc nowhere.bmp}", path[260] = "stale", name[256] = "stale";
    failures += check(bit_path(code, path) == 0 && path[0] == '\0', "GetBitPath finds nothing without a project");
    failures += check(bullet(name) == 1 && name[0] == '\0', "GetBullet without a chosen bullet picture");
  }
  text_fn key_result = (text_fn)dlsym(lib, "GetKeySearchResult");
  failures += check(key_result != NULL, "GetKeySearchResult is exported");
  if (key_result) {
    char context[256] = "stale";
    failures += check(key_result(context) == 0 && context[0] == '\0',
                      "GetKeySearchResult before any search empties the buffer");
  }
  failures += check(dlsym(lib, "_ZN4core11FixBookmarkESt17basic_string_viewIcSt11char_traitsIcEE") == NULL,
                    "internal C++ names stay hidden");
  dlclose(lib);

  /* The conversion library loads beside it with its own copy of the shared names. */
  void* conv = dlopen(TW_CONVERSION_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  failures += check(conv != NULL, "the conversion library loads");
  if (conv) {
    typedef int32_t (*next_fn)(int32_t, char*);
    next_fn next = (next_fn)dlsym(conv, "get_next_rtf");
    failures += check(next != NULL, "get_next_rtf is exported");
    if (next) {
      char path[260] = "untouched";
      failures += check(next(0, path) == 0 && strcmp(path, "untouched") == 0,
                        "get_next_rtf before process_rtf has no files");
    }
    const char* finishing[] = {"check_cnt_exists", "check_compiler_exists", "RunBrowser", "SetBrowser",
                               "BatchControl"};
    for (size_t i = 0; i < sizeof finishing / sizeof finishing[0]; ++i)
      failures += check(dlsym(conv, finishing[i]) != NULL, finishing[i]);
    /* The wizard's exports, by their exact names. */
    static const char* const wizard_exports[] = {
        "TWIsInit", "InitTW", "GetInst", "AboutTW", "FixString", "LFCFixFileName", "InitDocWiz",
        "InitWizProgress", "WizProgress", "GetLang",
        "LFCStartUp", "LFCSelFile", "TWHTMLCheckNewProj", "LFCSetTemplate", "LFCSetTemplateNoMsg",
        "LFCShowGallery", "SelectDocs", "NavButtons", "PgLayout", "TableFormat", "PgProperties",
        "FormatHHTOC", "FormatTOC", "FormatIndex", "FormatHHIndex", "FormatHeadings",
        "CrossReferences", "Translations", "AdvancedOptions"};
    for (size_t i = 0; i < sizeof wizard_exports / sizeof wizard_exports[0]; ++i) {
      failures += check(dlsym(conv, wizard_exports[i]) != NULL, wizard_exports[i]);
    }
    text_fn fix_name = (text_fn)dlsym(conv, "LFCFixFileName");
    if (fix_name) {
      char name[64] = " my file ";
      failures += check(fix_name(name) == 1 && strcmp(name, "my_file") == 0, "LFCFixFileName text");
    }
    dlclose(conv);
  }
  printf("%d passed, %d failed\n", failures ? 0 : 1, failures ? 1 : 0);
  return failures ? 1 : 0;
}
