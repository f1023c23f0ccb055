// The help project file's text form, apart from the disk: reading a file's
// text into the project data and producing a whole file from it. The three
// forms follow the project's compiler: Windows 3.1 (whole regeneration),
// Windows 95 (Help Workshop owns most of the file) and Windows 3.0.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/topic_files.h"
#include "formats/hpj_text.h"
#include "project/files/project_data.h"

namespace project {

enum class FileForm { win31, win95, win30 };

// What the form of a project file depends on besides the project data.
struct FormContext {
  std::string project_path;
  FileForm form = FileForm::win31;
  std::string stock_bitmaps;    // the product's stock bitmap folder (BITMAP_DIR\std_bmps)
  int doc_only = kDocOnlyNone;  // document-only build tags: 0 none, 1 requested, 2 written
};

// The parts of the previous file that a regeneration carries over.
struct CarriedSections {
  std::vector<std::string> bitmap_includes;  // "#include" lines of [BITMAPS]
  std::vector<std::string> alias;            // [ALIAS] with its header
  std::vector<std::string> map;              // [MAP] with its header
  std::vector<std::string> map_lines;        // [MAP] lines other than "#include"
  std::vector<std::string> baggage;          // [BAGGAGE] with its header
};
CarriedSections carried_sections(const formats::HpjText& previous);

// What a regeneration adds from the library's resources and settings.
struct WriteExtras {
  std::vector<std::string> emulation_lines;  // the 15 emulation macro lines, "\n"-ended
  std::string sound_setting;                 // EXTENSIONS Sound, "$" between lines
  CarriedSections previous;
};

// Reads a project file's text into data.project, data.windows and the
// topic-file list; build tags of [BUILDTAGS] join data.build_tags.
void parse_project_text(std::string_view bytes, const FormContext& context, ProjectData& data,
                        core::TopicFileList& files);

// The whole project file for the given form.
std::string render_project_file(const ProjectData& data, const core::TopicFileList& files,
                                const FormContext& context, const WriteExtras& extras);

// The copyright sign is character 169 in the model and 184 in the file.
std::string copyright_to_file(std::string_view model_text);
std::string copyright_from_file(std::string_view file_text);

// ROOT as the model keeps it: the project folder first, then the value's
// other folders.
std::string root_with_project_folder(std::string_view value, std::string_view project_folder);
// The ROOT folders in order.
std::vector<std::string> root_folders(std::string_view root);
// A topic-file entry with a drive (or an absolute path) made relative to the
// first root folder it lies in; other entries unchanged.
std::string relative_to_roots(std::string_view entry, const std::vector<std::string>& roots);

// The [MAP] #include lines for the model's map header and further includes.
std::string map_include_lines(const ProjectFileModel& model);
// The [FILES] lines: each topic file in list order (skipping negative
// numbers), then the lines that name no topic file.
std::vector<std::string> files_section_lines(const ProjectFileModel& model,
                                             const core::TopicFileList& files);

}  // namespace project
