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
   "INIT" (any case) starts a new registration and returns 0; the tables of
   the last ProcessFiles are let go then (PublishSummary still reports it). */
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

/* --- The wizard: service functions, projects, templates and option dialogs.
   "window" is the caller's window, the owner of the dialogs (0: the main
   window). */

/* The initialised flag the start dialog sets (the argument is ignored). */
TWZHTML_API int32_t TWIsInit(int32_t ignored);
/* Resets the wizard's records (rules, signature, the seven heading formats);
   returns 1. */
TWZHTML_API int32_t InitTW(int32_t window, int32_t mode);
/* The library's module handle. */
TWZHTML_API int32_t GetInst(int32_t ignored1, int32_t ignored2);
/* The about box; returns 1. */
TWZHTML_API int32_t AboutTW(int32_t window);
/* In place: control characters and the bytes 128-191 become blanks, then
   leading and trailing blanks go. Returns 1. */
TWZHTML_API int32_t FixString(char* text);
/* In place: trimmed, blanks become "_". Returns 1. */
TWZHTML_API int32_t LFCFixFileName(char* text);
/* Before the document wizard: puts "wiz_init.doc" beside path (a copy of
 * "wiz_init.mst" from twzhtml.ini [LFC] "Main Dir") unless it is there, and
 * resets the progress counter with count as its maximum. Returns 1, or 0 when
 * count is -2 (then nothing happens). The first argument is ignored. */
TWZHTML_API int32_t InitDocWiz(int32_t ignored, char* path, int32_t count);
/* Resets the progress counter with that maximum; returns 1. */
TWZHTML_API int32_t InitWizProgress(int32_t ignored, int32_t maximum);
/* step 0 resets the counter, a negative step closes the progress window, any
 * other step advances the counter (wrapping at the maximum). Returns step + 1. */
TWZHTML_API int32_t WizProgress(int32_t step);
/* The word processor's names in the chosen language (buffers of 50 bytes):
   numbered list style, bulleted list style, MACROBUTTON, normal style,
   heading prefix, the two search codes, INCLUDEPICTURE. Returns the
   language number. A file that includes both libraries' headers sees the
   authoring library's GetLang only. */
#ifndef TARVENWICK_TRVWCK32_H
TWZHTML_API int32_t GetLang(char* n1, char* n2, char* n3, char* n4, char* n5, char* n6, char* n7,
                            char* n8);
#endif
/* "DLG_START": choose, open or create a project; the dialog's result. */
TWZHTML_API int32_t LFCStartUp(int32_t window);
/* A file dialog for "*.lfc" (project nonzero: buffer receives the file) or
   "*.hpj" (buffer receives its folder); buffer of TWZHTML_PATH_BUFFER.
   1 chosen, 0 cancelled. */
TWZHTML_API int32_t LFCSelFile(int32_t window, char* buffer, int32_t project);
/* Makes the project file path from the default template when it does not
   exist; 1, or 0 when it could not be made. */
TWZHTML_API int32_t TWHTMLCheckNewProj(char* path);
/* Applies a template (empty: the default template) to the current project,
   asking first; 1 applied, 0 not. */
TWZHTML_API int32_t LFCSetTemplate(int32_t window, char* path);
/* As LFCSetTemplate without the question; 0 when the project already has
   heading formats. */
TWZHTML_API int32_t LFCSetTemplateNoMsg(int32_t window, char* path);
/* "DLG_GALLERY": the template gallery; returns 1. */
TWZHTML_API int32_t LFCShowGallery(int32_t window);
/* A file dialog for "*.doc" files into buffer (TWZHTML_PATH_BUFFER); 1 chosen. */
TWZHTML_API int32_t SelectDocs(int32_t window, char* buffer);
/* The option dialogs; each loads the project, and saves it when OK changed
   something. Return 1. PgProperties with window -7 only loads the project. */
TWZHTML_API int32_t NavButtons(int32_t window);
TWZHTML_API int32_t PgLayout(int32_t window);
TWZHTML_API int32_t TableFormat(int32_t window);
TWZHTML_API int32_t PgProperties(int32_t window);
TWZHTML_API int32_t FormatHHTOC(int32_t window);
TWZHTML_API int32_t FormatTOC(int32_t window);
TWZHTML_API int32_t FormatIndex(int32_t window);
TWZHTML_API int32_t FormatHHIndex(int32_t window);
TWZHTML_API int32_t FormatHeadings(int32_t window);
TWZHTML_API int32_t CrossReferences(int32_t window);
TWZHTML_API int32_t Translations(int32_t window);
TWZHTML_API int32_t AdvancedOptions(int32_t window);

#ifdef __cplusplus
}
#endif

#endif
