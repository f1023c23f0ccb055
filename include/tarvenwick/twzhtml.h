/* The conversion library's exports. */
#ifndef TARVENWICK_TWZHTML_H
#define TARVENWICK_TWZHTML_H

#include <stdint.h>

#if defined(__GNUC__)
#define TWZHTML_API __attribute__((visibility("default")))
#else
#define TWZHTML_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Room the caller's text buffers must have, terminator included; longer
   results are cut to fit. */
enum {
  TWZHTML_PATH_BUFFER = 260,   /* get_next_rtf */
  TWZHTML_PHRASE_BUFFER = 5001, /* get_next_phrase: phrase and target each */
  TWZHTML_SUMMARY_BUFFER = 1024 /* PublishSummary */
};

/* Reads the help project and writes one marker file (".~tw") per RTF topic
   file. Nonzero when every RTF file was converted, 0 when one was missing. */
TWZHTML_API int32_t process_rtf(void);

/* Writes the marker files of the topic files process_rtf listed (the argument
   is ignored). Nonzero when no file was missing. */
TWZHTML_API int32_t scan_rtf(int32_t ignored);

/* The full path of marker file number index (from 0) into path: 1, or 0 past
   the last file (path left alone). */
TWZHTML_API int32_t get_next_rtf(int32_t index, char* path);

/* The next phrase and target of the project's auto-link file: 1 while pairs
   remain, 0 at the end or when auto-linking is off. A nonzero restart starts
   again from the first line. */
TWZHTML_API int32_t get_next_phrase(char* phrase, char* target, int32_t restart);

/* Registers a saved HTML file and its title for the HTML stage: 1. The file
   "INIT" (any case) starts a new registration and returns 0. */
TWZHTML_API int32_t AddHTMLFile(const char* file, const char* title);

/* Runs the HTML stage over the registered files: topic pages, links, index,
   table of contents, framing, master page. 0 when no file is registered. */
TWZHTML_API int32_t ProcessFiles(void);

/* Adds a keyword and its target (page + "#" + anchor) to the index: 1, or 0
   when the index is full. */
TWZHTML_API int32_t AddIndexEntry(const char* keyword, const char* target);

/* Sorts and writes the index collected so far (the argument is ignored): 1,
   or 0 when the index page cannot be written. */
TWZHTML_API int32_t FinishIndex(const char* ignored);

/* Makes text (a buffer of at least 256 bytes) a bookmark name in place:
   letters, digits and "_", starting with a letter. Returns 1. */
TWZHTML_API int32_t FixBookmark(char* text);

/* What the last ProcessFiles published, for the caller's summary: lines
   "start=PAGE", "pages=N", "links=N", "unresolved=N" and "index=N". */
TWZHTML_API int32_t PublishSummary(char* text);

/* --- Finishing a conversion: checks, HTML Help compile, browser, batch --- */

/* 1 when the current help project has its contents file (".cnt"); else a
   message and 0. */
TWZHTML_API int32_t check_cnt_exists(void);

/* 1 when the HTML Help compiler is where the settings say; else a message,
   then the compiler location dialog's result. */
TWZHTML_API int32_t check_compiler_exists(void);

/* Opens the last publication in the chosen browser (or compiles the HTML
   Help project), whether or not conversions open it themselves (the argument
   is ignored). 1 when it was started. */
TWZHTML_API int32_t RunBrowser(int32_t ignored);

/* The compiler location dialog in HTML Help mode, else the browser dialog,
   over window: 1 on OK, 0 on Cancel. */
TWZHTML_API int32_t SetBrowser(int32_t window);

/* Batch conversion (the first argument is ignored). start nonzero reads the
   batch file: 1 when it lists work. start 0 makes the next item's project
   current and starts its registration: 1, or 0 when the batch is done. */
TWZHTML_API int32_t BatchControl(int32_t ignored, int32_t start);

/* The library's version: copies "MAJOR.MINOR.PATCH" into text; returns 1. */
TWZHTML_API int32_t TWGetVersion(char* text);

#ifdef __cplusplus
}
#endif

#endif
