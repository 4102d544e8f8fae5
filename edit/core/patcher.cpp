#include "edit/core/patcher.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "model/errors.h"

namespace opt {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string Where(const PatchWrite& w, const std::string& path) {
    return w.Block + " in " + path + " (file position " + std::to_string(w.Position) + ")";
}

bool ReadRun(std::FILE* f, int64_t pos, std::vector<uint8_t>& out) {
    if (std::fseek(f, static_cast<long>(pos), SEEK_SET) != 0) return false;
    return out.empty() || std::fread(out.data(), 1, out.size(), f) == out.size();
}

int64_t FileLength(std::FILE* f) {
    if (std::fseek(f, 0, SEEK_END) != 0) return -1;
    return std::ftell(f);
}

// Refuses a write whose run does not lie wholly inside the file or whose expected bytes are not there.
void Check(std::FILE* f, int64_t length, const PatchWrite& w, const std::string& path) {
    const auto size = static_cast<int64_t>(w.Bytes.size());
    if (w.Position < 0 || w.Position > length - size || w.Expected.size() > w.Bytes.size()) {
        throw OptError("Nothing was written: " + Where(w, path) + " lies outside the file (" +
                       std::to_string(length) + " bytes). The file does not match the model in memory.");
    }
    std::vector<uint8_t> found(w.Expected.size());
    if (!ReadRun(f, w.Position, found) || found != w.Expected) {
        throw OptError("Nothing was written: " + Where(w, path) +
                       " no longer holds the bytes read there at load time. The file changed on disk "
                       "since it was loaded, or the block's data does not directly follow its header. "
                       "Reload the file before editing it.");
    }
}

void WriteAndVerify(std::FILE* f, const PatchWrite& w, const std::string& path) {
    bool ok = std::fseek(f, static_cast<long>(w.Position), SEEK_SET) == 0 &&
              std::fwrite(w.Bytes.data(), 1, w.Bytes.size(), f) == w.Bytes.size() && std::fflush(f) == 0;
    std::vector<uint8_t> back(w.Bytes.size());
    ok = ok && ReadRun(f, w.Position, back) && back == w.Bytes;
    if (!ok) throw OptError("Writing " + Where(w, path) + " failed: the bytes read back differ.");
}

}  // namespace

void ApplyPatches(const std::string& path, std::span<const PatchWrite> writes) {
    if (writes.empty()) return;
    File f(std::fopen(path.c_str(), "r+b"));
    if (!f) throw OptError("Cannot open file " + path);
    const int64_t length = FileLength(f.get());
    for (const auto& w : writes) Check(f.get(), length, w, path);
    for (const auto& w : writes) WriteAndVerify(f.get(), w, path);
    if (std::fclose(f.release()) != 0) throw OptError("Writing " + path + " failed when closing it.");
}

}  // namespace opt
