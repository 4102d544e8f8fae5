// File > Export: the model at the resolution shown, as glTF 2.0 or OBJ, to a file the user names.
// The model file is only read; the message says what was written.
#include "export/export_run.h"
#include "model/reader.h"
#include "model/store.h"
#include "render/core/frame_resolution.h"
#include "render/core/image_export_names.h"
#include "state/selection_state.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/program_dirs.h"
#include "ui/windows/viewer_window.h"
#include "ui/windows/window_model.h"

namespace opt {

void TGLW::ExportGltf1Click() { ExportModel(true); }

void TGLW::ExportObj1Click() { ExportModel(false); }

void TGLW::ExportModel(bool gltf) {
    if (!model_.Selection.ModelLoaded) return;
    ExportOptions options;
    options.Lods = {ResolutionValue(model_.Selection.Resolution)};
    options.SourcePath = modelPath_;
    options.HardpointTypeNames = HardpointTypeNames(TheDirs().AppDataDir);
    const std::string suggested =
        TheDirs().SaveDataDir + ModelBaseName(modelPath_) + (gltf ? ".glb" : ".obj");
    const auto path = TheDialogs().ChooseSaveFile(
        suggested, gltf ? "glTF binary|*.glb|glTF JSON|*.gltf" : "Wavefront OBJ|*.obj");
    if (!path) return;
    const std::vector<uint8_t> file = ReadWholeFile(modelPath_);
    const ExportResult r =
        gltf ? ExportGltf(model_.Store, file, options, *path) : ExportObj(model_.Store, file, options, *path);
    TheDialogs().Message(r.Warning.empty() ? r.Summary : r.Warning + "\n" + r.Summary);
}

}  // namespace opt
