// The OPT walk: header, top-level jump list, then each mesh depth first through its nodes, LOD sets,
// face lists and texture groups, filling the tables in reading order.
//
// The walk keeps the quirks that stored files and users rely on (pending texture names, the face-data
// counter that waits for a pending name, LOD numbers above 3 counted as 3, palette slots). It adds the
// checks that keep damaged files harmless: no table is written past its capacity, no entry outside
// the file or back into a block being read is followed, a 0 entry of a list that has no 0 test is
// skipped, and each kind of damage met is reported once in the store's warnings (the listing box).
#include "model/reader.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "model/errors.h"
#include "model/walker.h"
#include "platform/utf8_path.h"

namespace opt {

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    const std::string message = "Cannot open file " + path;
    const std::filesystem::path file = Utf8Path(path);
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        throw OptError(message, SystemReason(std::make_error_code(std::errc::is_a_directory)));
    // Positions in the file are 32-bit: a longer file cannot be addressed whole, so it is refused
    // before a byte of it is read (its length is all that is looked at).
    const std::uintmax_t length = std::filesystem::file_size(file, ec);
    if (!ec && length > static_cast<std::uintmax_t>(INT32_MAX))
        throw OptError(message + ": it is " + std::to_string(length) +
                       " bytes long, and an OPT file's 32-bit positions reach only 2147483647 bytes (2 GiB)");
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) throw OptError(message, SystemReason(errno));
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || size > INT32_MAX) throw OptError(message);
    in.seekg(0, std::ios::beg);
    const auto keep = static_cast<size_t>(size);
    std::vector<uint8_t> bytes(keep);
    errno = 0;
    if (keep > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(keep)))
        throw OptError(message, SystemReason(errno));
    return bytes;
}

namespace {
void Walk(ModelStore& store, std::span<const uint8_t> bytes) {
    walk::Walker walker(store, bytes);
    walker.Run();
}
}  // namespace

void Load(ModelStore& store, const std::string& path) {
    store.ClearTables();
    store.File_Image.clear();
    store.File_Image = ReadWholeFile(path);
    Walk(store, store.File_Image);
}

void LoadBytes(ModelStore& store, std::span<const uint8_t> bytes) {
    store.ClearTables();
    store.File_Image.assign(bytes.begin(), bytes.end());
    Walk(store, store.File_Image);
}

std::vector<std::string> ResolutionLines(const ModelStore& store) {
    std::vector<std::string> lines;
    lines.reserve(store.Lod_Numbers.size());
    for (const int32_t lod : store.Lod_Numbers) lines.push_back(std::to_string(lod));
    return lines;
}

}  // namespace opt
