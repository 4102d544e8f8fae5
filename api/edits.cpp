// The edits as the library applies them: each public edit becomes the core's edit value, planned
// against the model and applied as one verified, locked, journaled write; the model then holds the
// disk's bytes.
#include "zedaruz/edits.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "api/model_data.h"
#include "edit/core/edits.h"

namespace zedaruz {

namespace {

// The file gets real numbers only, as the editors and the command line allow.
float Real(double value) {
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        char text[40];
        std::snprintf(text, sizeof text, "%g", value);
        throw Error(std::string("'") + text + "' is not a valid floating point value");
    }
    return static_cast<float>(value);
}

// A whole number a 32-bit field holds.
std::int32_t Whole(double value) {
    if (!(value == std::floor(value)) || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        char text[40];
        std::snprintf(text, sizeof text, "%g", value);
        throw Error(std::string("'") + text + "' is not a valid integer value");
    }
    return static_cast<std::int32_t>(value);
}

WriteReport Applied(Model& model, const opt::Edit& edit) {
    Model::Data& d = model.Internal();
    return Translated([&] {
        const opt::EditTarget target{CorePath(d.file), d.journal, true, nullptr};
        const opt::AppliedEdit done = opt::ApplyEdit(*d.store, edit, target);
        std::int64_t bytes = 0;
        for (const auto& r : done.Runs) bytes += static_cast<std::int64_t>(r.New.size());
        return WriteReport{bytes > 0 ? done.JournalId.value_or(0) : 0, bytes};
    });
}

opt::HardpointField FieldOf(Axis axis) {
    return axis == Axis::X   ? opt::HardpointField::X
           : axis == Axis::Y ? opt::HardpointField::Y
                             : opt::HardpointField::Z;
}

}  // namespace

WriteReport Apply(Model& model, const SetHardpoint& edit) {
    return Applied(model, opt::HardpointFieldEdit{edit.index, FieldOf(edit.axis), Real(edit.value), 0});
}

WriteReport Apply(Model& model, const SetHardpointType& edit) {
    return Applied(model, opt::HardpointFieldEdit{edit.index, opt::HardpointField::Type, 0, edit.type});
}

WriteReport Apply(Model& model, const MoveHardpoints& edit) {
    opt::HardpointMovesEdit moves;
    for (const HardpointMove& m : edit.moves)
        moves.Moves.push_back({m.index, Real(m.x), Real(m.y), Real(m.z), m.type});
    return Applied(model, moves);
}

WriteReport Apply(Model& model, const SetDescriptor& edit) {
    static_assert(static_cast<int>(DescriptorField::Unknown) ==
                  static_cast<int>(opt::DescriptorField::Unknown));
    const auto field = static_cast<opt::DescriptorField>(edit.field);
    const bool real = edit.field == DescriptorField::TargetX || edit.field == DescriptorField::TargetY ||
                      edit.field == DescriptorField::TargetZ;
    return Applied(model, opt::DescriptorFieldEdit{edit.index, field, real ? Real(edit.value) : 0.0f,
                                                   real ? 0 : Whole(edit.value)});
}

WriteReport Apply(Model& model, const SetLodDistance& edit) {
    return Applied(model, opt::LodDistanceEdit{edit.k, Real(edit.value)});
}

WriteReport Apply(Model& model, const SetRotScale& edit) {
    return Applied(model, opt::RotScaleFloatEdit{edit.index, edit.float_no, Real(edit.value)});
}

WriteReport Apply(Model& model, const WriteHitZones& edit) {
    return Applied(model, opt::HitZoneEdit{opt::HitZoneAction::Write, edit.level});
}

WriteReport Apply(Model& model, const ZeroHitZones&) {
    return Applied(model, opt::HitZoneEdit{opt::HitZoneAction::Zero, 0});
}

WriteReport Apply(Model& model, const CopyCentres&) {
    return Applied(model, opt::HitZoneEdit{opt::HitZoneAction::CopyCentres, 0});
}

WriteReport Apply(Model& model, const ImportTexture& edit) {
    const Model::Data& d = model.Internal();
    const std::string file = CorePath(d.file);
    const opt::TextureImportEdit import = Translated([&] {
        return opt::PictureFileImport(*d.store, edit.texture, CorePath(edit.image), edit.level, file);
    });
    return Applied(model, import);
}

}  // namespace zedaruz
