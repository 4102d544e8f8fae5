// Loaded with LD_PRELOAD into zedaruz-cli by the crash-recovery test: counts the program's write-like
// system calls (write, pwrite, writev, fsync, fdatasync) and ends the program with _exit at the one
// numbered ZEDARUZ_CRASH_AT, as a crash or a power cut would stop it there. With ZEDARUZ_CRASH_TEAR=1
// a write at that point puts only the first half of its bytes into the file first (a torn write).
// Without ZEDARUZ_CRASH_AT every call goes through unchanged.
#include <dlfcn.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace {

// The exit status of a program stopped here (the test tells it from the program's own statuses).
constexpr int kStopped = 86;

// The write-like calls made so far: the state of this library inside the one program it is loaded into.
long calls = 0;

// Whether this call is the one to stop at.
bool StopHere() {
    const char* at = std::getenv("ZEDARUZ_CRASH_AT");
    return at != nullptr && ++calls == std::atol(at);
}

bool Tear() {
    const char* tear = std::getenv("ZEDARUZ_CRASH_TEAR");
    return tear != nullptr && std::strcmp(tear, "1") == 0;
}

// Calls the system's own function, unless this is the call to stop at.
template <class Result, class... Args>
Result Pass(const char* name, Args... args) {
    const auto next = reinterpret_cast<Result (*)(Args...)>(::dlsym(RTLD_NEXT, name));
    if (StopHere()) ::_exit(kStopped);
    return next(args...);
}

// The same for a call that writes n bytes from a buffer: torn, it writes the first half first.
template <class... Rest>
ssize_t PassWrite(const char* name, int fd, const void* from, size_t n, Rest... rest) {
    const auto next =
        reinterpret_cast<ssize_t (*)(int, const void*, size_t, Rest...)>(::dlsym(RTLD_NEXT, name));
    if (StopHere()) {
        if (Tear()) next(fd, from, n / 2, rest...);
        ::_exit(kStopped);
    }
    return next(fd, from, n, rest...);
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* from, size_t n) { return PassWrite("write", fd, from, n); }
ssize_t pwrite(int fd, const void* from, size_t n, off_t pos) {
    return PassWrite("pwrite", fd, from, n, pos);
}
ssize_t pwrite64(int fd, const void* from, size_t n, off64_t pos) {
    return PassWrite("pwrite64", fd, from, n, pos);
}
ssize_t writev(int fd, const struct iovec* parts, int count) {
    return Pass<ssize_t>("writev", fd, parts, count);
}
int fsync(int fd) { return Pass<int>("fsync", fd); }
int fdatasync(int fd) { return Pass<int>("fdatasync", fd); }

}  // extern "C"
