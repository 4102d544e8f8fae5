// zedaruz-cli: listings, exports and patches of OPT files without a window.
#include <cstdio>
#include <cstring>
#include <string>

#include "app/cli/commands.h"
#include "listings/registry.h"

namespace cli {

std::string Usage() {
    std::string text =
        "Usage:\n"
        "  zedaruz-cli list FILE [NAME...]   print the reader's notes, then the named listings (all when none)\n"
        "  zedaruz-cli export-bmp FILE TEXTURE_NAME OUT_DIR   write the texture's picture as \"Save Bmp\" does\n"
        "  zedaruz-cli export-pals FILE OUT_DIR               write the palettes as \"Save Pals\" does\n"
        "  zedaruz-cli --help                this text\n"
        "Listing names:\n";
    for (const auto& entry : opt::Listings()) text += "  " + std::string(entry.name) + "\n";
    return text;
}

}  // namespace cli

int main(int argc, char** argv) {
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(cli::Usage().c_str(), stdout);
        return 0;
    }
    if (argc < 2) {
        std::fputs(cli::Usage().c_str(), stderr);
        return 2;
    }
    const std::string command = argv[1];
    const cli::Args args(argv + 2, argv + argc);
    if (command == "list") return cli::ListCommand(args);
    if (command == "export-bmp") return cli::ExportBmpCommand(args);
    if (command == "export-pals") return cli::ExportPalsCommand(args);
    std::fprintf(stderr, "Unknown command '%s'.\n%s", command.c_str(), cli::Usage().c_str());
    return 2;
}
