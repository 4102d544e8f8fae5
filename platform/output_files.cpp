#include "platform/output_files.h"

#include <cerrno>
#include <fstream>

#include "model/errors.h"
#include "platform/utf8_path.h"

namespace opt {

namespace fs = std::filesystem;

namespace {

// Links followed before a chain counts as a loop (the limit Linux applies too).
constexpr int kMaxLinks = 40;

fs::path TempName(const fs::path& file) {
    fs::path temp = file;
    temp += ".zedaruz-part";
    return temp;
}

bool WriteWhole(const fs::path& path, const OutputFile& f) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
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

// Why a file could not be made in its folder: the folder is missing or is no folder, else the
// system's reason for the failed call.
std::string CreateReason(const fs::path& file, int errorNumber) {
    const fs::path folder = file.parent_path();
    std::error_code ec;
    if (!folder.empty() && !fs::exists(folder, ec))
        return "the folder " + Utf8Text(folder) + " does not exist";
    if (!folder.empty() && !fs::is_directory(folder, ec)) return Utf8Text(folder) + " is not a folder";
    return SystemReason(errorNumber);
}

void RemoveTemps(const std::vector<fs::path>& targets) {
    std::error_code ec;
    for (const fs::path& t : targets) fs::remove(TempName(t), ec);
}

}  // namespace

OutputTarget ResolveOutputTarget(const fs::path& name) {
    OutputTarget target{name, OutputTarget::Kind::kMissing};
    for (int links = 0;; ++links) {
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(target.File, ec);
        if (ec || status.type() == fs::file_type::not_found) return target;  // made by the write
        if (status.type() == fs::file_type::regular) {
            target.What = OutputTarget::Kind::kRegular;
            return target;
        }
        if (status.type() == fs::file_type::directory) {
            target.What = OutputTarget::Kind::kFolder;
            return target;
        }
        const fs::path next =
            status.type() == fs::file_type::symlink ? fs::read_symlink(target.File, ec) : fs::path();
        if (next.empty() || ec || links == kMaxLinks) {
            target.What = OutputTarget::Kind::kOther;
            return target;
        }
        // A relative link names a file beside the link.
        target.File = next.is_absolute() ? next : target.File.parent_path() / next;
    }
}

void WriteOutputFiles(const std::vector<OutputFile>& files) {
    std::vector<fs::path> targets;
    for (const OutputFile& f : files) {
        const OutputTarget t = ResolveOutputTarget(Utf8Path(f.Path));
        if (t.What == OutputTarget::Kind::kOther) throw OptError(f.Path + " is not a regular file");
        if (t.What == OutputTarget::Kind::kFolder)
            throw OptError("Cannot create file " + f.Path, "it is a folder");
        targets.push_back(t.File);
    }
    for (size_t i = 0; i < files.size(); ++i) {
        bool written = false;
        errno = 0;
        try {
            written = WriteWhole(TempName(targets[i]), files[i]);
        } catch (...) {  // the content could not be made: nothing is left behind either
            RemoveTemps(targets);
            throw;
        }
        if (!written) {
            const std::string reason = CreateReason(targets[i], errno);
            RemoveTemps(targets);
            throw OptError("Cannot create file " + files[i].Path, reason);
        }
        // A replaced file keeps its permissions.
        std::error_code ec;
        const fs::file_status old = fs::status(targets[i], ec);
        if (!ec && fs::is_regular_file(old)) fs::permissions(TempName(targets[i]), old.permissions(), ec);
    }
    for (size_t i = 0; i < files.size(); ++i) {
        std::error_code ec;
        fs::rename(TempName(targets[i]), targets[i], ec);
        if (!ec) continue;
        const std::string reason = SystemReason(ec);
        for (size_t k = 0; k < i; ++k) fs::remove(targets[k], ec);  // all or none
        RemoveTemps(targets);
        throw OptError("Cannot create file " + files[i].Path, reason);
    }
}

void WriteOutputFile(const std::string& path, std::span<const uint8_t> bytes) {
    WriteOutputFiles({{path, {bytes.begin(), bytes.end()}}});
}

}  // namespace opt
