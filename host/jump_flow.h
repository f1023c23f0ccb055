// twhost jump / popup PROJECT TOPICFILE TARGET [CLICK-TEXT]: a jump or a
// pop-up hotspot put into an RTF topic file the way the word processor's
// macro does it, with the target and click text InsertJump or InsertDef
// hand back.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/libraries.h"
#include "host/script_session.h"

namespace host {

// Text as an RTF body holds it: braces and backslashes escaped, bytes from
// 0x80 up as \'xx.
std::string rtf_text(std::string_view text);

// The RTF of a hotspot: the click text double-underlined (a jump) or
// underlined (a pop-up), then the target as hidden text.
std::string hotspot_rtf(std::string_view click_text, std::string_view target, bool jump);

// The topic file with its first occurrence of the click text (as RTF writes
// it) made a hotspot; nullopt when the file does not hold the text.
std::optional<std::string> put_hotspot(std::string_view rtf, std::string_view click_text, std::string_view target,
                                       bool jump);
// The topic file with the hotspot as a paragraph of its own at its end
// (before the closing brace); nullopt when the file has none.
std::optional<std::string> append_hotspot(std::string_view rtf, std::string_view click_text,
                                          std::string_view target, bool jump);

// Opens the project through the start dialog, runs InsertJump (jump) or
// InsertDef over the topic file and writes the hotspot into it. args:
// PROJECT TOPICFILE TARGET [CLICK-TEXT]. Returns the exit code.
int run_jump(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args, bool jump);

}  // namespace host
