// What tells a file on disk unchanged since it was read: its size and its last modification time.
// Taken before a read, it errs on the safe side: a write during the read changes the time, and the
// next comparison sees a changed file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace opt {

struct FileIdentity {
    std::uintmax_t Size = 0;
    std::filesystem::file_time_type Modified{};
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The file's identity now, or nothing when it cannot be found or is not a regular file.
std::optional<FileIdentity> IdentityOf(const std::string& path);

// Whether the file still has the identity taken earlier (nothing taken: never unchanged).
bool UnchangedSince(const std::string& path, const std::optional<FileIdentity>& taken);

}  // namespace opt
