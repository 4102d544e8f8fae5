// Peak and resident memory of a piece of work, measured in a forked child so that nothing the
// benchmark process allocated before (or keeps for reuse) hides or inflates it: the child hands its
// retained free memory back, resets its peak resident size to the current one, runs the work and
// reports how far the peak (or the resident size) rose above where it started.
#pragma once

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <utility>

namespace bench_memory {

// A "VmRSS:" or "VmHWM:" line of /proc/self/status, in KiB; -1 when it cannot be read.
inline int64_t StatusKib(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string name;
    int64_t kib = -1;
    while (status >> name) {
        if (name == field) {
            status >> kib;
            return kib;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

// Bytes the status field `field` ("VmHWM:", the peak resident size, or "VmRSS:", the resident size
// now) rose by while `work` ran in a child; nullopt when the child could not be made, could not reset
// its peak (a kernel without /proc/self/clear_refs) or the work threw.
template <class Work>
std::optional<int64_t> GrowthInChild(Work&& work, const char* field) {
    int fds[2];
    if (pipe(fds) != 0) return std::nullopt;
    const pid_t pid = fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        close(fds[0]);
        int64_t growth = -1;
        malloc_trim(0);
        try {  // the child must never return into the benchmark program
            if (std::ofstream("/proc/self/clear_refs") << "5" << std::flush) {  // peak := current
                const int64_t before = StatusKib("VmRSS:");
                work();
                const int64_t after = StatusKib(field);
                if (before >= 0 && after >= 0) growth = (after - before) * 1024;
            }
        } catch (...) {
            growth = -1;
        }
        const ssize_t written = write(fds[1], &growth, sizeof growth);
        _exit(written == static_cast<ssize_t>(sizeof growth) ? 0 : 1);
    }
    close(fds[1]);
    int64_t growth = -1;
    const ssize_t got = read(fds[0], &growth, sizeof growth);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (got != static_cast<ssize_t>(sizeof growth) || growth < 0) return std::nullopt;
    return growth;
}

// Bytes the peak resident size rose by while `work` ran in a child (see GrowthInChild).
template <class Work>
std::optional<int64_t> PeakGrowthBytes(Work&& work) {
    return GrowthInChild(std::forward<Work>(work), "VmHWM:");
}

// Bytes the resident size rose by from before `work` ran in a child to after it (see GrowthInChild):
// what the work keeps.
template <class Work>
std::optional<int64_t> ResidentGrowthBytes(Work&& work) {
    return GrowthInChild(std::forward<Work>(work), "VmRSS:");
}

}  // namespace bench_memory
