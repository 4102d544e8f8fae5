#include "render/core/image_export_names.h"

#include <filesystem>

namespace opt {

namespace {

bool AllowedInFileName(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u >= 0x7F) return false;
    return std::string_view("/\\:*?\"<>|").find(c) == std::string_view::npos;
}

}  // namespace

std::string SafeFileNamePart(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '.' && i + 1 < s.size() && s[i + 1] == '.') {
            out += '_';  // ".." becomes one '_'
            ++i;
        } else {
            out += AllowedInFileName(s[i]) ? s[i] : '_';
        }
    }
    return out;
}

std::string ModelBaseName(std::string_view modelPath) {
    const size_t slash = modelPath.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? modelPath : modelPath.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) name = name.substr(0, dot);
    return std::string(name);
}

std::string BmpFileName(std::string_view entryText, std::string_view modelPath) {
    return SafeFileNamePart(entryText) + "_" + ModelBaseName(modelPath) + ".bmp";
}

std::string PalFileName(int j, std::string_view modelPath) {
    return std::to_string(j) + ModelBaseName(modelPath) + ".pal";
}

std::string DirWithSeparator(std::string_view dir) {
    std::string out(dir);
    if (out.empty() || (out.back() != '/' && out.back() != '\\'))
        out += static_cast<char>(std::filesystem::path::preferred_separator);
    return out;
}

}  // namespace opt
