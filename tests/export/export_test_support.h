// Loading builder models for the export tests, reading exports back with tinygltf, and running the
// Khronos glTF Validator (through Node) over a written file.
#pragma once

#include <gtest/gtest.h>
#include <tiny_gltf.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "export/export_scene.h"
#include "model/line_sink.h"
#include "model/reader.h"
#include "model/store.h"
#include "tests/support/opt_builder.h"

namespace export_test {

struct LoadedModel {
    std::unique_ptr<opt::ModelStore> store = std::make_unique<opt::ModelStore>();
    std::vector<uint8_t> bytes;
};

inline LoadedModel Load(std::vector<uint8_t> bytes) {
    LoadedModel m;
    m.bytes = std::move(bytes);
    opt::LoadBytes(*m.store, m.bytes);
    return m;
}
inline LoadedModel Load(const optb::Model& model) { return Load(optb::build(model).bytes); }

inline opt::ExportOptions Options(std::vector<int32_t> lods = {0}) {
    opt::ExportOptions o;
    o.Lods = std::move(lods);
    o.SourcePath = "/some/folder/model.opt";
    return o;
}

// The asset parsed back (images decoded); fails the test when tinygltf refuses it.
inline tinygltf::Model ReadBack(const std::vector<uint8_t>& bytes) {
    tinygltf::TinyGLTF loader;
    tinygltf::Model model;
    std::string err, warn;
    const bool binary =
        bytes.size() >= 4 && bytes[0] == 'g' && bytes[1] == 'l' && bytes[2] == 'T' && bytes[3] == 'F';
    const bool ok =
        binary ? loader.LoadBinaryFromMemory(&model, &err, &warn, bytes.data(),
                                             static_cast<unsigned>(bytes.size()))
               : loader.LoadASCIIFromString(&model, &err, &warn, reinterpret_cast<const char*>(bytes.data()),
                                            static_cast<unsigned>(bytes.size()), "");
    EXPECT_TRUE(ok) << err;
    EXPECT_EQ(warn, "");
    return model;
}

// The floats of an accessor, element after element (vertex attributes are interleaved: each element
// lies byteStride bytes after the one before).
inline std::vector<float> Floats(const tinygltf::Model& m, int accessor) {
    const auto& a = m.accessors.at(static_cast<size_t>(accessor));
    const auto& view = m.bufferViews.at(static_cast<size_t>(a.bufferView));
    const auto components = static_cast<size_t>(tinygltf::GetNumComponentsInType(static_cast<uint32_t>(a.type)));
    const auto stride = static_cast<size_t>(a.ByteStride(view));
    const uint8_t* first = m.buffers.at(0).data.data() + view.byteOffset + a.byteOffset;
    EXPECT_LE(view.byteOffset + a.byteOffset + stride * (a.count - 1) + components * sizeof(float),
              m.buffers.at(0).data.size());
    std::vector<float> out(a.count * components);
    for (size_t i = 0; i < a.count; ++i)
        std::memcpy(&out[i * components], first + i * stride, components * sizeof(float));
    return out;
}
inline std::vector<uint32_t> Indices(const tinygltf::Model& m, int accessor) {
    const auto& a = m.accessors.at(static_cast<size_t>(accessor));
    const auto& view = m.bufferViews.at(static_cast<size_t>(a.bufferView));
    const auto* p =
        reinterpret_cast<const uint32_t*>(m.buffers.at(0).data.data() + view.byteOffset + a.byteOffset);
    return {p, p + a.count};
}

// The validator's verdict on a file: "errors 0 warnings 0" when clean. A missing Node or validator
// is a failure, never a skip.
inline std::string Validate(const std::filesystem::path& file) {
    const std::string cmd = std::string("node '") + GLTF_VALIDATOR_SCRIPT + "' '" + NODE_MODULES_DIR + "' '" +
                            file.string() + "' 2>&1";
    std::string out;
    if (FILE* p = ::popen(cmd.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        ::pclose(p);
    }
    return out.substr(0, out.find('\n'));
}

}  // namespace export_test
