// A file opened through the system's own calls, for the two places that need more than a stream:
// the verified patcher (reads and writes at 64-bit positions, flushed to disk) and the write journal
// (appended to under an exclusive lock shared by every process, flushed to disk). POSIX calls on
// Linux, the C runtime's and Win32's on Windows (_wopen, _commit, LockFileEx). Failures set errno.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace opt {

class NativeFile {
public:
    enum class Mode {
        ReadWrite,     // an existing file, never created or truncated
        AppendCreate,  // made when missing; every Append goes to the end
    };
    // Opens the file (UTF-8 name); IsOpen() tells whether it worked.
    NativeFile(const std::string& utf8Path, Mode mode);
    ~NativeFile();
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // The errno value of a failed open (0 when the file is open).
    int OpenError() const { return open_error_; }
    // The length in bytes, -1 on failure.
    int64_t Length() const;
    // Reads up to n bytes at pos; returns how many it read (fewer at the end of the file or on a
    // failure).
    size_t ReadAt(int64_t pos, void* to, size_t n) const;
    // Writes the whole run, or returns false.
    bool WriteAt(int64_t pos, const void* from, size_t n) const;
    bool Append(const void* from, size_t n) const;
    // Flushes the file's data to the disk (fsync, _commit).
    bool Sync() const;
    // Waits for the exclusive lock every process takes on this file; released by Close.
    bool LockExclusive();
    // The same lock, waited for at most wait: Busy when another holder kept it that long.
    enum class LockResult { Locked, Busy, Failed };
    LockResult LockExclusiveWithin(std::chrono::milliseconds wait);
    bool Close();

private:
    int fd_ = -1;
    int open_error_ = 0;
    bool locked_ = false;
};

}  // namespace opt
