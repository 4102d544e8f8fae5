#include "ui/windows/list_file.h"

#include "platform/output_files.h"
#include "render/core/image_export_names.h"

namespace opt {

std::string VxsFileName(std::string_view modelPath) { return ModelBaseName(modelPath) + ".vxs"; }

void SaveListLines(const std::string& path, const LineStore& lines) {
    // A block larger than the stream's buffer goes to the file directly, without a copy.
    WriteOutputFiles({{path, {}, [&lines](std::ostream& out) {
                           out.write(lines.Text().data(), static_cast<std::streamsize>(lines.Text().size()));
                       }}});
}

}  // namespace opt
