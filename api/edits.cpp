// The edits as the library applies them. Each is planned against the model and applied as one
// verified, locked, journaled write; the model then holds the disk's bytes.
#include "zedaruz/edits.h"

#include <cmath>

#include "api/model_data.h"
#include "edit/core/edit_numbers.h"
#include "edit/core/hardpoint_moves.h"
#include "model/line_sink.h"

namespace zedaruz {

namespace {

WriteReport ReportOf(const opt::HardpointMovesDone& done) {
    std::int64_t bytes = 0;
    for (const auto& r : done.Runs) bytes += static_cast<std::int64_t>(r.New.size());
    return {bytes > 0 ? done.Write.value_or(0) : 0, bytes};
}

}  // namespace

WriteReport Apply(Model& model, const MoveHardpoints& edit) {
    std::vector<opt::HardpointMove> moves;
    for (const HardpointMove& m : edit.moves) {
        // The file gets real coordinates only, as the editors and the hardpoint list allow.
        for (float v : {m.x, m.y, m.z})
            if (!std::isfinite(v))
                throw Error("'" + opt::GeneralText(v) + "' is not a valid floating point value");
        moves.push_back({m.index, m.x, m.y, m.z, m.type});
    }
    Model::Data& d = model.Internal();
    return Translated([&] {
        opt::VectorSink warnings;
        return ReportOf(opt::MoveHardpoints(*d.store, CorePath(d.file), d.journal, moves, warnings));
    });
}

WriteReport Apply(Model& model, const SetHardpoint& edit) {
    for (const Hardpoint& h : model.Hardpoints()) {
        if (h.index != edit.index) continue;
        HardpointMove m{h.index, h.x, h.y, h.z, std::nullopt};
        (edit.axis == Axis::X ? m.x : edit.axis == Axis::Y ? m.y : m.z) = edit.value;
        return Apply(model, MoveHardpoints{{m}});
    }
    throw Error(CorePath(model.File()) + " holds no hardpoint " + std::to_string(edit.index));
}

}  // namespace zedaruz
