/* The authoring library's exports, as the word processor's macros call them.
 * Window arguments are 32-bit window handles (0 for none); text arguments are
 * caller-owned, zero-terminated buffers of at least 256 characters, which an
 * export may overwrite. Every export returns a 32-bit integer. */
#ifndef TARVENWICK_TRVWCK32_H
#define TARVENWICK_TRVWCK32_H

#include <stdint.h>

#if defined(__GNUC__)
#define TRVWCK32_API __attribute__((visibility("default")))
#else
#define TRVWCK32_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Library state and project */
TRVWCK32_API int32_t InitTW(int32_t window, int32_t mode);
TRVWCK32_API int32_t TWStartUp(int32_t window, char* document);
TRVWCK32_API int32_t TWIsInit(int32_t ignored);
TRVWCK32_API int32_t GetInst(int32_t ignored1, int32_t ignored2);
TRVWCK32_API int32_t IsProjSet(int32_t window, char* project_path);
TRVWCK32_API int32_t GetProjPath(char* directory);
TRVWCK32_API int32_t SaveAll(int32_t ignored);
TRVWCK32_API int32_t TWZSaveAll(int32_t ignored);
TRVWCK32_API int32_t TWHelp(int32_t window, int32_t ignored);
TRVWCK32_API int32_t RunHelp(int32_t window);
TRVWCK32_API int32_t AboutTW(int32_t window);

/* Text commands */
TRVWCK32_API int32_t FixBookmark(char* text);
TRVWCK32_API int32_t FixString(char* text);

/* Topic files and the position stack */
TRVWCK32_API int32_t GetAllFiles(char* document, char* flag);
TRVWCK32_API int32_t SaveDest(int32_t page, int32_t line, int32_t n);
TRVWCK32_API int32_t GetDest(char* position, char* number);
TRVWCK32_API int32_t SaveDest6(int32_t page, int32_t line, char* document);
TRVWCK32_API int32_t GetDest6(char* position, char* document);
TRVWCK32_API int32_t GetDestFile6(char* context, char* file_name, char* path);

/* The word processor's localized names (buffers of 50 characters) */
TRVWCK32_API int32_t GetLang(char* n1, char* n2, char* n3, char* n4, char* n5, char* n6, char* n7);
TRVWCK32_API int32_t GetLang2(char* n1, char* n2, char* n3, char* n4, char* n5, char* n6);

/* Help project and context IDs */
TRVWCK32_API int32_t SetOptions(int32_t window, int32_t ignored);
TRVWCK32_API int32_t AddTAG(char* tag);
TRVWCK32_API int32_t AddCX(char* context, char* title);
TRVWCK32_API int32_t AddCX2(char* context, char* title, char* document);
TRVWCK32_API int32_t CxList(int32_t window);
TRVWCK32_API int32_t Import_IDS(int32_t window, char* document);
TRVWCK32_API int32_t TWImport1(int32_t window, char* document);

/* Topics, browse sequences and the topic report. GetTopic's texts: title,
 * context string, browse text, K keywords, A keywords, counter text,
 * footnote text (entry macro), build tags, window; window -10 creates the
 * topic without the dialog. */
TRVWCK32_API int32_t GetTopic(int32_t window, char* document, char* title, char* context, char* browse,
                              char* k_keywords, char* a_keywords, char* counter, char* footnote,
                              char* build_tags, char* topic_window);
TRVWCK32_API int32_t DelTopic(char* context);
/* The topic finder: the document to open and the context string to find. */
TRVWCK32_API int32_t GotoTopic(int32_t window, char* document, char* context);
TRVWCK32_API int32_t NextItem(int32_t ignored, char* context, char* browse);
/* preference receives "1"/"0" first; after OK document receives "YES", "POP" or "". */
TRVWCK32_API int32_t EditGroup(int32_t window, char* document, char* preference);
TRVWCK32_API int32_t DeleteItem(int32_t window, char* document);
/* The topic report; path receives the report file's path. */
TRVWCK32_API int32_t GenReport(int32_t window, char* path);

/* Compiling. GenFiles: document in, the project folder out; project receives
 * the project file. ViewErrors: after "Go to Problem Topic" (result 1) the
 * topic's document, its topic number in that document and the message. */
TRVWCK32_API int32_t GenFiles(char* document, char* project);
TRVWCK32_API int32_t ViewErrors(int32_t window, char* topic_file, char* position, char* message);
TRVWCK32_API int32_t Is30Compiler(void);
TRVWCK32_API int32_t Is95Compiler(int32_t ignored);

/* Keyword indexes. BuildKeywordIndex with ask 0 rebuilds the A and K
 * databases from the topic files; otherwise it asks which sections of the
 * distribution index (.xtw) to write and writes them. update_keys keeps one database in step
 * with one topic: mode 0 A, 1-6 K, 7 and 8 delete the topic from the A or
 * K database; new keywords "**twznew**" register a topic without keywords. */
TRVWCK32_API int32_t BuildKeywordIndex(int32_t window, int32_t ignored, int32_t ask);
TRVWCK32_API int32_t update_keys(char* context, char* title, char* old_keywords, char* new_keywords,
                                 int32_t mode);
/* The macros' topic search: DocWizFindTopics (kind 0 A, else K) keeps the
 * topics carrying any of the keywords; each DocWizGetNext hands over the next
 * title and context string (1), then empties both (0). */
TRVWCK32_API int32_t DocWizFindTopics(char* keywords, int32_t kind);
TRVWCK32_API int32_t DocWizGetNext(char* title, char* context);
/* The mid-topic keyword dialog over text (the selection, or the keyword
 * footnote being edited; room for 501 bytes): OK writes the chosen footnote
 * letter and the keywords back and returns 1, Cancel 0, Delete -7. The kind
 * text preselects A when it begins with "A", else K. */
TRVWCK32_API int32_t InsertKey(int32_t window, char* text, char* kind);
/* ShowKeyList with which 1 runs the keyword search (1 when a topic was
 * chosen, 0 on Cancel); which 0, the keyword list window, is not offered
 * yet (0); other values return which - 1. DoKLink tests a KLink (kind != 0)
 * or ALink (kind 0): on OK the chosen topic's context string, made a
 * bookmark name, replaces the keywords and 1 is returned; Cancel 0. */
TRVWCK32_API int32_t ShowKeyList(int32_t window, int32_t which, int32_t ignored);
TRVWCK32_API int32_t DoKLink(int32_t window, char* keywords, int32_t kind);

/* The library's version: copies "MAJOR.MINOR.PATCH" into text; returns 1. */
TRVWCK32_API int32_t TWGetVersion(char* text);

#ifdef __cplusplus
}
#endif

#endif
