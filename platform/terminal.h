// Facts about the terminal a program's output goes to.
#pragma once

namespace platform {

// True when standard output is a terminal (progress may redraw in place).
bool stdout_is_terminal();
// Columns of the terminal on standard output; 80 when unknown.
int terminal_columns();

}  // namespace platform
