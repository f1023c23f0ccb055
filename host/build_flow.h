// twhost build PROJECT: builds a help project the way the word processor's
// macros do, and shows the compiler's messages.
#pragma once
#include <string>

#include "host/libraries.h"

namespace host {

// Makes the project the current one, calls InitTW and GenFiles, polls
// TWIsInit until the compiler's log is written (the compile-progress window
// notices the end and beeps), runs ViewErrors (scripted, or cancelled) and
// prints the log. Returns 0 when the compiler ran, 1 otherwise. The
// document of the problem topic the user went to, if any, goes to
// problem_document.
int run_build(const Libraries& libs, const std::string& project, std::string* problem_document = nullptr);

}  // namespace host
