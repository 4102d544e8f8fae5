// One frame's content as an ordered list of primitives, built from the model store and the selection
// state by DrawModel and replayed by the GL painter in order: one glBegin/glEnd pair per primitive,
// or, for large frames, one array draw per run of primitives that share their state (frame_batches.h).
// Flat and allocation-light: every primitive is an offset/count into one shared vertex array (and,
// for textured faces, into one shared texture-coordinate array). Clear keeps the capacity, so the
// redraws after the first reuse the same memory.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

namespace opt {

// The GL primitive of a glBegin.
enum class PrimitiveKind : uint8_t { Points, Lines, Quads, Triangles };

// The three arguments of glColor3f.
struct Rgb {
    float r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct FrameVertex {
    float x, y, z;
    friend bool operator==(const FrameVertex&, const FrameVertex&) = default;
};

struct TexCoord {
    float u, v;
    friend bool operator==(const TexCoord&, const TexCoord&) = default;
};

// The texture a textured face binds. Entry is the texture-list entry k whose unique name matched
// (the upload names the texture object of entry k); Record is Texture_Index[k], the texture record.
// Both are kNoTexture when no face of the frame so far found its name in the list.
struct TextureBinding {
    static constexpr int32_t kNoTexture = -1;
    int32_t Entry = kNoTexture;
    int32_t Record = kNoTexture;
    friend bool operator==(const TextureBinding&, const TextureBinding&) = default;
};

struct Primitive {
    uint32_t First;     // first vertex in the frame's vertex array
    uint32_t TexFirst;  // first texture coordinate (textured primitives only; Count of them)
    uint8_t Count;      // number of vertices: 1 to 4
    PrimitiveKind Kind;
    bool Textured;           // true: bind Texture and set no colour; false: glColor3f(Colour)
    uint8_t PointSize;       // glPointSize before glBegin; 0 = the primitive sets no point size
    Rgb Colour;              // coloured primitives only
    TextureBinding Texture;  // textured primitives only
};

class Frame {
public:
    // Empties the frame; the arrays keep their memory.
    void Clear() {
        primitiveCount_ = vertexCount_ = texCoordCount_ = 0;
        WriteFaceInfo = WriteVertexInfo = false;
    }

    // Appends a coloured primitive with n (1 to 4) vertex slots and returns them for the caller to fill.
    FrameVertex* AddColoured(PrimitiveKind kind, Rgb colour, uint8_t pointSize, int n) {
        Primitive& p = Next(kind, n);
        p.Textured = false;
        p.PointSize = pointSize;
        p.Colour = colour;
        p.Texture = TextureBinding{};
        return Take(vertices_, vertexCount_, n);
    }
    // Appends a textured primitive with n vertex slots and n texture-coordinate slots.
    FrameVertex* AddTextured(PrimitiveKind kind, TextureBinding texture, int n, TexCoord** uv) {
        Primitive& p = Next(kind, n);
        p.Textured = true;
        p.PointSize = 0;
        p.Colour = Rgb{0.0f, 0.0f, 0.0f};
        p.Texture = texture;
        p.TexFirst = static_cast<uint32_t>(texCoordCount_);
        *uv = Take(texCoords_, texCoordCount_, n);
        return Take(vertices_, vertexCount_, n);
    }

    std::span<const Primitive> Primitives() const { return {primitives_.data(), primitiveCount_}; }
    std::span<const FrameVertex> Vertices(const Primitive& p) const {
        return {vertices_.data() + p.First, p.Count};
    }
    std::span<const TexCoord> TexCoords(const Primitive& p) const {
        if (!p.Textured) return {};
        return {texCoords_.data() + p.TexFirst, p.Count};
    }
    size_t VertexCount() const { return vertexCount_; }
    // The whole vertex and texture-coordinate arrays, for array draws over several primitives.
    std::span<const FrameVertex> AllVertices() const { return {vertices_.data(), vertexCount_}; }
    std::span<const TexCoord> AllTexCoords() const { return {texCoords_.data(), texCoordCount_}; }

    // Listings that belong to this frame's overlays and that the caller writes into the control
    // panel's memo after the frame: the face summary of the selected face-data block (ShowFaceInfo)
    // and the text of the selected vertex (ShowVertexInfo). Set only when that highlight was drawn.
    bool WriteFaceInfo = false;
    bool WriteVertexInfo = false;

private:
    Primitive& Next(PrimitiveKind kind, int n) {
        Primitive& p = *Take(primitives_, primitiveCount_, 1);
        p.First = static_cast<uint32_t>(vertexCount_);
        p.TexFirst = 0;
        p.Count = static_cast<uint8_t>(n);
        p.Kind = kind;
        return p;
    }
    // n slots at the end of the used part of `store`; the vector only ever grows, so a cleared frame
    // refills the memory of the frames before it without initialising it again.
    template <class T>
    static T* Take(std::vector<T>& store, size_t& used, int n) {
        const size_t first = used;
        used += static_cast<size_t>(n);
        if (used > store.size()) Grow(store, used);
        return store.data() + first;
    }
    template <class T>
    [[gnu::noinline]] static void Grow(std::vector<T>& store, size_t atLeast) {
        store.resize(std::max(atLeast, 2 * store.size() + 64));
    }

    std::vector<Primitive> primitives_;
    std::vector<FrameVertex> vertices_;
    std::vector<TexCoord> texCoords_;
    size_t primitiveCount_ = 0;
    size_t vertexCount_ = 0;
    size_t texCoordCount_ = 0;
};

}  // namespace opt
