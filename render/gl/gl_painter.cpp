#include "render/gl/gl_painter.h"

#include <GL/gl.h>

#include "render/core/palette_colours.h"

#ifndef GL_COLOR_INDEX8_EXT
#define GL_COLOR_INDEX8_EXT 0x80E5
#endif

namespace opt::gl {

namespace {

GLenum ToGL(PrimitiveKind kind) {
    switch (kind) {
        case PrimitiveKind::Points:
            return GL_POINTS;
        case PrimitiveKind::Lines:
            return GL_LINES;
        case PrimitiveKind::Quads:
            return GL_QUADS;
        case PrimitiveKind::Triangles:
            return GL_TRIANGLES;
    }
    return GL_POINTS;
}

void ApplyTransform(const ViewTransform& t, bool floatTranslate) {
    if (floatTranslate) {
        glTranslatef(static_cast<float>(t.TranslateX), static_cast<float>(t.TranslateY),
                     static_cast<float>(t.TranslateZ));
    } else {
        glTranslated(t.TranslateX, t.TranslateY, t.TranslateZ);
    }
    glRotated(t.RotateX, 1, 0, 0);
    glRotated(t.RotateY, 0, 1, 0);
    glRotated(t.RotateZ, 0, 0, 1);
    glScalef(t.Scale, t.Scale, t.Scale);
}

bool PowerOfTwo(int32_t n) { return n > 0 && (n & (n - 1)) == 0; }

}  // namespace

void ClearBlack() {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void Viewport(int width, int height) { glViewport(0, 0, width, height); }

void LoadOrthoProjection(const OrthoCube& c) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(c.Left, c.Right, c.Bottom, c.Top, c.Near, c.Far);
}

void InitialState(bool textured) {
    glColor3f(0, 1, 0);
    if (textured) glShadeModel(GL_SMOOTH);
    glFrontFace(GL_CW);
}

void DisplayModeState(bool textured) {
    if (textured) {
        glPolygonMode(GL_FRONT, GL_FILL);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
    } else {
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
    }
}

void SetViewProjection(const OrthoCube& c, const ViewTransform& t, bool textured) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    DisplayModeState(textured);
    glOrtho(c.Left, c.Right, c.Bottom, c.Top, c.Near, c.Far);
    ApplyTransform(t, false);
}

namespace {

// The state a primitive (or a run of them) draws with, set before its glBegin or array draw.
void BindPrimitiveState(const Primitive& p, const std::vector<unsigned>& textures, float pixelRatio) {
    if (p.PointSize != 0) glPointSize(p.PointSize * pixelRatio);
    if (p.Textured) {
        const int entry = p.Texture.Entry;
        const bool known = entry >= 0 && static_cast<size_t>(entry) < textures.size();
        glBindTexture(GL_TEXTURE_2D, known ? textures[static_cast<size_t>(entry)] : 0);
    } else {
        glBindTexture(GL_TEXTURE_2D, 0);
    }
}

void ReplayPerPrimitive(const Frame& frame, const std::vector<unsigned>& textures, float pixelRatio) {
    for (const Primitive& p : frame.Primitives()) {
        BindPrimitiveState(p, textures, pixelRatio);
        glBegin(ToGL(p.Kind));
        if (!p.Textured) glColor3f(p.Colour.r, p.Colour.g, p.Colour.b);
        const auto vertices = frame.Vertices(p);
        const auto uv = frame.TexCoords(p);
        for (size_t k = 0; k < vertices.size(); ++k) {
            if (p.Textured) glTexCoord2f(uv[k].u, uv[k].v);
            glVertex3f(vertices[k].x, vertices[k].y, vertices[k].z);
        }
        glEnd();
    }
}

// Client arrays over the frame's own arrays, switched on and off as the runs need them.
class ClientArrays {
public:
    ClientArrays() { glEnableClientState(GL_VERTEX_ARRAY); }
    ~ClientArrays() {
        Use(GL_TEXTURE_COORD_ARRAY, uv_, false);
        Use(GL_COLOR_ARRAY, colour_, false);
        glDisableClientState(GL_VERTEX_ARRAY);
    }
    ClientArrays(const ClientArrays&) = delete;
    ClientArrays& operator=(const ClientArrays&) = delete;
    void TexCoords(bool on) { Use(GL_TEXTURE_COORD_ARRAY, uv_, on); }
    void Colours(bool on) { Use(GL_COLOR_ARRAY, colour_, on); }

private:
    static void Use(GLenum array, bool& state, bool on) {
        if (state == on) return;
        state = on;
        if (on) {
            glEnableClientState(array);
        } else {
            glDisableClientState(array);
        }
    }
    bool uv_ = false;
    bool colour_ = false;
};

// One draw per run. Array runs: glDrawArrays with glColor3f as in immediate mode. Outline runs:
// GL_LINES through glDrawRangeElements with a colour per vertex; afterwards the current colour is
// the one the run's last primitive set, as after its glEnd.
void ReplayBatched(const Frame& frame, const FrameBatches& batches, const std::vector<unsigned>& textures,
                   bool outlines, float pixelRatio) {
    const auto primitives = frame.Primitives();
    const FrameVertex* vertices = frame.AllVertices().data();
    const TexCoord* uv = frame.AllTexCoords().data();
    ClientArrays arrays;
    if (outlines) glColorPointer(3, GL_FLOAT, sizeof(Rgb), batches.Colours().data());
    for (const DrawBatch& b : batches.Batches()) {
        const Primitive& p = primitives[b.FirstPrimitive];
        BindPrimitiveState(p, textures, pixelRatio);
        if (b.Outlines()) {
            arrays.TexCoords(false);
            arrays.Colours(true);
            glVertexPointer(3, GL_FLOAT, sizeof(FrameVertex), vertices);
            glDrawRangeElements(GL_LINES, b.First, b.First + b.Count - 1, static_cast<GLsizei>(b.IndexCount),
                                GL_UNSIGNED_INT, batches.Indices().data() + b.IndexFirst);
            arrays.Colours(false);
            const Rgb& last = primitives[b.LastPrimitive].Colour;
            glColor3f(last.r, last.g, last.b);
            continue;
        }
        if (!p.Textured) glColor3f(p.Colour.r, p.Colour.g, p.Colour.b);
        arrays.TexCoords(p.Textured);
        glVertexPointer(3, GL_FLOAT, sizeof(FrameVertex), vertices + b.First);
        if (p.Textured) glTexCoordPointer(2, GL_FLOAT, sizeof(TexCoord), uv + b.TexFirst);
        glDrawArrays(ToGL(p.Kind), 0, static_cast<GLsizei>(b.Count));
    }
}

}  // namespace

void DrawFrame(const Frame& frame, const ViewTransform* moved, const std::vector<unsigned>& textures,
               bool textured, FrameReplay& replay, float pixelRatio) {
    DisplayModeState(textured);
    glLineWidth(pixelRatio);
    glMatrixMode(GL_PROJECTION);
    if (moved != nullptr) glPushMatrix();
    ClearBlack();
    if (moved != nullptr) ApplyTransform(*moved, true);
    if (ReplaysInBatches(replay.Path, frame.Primitives().size())) {
        replay.Batches.Build(frame, !textured);
        ReplayBatched(frame, replay.Batches, textures, !textured, pixelRatio);
    } else {
        ReplayPerPrimitive(frame, textures, pixelRatio);
    }
    if (moved != nullptr) glPopMatrix();
    glFlush();
}

unsigned UploadTexture(const LoadedTexture& t, ColorTableProc colorTable, bool nonPowerOfTwo) {
    const auto& px = t.Pixels;
    if (px.Width <= 0 || px.Height <= 0) return 0;
    if (!nonPowerOfTwo && !(PowerOfTwo(px.Width) && PowerOfTwo(px.Height))) return 0;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (colorTable != nullptr) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_COLOR_INDEX8_EXT, px.Width, px.Height, 0, GL_COLOR_INDEX,
                     GL_UNSIGNED_BYTE, px.Indices.data());
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
        colorTable(GL_TEXTURE_2D, GL_RGB8, 256, GL_RGB, GL_UNSIGNED_BYTE, t.Colours.GLPalette.data());
    } else {
        const auto rgb = ExpandToRgb8(px.Indices, t.Colours);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, px.Width, px.Height, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    }
    return name;
}

void EnableTexturing() {
    glDisable(GL_TEXTURE_1D);
    glEnable(GL_TEXTURE_2D);
}

void DeleteTextureObjects(const std::vector<unsigned>& textures) {
    for (unsigned name : textures)
        if (name != 0) glDeleteTextures(1, &name);
}

void ResetToNewContextState() {
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBindTexture(GL_TEXTURE_2D, 0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
}

}  // namespace opt::gl
