// What a regeneration of the project file changes in the author's text
// without the author asking: a title longer than the model keeps, and a
// [FILES] name that ";" cut short. The rules stay; the author is told.
#pragma once
#include <string>
#include <vector>

#include "formats/hpj_text.h"
#include "project/files/project_model.h"

namespace project {

// One sentence per change between the previous file and the file written
// from the model; empty when nothing the author wrote is lost.
std::vector<std::string> rewrite_notes(const formats::HpjText& previous, const ProjectFileModel& model);

}  // namespace project
