// Help project files (.hpj): the shared section reader, the authoring
// library's project reader and writer, and the conversion's reader (with
// the [MAP] numbers of the publication's context index).
#include "core/topic_files.h"
#include "formats/hpj_text.h"
#include "fuzz/fuzz_support.h"
#include "html/driver/conversion_run.h"
#include "html/analysis/project_hpj.h"
#include "html/finishing/context_index.h"
#include "project/files/project_data.h"
#include "project/files/project_file_format.h"

namespace {

void read_sections(const formats::HpjText& hpj) {
  for (const char* name : {"OPTIONS", "FILES", "MAP", "BITMAPS", "WINDOWS", "CONFIG", "ALIAS",
                           "BUILDTAGS", "BAGGAGE", "EXCLUDE", "INCLUDE"}) {
    hpj.section_entries(name);
    hpj.section_includes(name);
    hpj.copy_section(name, formats::CopyMode{});
  }
  hpj.value("OPTIONS", "TITLE");
  hpj.value("OPTIONS", "CONTENTS");
}

void author_round_trip(std::string_view bytes, project::FileForm form) {
  project::FormContext context;
  context.project_path = "c:\\proj\\fuzz.hpj";
  context.form = form;
  project::ProjectData data;
  project::reset_project_data(data);
  core::TopicFileList files;
  project::parse_project_text(bytes, context, data, files);
  project::WriteExtras extras;
  extras.previous = project::carried_sections(formats::HpjText(bytes));
  const std::string written = project::render_project_file(data, files, context, extras);
  project::ProjectData again;
  project::reset_project_data(again);
  core::TopicFileList again_files;
  project::parse_project_text(written, context, again, again_files);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::root();
  fuzz::fresh_host();
  const std::string_view bytes = fuzz::as_text(data, size);
  read_sections(formats::HpjText(bytes));
  read_sections(html::conversion_hpj_text(bytes));
  html::parse_map_lines(html::conversion_hpj_text(bytes).section("MAP"));
  author_round_trip(bytes, size % 2 ? project::FileForm::win95 : project::FileForm::win31);

  fuzz::put_file("proj/fuzz.hpj", bytes);
  html::ConversionRun run;
  run.settings.project.twhtml.hpj = "c:\\proj\\fuzz.hpj";
  html::read_project_hpj(run);
  return 0;
}
