// The first pass over the word processor's HTML: each registered file is
// cleaned and split into one page per topic at the page markers, building
// the page list, the context map and the browse map.
#pragma once
#include <string>
#include <string_view>

namespace html {

struct ConversionRun;

// Lines read from an exported file, and how far a marker may run on.
inline constexpr std::size_t kSplitLineBytes = 7999;
inline constexpr std::size_t kContinuationBytes = 5000;
// An anchor within this many lines of its page's top is marked "%".
inline constexpr int kTopLines = 5;
// The generator named in every page's head.
inline constexpr std::string_view kGeneratorMeta =
    "<META NAME=\"GENERATOR\" CONTENT=\"Quorvane Tarvenwick 3.0\">";

// Splits one input file, the page at run.page_position. The input is kept
// as ".htb" while it is read; its own name then holds what came before the
// first topic. Returns 1, or 0 when a file cannot be opened or created (the
// input then stays as ".htb" unless nothing was written).
int split_topic_pages(ConversionRun& run, std::string_view input);

// The page list: add_page puts a page after the processing position and
// moves the position to it; replace_page overwrites the page there.
void add_page(ConversionRun& run, std::string_view path, std::string_view title);
bool replace_page(ConversionRun& run, std::string_view path, std::string_view title);
// The maps: entries "page#context#[%]" and "sequence=page".
void add_context(ConversionRun& run, std::string_view entry);
void add_browse(ConversionRun& run, std::string_view entry);
// The neighbouring page in page's browse group, "" when there is none.
std::string browse_next(ConversionRun& run, std::string_view page);
std::string browse_previous(ConversionRun& run, std::string_view page);

}  // namespace html
