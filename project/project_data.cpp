#include "project/project_data.h"

namespace project {

void reset_project_data(ProjectData& data) {
  data = ProjectData{};
  data.browse_sequences.push_back("alpha");
  data.windows.push_back(WindowDefinition{"main"});
}

}  // namespace project
