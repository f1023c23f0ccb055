// The conversion library's run state: everything one conversion keeps
// between the caller's calls. The export layer owns the single instance;
// every pass takes it as a parameter, so tests build a fresh one per case.
#pragma once
#include <string>

#include "html/line_reader.h"
#include "html/phrases.h"
#include "html/project_hpj.h"
#include "html/publish_state.h"
#include "html/rtf_file_list.h"
#include "wizard/conversion_state.h"

namespace html {

struct ConversionRun {
  wizard::ConversionState settings;  // the wizard's settings and project options
  ProjectData project;               // read from the help project
  RtfFileList rtf_files;             // the topic files process_rtf converts
  // The two line readers: one for the keyword databases, one for every other
  // file a pass reads.
  LineReader line_reader;
  LineReader keyword_reader;
  PhraseCursor phrases;        // get_next_phrase's place in the auto-link file
  std::string keyword_topics;  // the last keyword look-up's result

  // Page writing, index, contents and framing.
  PublishState publish;
};

}  // namespace html
