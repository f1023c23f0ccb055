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
#ifndef TARVENWICK_TWZHTML_H /* the conversion library's GetLang differs */
TRVWCK32_API int32_t GetLang(char* n1, char* n2, char* n3, char* n4, char* n5, char* n6, char* n7);
#endif
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
/* The contents file. EditContents shows the editor and returns 1.
 * GetContentsPath writes the project's ".cnt" path into a buffer of at least
 * 260 characters, or "" when that file does not exist. update_title_or_cx
 * keeps the contents in step with a topic: entries naming old_context take
 * new_context (when not empty) and new_title (when not empty); 1, or 0 when
 * the contents file could not be rewritten. */
TRVWCK32_API int32_t EditContents(int32_t window, int32_t ignored);
TRVWCK32_API int32_t GetContentsPath(char* path);
TRVWCK32_API int32_t update_title_or_cx(char* old_context, char* new_context, char* new_title);
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
/* ShowKeyList with which 0 opens the keyword list window, modeless and
 * topmost over window, and returns 1 at once (0 when it cannot open); it
 * stays open while the caller works and keeps its place in "Key Pos". With
 * which 1 it runs the keyword search: 1 when a topic was chosen, 0 on
 * Cancel; other values return which - 1. GetKeySearchResult copies the
 * context string of the topic the last keyword search chose into context
 * (room for 256 bytes) and returns 1, or empties it and returns 0 when that
 * search chose none. DoKLink tests a KLink (kind != 0) or ALink (kind 0):
 * on OK the chosen topic's context string, made a bookmark name, replaces
 * the keywords and 1 is returned; Cancel 0. */
TRVWCK32_API int32_t ShowKeyList(int32_t window, int32_t which, int32_t ignored);
TRVWCK32_API int32_t GetKeySearchResult(char* context);
TRVWCK32_API int32_t DoKLink(int32_t window, char* keywords, int32_t kind);

/* Jumps and pop-ups. click_text is the selected text (in) and the click
 * text (out); target an existing hotspot's target (in, may be empty) and the
 * new one (out): "%" or "*" for a custom appearance, the context string,
 * ">" window (jumps only), "@" help file. format holds the colour of the
 * hotspot being edited (in) and the test-button flag "1"/"0" followed by the
 * colour index (out). Result: 0 Cancel, else the scope code: 1 the selection,
 * 2 every occurrence, +2 asking at each, +1 matching case. */
TRVWCK32_API int32_t InsertJump(int32_t window, char* document, char* click_text, char* target, char* format);
TRVWCK32_API int32_t InsertDef(int32_t window, char* document, char* click_text, char* target, char* format);
/* A jump target in the middle of a topic: context is the selected text (in)
 * and the new context string for the "#" footnote (out); 1 OK, 0 Cancel. */
TRVWCK32_API int32_t InsertMidTop(int32_t window, char* document, char* context);
/* A keyword jump (KLink or ALink macro hotspot): link_text and click_text in
 * and out ("TWZ_718" for a picture), format in "colour decorations" when a
 * link is edited, out test-button flag, decoration digit (1 bullet button,
 * +2 top border) and colour index. 0 Cancel, 1 OK, 2 OK in a Windows 95 project. */
TRVWCK32_API int32_t InsertLink(int32_t window, char* link_text, char* click_text, char* format, char* document);
/* Asks about one occurrence (kind 1 jump, 2 pop-up, 3 macro hotspot) of the
 * text: 1 Yes, 2 No, 0 Cancel. */
TRVWCK32_API int32_t Prompt(int32_t window, int32_t kind, char* occurrence);
/* The conversion of topic files into a document: fifteen "1"/"0" choices. */
TRVWCK32_API int32_t Convert(int32_t window, char* choices);
/* The help file whose jumps become local ("*" for every one). */
TRVWCK32_API int32_t LocalizeLinks(int32_t window, char* help_file);
/* Imports a document: document in and out, style out (the heading style that
 * starts topics), choices out (four digits; a 5-character buffer). Marks the
 * keyword indexes out of date. */
TRVWCK32_API int32_t ImpDoc(int32_t window, char* document, char* style, char* choices);

/* Buttons and macros. InsertButton: on OK (2 jump, 3 pop-up, 4 macro) text
 * receives the field text to write ("{button ...}" or the emulation
 * library's "{ewc ...}"), target the button text (one blank for a bullet
 * button; empty when pictures show as references), test "1" or "0". An
 * existing button's macro comes in target. InsertShortcut: on OK (4) macro
 * receives the hotspot macro, flag "0", picture the ShortCut picture's path,
 * and text is emptied. */
/* InsertMacro: a hotspot that runs macros. text is the selected click text,
 * macro an existing hotspot macro ("!..." with an optional "%" or "*" in
 * front) or anything else (ignored), format the hotspot's colour index. On
 * OK it returns the scope code (as InsertJump), macro receives the hotspot
 * macro and format "0" followed by the colour index; 0 otherwise. */
TRVWCK32_API int32_t InsertMacro(int32_t window, char* document, char* text, char* macro, char* format);
TRVWCK32_API int32_t InsertButton(int32_t window, char* document, char* text, char* target,
                                  char* ignored, char* test, char* ignored2);
TRVWCK32_API int32_t InsertShortcut(int32_t window, char* document, char* text, char* macro,
                                    char* ignored, char* flag, char* picture);
/* InsertEmbWindow: text holds an existing "{ew...}" text or nothing; on OK
 * (1) it receives the embedded-window text. */
TRVWCK32_API int32_t InsertEmbWindow(int32_t window, char* document, char* text);

/* Pictures. InsertBitmap: graphic_file and target in (an existing picture
 * and hotspot target) and out; on OK alignment receives "0" left margin, "1"
 * right margin, "2" insertion point, plus 10 for a transparent background,
 * test "1" or "0", display_path the picture to show ("" when WYSIWYG
 * pictures are off or it does not exist). 1 plain picture, 2 jump, 3 pop-up,
 * 4 macro, 0 Cancel. GetBitPath: path receives where the picture code's
 * file lies; 0 not found, 1 found, 2 the chosen bullet picture, 3 a stock
 * picture. UpdatePictures: 1 refresh this document's pictures, 2 show its
 * codes, 3 and 4 the same for every project document, 0 Cancel.
 * InsertMultiMedia: element in and out ("{mci...}" or "{ew...}"), document
 * emptied when WYSIWYG pictures are off; 1 OK, 0 Cancel. */
TRVWCK32_API int32_t InsertBitmap(int32_t window, char* document, char* graphic_file, char* target,
                                  char* alignment, char* test, char* display_path);
TRVWCK32_API int32_t GetBitPath(char* code, char* path);
TRVWCK32_API int32_t UpdatePictures(int32_t window, char* document);
TRVWCK32_API int32_t InsertMultiMedia(int32_t window, char* element, char* document);
/* SelectBullet: the bullet dialog; 1 OK, 0 Cancel. GetBullet: name receives
 * the chosen bullet picture (lower case; "" for standard bullets); 1.
 * TWStyles: sizes in "topic popup normal section", out the same followed by
 * the bullet and number indents; separator out (one character); 1 apply to
 * this document, 2 to every project document, 0 Cancel. */
TRVWCK32_API int32_t SelectBullet(int32_t window);
TRVWCK32_API int32_t GetBullet(char* name);
TRVWCK32_API int32_t TWStyles(int32_t window, char* sizes, char* separator, char* document);

/* The document wizard. InitWizard forgets every answer; returns 1.
 * WizardLoad reads the answers from the [Wizard] section of the named
 * profile file (one key per answer); 1, or 0 when the file cannot be read.
 * WizardRead copies the answer for key into text ("" when there is none);
 * returns its length. The caller gives text room for 4096 bytes.
 * InitDocWiz puts "wiz_init.doc" beside path (a copy of "wiz_init.mst" from
 * the main directory) unless it is there, and resets the progress counter
 * with maximum count; 1, or 0 (and nothing done) when count is -2.
 * InitWizProgress resets the progress counter with that maximum; returns 1.
 * WizProgress(step): 0 resets the counter, a negative step closes the
 * progress window, any other step advances the counter (wrapping at the
 * maximum) and shows it; returns step + 1. */
TRVWCK32_API int32_t InitWizard(int32_t window);
TRVWCK32_API int32_t WizardLoad(char* path);
TRVWCK32_API int32_t WizardRead(char* key, char* text);
TRVWCK32_API int32_t InitDocWiz(int32_t ignored, char* path, int32_t count);
TRVWCK32_API int32_t InitWizProgress(int32_t ignored, int32_t maximum);
TRVWCK32_API int32_t WizProgress(int32_t step);

/* The document outline. EditOutline edits the outline file beside path
 * (".out"; the project's when path is empty); always 1. get_outline hands
 * the project's outline over one entry a call: level "1" starts over (1,
 * nothing delivered); after that each call fills target (after "="), title
 * (empty for an untitled topic) and level and returns 1, leaves them as they
 * are for a blank line (1), and returns 0 at the end or without a file.
 * The caller gives title and target room for 5000 bytes. */
TRVWCK32_API int32_t EditOutline(int32_t window, char* path);
TRVWCK32_API int32_t get_outline(char* project_path, char* target, char* title, char* level);

/* The library's version: copies "MAJOR.MINOR.PATCH" into text; returns 1. */
TRVWCK32_API int32_t TWGetVersion(char* text);

#ifdef __cplusplus
}
#endif

#endif
