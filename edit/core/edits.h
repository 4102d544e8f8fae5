// Every change the program makes to a model file, as a plain value. Planning an edit against a model
// gives the runs to write, or throws OptError with the message to show; applying it writes them as
// ONE write through the verified, locked, journaled patcher (edit_plan.h), after which the model
// holds the disk's bytes. The command line builds these values from its words, the control panel's
// edit area from its widgets.
#pragma once

#include <string>
#include <variant>

#include "edit/core/descriptor_edits.h"
#include "edit/core/edit_plan.h"
#include "edit/core/hardpoint_field_edit.h"
#include "edit/core/hardpoint_moves.h"
#include "edit/core/hit_zone_edits.h"
#include "edit/core/lod_distance_edit.h"
#include "edit/core/revert_edit.h"
#include "edit/core/rot_scale_edits.h"
#include "edit/core/texture_import.h"
#include "model/store.h"

namespace opt {

using Edit = std::variant<HardpointFieldEdit, HardpointMovesEdit, DescriptorFieldEdit, DescriptorPayloadEdit,
                          LodDistanceEdit, RotScaleFloatEdit, RotScalePayloadEdit, HitZoneEdit,
                          TextureImportEdit, RevertEdit>;

// The plan of any edit against the model, for target.File (see each kind's planner).
EditPlan PlanEdit(const ModelStore& model, const Edit& edit, const EditTarget& target);

// Plans the edit and writes it (ApplyPlan).
AppliedEdit ApplyEdit(ModelStore& model, const Edit& edit, const EditTarget& target);

// What the editors say once an edit of this kind wrote bytes into `file`, or empty for the kinds
// that say nothing (hardpoints, descriptors, texture imports and reverts report otherwise).
std::string WrittenMessage(const Edit& edit, const std::string& file);

}  // namespace opt
