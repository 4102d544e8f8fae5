#include "edit/core/patcher.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "edit/core/write_journal.h"
#include "model/errors.h"
#include "platform/native_file.h"

namespace opt {

namespace {

// The model file opened for reading and writing (never created or truncated); closed on destruction.
class ModelFile {
public:
    explicit ModelFile(const std::string& path) : file_(path, NativeFile::Mode::ReadWrite) {
        if (!file_.IsOpen()) throw OptError("Cannot open file " + path, SystemReason(file_.OpenError()));
    }

    // Takes the file's exclusive lock, waiting at most wait for another writer; held until Close.
    void Lock(const std::string& path, std::chrono::milliseconds wait) {
        switch (file_.LockExclusiveWithin(wait)) {
            case NativeFile::LockResult::Locked:
                return;
            case NativeFile::LockResult::Busy:
                throw OptError(path + " is being written by another program");
            case NativeFile::LockResult::Failed:
                break;
        }
        throw OptError("Nothing was written: " + path + " cannot be locked for writing (" +
                       std::strerror(errno) + ").");
    }

    int64_t Length() const { return file_.Length(); }
    bool Read(int64_t pos, std::vector<uint8_t>& out) const {
        return file_.ReadAt(pos, out.data(), out.size()) == out.size();
    }
    bool Write(int64_t pos, const std::vector<uint8_t>& in) const {
        return file_.WriteAt(pos, in.data(), in.size());
    }
    bool Sync() const { return file_.Sync(); }
    bool Close() { return file_.Close(); }

private:
    NativeFile file_;
};

std::string Where(const std::string& block, int64_t position, const std::string& path) {
    return block + " in " + path + " (file position " + std::to_string(position) + ")";
}

// Refuses two writes that give a byte they share different values.
void CheckAgreement(const PatchWrite& a, const PatchWrite& b, const std::string& path) {
    const int64_t from = std::max(a.Position, b.Position);
    const int64_t to = std::min(a.Position + static_cast<int64_t>(a.Bytes.size()),
                                b.Position + static_cast<int64_t>(b.Bytes.size()));
    for (int64_t p = from; p < to; ++p) {
        if (a.Bytes[static_cast<size_t>(p - a.Position)] == b.Bytes[static_cast<size_t>(p - b.Position)])
            continue;
        throw OptError("Nothing was written: " + a.Block + " and " + b.Block +
                       " describe the same bytes of " + path + " (file position " + std::to_string(p) +
                       ") but hold different values there. Reload the file before editing it.");
    }
}

// The runs of the writes with the bytes each replaces, checked against the image: inside it, and no
// two runs giving a shared byte different values. Identical runs are kept once; runs that change
// nothing are dropped.
std::vector<PatchRun> RunsOf(const PatchTarget& t, std::span<const PatchWrite> writes) {
    const auto length = static_cast<int64_t>(t.Image.size());
    std::vector<PatchRun> runs;
    for (size_t k = 0; k < writes.size(); ++k) {
        const PatchWrite& w = writes[k];
        const auto size = static_cast<int64_t>(w.Bytes.size());
        if (w.Position < 0 || w.Position > length - size) {
            throw OptError("Nothing was written: " + Where(w.Block, w.Position, t.Path) +
                           " lies outside the file (" + std::to_string(length) +
                           " bytes). The file does not match the model in memory.");
        }
        for (size_t j = 0; j < k; ++j) CheckAgreement(writes[j], w, t.Path);
        const auto first = t.Image.begin() + w.Position;
        const size_t kept = std::min(w.Kept, w.Bytes.size());
        if (!std::equal(w.Bytes.begin(), w.Bytes.begin() + static_cast<std::ptrdiff_t>(kept), first)) {
            throw OptError("Nothing was written: " + Where(w.Block, w.Position, t.Path) +
                           " does not hold the block's header: the block's data does not directly follow its "
                           "header. Reload the file before editing it.");
        }
        PatchRun run{w.Block, w.Position, std::vector<uint8_t>(first, first + size), w.Bytes};
        const bool repeated = std::any_of(runs.begin(), runs.end(), [&](const PatchRun& r) {
            return r.Position == run.Position && r.New == run.New;
        });
        if (run.Old != run.New && !repeated) runs.push_back(std::move(run));
    }
    return runs;
}

void CheckDisk(const ModelFile& f, const PatchTarget& t, const std::vector<PatchRun>& runs) {
    const bool sameLength = f.Length() == static_cast<int64_t>(t.Image.size());
    for (const auto& r : runs) {
        std::vector<uint8_t> found(r.Old.size());
        if (!sameLength || !f.Read(r.Position, found) || found != r.Old) {
            throw OptError("Nothing was written: " + Where(r.What, r.Position, t.Path) +
                           " no longer holds the bytes read there at load time. The file changed on disk "
                           "since it was loaded, or the block's data does not directly follow its header. "
                           "Reload the file before editing it.");
        }
    }
}

void WriteAndVerify(const ModelFile& f, const PatchTarget& t, const std::vector<PatchRun>& runs) {
    for (const auto& r : runs)
        if (!f.Write(r.Position, r.New))
            throw OptError("Writing " + Where(r.What, r.Position, t.Path) + " failed.");
    if ((t.Sync || !t.JournalPath.empty()) && !f.Sync())
        throw OptError("Writing " + t.Path + " failed: the file could not be flushed to disk.");
    // Every run agrees with every other on shared bytes, so each run's new bytes are the final ones.
    for (const auto& r : runs) {
        std::vector<uint8_t> back(r.New.size());
        if (!f.Read(r.Position, back) || back != r.New)
            throw OptError("Writing " + Where(r.What, r.Position, t.Path) +
                           " failed: the bytes read back differ.");
    }
}

}  // namespace

PatchResult ApplyPatches(const PatchTarget& t, std::span<const PatchWrite> writes) {
    std::vector<PatchRun> runs = RunsOf(t, writes);
    if (runs.empty()) return {};
    ModelFile f(t.Path);
    f.Lock(t.Path, t.LockWait);
    CheckDisk(f, t, runs);
    std::optional<int64_t> id;
    if (!t.JournalPath.empty())
        id = JournalBegin(t.JournalPath, t.Path, static_cast<int64_t>(t.Image.size()), runs, t.Reverts);
    WriteAndVerify(f, t, runs);
    // The disk holds the write and the journal its record: a record left unmarked still reads as
    // current, so a failure to mark it does not make the write a failure.
    if (id) {
        try {
            JournalDone(t.JournalPath, *id);
        } catch (const OptError&) {
        }
    }
    if (!f.Close()) throw OptError("Writing " + t.Path + " failed when closing it.");
    for (const auto& r : runs) std::copy(r.New.begin(), r.New.end(), t.Image.begin() + r.Position);
    return {std::move(runs), id};
}

}  // namespace opt
