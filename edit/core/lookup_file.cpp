#include "edit/core/lookup_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/errors.h"
#include "platform/utf8_path.h"

namespace opt {

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
    std::error_code ec;
    std::ifstream in(Utf8Path(path), std::ios::binary);
    if (!in || std::filesystem::is_directory(Utf8Path(path), ec)) throw OptError("Cannot open file " + path);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw OptError("Cannot open file " + path);
    return SplitLookupLines(text);
}

int32_t LookupTypeCode(const std::vector<std::string>& lines, const std::string& name, int32_t current) {
    if (lines.size() < 2) throw OptError("List index out of bounds (" + std::to_string(lines.size()) + ")");
    int32_t code = current;
    for (size_t n = 0; n + 1 < lines.size(); ++n)
        if (lines[n] == name) code = static_cast<int32_t>(n);
    return code;
}

}  // namespace opt
