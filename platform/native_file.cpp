#include "platform/native_file.h"

#include <algorithm>
#include <cerrno>
#include <thread>

#include "platform/utf8_path.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace opt {

namespace {

#if defined(_WIN32)
// Windows' byte-range locks are mandatory: a lock on the data would stop readers of the journal.
// Every process locks one byte far past any data instead, which only the other writers wait for.
constexpr DWORD kLockOffsetHigh = 0x7fffffff;

int OpenNative(const std::string& path, NativeFile::Mode mode) {
    const int flags = mode == NativeFile::Mode::ReadWrite ? _O_RDWR : _O_RDWR | _O_CREAT | _O_APPEND;
    return ::_wopen(Utf8Path(path).c_str(), flags | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}
int64_t Seek(int fd, int64_t pos, int whence) { return ::_lseeki64(fd, pos, whence); }
// One call moves at most this many bytes (the C runtime counts in unsigned int).
constexpr size_t kMaxCall = 1u << 30;
int64_t ReadOnce(int fd, int64_t pos, void* to, size_t n) {
    if (Seek(fd, pos, SEEK_SET) != pos) return -1;
    return ::_read(fd, to, static_cast<unsigned>(n < kMaxCall ? n : kMaxCall));
}
int64_t WriteOnce(int fd, int64_t pos, const void* from, size_t n) {
    if (Seek(fd, pos, SEEK_SET) != pos) return -1;
    return ::_write(fd, from, static_cast<unsigned>(n < kMaxCall ? n : kMaxCall));
}
int64_t AppendOnce(int fd, const void* from, size_t n) {
    return ::_write(fd, from, static_cast<unsigned>(n < kMaxCall ? n : kMaxCall));
}
bool SyncNative(int fd) { return ::_commit(fd) == 0; }
bool LockNative(int fd) {
    OVERLAPPED where{};
    where.OffsetHigh = kLockOffsetHigh;
    const auto file = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    if (::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &where)) return true;
    errno = EACCES;
    return false;
}
NativeFile::LockResult TryLockNative(int fd) {
    OVERLAPPED where{};
    where.OffsetHigh = kLockOffsetHigh;
    const auto file = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    if (::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &where))
        return NativeFile::LockResult::Locked;
    if (::GetLastError() == ERROR_LOCK_VIOLATION) return NativeFile::LockResult::Busy;
    errno = EACCES;
    return NativeFile::LockResult::Failed;
}
void UnlockNative(int fd) {
    OVERLAPPED where{};
    where.OffsetHigh = kLockOffsetHigh;
    ::UnlockFileEx(reinterpret_cast<HANDLE>(::_get_osfhandle(fd)), 0, 1, 0, &where);
}
int CloseNative(int fd) { return ::_close(fd); }
#else
int OpenNative(const std::string& path, NativeFile::Mode mode) {
    const int flags = mode == NativeFile::Mode::ReadWrite ? O_RDWR : O_RDWR | O_CREAT | O_APPEND;
    return ::open(path.c_str(), flags | O_CLOEXEC, 0644);
}
int64_t Seek(int fd, int64_t pos, int whence) { return ::lseek(fd, pos, whence); }
int64_t ReadOnce(int fd, int64_t pos, void* to, size_t n) { return ::pread(fd, to, n, pos); }
int64_t WriteOnce(int fd, int64_t pos, const void* from, size_t n) { return ::pwrite(fd, from, n, pos); }
int64_t AppendOnce(int fd, const void* from, size_t n) { return ::write(fd, from, n); }
bool SyncNative(int fd) { return ::fsync(fd) == 0; }
bool LockNative(int fd) { return ::flock(fd, LOCK_EX) == 0; }
NativeFile::LockResult TryLockNative(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return NativeFile::LockResult::Locked;
    return errno == EWOULDBLOCK ? NativeFile::LockResult::Busy : NativeFile::LockResult::Failed;
}
void UnlockNative(int) {}  // closing the file releases the lock
int CloseNative(int fd) { return ::close(fd); }
#endif

}  // namespace

NativeFile::NativeFile(const std::string& utf8Path, Mode mode) : fd_(OpenNative(utf8Path, mode)) {
    if (fd_ < 0) open_error_ = errno;
}

NativeFile::~NativeFile() { Close(); }

int64_t NativeFile::Length() const { return Seek(fd_, 0, SEEK_END); }

size_t NativeFile::ReadAt(int64_t pos, void* to, size_t n) const {
    auto* p = static_cast<char*>(to);
    size_t done = 0;
    while (done < n) {
        const int64_t got = ReadOnce(fd_, pos + static_cast<int64_t>(done), p + done, n - done);
        if (got <= 0) break;
        done += static_cast<size_t>(got);
    }
    return done;
}

bool NativeFile::WriteAt(int64_t pos, const void* from, size_t n) const {
    const auto* p = static_cast<const char*>(from);
    for (size_t done = 0; done < n;) {
        const int64_t put = WriteOnce(fd_, pos + static_cast<int64_t>(done), p + done, n - done);
        if (put <= 0) return false;
        done += static_cast<size_t>(put);
    }
    return true;
}

bool NativeFile::Append(const void* from, size_t n) const {
    const auto* p = static_cast<const char*>(from);
    for (size_t done = 0; done < n;) {
        const int64_t put = AppendOnce(fd_, p + done, n - done);
        if (put <= 0) return false;
        done += static_cast<size_t>(put);
    }
    return true;
}

bool NativeFile::Sync() const { return SyncNative(fd_); }

bool NativeFile::LockExclusive() {
    locked_ = LockNative(fd_);
    return locked_;
}

NativeFile::LockResult NativeFile::LockExclusiveWithin(std::chrono::milliseconds wait) {
    // Tried at once (one call when nobody holds it), then again after pauses that grow to 50 ms.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::chrono::milliseconds pause{1};
    for (;;) {
        const LockResult result = TryLockNative(fd_);
        if (result != LockResult::Busy) {
            locked_ = result == LockResult::Locked;
            return result;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return LockResult::Busy;
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds{50});
    }
}

bool NativeFile::Close() {
    if (fd_ < 0) return true;
    if (locked_) UnlockNative(fd_);
    locked_ = false;
    const int fd = fd_;
    fd_ = -1;
    return CloseNative(fd) == 0;
}

}  // namespace opt
