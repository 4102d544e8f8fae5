#include "inspect/model_check.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "edit/core/journaled_load.h"
#include "model/errors.h"
#include "model/load_warnings.h"
#include "model/reader.h"
#include "platform/utf8_path.h"

namespace opt {

namespace fs = std::filesystem;

LoadedModel LoadModelFile(ModelStore& store, const std::string& path, const std::string& journal) {
    LoadNotingInterruptedWrite(store, path, journal);
    return {store.File_Image, store.Warnings};
}

std::string WhyNoModel(const ModelStore& store) {
    const auto size = static_cast<int64_t>(store.File_Image.size());
    if (size < kFileHeaderBytes)
        return "it is " + std::to_string(size) + (size == 1 ? " byte" : " bytes") +
               " long, too short for the " + std::to_string(kFileHeaderBytes) + "-byte header";
    const TXW& txw = store.txw;
    if (txw.Num_Jumps <= 0) return "its top-level jump list holds no entry";
    if (txw.Jump_List_Offset < 0 || txw.Jump_List_Offset >= size)
        return "its top-level jump list lies outside the file";
    for (const MeshRecord& m : txw.Meshes)
        if (m.Read_As_Mesh) return {};
    return "none of its top-level entries could be read as a mesh";
}

bool IsModelFileName(const std::string& path) {
    std::string ext = Utf8Text(Utf8Path(path).extension());
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".opt" || ext == ".op1";
}

std::vector<std::string> FilesToCheck(const std::vector<std::string>& paths) {
    std::vector<std::string> files;
    for (const auto& path : paths) {
        std::error_code ec;
        if (!fs::is_directory(Utf8Path(path), ec)) {
            files.push_back(path);
            continue;
        }
        std::vector<std::string> found;
        for (fs::recursive_directory_iterator
                 it(Utf8Path(path), fs::directory_options::skip_permission_denied, ec),
             end;
             !ec && it != end; it.increment(ec))
            if (it->is_regular_file(ec) && IsModelFileName(Utf8Text(it->path())))
                found.push_back(Utf8Text(it->path()));
        std::sort(found.begin(), found.end());
        files.insert(files.end(), found.begin(), found.end());
    }
    return files;
}

const char* VerdictName(Verdict v) {
    switch (v) {
        case Verdict::kOk:
            return "ok";
        case Verdict::kNotes:
            return "notes";
        case Verdict::kDamaged:
            return "damaged";
        case Verdict::kUnreadable:
            return "unreadable";
    }
    return "";
}

Verdict VerdictOfWarnings(const std::vector<std::string>& lines) {
    Verdict v = Verdict::kOk;
    for (const auto& line : lines)
        v = std::max(v, IsDamageWarning(line) ? Verdict::kDamaged : Verdict::kNotes);
    return v;
}

FileCheck CheckModelFile(ModelStore& store, const std::string& path, const std::string& journal) {
    FileCheck check{path, Verdict::kOk, {}};
    try {
        LoadNotingInterruptedWrite(store, path, journal);
        check.Lines = store.Warnings;
    } catch (const OptError& e) {
        check.Result = Verdict::kUnreadable;
        check.Lines = {e.WithReason()};
        return check;
    }
    if (const std::string why = WhyNoModel(store); !why.empty()) {
        check.Result = Verdict::kUnreadable;
        check.Lines.insert(check.Lines.begin(), "holds no model (" + why + ")");
        return check;
    }
    check.Result = VerdictOfWarnings(check.Lines);
    return check;
}

}  // namespace opt
