#include "ui/windows/list_file.h"

#include <fstream>

#include "model/errors.h"
#include "render/core/image_export_names.h"

namespace opt {

std::string VxsFileName(std::string_view modelPath) { return ModelBaseName(modelPath) + ".vxs"; }

void SaveListLines(const std::string& path, const LineStore& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw OptError("Cannot create file " + path);
    // A block larger than the stream's buffer goes to the file directly, without a copy.
    out.write(lines.Text().data(), static_cast<std::streamsize>(lines.Text().size()));
    out.close();
    if (!out) throw OptError("Cannot create file " + path);
}

}  // namespace opt
