#include "export/obj_writer.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <set>

#include "export/png_image.h"
#include "zedaruz/version.h"
#include "platform/utf8_path.h"
#include "render/core/image_export_names.h"

namespace opt {

namespace {

std::string Number(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
    return buf;
}

std::string Triple(const std::array<float, 3>& v) {
    return Number(v[0]) + " " + Number(v[1]) + " " + Number(v[2]);
}

// File-safe names, unique without regard to case (a suffix "_2", "_3", ... where two would meet).
class UniqueNames {
public:
    std::string Take(const std::string& wanted) {
        std::string base = SafeFileNamePart(wanted);
        std::replace(base.begin(), base.end(), ' ', '_');
        if (base.empty()) base = "texture";
        std::string name = base;
        for (int n = 2; !taken_.insert(Lower(name)).second; ++n) name = base + "_" + std::to_string(n);
        return name;
    }

private:
    static std::string Lower(std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
        return s;
    }
    std::set<std::string> taken_;
};

OutputFile TextFile(const std::string& path, const std::string& text) {
    return {path, {text.begin(), text.end()}};
}

// Writes the objects of one level; indices count on over all objects, from 1.
class ObjText {
public:
    ObjText(const ExportScene& scene, const std::vector<std::string>& materialNames)
        : scene_(scene), names_(materialNames) {}

    std::string Level(const ExportLevel& level, const std::string& mtlName) {
        text_ = "# Zedaruz " + std::string(zedaruz::kVersion) + " export of " + scene_.SourceName + " (" +
                std::to_string(scene_.SourceBytes) + " bytes), LOD " + std::to_string(level.Lod) +
                "; metres, y up\n";
        text_ += "mtllib " + mtlName + "\n";
        for (const ExportMeshNode& node : level.Nodes) Object(node);
        return std::move(text_);
    }

private:
    void Object(const ExportMeshNode& node) {
        std::string name = node.Name;
        std::replace(name.begin(), name.end(), ' ', '_');
        text_ += "o " + name + "\n";
        for (const ExportHardpoint& hp : node.Hardpoints)
            text_ += "# " + hp.Name + " " + Triple(hp.Position) + "\n";
        // The mesh's corners, shared by its primitives; texture coordinates when one is textured.
        const bool anyTextured = std::any_of(node.Primitives.begin(), node.Primitives.end(),
                                             [&](const ExportPrimitive& p) { return Textured(p); });
        for (const ExportCorner& c : node.Corners) text_ += "v " + Triple(c.Position) + "\n";
        if (anyTextured)
            for (const ExportCorner& c : node.Corners)
                text_ += "vt " + Number(c.Uv[0]) + " " + Number(1.0f - c.Uv[1]) + "\n";
        for (const ExportCorner& c : node.Corners) text_ += "vn " + Triple(c.Normal) + "\n";
        for (const ExportPrimitive& p : node.Primitives) Primitive(p);
        base_ += node.Corners.size();
        if (anyTextured) uvBase_ += node.Corners.size();
    }

    bool Textured(const ExportPrimitive& p) const {
        return scene_.Materials[static_cast<size_t>(p.Material)].HasImage();
    }

    void Primitive(const ExportPrimitive& p) {
        const bool textured = Textured(p);
        text_ += "usemtl " + names_[static_cast<size_t>(p.Material)] + "\n";
        size_t first = 0;
        for (uint8_t sides : p.Sides) {
            // The view's front side runs clockwise; OBJ's runs counter-clockwise: corner 0, then the
            // others backwards.
            text_ += "f";
            for (size_t k = 0; k < sides; ++k) {
                const uint32_t i = p.Indices[first + (k == 0 ? 0 : sides - k)];
                const std::string n = std::to_string(base_ + i + 1);
                text_ += " " + n + (textured ? "/" + std::to_string(uvBase_ + i + 1) + "/" : "//") + n;
            }
            text_ += "\n";
            first += sides;
        }
    }

    const ExportScene& scene_;
    const std::vector<std::string>& names_;
    std::string text_;
    size_t base_ = 0;    // v and vn lines written so far
    size_t uvBase_ = 0;  // vt lines written so far
};

}  // namespace

std::vector<OutputFile> ObjFiles(const ExportScene& scene, const std::string& objPath) {
    const std::filesystem::path obj = Utf8Path(objPath);
    const std::filesystem::path mtl = std::filesystem::path(obj).replace_extension(".mtl");
    const std::filesystem::path dir = obj.parent_path();

    UniqueNames unique;
    std::vector<std::string> names;
    std::string mtlText = "# Zedaruz " + std::string(zedaruz::kVersion) + " materials\n";
    std::vector<OutputFile> pngs;
    for (const ExportMaterial& m : scene.Materials) {
        names.push_back(unique.Take(m.Name));
        mtlText += "newmtl " + names.back() + "\n";
        const std::vector<uint8_t> png =
            m.HasImage() ? EncodePng(m.Width, m.Height, m.Rgb) : std::vector<uint8_t>{};
        if (png.empty()) {
            mtlText += "Kd 0.5 0.5 0.5\n\n";
            continue;
        }
        const std::string pngName = names.back() + ".png";
        mtlText += "Kd 1 1 1\nmap_Kd " + pngName + "\n\n";
        pngs.push_back({Utf8Text(dir / Utf8Path(pngName)), png});
    }
    std::vector<OutputFile> files;
    const ExportLevel empty;
    const ExportLevel& level = scene.Levels.empty() ? empty : scene.Levels.front();
    files.push_back(TextFile(objPath, ObjText(scene, names).Level(level, Utf8Text(mtl.filename()))));
    files.push_back(TextFile(Utf8Text(mtl), mtlText));
    files.insert(files.end(), pngs.begin(), pngs.end());
    return files;
}

}  // namespace opt
