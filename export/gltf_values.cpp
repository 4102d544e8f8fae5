#include "export/gltf_values.h"

#include <limits>
#include <span>

#include "listings/listings.h"

namespace opt {

using tinygltf::Value;

namespace {

Value Floats(std::span<const float> values) {
    Value::Array a;
    for (float v : values) a.emplace_back(static_cast<double>(v));
    return Value(std::move(a));
}

Value Number(int64_t v) {
    if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
        return Value(static_cast<int>(v));
    return Value(static_cast<double>(v));
}

Value DescriptorExtras(const DescriptorRecord& d) {
    Value::Object o;
    o["meshType"] = Value(d.Mesh_Type);
    o["meshTypeName"] = Value(Utf8(MeshTypeName(d.Mesh_Type)));
    o["groupId"] = Value(d.Group_ID);
    o["target"] = Floats(d.Target);
    o["hitZoneMin"] = Floats(d.HZ_Min);
    o["hitZoneMax"] = Floats(d.HZ_Max);
    o["hitZoneSpan"] = Floats(d.HZ_Span);
    o["hitZoneCentre"] = Floats(d.HZ_Centre);
    return Value(std::move(o));
}

}  // namespace

std::string Utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

Value NodeExtras(const ExportMeshNode& node) {
    Value::Object o;
    o["mesh"] = Value(node.Mesh);
    if (node.Descriptor) o["descriptor"] = DescriptorExtras(*node.Descriptor);
    if (node.RotScale) {
        float floats[12];
        for (int k = 0; k < 12; ++k) floats[k] = node.RotScale->Float(k);
        o["rotationScale"] = Floats(floats);
    }
    return Value(std::move(o));
}

Value RootExtras(const ExportScene& scene) {
    Value::Object o;
    o["source"] = Value(Utf8(scene.SourceName));
    o["sourceBytes"] = Number(scene.SourceBytes);
    return Value(std::move(o));
}

Value HardpointExtras(const ExportHardpoint& hp) {
    Value::Object o;
    o["index"] = Value(hp.Index);
    o["type"] = Value(hp.Type);
    return Value(std::move(o));
}

}  // namespace opt
