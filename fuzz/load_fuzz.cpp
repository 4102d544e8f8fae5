// libFuzzer target: loads arbitrary bytes as an OPT file and runs every listing and memo text over
// whatever the reader kept, then exports it to glTF and OBJ in memory.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/fuzz_support.h"
#include "export/export_scene.h"
#include "export/gltf_writer.h"
#include "export/obj_writer.h"
#include "listings/listings.h"
#include "listings/registry.h"
#include "model/errors.h"
#include "model/reader.h"
#include "model/store.h"
#include "render/core/frame_builder.h"
#include "render/core/view_state.h"
#include "state/selection_state.h"

using fuzz::CountingSink;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto& store = fuzz::LoadInput(std::span<const uint8_t>(data, size));
    CountingSink listing, memo;
    for (const auto& line : store.Warnings) listing.AddLine(line);
    for (const auto& entry : opt::Listings()) entry.run(store, listing);

    // The memo texts with selections taken from the input, in range or not.
    opt::SelectionState sel;
    sel.SelectedFaceData = size > 0 ? static_cast<int8_t>(data[0]) * 2 : 0;
    sel.SelectedMesh = size > 1 ? static_cast<int8_t>(data[1]) : 0;
    sel.SelectedVertex = size > 2 ? static_cast<int16_t>(data[2] * 5 - 100) : 0;
    opt::ShowFaceInfo(store.ttfd, sel, memo);
    opt::ShowVertexInfo(store.tvx, sel, memo);

    // Every display mode's frame, at the resolution the input names or at all levels.
    static opt::Frame frame;
    sel.ModelLoaded = true;
    sel.Edit_Index = size > 3 ? static_cast<int8_t>(data[3]) : 0;
    sel.Resolution = size > 4 ? std::to_string(data[4] % 5) : "0";
    sel.AllRes = size > 5 && (data[5] & 1) != 0;
    for (int b = 0; b < opt::kModeButtonCount; ++b) {
        sel.DisplayMode.PutDown(static_cast<opt::ModeButton>(b));
        opt::DrawModel(store, sel, frame);
    }
    opt::ViewState view;
    opt::FitOrtho(view, store);
    listing.bytes += opt::ModelSizeText(store).size() + frame.VertexCount();

    // The exports, written to memory only: a few of the levels the file claims, both forms.
    opt::ExportOptions options;
    options.Lods = opt::LevelsInStore(store);
    if (options.Lods.size() > 3) options.Lods.resize(3);
    options.SourcePath = "fuzz.opt";
    const opt::ExportScene scene =
        opt::BuildExportScene(store, std::span<const uint8_t>(data, size), options);
    listing.bytes += opt::GltfBytes(scene, opt::GltfForm::Binary).size();
    listing.bytes += opt::ObjFiles(scene, "fuzz.obj").size();
    return 0;
}
