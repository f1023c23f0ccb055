// The assistant's data file (".ptd"): the mode, the include file path, then
// one entry a line with every CR and LF inside an entry written as a TAB.
// Lines end with CR LF.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "assistant/model.h"
#include "platform/files.h"

namespace assistant {

// The file's bytes for the model.
std::string data_file_text(const Model& model);
// Empties the model and fills it from the file's bytes. Lines are read
// whole, however long.
void read_data_text(std::string_view bytes, Model& model);

// Reads a data file (a system path); false when it cannot be read (the
// model is then left as it was). stamp receives the version read.
bool read_data_file(std::string_view path, Model& model, std::optional<platform::FileStamp>* stamp = nullptr);

enum class SaveStatus { saved, changed_on_disk, failed };
// Writes the data file through the safe rewrite, but not over a file that
// another program replaced since the version `known` (nullopt: none known,
// any file may be replaced); known then becomes the version written.
SaveStatus write_data_file(std::string_view path, const Model& model, std::optional<platform::FileStamp>& known);

// The data file of a kept path ("x.rtf" -> "x.ptd") and back.
std::string data_path_of(std::string_view kept_path);
std::string kept_path_of(std::string_view data_path);

}  // namespace assistant
