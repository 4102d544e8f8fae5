// The export scene's first level as Wavefront OBJ: the .obj (one object per mesh, quads kept as
// quads, hardpoints as comment lines), the .mtl beside it and one PNG per textured material, named
// from the texture names through the "Save Bmp" cleaner. OBJ's texture origin is the image's bottom
// row, so V is written as 1 - V against PNG rows in stored order (the view's picture).
#pragma once

#include <string>
#include <vector>

#include "export/export_scene.h"
#include "platform/output_files.h"

namespace opt {

// The files for an export to objPath: the .obj, then the .mtl (objPath with ".mtl" in place of its
// extension), then the PNGs, all in objPath's folder.
std::vector<OutputFile> ObjFiles(const ExportScene& scene, const std::string& objPath);

}  // namespace opt
