#include "edit/core/journal_history.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "edit/core/backward_lines.h"
#include "edit/core/revert_edit.h"
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

// Whether a record's file name names the model file: its canonical name, the name earlier versions
// gave it, or any other path that now leads to the same file (asked of the disk once per name).
class RecordedNames {
public:
    explicit RecordedNames(const std::string& file)
        : canonical_(JournalFileName(file)), lexical_(JournalLexicalName(file)) {}
    bool Match(const std::string& name) {
        if (name == canonical_ || name == lexical_) return true;
        const auto [it, fresh] = others_.try_emplace(name, false);
        if (fresh) it->second = JournalFileName(name) == canonical_;
        return it->second;
    }

private:
    std::string canonical_, lexical_;
    std::map<std::string, bool> others_;
};

// The optional integer field key of a record; nothing when missing or not an integer.
std::optional<int64_t> IntegerField(const Json& j, const char* key) {
    const auto it = j.find(key);
    if (it == j.end() || !it->is_number_integer()) return std::nullopt;
    return it->get<int64_t>();
}

// A write record of the model file; nothing for another file's record or a damaged one (damaged
// set).
std::optional<JournalWrite> WriteOf(const Json& j, RecordedNames& names, bool& damaged) {
    const auto runs = j.find("runs");
    const auto length = j.find("length");
    const auto name = j.find("file");
    if (runs == j.end() || !runs->is_array() || length == j.end() || !length->is_number_integer() ||
        name == j.end() || !name->is_string()) {
        damaged = true;
        return std::nullopt;
    }
    if (!names.Match(name->get<std::string>())) return std::nullopt;
    JournalWrite w;
    w.Id = j["id"].get<int64_t>();
    w.Length = length->get<int64_t>();
    if (const auto t = j.find("time"); t != j.end() && t->is_string()) w.Time = t->get<std::string>();
    if (const auto r = IntegerField(j, "reverts"))
        w.Reverts = JournalRef(*r, IntegerField(j, "reverts_line"));
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

// Whether revert r puts back the old bytes of write w: each of its runs is one of w's, reversed.
bool PutsBack(const JournalWrite& r, const JournalWrite& w) {
    return std::all_of(r.Runs.begin(), r.Runs.end(), [&](const PatchRun& a) {
        return std::any_of(w.Runs.begin(), w.Runs.end(),
                           [&](const PatchRun& b) { return a.Position == b.Position && a.New == b.Old; });
    });
}

// The write that writes[i] reverts: the earlier write of the recorded id (and line). Where an older
// version's journal repeats the id without a line, the latest of them whose bytes it put back, else
// the latest.
std::optional<size_t> RevertedWrite(std::span<const JournalWrite> writes, size_t i) {
    const std::optional<JournalRef>& ref = writes[i].Reverts;
    if (!ref) return std::nullopt;
    std::optional<size_t> latest;
    for (size_t k = i; k-- > 0;) {
        const JournalWrite& w = writes[k];
        if (w.Id != ref->Id || (ref->Line && w.Line != *ref->Line)) continue;
        if (PutsBack(writes[i], w)) return k;
        if (!latest) latest = k;
    }
    return latest;
}

// What the history knows of each write beyond its record, by position in the journal.
struct UndoChain {
    std::vector<WriteState> State;
    std::vector<std::optional<size_t>> Reverts;   // the write each revert undoes
    std::vector<std::optional<size_t>> UndoneBy;  // the revert in force that undoes each write
    std::map<int64_t, int> IdCount;               // more than 1: a journal of an older version

    // How messages name writes[i]: its id, with its journal line where the id repeats.
    std::string Ref(std::span<const JournalWrite> writes, size_t i) const {
        const JournalWrite& w = writes[i];
        if (IdCount.at(w.Id) < 2) return std::to_string(w.Id);
        return std::to_string(w.Id) + ":" + std::to_string(w.Line);
    }
};

UndoChain UndoChainOf(std::span<const JournalWrite> writes, std::span<const uint8_t> disk) {
    UndoChain chain;
    for (size_t i = 0; i < writes.size(); ++i) {
        chain.State.push_back(StateOf(writes[i], disk));
        chain.Reverts.push_back(RevertedWrite(writes, i));
        ++chain.IdCount[writes[i].Id];
    }
    // A revert undoes its write unless it is undone itself (a redo), read from the newest back; a
    // revert recorded just before a crash that wrote nothing undoes nothing.
    chain.UndoneBy.assign(writes.size(), std::nullopt);
    for (size_t i = writes.size(); i-- > 0;) {
        const bool made = writes[i].Done || chain.State[i] != WriteState::Reverted;
        if (!chain.Reverts[i] || chain.UndoneBy[i] || !made) continue;
        std::optional<size_t>& undone = chain.UndoneBy[*chain.Reverts[i]];
        if (!undone) undone = i;
    }
    return chain;
}

// The write named by ref; throws OptError when none is, or when the id repeats and no line says
// which.
const JournalWrite& NamedWrite(std::span<const JournalWrite> writes, const JournalRef& ref,
                               const std::string& file) {
    std::vector<size_t> found;
    for (size_t k = 0; k < writes.size(); ++k)
        if (writes[k].Id == ref.Id && (!ref.Line || writes[k].Line == *ref.Line)) found.push_back(k);
    const std::string id = std::to_string(ref.Id);
    if (found.empty()) {
        throw OptError("Nothing was written: no write " + id +
                       (ref.Line ? ":" + std::to_string(*ref.Line) : "") + " is recorded for " + file + ".");
    }
    if (found.size() > 1) {
        std::string lines, names;
        for (size_t k : found) {
            const std::string line = std::to_string(writes[k].Line);
            lines += (lines.empty() ? "" : ", ") + line;
            names += (names.empty() ? "" : " or ") + id + ":" + line;
        }
        throw OptError("Nothing was written: write id " + id + " is recorded " +
                       std::to_string(found.size()) + " times for " + file + " (journal lines " + lines +
                       "); name one as " + names + ".");
    }
    return writes[found.front()];
}

constexpr std::string_view kNoteStart = "the last write to ";
constexpr std::string_view kNoteInterrupted = ") was interrupted: ";

// The note of an interrupted write.
std::string NoteOf(const JournalWrite& w, const std::string& file, std::span<const uint8_t> disk) {
    const auto held = std::count_if(w.Runs.begin(), w.Runs.end(),
                                    [&](const PatchRun& r) { return Holds(disk, r.Position, r.New); });
    return std::string(kNoteStart) + file + " (id " + std::to_string(w.Id) + std::string(kNoteInterrupted) +
           std::to_string(held) + " of " + std::to_string(w.Runs.size()) +
           " runs hold the new bytes; File > Revert Last Write or `zedaruz-cli revert " + file +
           "` puts the old ones back";
}

// Whether a journal line may be a done mark or a record of the file: false only for a record that
// names another file, told from its "file" text without reading the rest of the line.
bool MayRecordFile(const std::string& line, RecordedNames& names) {
    if (line.find("\"done\"") != std::string::npos) return true;
    const size_t key = line.find("\"file\":\"");
    if (key == std::string::npos) return true;
    const size_t from = key + 7;  // the opening quote of the name
    size_t to = from + 1;
    while (to < line.size() && line[to] != '"') to += line[to] == '\\' ? 2 : 1;
    if (to >= line.size()) return true;
    const Json name = Json::parse(std::string_view(line).substr(from, to - from + 1), nullptr, false);
    return !name.is_string() || names.Match(name.get<std::string>());
}

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
    RecordedNames names(file);
    std::vector<JournalWrite> writes;
    std::map<int64_t, std::vector<size_t>> byId;
    std::string line;
    for (int64_t number = 1; std::getline(in, line); ++number) {
        if (line.empty()) continue;
        const Json j = Json::parse(line, nullptr, false);
        bool damaged =
            j.is_discarded() || !j.is_object() || !j.contains("id") || !j["id"].is_number_integer();
        if (!damaged && j.contains("done")) {
            // A done mark follows its record; where an older version repeated the id, it marks the
            // first of them not yet marked.
            const auto same = byId.find(j["id"].get<int64_t>());
            if (same != byId.end()) {
                const auto unmarked = std::find_if(same->second.begin(), same->second.end(),
                                                   [&](size_t k) { return !writes[k].Done; });
                if (unmarked != same->second.end()) writes[*unmarked].Done = true;
            }
            continue;
        }
        if (!damaged) {
            if (auto w = WriteOf(j, names, damaged)) {
                w->Line = number;
                byId[w->Id].push_back(writes.size());
                writes.push_back(std::move(*w));
            }
        }
        if (damaged) {
            warnings.AddLine("The write journal " + journal + " has a damaged line (" +
                             std::to_string(number) + "); it was ignored.");
        }
    }
    return writes;
}

std::vector<HistoryEntry> HistoryOf(std::span<const JournalWrite> writes, std::span<const uint8_t> disk) {
    const UndoChain chain = UndoChainOf(writes, disk);
    std::vector<HistoryEntry> entries;
    for (size_t i = writes.size(); i-- > 0;) {
        const JournalWrite& w = writes[i];
        HistoryEntry e{w.Id, chain.Ref(writes, i),       w.Time,        w.Runs.size(), 0, {}, {},
                       {},   chain.IdCount.at(w.Id) > 1, chain.State[i]};
        for (const auto& r : w.Runs) {
            e.Bytes += r.New.size();
            e.Blocks.push_back(r.What);
        }
        if (w.Reverts)
            e.Reverts =
                chain.Reverts[i] ? chain.Ref(writes, *chain.Reverts[i]) : std::to_string(w.Reverts->Id);
        if (chain.UndoneBy[i]) e.UndoneBy = chain.Ref(writes, *chain.UndoneBy[i]);
        entries.push_back(std::move(e));
    }
    return entries;
}

std::vector<std::string> HistoryLines(std::span<const JournalWrite> writes, std::span<const uint8_t> disk) {
    std::vector<std::string> lines;
    for (const HistoryEntry& e : HistoryOf(writes, disk)) {
        std::string blocks;
        for (const auto& b : e.Blocks) blocks += (blocks.empty() ? "" : ", ") + b;
        std::string line = std::to_string(e.Id) + "  " + e.Time + "  " + std::to_string(e.Runs) +
                           (e.Runs == 1 ? " run, " : " runs, ") + std::to_string(e.Bytes) + " bytes  " +
                           blocks;
        if (e.Reverts) line += " (reverts " + *e.Reverts + ")";
        if (e.UndoneBy) line += " (undone by " + *e.UndoneBy + ")";
        if (e.IdRepeats) line += " (id " + std::to_string(e.Id) + " repeats: revert it as " + e.Ref + ")";
        lines.push_back(line + "  " + StateName(e.State));
    }
    return lines;
}

const JournalWrite& WriteToRevert(std::span<const JournalWrite> writes, const std::optional<JournalRef>& id,
                                  std::span<const uint8_t> disk, const std::string& file) {
    if (id) return NamedWrite(writes, *id, file);
    const UndoChain chain = UndoChainOf(writes, disk);
    for (size_t i = writes.size(); i-- > 0;)
        if (chain.State[i] == WriteState::Interrupted) return writes[i];
    for (size_t i = writes.size(); i-- > 0;)
        if (!writes[i].Reverts && chain.State[i] == WriteState::Current && !chain.UndoneBy[i])
            return writes[i];
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
    const UndoChain chain = UndoChainOf(writes, disk);
    const auto at = static_cast<size_t>(&target - writes.data());
    for (size_t k = at + 1; k < writes.size(); ++k) {
        if (chain.State[k] != WriteState::Current || chain.UndoneBy[k]) continue;
        if (chain.Reverts[k] && *chain.Reverts[k] > at)
            continue;  // with the later write it undoes, no change here
        for (const auto& a : writes[k].Runs) {
            for (const auto& b : target.Runs) {
                if (!Overlap(a, b)) continue;
                throw OptError("Nothing was written: the later write " + chain.Ref(writes, k) + " (" +
                               a.What + ") changed the same bytes and is current; revert it first.");
            }
        }
    }
    const bool interrupted = chain.State[at] == WriteState::Interrupted;
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

bool HasWriteToRevert(const std::string& file, const std::string& journal) {
    try {
        const std::vector<uint8_t> disk = ReadWholeFile(file);
        VectorSink ignored;
        WriteToRevert(ReadJournal(journal, file, ignored), std::nullopt, disk, file);
        return true;
    } catch (const OptError&) {
        return false;
    }
}

std::optional<std::string> InterruptedWriteNote(const std::string& file, std::span<const uint8_t> disk,
                                                const std::string& journal) {
    // The newest record of the file decides, so the journal is read from its end back to that record.
    // Done marks read on the way may mark it (a done mark follows its record).
    BackwardLines lines(journal);
    RecordedNames names(file);
    std::set<int64_t> marked;
    std::string line;
    while (lines.Next(line)) {
        if (line.empty() || !MayRecordFile(line, names)) continue;
        const Json j = Json::parse(line, nullptr, false);
        if (j.is_discarded() || !j.is_object() || !j.contains("id") || !j["id"].is_number_integer()) continue;
        if (j.contains("done")) {
            marked.insert(j["id"].get<int64_t>());
            continue;
        }
        bool damaged = false;
        std::optional<JournalWrite> newest = WriteOf(j, names, damaged);
        if (!newest) continue;
        // Without a done mark the write is interrupted when the disk holds a mix of its bytes; a done
        // mark after it can only make it not so, unless an older version's journal repeats its id and
        // an earlier record of that id takes the mark: then the whole journal tells.
        if (StateOf(*newest, disk) != WriteState::Interrupted) return std::nullopt;
        if (!marked.contains(newest->Id)) return NoteOf(*newest, file, disk);
        VectorSink ignored;
        const std::vector<JournalWrite> writes = ReadJournal(journal, file, ignored);
        if (writes.empty() || StateOf(writes.back(), disk) != WriteState::Interrupted) return std::nullopt;
        return NoteOf(writes.back(), file, disk);
    }
    return std::nullopt;
}

bool IsInterruptedWriteNote(const std::string& line) {
    return line.starts_with(kNoteStart) && line.find(kNoteInterrupted) != std::string::npos;
}

RevertDone RevertWrite(const std::string& file, const std::string& journal,
                       const std::optional<JournalRef>& id, LineSink& warnings) {
    std::vector<uint8_t> disk = ReadWholeFile(file);
    const EditPlan plan = PlanRevertOf(disk, RevertEdit{id}, {file, journal, true, &warnings});
    PatchResult done = ApplyPatches({file, disk, journal, true, plan.Reverts}, plan.Writes);
    return {plan.Reverts->Id, std::move(done.Runs), done.JournalId};
}

}  // namespace opt
