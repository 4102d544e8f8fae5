#include "edit/core/journal_history.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>

#include "edit/core/write_journal.h"
#include "model/errors.h"
#include "model/reader.h"
#include "platform/utf8_path.h"

namespace opt {

namespace {

using Json = nlohmann::json;

// One run read from a journal line; nothing when a field is missing or not of its kind.
std::optional<PatchRun> RunOf(const Json& j) {
    if (!j.is_object()) return std::nullopt;
    const auto pos = j.find("position");
    const auto old = j.find("old");
    const auto neu = j.find("new");
    if (pos == j.end() || !pos->is_number_integer() || old == j.end() || !old->is_string() ||
        neu == j.end() || !neu->is_string())
        return std::nullopt;
    auto oldBytes = HexBytes(old->get<std::string>());
    auto newBytes = HexBytes(neu->get<std::string>());
    if (!oldBytes || !newBytes || oldBytes->size() != newBytes->size()) return std::nullopt;
    const auto what = j.find("what");
    return PatchRun{what != j.end() && what->is_string() ? what->get<std::string>() : "", pos->get<int64_t>(),
                    std::move(*oldBytes), std::move(*newBytes)};
}

// A write record of the named file; nothing for another file's record or a damaged one (damaged
// set).
std::optional<JournalWrite> WriteOf(const Json& j, const std::string& file, bool& damaged) {
    const auto runs = j.find("runs");
    const auto length = j.find("length");
    const auto name = j.find("file");
    if (runs == j.end() || !runs->is_array() || length == j.end() || !length->is_number_integer() ||
        name == j.end() || !name->is_string()) {
        damaged = true;
        return std::nullopt;
    }
    if (name->get<std::string>() != file) return std::nullopt;
    JournalWrite w;
    w.Id = j["id"].get<int64_t>();
    w.Length = length->get<int64_t>();
    if (const auto t = j.find("time"); t != j.end() && t->is_string()) w.Time = t->get<std::string>();
    if (const auto r = j.find("reverts"); r != j.end() && r->is_number_integer())
        w.Reverts = r->get<int64_t>();
    for (const auto& item : *runs) {
        auto run = RunOf(item);
        if (!run) {
            damaged = true;
            return std::nullopt;
        }
        w.Runs.push_back(std::move(*run));
    }
    return w;
}

// Whether the disk holds bytes at pos; false when they lie outside it.
bool Holds(std::span<const uint8_t> disk, int64_t pos, const std::vector<uint8_t>& bytes) {
    if (pos < 0 || pos > static_cast<int64_t>(disk.size()) - static_cast<int64_t>(bytes.size())) return false;
    return std::equal(bytes.begin(), bytes.end(), disk.begin() + pos);
}

bool Inside(std::span<const uint8_t> disk, const PatchRun& r) {
    return r.Position >= 0 &&
           r.Position <= static_cast<int64_t>(disk.size()) - static_cast<int64_t>(r.New.size());
}

bool Overlap(const PatchRun& a, const PatchRun& b) {
    return a.Position < b.Position + static_cast<int64_t>(b.New.size()) &&
           b.Position < a.Position + static_cast<int64_t>(a.New.size());
}

std::string Hex2(uint8_t b) { return "0x" + HexText(std::span<const uint8_t>(&b, 1)); }

}  // namespace

const char* StateName(WriteState state) {
    switch (state) {
        case WriteState::Current:
            return "current";
        case WriteState::Reverted:
            return "reverted";
        case WriteState::Interrupted:
            return "interrupted";
        case WriteState::ChangedSince:
            break;
    }
    return "changed since";
}

WriteState StateOf(const JournalWrite& write, std::span<const uint8_t> disk) {
    if (static_cast<int64_t>(disk.size()) != write.Length) return WriteState::ChangedSince;
    const auto all = [&](auto holds) { return std::all_of(write.Runs.begin(), write.Runs.end(), holds); };
    if (all([&](const PatchRun& r) { return Holds(disk, r.Position, r.New); })) return WriteState::Current;
    if (all([&](const PatchRun& r) { return Holds(disk, r.Position, r.Old); })) return WriteState::Reverted;
    const bool mix = all([&](const PatchRun& r) {
        if (!Inside(disk, r)) return false;
        for (size_t i = 0; i < r.New.size(); ++i) {
            const uint8_t b = disk[static_cast<size_t>(r.Position) + i];
            if (b != r.New[i] && b != r.Old[i]) return false;
        }
        return true;
    });
    return !write.Done && mix ? WriteState::Interrupted : WriteState::ChangedSince;
}

std::vector<JournalWrite> ReadJournal(const std::string& journal, const std::string& file,
                                      LineSink& warnings) {
    std::ifstream in(Utf8Path(journal), std::ios::binary);
    const std::string name = JournalFileName(file);
    std::vector<JournalWrite> writes;
    std::map<int64_t, size_t> byId;
    std::vector<int64_t> done;
    std::string line;
    for (int64_t number = 1; std::getline(in, line); ++number) {
        if (line.empty()) continue;
        const Json j = Json::parse(line, nullptr, false);
        bool damaged =
            j.is_discarded() || !j.is_object() || !j.contains("id") || !j["id"].is_number_integer();
        if (!damaged && j.contains("done")) {
            done.push_back(j["id"].get<int64_t>());
            continue;
        }
        if (!damaged) {
            if (auto w = WriteOf(j, name, damaged)) {
                byId[w->Id] = writes.size();
                writes.push_back(std::move(*w));
            }
        }
        if (damaged) {
            warnings.AddLine("The write journal " + journal + " has a damaged line (" +
                             std::to_string(number) + "); it was ignored.");
        }
    }
    for (int64_t id : done)
        if (auto it = byId.find(id); it != byId.end()) writes[it->second].Done = true;
    std::sort(writes.begin(), writes.end(), [](const auto& a, const auto& b) { return a.Id < b.Id; });
    return writes;
}

std::vector<std::string> HistoryLines(std::span<const JournalWrite> writes, std::span<const uint8_t> disk) {
    std::vector<std::string> lines;
    for (auto w = writes.rbegin(); w != writes.rend(); ++w) {
        size_t bytes = 0;
        std::string blocks;
        for (const auto& r : w->Runs) {
            bytes += r.New.size();
            blocks += (blocks.empty() ? "" : ", ") + r.What;
        }
        std::string line = std::to_string(w->Id) + "  " + w->Time + "  " + std::to_string(w->Runs.size()) +
                           (w->Runs.size() == 1 ? " run, " : " runs, ") + std::to_string(bytes) + " bytes  " +
                           blocks;
        if (w->Reverts) line += " (reverts " + std::to_string(*w->Reverts) + ")";
        lines.push_back(line + "  " + StateName(StateOf(*w, disk)));
    }
    return lines;
}

const JournalWrite& WriteToRevert(std::span<const JournalWrite> writes, std::optional<int64_t> id,
                                  std::span<const uint8_t> disk, const std::string& file) {
    if (id) {
        for (const auto& w : writes)
            if (w.Id == *id) return w;
        throw OptError("Nothing was written: no write " + std::to_string(*id) + " is recorded for " + file +
                       ".");
    }
    for (auto w = writes.rbegin(); w != writes.rend(); ++w)
        if (StateOf(*w, disk) == WriteState::Current) return *w;
    throw OptError("Nothing was written: no recorded write of " + file +
                   " is current, so there is nothing to revert.");
}

std::vector<PatchWrite> RevertPatches(std::span<const JournalWrite> writes, const JournalWrite& target,
                                      std::span<const uint8_t> disk, const std::string& file) {
    const std::string id = std::to_string(target.Id);
    if (static_cast<int64_t>(disk.size()) != target.Length) {
        throw OptError(
            "Nothing was written: " + file + " is " + std::to_string(disk.size()) + " bytes long, but was " +
            std::to_string(target.Length) + " when write " + id + " was made; first differing position " +
            std::to_string(std::min<int64_t>(target.Length, static_cast<int64_t>(disk.size()))) + ".");
    }
    for (const auto& later : writes) {
        if (later.Id <= target.Id || StateOf(later, disk) != WriteState::Current) continue;
        for (const auto& a : later.Runs) {
            for (const auto& b : target.Runs) {
                if (!Overlap(a, b)) continue;
                throw OptError("Nothing was written: the later write " + std::to_string(later.Id) + " (" +
                               a.What + ") changed the same bytes and is current; revert it first.");
            }
        }
    }
    const bool interrupted = StateOf(target, disk) == WriteState::Interrupted;
    for (const auto& r : target.Runs) {
        if (!Inside(disk, r)) {
            throw OptError("Nothing was written: write " + id + " (" + r.What + ") lies outside " + file +
                           "; first differing position " + std::to_string(r.Position) + ".");
        }
        for (size_t i = 0; i < r.New.size(); ++i) {
            const uint8_t b = disk[static_cast<size_t>(r.Position) + i];
            if (b == r.New[i] || (interrupted && b == r.Old[i])) continue;
            throw OptError("Nothing was written: " + file + " was changed since write " + id + ": position " +
                           std::to_string(r.Position + static_cast<int64_t>(i)) + " (" + r.What + ") holds " +
                           Hex2(b) + ", where write " + id + " put " + Hex2(r.New[i]) + ".");
        }
    }
    std::vector<PatchWrite> patches;
    for (const auto& r : target.Runs) patches.push_back({r.What, r.Position, r.Old});
    return patches;
}

bool HasCurrentWrite(const std::string& file, const std::string& journal) {
    try {
        const std::vector<uint8_t> disk = ReadWholeFile(file);
        VectorSink ignored;
        const auto writes = ReadJournal(journal, file, ignored);
        return std::any_of(writes.begin(), writes.end(),
                           [&](const JournalWrite& w) { return StateOf(w, disk) == WriteState::Current; });
    } catch (const OptError&) {
        return false;
    }
}

RevertDone RevertWrite(const std::string& file, const std::string& journal, std::optional<int64_t> id,
                       LineSink& warnings) {
    std::vector<uint8_t> disk = ReadWholeFile(file);
    const std::vector<JournalWrite> writes = ReadJournal(journal, file, warnings);
    const JournalWrite& target = WriteToRevert(writes, id, disk, file);
    const std::vector<PatchWrite> patches = RevertPatches(writes, target, disk, file);
    RevertDone done{target.Id, {}};
    done.Runs = ApplyPatches({file, disk, journal, true, target.Id}, patches);
    return done;
}

}  // namespace opt
