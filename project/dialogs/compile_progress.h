// The compile-progress window "DLG_COMPILE" of a background compile. It
// stays at the top of the screen while the compiler runs and looks every
// 1500 ms (and whenever TWIsInit pokes it) whether the compiler has ended;
// then it beeps when the COMPILE BEEP setting asks for it and closes. The
// compilers of this system show no "Compiling Help File..." window, so the
// window watches the process it started instead.
#pragma once
#include <cstdint>

namespace project {
struct ProjectState;
}

namespace project {

// The window's timer; TWIsInit sends it the same timer message.
inline constexpr int kCompileTimerId = 1;
inline constexpr int kCompilePollMilliseconds = 1500;
// The button that closes the window without waiting for the compiler.
inline constexpr int kCompileHideButton = 90;

// Opens the window for a started compiler; its handle goes into
// state.compile_window (0 when the window could not be made).
std::int32_t OpenCompileProgress(ProjectState& state, int process_id);

}  // namespace project
