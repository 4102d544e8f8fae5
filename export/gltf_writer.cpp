#include "export/gltf_writer.h"

#include <tiny_gltf.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>
#include <ostream>
#include <streambuf>

#include "export/gltf_values.h"
#include "export/png_image.h"
#include "model/program_version.h"

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

// Bytes the buffer will hold: every corner's attributes, six indices per quad at most, and the
// pictures (PNG rarely outgrows the raw texels).
size_t BufferEstimate(const ExportScene& scene) {
    size_t bytes = 0;
    for (const ExportLevel& level : scene.Levels)
        for (const ExportMeshNode& node : level.Nodes)
            for (const ExportPrimitive& p : node.Primitives)
                bytes += p.Corners.size() * 32 + p.Sides.size() * 24 + 64;
    for (const ExportMaterial& m : scene.Materials) bytes += m.Rgb.size() + 1024;
    return bytes;
}

// Builds the tinygltf model: one buffer that every view and image lies in.
class GltfBuilder {
public:
    explicit GltfBuilder(const ExportScene& scene) : scene_(scene) {}

    tinygltf::Model Build() {
        buffer_.reserve(BufferEstimate(scene_));
        m_.asset.version = "2.0";
        m_.asset.generator = std::string("Zedaruz ") + kProgramVersion;
        m_.extras = RootExtras(scene_);
        for (const ExportMaterial& material : scene_.Materials) AddMaterial(material);
        for (const ExportLevel& level : scene_.Levels) AddScene(level);
        m_.defaultScene = 0;
        if (!buffer_.empty()) {
            m_.buffers.emplace_back();
            m_.buffers.back().data = std::move(buffer_);
        }
        return std::move(m_);
    }

private:
    // A view of `size` bytes at the end of the buffer (4-byte aligned); returns its number.
    int AddView(size_t size, int target) {
        buffer_.resize((buffer_.size() + 3) & ~size_t{3}, 0);
        tinygltf::BufferView view;
        view.buffer = 0;
        view.byteOffset = buffer_.size();
        view.byteLength = size;
        view.target = target;
        buffer_.resize(buffer_.size() + size);
        m_.bufferViews.push_back(view);
        return static_cast<int>(m_.bufferViews.size() - 1);
    }
    int AddView(const void* bytes, size_t size, int target) {
        const int view = AddView(size, target);
        std::memcpy(buffer_.data() + m_.bufferViews.back().byteOffset, bytes, size);
        return view;
    }

    // An accessor of one value per corner, `n` components of type T each, written straight into the
    // buffer: value(corner) gives the corner's n components.
    template <class T, size_t N, class Value>
    int AddAccessor(const std::vector<ExportCorner>& corners, int componentType, int type, int target,
                    Value value) {
        tinygltf::Accessor a;
        a.bufferView = AddView(corners.size() * N * sizeof(T), target);
        uint8_t* out = buffer_.data() + m_.bufferViews.back().byteOffset;
        for (const ExportCorner& c : corners) {
            const std::array<T, N>& v = value(c);
            std::memcpy(out, v.data(), N * sizeof(T));
            out += N * sizeof(T);
        }
        a.componentType = componentType;
        a.type = type;
        a.count = corners.size();
        m_.accessors.push_back(a);
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
        const std::vector<uint8_t> png = material.HasImage()
                                             ? EncodePng(material.Width, material.Height, material.Rgb)
                                             : std::vector<uint8_t>{};
        if (png.empty()) {
            mat.pbrMetallicRoughness.baseColorFactor = {0.5, 0.5, 0.5, 1.0};
        } else {
            tinygltf::Image image;
            image.name = mat.name;
            image.mimeType = "image/png";
            image.bufferView = AddView(png.data(), png.size(), 0);
            m_.images.push_back(image);
            tinygltf::Texture texture;
            texture.source = static_cast<int>(m_.images.size() - 1);
            texture.sampler = Sampler();
            m_.textures.push_back(texture);
            mat.pbrMetallicRoughness.baseColorTexture.index = static_cast<int>(m_.textures.size() - 1);
        }
        m_.materials.push_back(mat);
    }

    void AddScene(const ExportLevel& level) {
        tinygltf::Scene scene;
        scene.name = "LOD " + std::to_string(level.Lod);
        for (const ExportMeshNode& node : level.Nodes) scene.nodes.push_back(AddNode(node));
        m_.scenes.push_back(scene);
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
            m_.nodes.push_back(child);
            node.children.push_back(static_cast<int>(m_.nodes.size() - 1));
        }
        m_.nodes.push_back(node);
        return static_cast<int>(m_.nodes.size() - 1);
    }

    int AddMesh(const ExportMeshNode& source) {
        tinygltf::Mesh mesh;
        mesh.name = Utf8(source.Name);
        for (const ExportPrimitive& p : source.Primitives) mesh.primitives.push_back(AddPrimitive(p));
        m_.meshes.push_back(mesh);
        return static_cast<int>(m_.meshes.size() - 1);
    }

    tinygltf::Primitive AddPrimitive(const ExportPrimitive& p) {
        std::vector<double> lo(3, std::numeric_limits<double>::max()),
            hi(3, std::numeric_limits<double>::lowest());
        for (const ExportCorner& c : p.Corners) {
            for (size_t k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], double{c.Position[k]});
                hi[k] = std::max(hi[k], double{c.Position[k]});
            }
        }
        constexpr int kFloat = TINYGLTF_COMPONENT_TYPE_FLOAT;
        constexpr int kArray = TINYGLTF_TARGET_ARRAY_BUFFER;
        tinygltf::Primitive prim;
        prim.mode = TINYGLTF_MODE_TRIANGLES;
        prim.material = p.Material;
        prim.attributes["POSITION"] = AddAccessor<float, 3>(
            p.Corners, kFloat, TINYGLTF_TYPE_VEC3, kArray,
            [](const ExportCorner& c) -> auto& { return c.Position; });
        m_.accessors.back().minValues = lo;
        m_.accessors.back().maxValues = hi;
        prim.attributes["NORMAL"] = AddAccessor<float, 3>(
            p.Corners, kFloat, TINYGLTF_TYPE_VEC3, kArray,
            [](const ExportCorner& c) -> auto& { return c.Normal; });
        if (scene_.Materials[static_cast<size_t>(p.Material)].HasImage()) {
            prim.attributes["TEXCOORD_0"] = AddAccessor<float, 2>(
                p.Corners, kFloat, TINYGLTF_TYPE_VEC2, kArray,
                [](const ExportCorner& c) -> auto& { return c.Uv; });
        }
        prim.indices = AddIndices(p);
        return prim;
    }

    // Each polygon as triangles (corners 0,1,2 and 0,2,3), each turned round: the view's front side,
    // where the corners run clockwise, becomes glTF's counter-clockwise front.
    int AddIndices(const ExportPrimitive& p) {
        std::vector<uint32_t> indices;
        size_t first = 0;
        for (uint8_t sides : p.Sides) {
            for (size_t k = 1; k + 1 < sides; ++k) {
                indices.push_back(p.Indices[first]);
                indices.push_back(p.Indices[first + k + 1]);
                indices.push_back(p.Indices[first + k]);
            }
            first += sides;
        }
        tinygltf::Accessor a;
        a.bufferView =
            AddView(indices.data(), indices.size() * sizeof(uint32_t), TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
        a.componentType = TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT;
        a.type = TINYGLTF_TYPE_SCALAR;
        a.count = indices.size();
        m_.accessors.push_back(a);
        return static_cast<int>(m_.accessors.size() - 1);
    }

    const ExportScene& scene_;
    tinygltf::Model m_;
    std::vector<unsigned char> buffer_;
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
