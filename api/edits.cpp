// The edits as the library applies them. Each is planned against the model and applied as one
// verified, locked, journaled write; the model then holds the disk's bytes.
#include "zedaruz/edits.h"

#include <cmath>

#include "api/model_data.h"
#include "edit/core/edit_numbers.h"
#include "edit/core/edits.h"

namespace zedaruz {

namespace {

// The file gets real coordinates only, as the editors and the hardpoint list allow.
float RealCoordinate(float v) {
    if (!std::isfinite(v)) throw Error("'" + opt::GeneralText(v) + "' is not a valid floating point value");
    return v;
}

// Plans the edit against the model and writes it into the model's file, journaled in its journal.
WriteReport Written(Model& model, const opt::Edit& edit) {
    Model::Data& d = model.Internal();
    return Translated([&] {
        const opt::AppliedEdit applied = opt::ApplyEdit(*d.store, edit, {CorePath(d.file), d.journal});
        return WriteReport{applied.JournalId.value_or(0), BytesWritten(applied.Runs)};
    });
}

}  // namespace

WriteReport Apply(Model& model, const MoveHardpoints& edit) {
    opt::HardpointMovesEdit moves;
    for (const HardpointMove& m : edit.moves)
        moves.Moves.push_back(
            {m.index, RealCoordinate(m.x), RealCoordinate(m.y), RealCoordinate(m.z), m.type});
    return Written(model, moves);
}

WriteReport Apply(Model& model, const SetHardpoint& edit) {
    const opt::HardpointField field = edit.axis == Axis::X   ? opt::HardpointField::X
                                      : edit.axis == Axis::Y ? opt::HardpointField::Y
                                                             : opt::HardpointField::Z;
    return Written(model, opt::HardpointFieldEdit{edit.index, field, RealCoordinate(edit.value), 0});
}

}  // namespace zedaruz
