#include "edit/core/lookup_file.h"

#include <charconv>
#include <filesystem>

#include "model/errors.h"
#include "model/reader.h"
#include "platform/utf8_path.h"

namespace opt {

namespace {

bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(Utf8Path(path), ec);
}

}  // namespace

std::vector<std::string> SplitLookupLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::vector<std::string> ReadLookupFile(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadWholeFile(path);
    return SplitLookupLines({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

int32_t LookupTypeCode(const std::vector<std::string>& lines, const std::string& name, int32_t current) {
    if (lines.size() < 2) throw OptError("List index out of bounds (" + std::to_string(lines.size()) + ")");
    int32_t code = current;
    for (size_t n = 0; n + 1 < lines.size(); ++n)
        if (lines[n] == name) code = static_cast<int32_t>(n);
    return code;
}

std::string LookupFilePath(const std::string& appDataDir, TypeLookup kind) {
    if (kind == TypeLookup::kMeshType) return appDataDir + kMeshTypeFile;
    const std::string path = appDataDir + kHardPointsFile;
    const std::string noticed = appDataDir + kHardpointFileAsNoticed;
    return !IsFile(path) && IsFile(noticed) ? noticed : path;
}

int32_t ParseTypeValue(const std::string& value, const std::string& appDataDir, TypeLookup kind) {
    int32_t code = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, code);
    if (!value.empty() && stop == end && error == std::errc()) return code;
    if (stop == end && error == std::errc::result_out_of_range)
        throw OptError("'" + value + "' is not a type code: codes are 32-bit integers");

    const std::string path = LookupFilePath(appDataDir, kind);
    if (!IsFile(path)) {
        const char* file = kind == TypeLookup::kHardpoint ? kHardPointsFile : kMeshTypeFile;
        throw OptError("'" + value + "' is not a type code, and type names need the lookup file " + file +
                       ", which is missing: create it in " + appDataDir +
                       " (one type name a line, the first line for code 0), or give the type's code");
    }
    const std::vector<std::string> lines = ReadLookupFile(path);
    const int32_t found = lines.size() < 2 ? -1 : LookupTypeCode(lines, value, -1);
    if (found < 0)
        throw OptError("'" + value + "' is neither a type code nor a type name in " + path +
                       " (its last line is never used)");
    return found;
}

}  // namespace opt
