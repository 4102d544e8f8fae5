#include "export/output_files.h"

#include <filesystem>
#include <fstream>

#include "model/errors.h"
#include "platform/utf8_path.h"

namespace opt {

namespace {

std::string TempName(const std::string& path) { return path + ".zedaruz-part"; }

bool WriteWhole(const std::string& path, const OutputFile& f) {
    std::ofstream out(Utf8Path(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    if (f.Write) {
        f.Write(out);
    } else {
        out.write(reinterpret_cast<const char*>(f.Bytes.data()),
                  static_cast<std::streamsize>(f.Bytes.size()));
    }
    out.close();
    return static_cast<bool>(out);
}

void RemoveTemps(const std::vector<OutputFile>& files) {
    std::error_code ec;
    for (const OutputFile& f : files) std::filesystem::remove(Utf8Path(TempName(f.Path)), ec);
}

[[noreturn]] void Fail(const std::vector<OutputFile>& files, const std::string& path) {
    RemoveTemps(files);
    throw OptError("Cannot create file " + path);
}

}  // namespace

void WriteOutputFiles(const std::vector<OutputFile>& files) {
    for (const OutputFile& f : files) {
        bool written = false;
        try {
            written = WriteWhole(TempName(f.Path), f);
        } catch (...) {  // the content could not be made: nothing is left behind either
            RemoveTemps(files);
            throw;
        }
        if (!written) Fail(files, f.Path);
    }
    // A folder in a file's place is the one thing that stops a rename in a folder that took the
    // temporary file: look for it before the first rename.
    for (const OutputFile& f : files) {
        std::error_code ec;
        if (std::filesystem::is_directory(Utf8Path(f.Path), ec)) Fail(files, f.Path);
    }
    for (size_t i = 0; i < files.size(); ++i) {
        std::error_code ec;
        std::filesystem::rename(Utf8Path(TempName(files[i].Path)), Utf8Path(files[i].Path), ec);
        if (!ec) continue;
        for (size_t k = 0; k < i; ++k) std::filesystem::remove(Utf8Path(files[k].Path), ec);  // all or none
        Fail(files, files[i].Path);
    }
}

}  // namespace opt
