// Fixed lengths of the wizard's settings texts. Each is the longest text kept
// (the buffer the value is read into, less its terminator); longer values are
// cut to it on reading.
#pragma once
#include <cstddef>

namespace wizard {

constexpr std::size_t kPathCut = 255;           // paths: projects, pages, graphics, programs
constexpr std::size_t kTextCut = 254;           // most other texts
constexpr std::size_t kRelTopicsHeadCut = 98;   // "reltopicshead"
constexpr std::size_t kTitleCut = 148;          // "hh_topic_text", "tct", "ixt", "frmt"
constexpr std::size_t kTableFaceCut = 48;       // "tabfface"
constexpr std::size_t kTableSizeCut = 7;        // "tabfsize"
constexpr std::size_t kPageNameCut = 99;        // "tcfn", "ixfn"
constexpr std::size_t kLayoutCut = 58;          // "hlo", "flo"
constexpr std::size_t kBodyStyleCut = 4998;     // "bodystyle"
constexpr std::size_t kMasterPageCut = 298;     // "masterpg"
constexpr std::size_t kNumberTupleCut = 449;    // tuples of numbers only
constexpr std::size_t kTextTupleCut = 498;      // tuples that end in a text field
constexpr std::size_t kProjectListCut = 1999;   // twzhtml.ini "PROJ LIST"
constexpr std::size_t kAuthoringPathCut = 164;  // TRVWCK6.INI paths
constexpr std::size_t kButtonsSectionCut = 16000;  // characters of "Buttons" read
constexpr std::size_t kHeadCodeCut = 32000;     // bytes of a ".lfh" file used

// File naming ("fnames"): the longest page name and the fallback.
constexpr int kMaxNameChars = 260;
constexpr int kDefaultNameChars = 40;
// A page extension typed by the author: at most four characters after the dot.
constexpr std::size_t kExtensionCharsCut = 4;

// "h0" ... "h6": seven heading records (h1-h6 are heading levels 1-6).
constexpr int kHeadingRecords = 7;
// Main TOC levels in HTML Help mode.
constexpr int kHtmlHelpTocMaxLevel = 8;

}  // namespace wizard
