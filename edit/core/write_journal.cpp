#include "edit/core/write_journal.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "model/errors.h"
#include "platform/environment.h"
#include "platform/native_file.h"
#include "platform/utf8_path.h"

namespace opt {

namespace {

[[noreturn]] void Fail(const std::string& journal, const std::string& what) {
    throw OptError("Nothing was written: the write journal " + journal + " " + what + " (" +
                   std::strerror(errno) + "). Every write is recorded there first.");
}

// The journal file opened for appending and locked exclusively; unlocked and closed on destruction.
class LockedJournal {
public:
    explicit LockedJournal(const std::string& path)
        : path_(path), file_(Open(path), NativeFile::Mode::AppendCreate) {
        if (!file_.IsOpen()) Fail(path, "cannot be opened");
        if (!file_.LockExclusive()) Fail(path, "cannot be locked");
    }

    // The id of the last complete record, or 0. Done marks may follow it (a write marks itself done
    // after later writes were recorded), so they are passed over; their ids count only when higher,
    // as in a journal whose record lines were damaged. Looks only at the line starts nearest the
    // end, so a journal of any size is not read whole.
    int64_t LastId() const {
        const int64_t end = file_.Length();
        if (end <= 0) return 0;
        char last = 0;
        const bool complete = file_.ReadAt(end - 1, &last, 1) == 1 && last == '\n';
        // Newline positions from the end; the byte after each starts a line.
        constexpr int64_t kChunk = 1 << 16;
        std::vector<char> buf(kChunk);
        int64_t stop = end - 1;  // the last line's newline (or its last byte) is not a line start
        bool skipLast = !complete;
        int64_t marked = 0;  // the highest id of the done marks passed over
        for (int64_t pos = stop; pos > 0;) {
            const int64_t from = pos > kChunk ? pos - kChunk : 0;
            const auto n = static_cast<size_t>(pos - from);
            if (file_.ReadAt(from, buf.data(), n) != n) return 0;
            for (size_t i = n; i-- > 0;) {
                if (buf[i] != '\n') continue;
                if (skipLast) {
                    skipLast = false;  // the half-written last line is not a record
                } else if (auto id = RecordIdAt(from + static_cast<int64_t>(i) + 1, marked)) {
                    return std::max(*id, marked);
                }
            }
            pos = from;
        }
        if (!skipLast) {
            if (auto id = RecordIdAt(0, marked)) return std::max(*id, marked);
        }
        return marked;
    }

    // Appends one line, flushed to disk when sync is set; a half-written last line left by a crash
    // is closed first so that the new record starts a line of its own.
    void Append(const std::string& line, bool sync) {
        const int64_t end = file_.Length();
        char last = '\n';
        if (end > 0 && file_.ReadAt(end - 1, &last, 1) != 1) Fail(path_, "cannot be read");
        const std::string text = (last == '\n' ? "" : "\n") + line + "\n";
        if (!file_.Append(text.data(), text.size())) Fail(path_, "cannot be written");
        if (sync && !file_.Sync()) Fail(path_, "cannot be flushed to disk");
    }

private:
    static std::string Open(const std::string& path) {
        std::error_code ec;
        const auto parent = Utf8Path(path).parent_path();
        if (!parent.empty()) std::filesystem::create_directories(parent, ec);
        return path;
    }

    // The id of the record whose line starts at start; nothing for a done mark (its id raises
    // marked) or a line that does not start with {"id":N.
    std::optional<int64_t> RecordIdAt(int64_t start, int64_t& marked) const {
        char head[48] = {};
        const size_t n = file_.ReadAt(start, head, sizeof head - 1);
        if (n <= 6 || std::strncmp(head, "{\"id\":", 6) != 0) return std::nullopt;
        char* endp = nullptr;
        const long long id = std::strtoll(head + 6, &endp, 10);
        if (endp == head + 6 || id <= 0) return std::nullopt;
        if (std::strncmp(endp, ",\"done\"", 7) != 0) return id;
        marked = std::max<int64_t>(marked, id);
        return std::nullopt;
    }

    std::string path_;
    NativeFile file_;
};

std::string UtcNow() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
#if defined(_WIN32)
    ::gmtime_s(&tm, &t);
#else
    ::gmtime_r(&t, &tm);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return text;
}

}  // namespace

std::string JournalFileName(const std::string& file) {
    std::error_code ec;
    const auto path = std::filesystem::canonical(Utf8Path(file), ec);
    return ec ? JournalLexicalName(file) : Utf8Text(path);
}

std::string JournalLexicalName(const std::string& file) {
    std::error_code ec;
    const auto path = std::filesystem::absolute(Utf8Path(file), ec);
    return Utf8Text((ec ? Utf8Path(file) : path).lexically_normal());
}

std::string HexText(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(bytes.size() * 2, '0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        text[2 * i] = kDigits[bytes[i] >> 4];
        text[2 * i + 1] = kDigits[bytes[i] & 15];
    }
    return text;
}

std::optional<std::vector<uint8_t>> HexBytes(const std::string& text) {
    if (text.size() % 2 != 0) return std::nullopt;
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::vector<uint8_t> bytes(text.size() / 2);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const int hi = digit(text[2 * i]), lo = digit(text[2 * i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        bytes[i] = static_cast<uint8_t>(hi * 16 + lo);
    }
    return bytes;
}

int64_t JournalBegin(const std::string& journal, const std::string& file, int64_t length,
                     std::span<const PatchRun> runs, const std::optional<JournalRef>& reverts) {
    LockedJournal j(journal);
    const int64_t id = j.LastId() + 1;
    nlohmann::ordered_json record{
        {"id", id}, {"time", UtcNow()}, {"file", JournalFileName(file)}, {"length", length}};
    if (reverts) record["reverts"] = reverts->Id;
    if (reverts && reverts->Line) record["reverts_line"] = *reverts->Line;
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& r : runs)
        list.push_back(
            {{"position", r.Position}, {"old", HexText(r.Old)}, {"new", HexText(r.New)}, {"what", r.What}});
    record["runs"] = std::move(list);
    j.Append(record.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace), true);
    return id;
}

void JournalDone(const std::string& journal, int64_t id) {
    LockedJournal j(journal);
    // Not flushed: a done mark lost in a crash changes nothing, as the state of a write is read from
    // the model file's bytes and an unmarked write holding all its new bytes is current.
    j.Append(nlohmann::ordered_json{{"id", id}, {"done", true}}.dump(), false);
}

std::string JournalFilePath(const std::string& saveDataDir) {
    if (const auto env = EnvironmentUtf8("ZEDARUZ_JOURNAL"); env && !env->empty()) return *env;
    return Utf8Text(Utf8Path(saveDataDir) / "patch-journal.jsonl");
}

}  // namespace opt
