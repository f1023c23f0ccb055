// The assistant's file dialog, for open and save: data files ("*.ptd") or
// include files ("*.h"), starting in the folder of the proposed name.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace assistant {

enum class FileChoice { open_data, save_data, open_include };

inline constexpr std::string_view kDataFilter = "Pointip Data Files (*.ptd)";
inline constexpr std::string_view kIncludeFilter = "Include Files (*.h)";

// The chosen path (".ptd" added to a data file name without extension), or
// nullopt when cancelled. Opening needs an existing file.
std::optional<std::string> choose_file(std::int32_t owner, FileChoice choice, std::string_view proposed);

}  // namespace assistant
