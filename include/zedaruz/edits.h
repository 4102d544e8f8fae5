// The edits the program offers, as plain values, and the one way they reach a file. Apply plans the
// edit against the model (the runs of bytes it replaces), then writes them in place through the
// verified patcher: under an exclusive lock of the model file, every byte replaced must still be on
// disk as the model read it, the write is recorded in the journal (and flushed) before its first
// byte reaches the file, read back after, and never changes the file's length. Afterwards the model
// holds the disk's bytes. A write that changes nothing is not made (0 bytes written).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "zedaruz/model.h"
#include "zedaruz/visibility.h"

namespace zedaruz {

enum class Axis { X, Y, Z };

// One coordinate of hardpoint `index`.
struct SetHardpoint {
    int index;
    Axis axis;
    float value;
};

// The weapon type code of hardpoint `index`.
struct SetHardpointType {
    int index;
    int type;
};

// Several hardpoints moved (and optionally retyped) in one write.
struct HardpointMove {
    int index;
    float x, y, z;
    std::optional<int> type;
};
struct MoveHardpoints {
    std::vector<HardpointMove> moves;
};

enum class DescriptorField { TargetX, TargetY, TargetZ, Group, Type, Unknown };

// One field of mesh descriptor `index`: the target point's coordinates are reals, the group, type
// and unknown word integers.
struct SetDescriptor {
    int index;
    DescriptorField field;
    double value;
};

// Distance k (0, 1 or 2) of every LOD set.
struct SetLodDistance {
    int k;
    float value;
};

// Float `float_no` (0 to 11: centre, then the three scale rows) of rotation/scale block `index`.
struct SetRotScale {
    int index;
    int float_no;
    float value;
};

// The hit zones computed at `level` written into every mesh descriptor.
struct WriteHitZones {
    int level = 0;
};
// The hit zones computed at level 0 written with zero corners (spans and centres as computed).
struct ZeroHitZones {};
// The computed centres copied into the rotation/scale block of the same number.
struct CopyCentres {};

// A picture (BMP or PNG of the texture's size) written over the texture's pixels; colours that are
// not in the palette map to the nearest colour of palette level `level`.
struct ImportTexture {
    std::string texture;
    std::filesystem::path image;
    int level = 7;
};

struct WriteReport {
    std::int64_t journal_id;     // the journal's id of the write; 0 when nothing was written
    std::int64_t bytes_written;  // 0: nothing written (the file already held these values)
};

// Each applies the edit to the model's file (see above). Throws Error naming what is wrong (a record
// the model lacks, a value out of range, a file changed since the model read it, a journal or file
// that cannot be written); nothing is written then.
ZEDARUZ_API WriteReport Apply(Model& model, const SetHardpoint& edit);
ZEDARUZ_API WriteReport Apply(Model& model, const SetHardpointType& edit);
ZEDARUZ_API WriteReport Apply(Model& model, const MoveHardpoints& edit);
ZEDARUZ_API WriteReport Apply(Model& model, const SetDescriptor& edit);
ZEDARUZ_API WriteReport Apply(Model& model, const SetLodDistance& edit);
ZEDARUZ_API WriteReport Apply(Model& model, const SetRotScale& edit);
ZEDARUZ_API WriteReport Apply(Model& model, const WriteHitZones& edit);
ZEDARUZ_API WriteReport Apply(Model& model, const ZeroHitZones& edit);
ZEDARUZ_API WriteReport Apply(Model& model, const CopyCentres& edit);
ZEDARUZ_API WriteReport Apply(Model& model, const ImportTexture& edit);

}  // namespace zedaruz
