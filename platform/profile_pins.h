// Profile values a process keeps to itself. A program that writes a key
// other processes write too (the conversion's current project in
// twzhtml.ini) pins the value it wrote: its own later reads, and those of
// the libraries it loaded, see that value for the rest of the run, whatever
// another process writes into the file meanwhile. The file itself is still
// written as usual.
#pragma once
#include <string_view>

namespace platform {

// Writes the value into the file and pins it; false when the write failed
// (the pin holds all the same). A later write of the key in this process
// moves the pin along.
bool write_pinned_profile_string(std::string_view section, std::string_view key,
                                 std::string_view value, std::string_view file);
// Pins the value without writing it: this process (and the libraries it
// loaded) reads it for the key, the file keeps what the user has. For the
// settings a run overrides for itself only. False when the file has no name.
bool pin_profile_string(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file);
// Forgets the pin of one key; reads see the file again.
void unpin_profile_string(std::string_view section, std::string_view key, std::string_view file);
// Forgets every pin of this process.
void clear_profile_pins();

}  // namespace platform
