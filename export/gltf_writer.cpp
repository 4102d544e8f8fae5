#include "export/gltf_writer.h"

#include <tiny_gltf.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstring>
#include <limits>
#include <ostream>
#include <streambuf>
#include <type_traits>
#include <unordered_map>

#include "export/gltf_values.h"
#include "export/png_image.h"
#include "zedaruz/version.h"

namespace opt {

namespace {

using tinygltf::Value;

// An output stream buffer appending to a byte vector: the asset is written once, without the
// repeated regrowth and the final copy of a string stream.
class ByteSink : public std::streambuf {
public:
    explicit ByteSink(std::vector<uint8_t>& out) : out_(out) {}

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        const auto* bytes = reinterpret_cast<const uint8_t*>(s);
        out_.insert(out_.end(), bytes, bytes + n);
        return n;
    }
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) out_.push_back(static_cast<uint8_t>(c));
        return traits_type::not_eof(c);
    }

private:
    std::vector<uint8_t>& out_;
};

// Corners go into the buffer as they lie in memory: position, normal and texture coordinates as
// float32, one interleaved vertex of 32 bytes (untextured primitives leave the last 8 unused).
static_assert(std::is_standard_layout_v<ExportCorner> && sizeof(ExportCorner) == 32 &&
              offsetof(ExportCorner, Position) == 0 && offsetof(ExportCorner, Normal) == 12 &&
              offsetof(ExportCorner, Uv) == 24);

// Bytes the buffer will hold: every corner, six indices per quad at most, and the pictures (PNG
// rarely outgrows the raw texels).
size_t BufferEstimate(const ExportScene& scene) {
    size_t bytes = 0;
    for (const ExportLevel& level : scene.Levels) {
        for (const ExportMeshNode& node : level.Nodes) {
            bytes += node.Corners.size() * sizeof(ExportCorner);
            for (const ExportPrimitive& p : node.Primitives) bytes += p.Sides.size() * 24;
        }
    }
    for (const ExportMaterial& m : scene.Materials) bytes += m.Rgb.size() + 1024;
    return bytes;
}

// Where one primitive's triangles lie: the first index, in bytes from the index view's start, and
// the number of indices.
struct Placement {
    size_t Indices = 0;
    size_t IndexCount = 0;
};

// Builds the tinygltf model: one buffer that every view and image lies in. The buffer is only ever
// appended to, from reserved space: the pictures, one view each; every mesh's corners in one
// interleaved vertex view (the primitives of a mesh share its vertex accessors); every primitive's
// triangles in one index view.
class GltfBuilder {
public:
    explicit GltfBuilder(const ExportScene& scene) : scene_(scene) {}

    tinygltf::Model Build() {
        buffer_.reserve(BufferEstimate(scene_));
        m_.asset.version = "2.0";
        m_.asset.generator = std::string("Zedaruz ") + zedaruz::kVersion;
        m_.extras = RootExtras(scene_);
        for (const ExportMaterial& material : scene_.Materials) AddMaterial(material);
        PlaceGeometry();
        for (const ExportLevel& level : scene_.Levels) AddScene(level);
        m_.defaultScene = 0;
        if (!buffer_.empty()) {
            m_.buffers.emplace_back();
            m_.buffers.back().data = std::move(buffer_);
        }
        return std::move(m_);
    }

private:
    // Pads the buffer with zeros to a 4-byte boundary; returns the new end.
    size_t Align() {
        buffer_.resize((buffer_.size() + 3) & ~size_t{3}, 0);
        return buffer_.size();
    }
    void Append(const void* bytes, size_t size) {
        const auto* b = static_cast<const uint8_t*>(bytes);
        buffer_.insert(buffer_.end(), b, b + size);
    }

    // A view of the buffer from `start` to its end; returns its number.
    int AddView(size_t start, int target, int stride = 0) {
        tinygltf::BufferView view;
        view.buffer = 0;
        view.byteOffset = start;
        view.byteLength = buffer_.size() - start;
        view.byteStride = static_cast<size_t>(stride);
        view.target = target;
        m_.bufferViews.push_back(std::move(view));
        return static_cast<int>(m_.bufferViews.size() - 1);
    }

    int AddAccessor(int view, size_t byteOffset, size_t count, int componentType, int type) {
        tinygltf::Accessor a;
        a.bufferView = view;
        a.byteOffset = byteOffset;
        a.componentType = componentType;
        a.type = type;
        a.count = count;
        m_.accessors.push_back(std::move(a));
        return static_cast<int>(m_.accessors.size() - 1);
    }

    int Sampler() {
        if (sampler_ < 0) {
            tinygltf::Sampler s;
            s.magFilter = TINYGLTF_TEXTURE_FILTER_NEAREST;
            s.minFilter = TINYGLTF_TEXTURE_FILTER_NEAREST;
            s.wrapS = TINYGLTF_TEXTURE_WRAP_CLAMP_TO_EDGE;
            s.wrapT = TINYGLTF_TEXTURE_WRAP_CLAMP_TO_EDGE;
            m_.samplers.push_back(s);
            sampler_ = static_cast<int>(m_.samplers.size() - 1);
        }
        return sampler_;
    }

    void AddMaterial(const ExportMaterial& material) {
        tinygltf::Material mat;
        mat.name = Utf8(material.Name);
        mat.pbrMetallicRoughness.metallicFactor = 0.0;
        mat.pbrMetallicRoughness.roughnessFactor = 1.0;
        const size_t start = Align();
        if (!material.HasImage() || !AppendPng(material.Width, material.Height, material.Rgb, buffer_)) {
            mat.pbrMetallicRoughness.baseColorFactor = {0.5, 0.5, 0.5, 1.0};
        } else {
            tinygltf::Image image;
            image.name = mat.name;
            image.mimeType = "image/png";
            image.bufferView = AddView(start, 0);
            m_.images.push_back(std::move(image));
            tinygltf::Texture texture;
            texture.source = static_cast<int>(m_.images.size() - 1);
            texture.sampler = Sampler();
            m_.textures.push_back(std::move(texture));
            mat.pbrMetallicRoughness.baseColorTexture.index = static_cast<int>(m_.textures.size() - 1);
        }
        m_.materials.push_back(std::move(mat));
    }

    // Every mesh's corners, then every primitive's triangles: each polygon as triangles (corners
    // 0,1,2 and 0,2,3), each turned round, so the view's front side, where the corners run clockwise,
    // becomes glTF's counter-clockwise front.
    void PlaceGeometry() {
        const size_t vertexStart = Align();
        for (const ExportLevel& level : scene_.Levels) {
            for (const ExportMeshNode& node : level.Nodes) {
                nodeVertices_[&node] = buffer_.size() - vertexStart;
                Append(node.Corners.data(), node.Corners.size() * sizeof(ExportCorner));
            }
        }
        if (buffer_.size() == vertexStart) return;
        vertexView_ = AddView(vertexStart, TINYGLTF_TARGET_ARRAY_BUFFER, sizeof(ExportCorner));
        const size_t indexStart = buffer_.size();
        std::vector<uint32_t> triangles;
        ForEachPrimitive([&](const ExportPrimitive& p) {
            triangles.clear();
            size_t first = 0;
            for (uint8_t sides : p.Sides) {
                for (size_t k = 1; k + 1 < sides; ++k)
                    triangles.insert(triangles.end(),
                                     {p.Indices[first], p.Indices[first + k + 1], p.Indices[first + k]});
                first += sides;
            }
            Placement& placement = placements_[&p];
            placement.Indices = buffer_.size() - indexStart;
            placement.IndexCount = triangles.size();
            Append(triangles.data(), triangles.size() * sizeof(uint32_t));
        });
        indexView_ = AddView(indexStart, TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
    }

    template <class Visit>
    void ForEachPrimitive(Visit visit) const {
        for (const ExportLevel& level : scene_.Levels)
            for (const ExportMeshNode& node : level.Nodes)
                for (const ExportPrimitive& p : node.Primitives) visit(p);
    }

    void AddScene(const ExportLevel& level) {
        tinygltf::Scene scene;
        scene.name = "LOD " + std::to_string(level.Lod);
        for (const ExportMeshNode& node : level.Nodes) scene.nodes.push_back(AddNode(node));
        m_.scenes.push_back(std::move(scene));
    }

    int AddNode(const ExportMeshNode& source) {
        tinygltf::Node node;
        node.name = Utf8(source.Name);
        node.extras = NodeExtras(source);
        if (!source.Primitives.empty()) node.mesh = AddMesh(source);
        for (const ExportHardpoint& hp : source.Hardpoints) {
            tinygltf::Node child;
            child.name = Utf8(hp.Name);
            child.translation = {hp.Position[0], hp.Position[1], hp.Position[2]};
            child.extras = HardpointExtras(hp);
            m_.nodes.push_back(std::move(child));
            node.children.push_back(static_cast<int>(m_.nodes.size() - 1));
        }
        m_.nodes.push_back(std::move(node));
        return static_cast<int>(m_.nodes.size() - 1);
    }

    bool Textured(const ExportPrimitive& p) const {
        return scene_.Materials[static_cast<size_t>(p.Material)].HasImage();
    }

    // The mesh's vertex accessors (texture coordinates only when a primitive is textured), shared by
    // its primitives.
    int AddMesh(const ExportMeshNode& source) {
        std::vector<double> lo(3, std::numeric_limits<double>::max()),
            hi(3, std::numeric_limits<double>::lowest());
        for (const ExportCorner& c : source.Corners) {
            for (size_t k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], double{c.Position[k]});
                hi[k] = std::max(hi[k], double{c.Position[k]});
            }
        }
        constexpr int kFloat = TINYGLTF_COMPONENT_TYPE_FLOAT;
        const size_t first = nodeVertices_.at(&source);
        const size_t corners = source.Corners.size();
        const auto attribute = [&](size_t offset, int type) {
            return AddAccessor(vertexView_, first + offset, corners, kFloat, type);
        };
        const int position = attribute(offsetof(ExportCorner, Position), TINYGLTF_TYPE_VEC3);
        m_.accessors.back().minValues = std::move(lo);
        m_.accessors.back().maxValues = std::move(hi);
        const int normal = attribute(offsetof(ExportCorner, Normal), TINYGLTF_TYPE_VEC3);
        const bool textured = std::any_of(source.Primitives.begin(), source.Primitives.end(),
                                          [&](const ExportPrimitive& p) { return Textured(p); });
        const int uv = textured ? attribute(offsetof(ExportCorner, Uv), TINYGLTF_TYPE_VEC2) : -1;

        tinygltf::Mesh mesh;
        mesh.name = Utf8(source.Name);
        for (const ExportPrimitive& p : source.Primitives) {
            const Placement& at = placements_.at(&p);
            tinygltf::Primitive prim;
            prim.mode = TINYGLTF_MODE_TRIANGLES;
            prim.material = p.Material;
            prim.attributes["POSITION"] = position;
            prim.attributes["NORMAL"] = normal;
            if (Textured(p)) prim.attributes["TEXCOORD_0"] = uv;
            prim.indices = AddAccessor(indexView_, at.Indices, at.IndexCount,
                                       TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT, TINYGLTF_TYPE_SCALAR);
            mesh.primitives.push_back(std::move(prim));
        }
        m_.meshes.push_back(std::move(mesh));
        return static_cast<int>(m_.meshes.size() - 1);
    }

    const ExportScene& scene_;
    tinygltf::Model m_;
    std::vector<unsigned char> buffer_;
    std::unordered_map<const ExportMeshNode*, size_t> nodeVertices_;  // bytes from the vertex view's start
    std::unordered_map<const ExportPrimitive*, Placement> placements_;
    int vertexView_ = -1;
    int indexView_ = -1;
    int sampler_ = -1;
};

}  // namespace

GltfForm GltfFormOf(const std::string& path) {
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return lower.size() >= 5 && lower.compare(lower.size() - 5, 5, ".gltf") == 0 ? GltfForm::Json
                                                                                 : GltfForm::Binary;
}

void WriteGltf(const ExportScene& scene, GltfForm form, std::ostream& out) {
    const tinygltf::Model model = GltfBuilder(scene).Build();
    tinygltf::TinyGLTF writer;
    writer.WriteGltfSceneToStream(&model, out, form == GltfForm::Json, form == GltfForm::Binary);
}

std::vector<uint8_t> GltfBytes(const ExportScene& scene, GltfForm form) {
    std::vector<uint8_t> bytes;
    ByteSink sink(bytes);
    std::ostream out(&sink);
    WriteGltf(scene, form, out);
    return bytes;
}

}  // namespace opt
