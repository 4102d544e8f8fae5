// zedaruz-cli: listings, exports, checks and patches of OPT files without a window.
#include <cstdio>

#include "app/cli/command_line.h"
#include "platform/memory_reuse.h"

int main(int argc, char** argv) {
    opt::KeepFreedMemoryForReuse();
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    return cli::RunCommandLine(argc, argv);
}
