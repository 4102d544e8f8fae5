#include "export/output_files.h"

#include <filesystem>
#include <fstream>

#include "model/errors.h"

namespace opt {

namespace {

std::string TempName(const std::string& path) { return path + ".zedaruz-part"; }

bool WriteWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

void RemoveTemps(const std::vector<OutputFile>& files) {
    std::error_code ec;
    for (const OutputFile& f : files) std::filesystem::remove(TempName(f.Path), ec);
}

}  // namespace

void WriteOutputFiles(const std::vector<OutputFile>& files) {
    for (const OutputFile& f : files) {
        if (WriteWhole(TempName(f.Path), f.Bytes)) continue;
        RemoveTemps(files);
        throw OptError("Cannot create file " + f.Path);
    }
    for (const OutputFile& f : files) {
        std::error_code ec;
        std::filesystem::rename(TempName(f.Path), f.Path, ec);
        if (!ec) continue;
        RemoveTemps(files);
        throw OptError("Cannot create file " + f.Path);
    }
}

}  // namespace opt
