// File names travel through the program as UTF-8 text (the command line's words, the window's
// QString::toStdString, the journal's JSON). A std::filesystem::path made from a narrow string
// reads it in the system's ANSI code page on Windows, so a model named "schiffé.opt" would not be
// found there; these two conversions read and give UTF-8 on every system (on Linux they change
// nothing).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace opt {

inline std::filesystem::path Utf8Path(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace opt
