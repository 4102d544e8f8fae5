#include "edit/core/write_journal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "model/errors.h"

namespace opt {

namespace {

[[noreturn]] void Fail(const std::string& journal, const std::string& what) {
    throw OptError("Nothing was written: the write journal " + journal + " " + what + " (" +
                   std::strerror(errno) + "). Every write is recorded there first.");
}

// The journal file opened for appending and locked exclusively; unlocked and closed on destruction.
class LockedJournal {
public:
    explicit LockedJournal(const std::string& path) : path_(path) {
        std::error_code ec;
        const auto parent = std::filesystem::path(path).parent_path();
        if (!parent.empty()) std::filesystem::create_directories(parent, ec);
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (fd_ < 0) Fail(path, "cannot be opened");
        if (::flock(fd_, LOCK_EX) != 0) Fail(path, "cannot be locked");
    }
    ~LockedJournal() { ::close(fd_); }
    LockedJournal(const LockedJournal&) = delete;
    LockedJournal& operator=(const LockedJournal&) = delete;

    // The id of the last complete line that starts with {"id":N, or 0. Looks only at the line starts
    // nearest the end, so a journal of any size is not read whole.
    int64_t LastId() const {
        const off_t end = ::lseek(fd_, 0, SEEK_END);
        if (end <= 0) return 0;
        char last = 0;
        const bool complete = ::pread(fd_, &last, 1, end - 1) == 1 && last == '\n';
        // Newline positions from the end; the byte after each starts a line.
        constexpr off_t kChunk = 1 << 16;
        std::vector<char> buf(kChunk);
        off_t stop = end - 1;  // the last line's newline (or its last byte) is not a line start
        bool skipLast = !complete;
        for (off_t pos = stop; pos > 0;) {
            const off_t from = pos > kChunk ? pos - kChunk : 0;
            const auto n = static_cast<size_t>(pos - from);
            if (::pread(fd_, buf.data(), n, from) != static_cast<ssize_t>(n)) return 0;
            for (size_t i = n; i-- > 0;) {
                if (buf[i] != '\n') continue;
                if (skipLast) {
                    skipLast = false;  // the half-written last line is not a record
                } else if (auto id = IdAt(from + static_cast<off_t>(i) + 1)) {
                    return *id;
                }
            }
            pos = from;
        }
        if (!skipLast) {
            if (auto id = IdAt(0)) return *id;
        }
        return 0;
    }

    // Appends one line, flushed to disk when sync is set; a half-written last line left by a crash
    // is closed first so that the new record starts a line of its own.
    void Append(const std::string& line, bool sync) {
        const off_t end = ::lseek(fd_, 0, SEEK_END);
        char last = '\n';
        if (end > 0 && ::pread(fd_, &last, 1, end - 1) != 1) Fail(path_, "cannot be read");
        std::string text = (last == '\n' ? "" : "\n") + line + "\n";
        const char* p = text.data();
        size_t left = text.size();
        while (left > 0) {
            const ssize_t n = ::write(fd_, p, left);
            if (n <= 0) Fail(path_, "cannot be written");
            p += n;
            left -= static_cast<size_t>(n);
        }
        if (sync && ::fsync(fd_) != 0) Fail(path_, "cannot be flushed to disk");
    }

private:
    std::optional<int64_t> IdAt(off_t start) const {
        char head[32] = {};
        const ssize_t n = ::pread(fd_, head, sizeof head - 1, start);
        if (n <= 6 || std::strncmp(head, "{\"id\":", 6) != 0) return std::nullopt;
        char* endp = nullptr;
        const long long id = std::strtoll(head + 6, &endp, 10);
        if (endp == head + 6 || id <= 0) return std::nullopt;
        return id;
    }

    std::string path_;
    int fd_ = -1;
};

std::string UtcNow() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    ::gmtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return text;
}

}  // namespace

std::string JournalFileName(const std::string& file) {
    std::error_code ec;
    const auto path = std::filesystem::absolute(file, ec);
    return (ec ? std::filesystem::path(file) : path).lexically_normal().string();
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
                     std::span<const PatchRun> runs, std::optional<int64_t> reverts) {
    LockedJournal j(journal);
    const int64_t id = j.LastId() + 1;
    nlohmann::ordered_json record{
        {"id", id}, {"time", UtcNow()}, {"file", JournalFileName(file)}, {"length", length}};
    if (reverts) record["reverts"] = *reverts;
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
    if (const char* env = std::getenv("ZEDARUZ_JOURNAL"); env != nullptr && *env != '\0') return env;
    return (std::filesystem::path(saveDataDir) / "patch-journal.jsonl").string();
}

}  // namespace opt
