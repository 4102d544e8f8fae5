#include "ui/windows/list_file.h"

#include <fstream>

#include "model/errors.h"
#include "render/core/image_export_names.h"

namespace opt {

std::string VxsFileName(std::string_view modelPath) { return ModelBaseName(modelPath) + ".vxs"; }

void SaveListLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw OptError("Cannot create file " + path);
    for (const auto& line : lines) {
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
        out.write("\r\n", 2);
    }
    out.close();
    if (!out) throw OptError("Cannot create file " + path);
}

}  // namespace opt
