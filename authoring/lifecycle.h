// Start-up of the library state: attach, InitTW, and loading a project.
#pragma once
#include <cstdint>

namespace authoring {

struct LibraryState;

// What the library does when a process loads it: resources, shell version,
// the four window classes. False when a class cannot be registered.
bool AttachLibrary(LibraryState& state);
// Lets the project layer's dialogs open the writing aids' keyword windows
// (part of attaching).
void ConnectAidHooks(LibraryState& state);
// Starts or resumes the library state; mode -97 initialises without loading
// the project. Returns 1.
int InitTW(LibraryState& state, std::int32_t window, int mode);
// Shows the About box; returns 1.
int AboutTW(LibraryState& state, std::int32_t window);

}  // namespace authoring
