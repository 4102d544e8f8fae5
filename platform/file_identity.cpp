#include "platform/file_identity.h"

#include <system_error>

namespace opt {

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::is_regular_file(status)) return std::nullopt;
    FileIdentity id;
    id.Size = std::filesystem::file_size(path, ec);
    if (ec) return std::nullopt;
    id.Modified = std::filesystem::last_write_time(path, ec);
    if (ec) return std::nullopt;
    return id;
}

bool UnchangedSince(const std::string& path, const std::optional<FileIdentity>& taken) {
    if (!taken) return false;
    const auto now = IdentityOf(path);
    return now && *now == *taken;
}

}  // namespace opt
