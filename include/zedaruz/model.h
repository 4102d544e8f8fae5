// An OPT model opened from a file: a value that owns everything one load read (the block tables,
// the file's bytes, the reader's warnings). Any number of models may be open at once; two models on
// two threads share nothing mutable. A model reads its file once, when it is opened; it never
// writes it except through Apply (zedaruz/edits.h), which keeps the model equal to the disk.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "zedaruz/visibility.h"

namespace zedaruz {

// How many records the tables may hold: grown to what the file needs (up to the program's limits),
// or the classic capacities exactly (the rest of a larger model is not read, with a warning).
enum class TableSizes { Grown, Classic };

struct OpenOptions {
    TableSizes tables = TableSizes::Grown;
    // The write journal every Apply records its write in first; empty: the program's own
    // (ZEDARUZ_JOURNAL when set, else patch-journal.jsonl in its SaveData folder).
    std::filesystem::path journal;
};

// Positions are file positions (bytes from the start of the file) of the record's data, as the
// listings print them. Coordinates are file units (20.5 units are one metre).
struct Hardpoint {
    int index;  // the record's number in the hardpoint table
    int mesh;   // the top-level entry it was read under
    int type;   // the weapon type code
    float x, y, z;
    std::int64_t position;
};

struct HitZone {
    int descriptor;  // the mesh descriptor the box belongs to
    int mesh;
    std::array<float, 3> min, max;
};

struct Descriptor {
    int index;  // the record's number in the descriptor table
    int mesh;
    int type;  // the mesh type code
    int group;
    int unknown;
    std::array<float, 3> target;
    std::array<float, 3> hit_min, hit_max, hit_span, hit_centre;
    std::int64_t position;
};

struct LodSet {
    int index;
    int mesh;
    std::vector<float> distances;  // one per level of the set
    std::int64_t position;         // of the distances
};

struct RotScale {
    int index;
    int mesh;
    std::array<float, 12> floats;  // centre, then the three scale rows, in file order
    std::int64_t position;
};

struct Texture {
    int index;
    std::string name;
    int width, height;
    int palette_slot;
    std::int64_t position;  // of the texture block
};

// One face of a mesh: four vertex indices into the mesh's vertices, -1 as the fourth of a triangle.
using Face = std::array<std::int32_t, 4>;

class ZEDARUZ_API Model {
public:
    // Reads and walks the file. Throws Error when it cannot be read; a damaged file loads as far as
    // it can and says what it found in Warnings().
    static Model Open(const std::filesystem::path& file, const OpenOptions& options = {});

    Model(const Model& other);
    Model(Model&& other) noexcept;
    Model& operator=(const Model& other);
    Model& operator=(Model&& other) noexcept;
    ~Model();

    // The path the model was opened from, as given.
    const std::filesystem::path& File() const;
    // The file's length in bytes.
    std::int64_t FileSize() const;
    // The reader's lines, as `zedaruz-cli list` prints them first (damage and notes).
    const std::vector<std::string>& Warnings() const;
    // The lines `zedaruz-cli list FILE NAME` prints after the warnings. Throws Error for an unknown name.
    std::vector<std::string> Listing(std::string_view name) const;
    // The listing names Listing takes, in the order `list` prints them.
    static std::vector<std::string> ListingNames();

    // Top-level entries that are not textures.
    int MeshCount() const;
    // The levels of detail whose faces the model holds, ascending.
    std::vector<int> Levels() const;
    // The vertices of the mesh's own vertex block (file units). Throws Error for a mesh it lacks.
    std::vector<std::array<float, 3>> Vertices(int mesh) const;
    // The mesh's faces at a level (indices into Vertices(mesh)). Throws Error for a mesh it lacks.
    std::vector<Face> Faces(int mesh, int level = 0) const;

    std::vector<Hardpoint> Hardpoints() const;
    std::vector<Descriptor> Descriptors() const;
    std::vector<LodSet> LodSets() const;
    std::vector<RotScale> RotScales() const;
    std::vector<Texture> Textures() const;
    // The hit zones computed from each mesh's own faces at the level; nothing is written.
    std::vector<HitZone> HitZones(int level = 0) const;
    // The document `zedaruz-cli info --json FILE` prints.
    std::string InfoJson() const;

    struct Data;  // the loaded tables, private to the library
    const Data& Internal() const { return *d_; }
    Data& Internal() { return *d_; }

private:
    explicit Model(std::unique_ptr<Data> data);
    std::unique_ptr<Data> d_;
};

}  // namespace zedaruz
