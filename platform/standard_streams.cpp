#include "platform/standard_streams.h"

#include <cstdio>
#include <filesystem>

#include "platform/utf8_path.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace opt {

void UseUtf8BinaryStandardStreams() {
#if defined(_WIN32)
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    ::SetConsoleOutputCP(CP_UTF8);
#endif
}

std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv) {
    std::vector<std::string> words;
    for (int i = 0; i < argc; ++i) words.push_back(Utf8Text(std::filesystem::path(std::wstring(argv[i]))));
    return words;
}

}  // namespace opt
