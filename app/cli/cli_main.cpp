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
        "  zedaruz-cli list FILE [NAME...]   print the reader's notes, then the named listings (all when "
        "none)\n"
        "  zedaruz-cli export-bmp FILE TEXTURE_NAME OUT_DIR   write the texture's picture as \"Save Bmp\" "
        "does\n"
        "  zedaruz-cli export-pals FILE OUT_DIR               write the palettes as \"Save Pals\" does\n"
        "  zedaruz-cli import-texture FILE TEXTURE_NAME IMAGE [--level N]\n"
        "      write a BMP or PNG over the texture's pixels in place; an 8-bit BMP with the palette\n"
        "      \"Save Bmp\" writes keeps its indices, other pictures map to palette level N (default 7)\n"
        "  zedaruz-cli set-hardpoint FILE INDEX x|y|z|type VALUE\n"
        "      patch hardpoint INDEX in place (type: a name in AppData/HardPoints.txt)\n"
        "  zedaruz-cli set-descriptor FILE INDEX target-x|target-y|target-z|group|type|unknown VALUE\n"
        "      patch mesh descriptor INDEX in place (type: a name in AppData/MeshType.txt)\n"
        "  zedaruz-cli set-lod-distance FILE K VALUE\n"
        "      set distance K (0, 1 or 2) of every LOD set\n"
        "  zedaruz-cli set-rsh FILE INDEX FLOAT_NO VALUE\n"
        "      set float FLOAT_NO (0..11) of rotation/scale block INDEX\n"
        "  zedaruz-cli hitzones FILE [--write|--zero|--copy-centres]\n"
        "      compute the hit zones at resolution 0 and print them; then write them, write zero\n"
        "      corners, or copy the centres into the rotation/scale blocks\n"
        "  zedaruz-cli history FILE          list the writes recorded for FILE, newest first\n"
        "  zedaruz-cli revert FILE [ID]      undo write ID (default: the newest write still current)\n"
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
    if (command == "set-hardpoint") return cli::SetHardpointCommand(args);
    if (command == "set-descriptor") return cli::SetDescriptorCommand(args);
    if (command == "set-lod-distance") return cli::SetLodDistanceCommand(args);
    if (command == "set-rsh") return cli::SetRshCommand(args);
    if (command == "hitzones") return cli::HitZonesCommand(args);
    if (command == "export-bmp") return cli::ExportBmpCommand(args);
    if (command == "history") return cli::HistoryCommand(args);
    if (command == "revert") return cli::RevertCommand(args);
    if (command == "export-pals") return cli::ExportPalsCommand(args);
    if (command == "import-texture") return cli::ImportTextureCommand(args);
    std::fprintf(stderr, "Unknown command '%s'.\n%s", command.c_str(), cli::Usage().c_str());
    return 2;
}
