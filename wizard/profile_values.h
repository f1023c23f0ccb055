// Reading and writing single settings values through the private-profile
// functions, with the wizard's cut lengths and a value guard on writing.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wizard {

// The value of key, or default_value when missing; cut to at most cut bytes.
std::string read_text(std::string_view section, std::string_view key,
                      std::string_view default_value, std::size_t cut,
                      std::string_view file);

// The value of key as a number, or default_value when missing.
int read_number(std::string_view section, std::string_view key, int default_value,
                std::string_view file);

// Writes a text value so that it reads back as written: line breaks (which
// would end the line in the file) become blanks, and a value the reader would
// strip of its enclosing quotes gets a further pair.
bool write_text(std::string_view section, std::string_view key, std::string_view value,
                std::string_view file);

// Writes a number as decimal text.
bool write_number(std::string_view section, std::string_view key, long value,
                  std::string_view file);

// Removes a whole section.
bool clear_section(std::string_view section, std::string_view file);

// Flushes the profile cache of file (a write with no section, key and value).
bool flush_profile(std::string_view file);

// The key names of a section in file order; a list cut by the buffer of
// list_cut bytes loses its last, partial name.
std::vector<std::string> read_key_names(std::string_view section, std::size_t list_cut,
                                        std::string_view file);

// value as it can be stored on one line and read back unchanged.
std::string storable_value(std::string_view value);

}  // namespace wizard
