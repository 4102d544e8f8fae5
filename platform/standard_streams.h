// What the command-line programs do first so that they behave alike on every system.
#pragma once

#include <string>
#include <vector>

namespace opt {

// Standard output and error carry the bytes written, "\n" as on Linux: Windows' C runtime would
// write CR LF in text mode. The Windows console is told that the text is UTF-8.
void UseUtf8BinaryStandardStreams();

// The program's words as UTF-8, from the UTF-16 words Windows passes to wmain (MinGW's narrow argv
// would hold them in the ANSI code page, losing letters such as "é").
std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv);

}  // namespace opt
