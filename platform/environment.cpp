#include "platform/environment.h"

#include <cstdlib>
#include <filesystem>

#include "platform/utf8_path.h"

namespace opt {

std::optional<std::string> EnvironmentUtf8(const char* name) {
#if defined(_WIN32)
    const std::wstring wide = Utf8Path(name).wstring();
    if (const wchar_t* value = ::_wgetenv(wide.c_str())) return Utf8Text(std::filesystem::path(value));
#else
    if (const char* value = std::getenv(name)) return std::string(value);
#endif
    return std::nullopt;
}

}  // namespace opt
