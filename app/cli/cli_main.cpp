// zedaruz-cli: listings, exports, checks and patches of OPT files without a window.
#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/command_line.h"
#include "platform/memory_reuse.h"
#include "platform/standard_streams.h"

namespace {

int Run(int argc, const char* const* argv) {
    opt::KeepFreedMemoryForReuse();
    opt::UseUtf8BinaryStandardStreams();
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    return cli::RunCommandLine(argc, argv);
}

}  // namespace

#if defined(_WIN32)
// Windows passes the words in UTF-16; the program works in UTF-8 as on Linux.
int wmain(int argc, wchar_t** argv) {
    const std::vector<std::string> words = opt::Utf8Arguments(argc, argv);
    std::vector<const char*> pointers;
    for (const std::string& w : words) pointers.push_back(w.c_str());
    pointers.push_back(nullptr);
    return Run(argc, pointers.data());
}
#else
int main(int argc, char** argv) { return Run(argc, argv); }
#endif
