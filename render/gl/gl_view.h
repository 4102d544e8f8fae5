// The OpenGL view of the viewer window: a QOpenGLWidget (compatibility profile) on its square panel.
// It owns the GL resources and builds nothing itself: each sequence below builds the frame with
// DrawModel from the store and selection it was given, replays it with GL 1.1 immediate-mode
// calls into the widget's framebuffer at once (makeCurrent), and presents it (update). The picture
// stays as drawn until the next sequence draws again, as on the original single-buffered panel.
#pragma once

#include <QOpenGLWidget>
#include <functional>
#include <string>
#include <vector>

#include "model/line_sink.h"
#include "model/store.h"
#include "render/core/frame.h"
#include "render/core/texture_load.h"
#include "render/core/view_keys.h"
#include "render/core/view_mouse.h"
#include "render/core/view_state.h"
#include "render/core/view_transform.h"
#include "render/gl/gl_painter.h"
#include "state/selection_state.h"

namespace opt {

class GLView : public QOpenGLWidget {
    Q_OBJECT
public:
    // The model it draws, the selection it draws it with and the view state it turns and fits: the
    // window's, which outlive the view.
    GLView(const ModelStore& store, SelectionState& selection, ViewState& view, QWidget* parent = nullptr);
    ~GLView() override;

    // What LoadOrtho asks of the windows between its steps.
    struct LoadHooks {
        std::function<void()> OnLoad;                         // control panel refills its lists
        std::function<int()> TextureListCount;                // entries of the control panel's texture list
        std::function<void()> SetMenu;                        // viewer window enables its menus
        std::function<void(const std::string&)> SetSizeText;  // status panel 1
    };

    // After the reader has filled the store: fit, draw the first frame, upload the textures in
    // textured display, reset the view, then SetMenu and the size text. modelPath is read again for
    // the texture pixels. Throws OptError (e.g. "Cannot open file %s") from the texture reads or a
    // resolution text that is not an integer.
    void LoadOrtho(const std::string& modelPath, const LoadHooks& hooks);
    // LoadOrtho's steps for the model already in the store, after a resize when the file has not
    // changed since the load: nothing is read, the textures go up again from the images the last
    // textured load read. The hooks are the ones of a load, usually without OnLoad: the control
    // panel's lists still show this model.
    void RedrawFromTables(const LoadHooks& hooks);
    // Whether RedrawFromTables gives the picture a load would: always in the untextured displays;
    // in textured display only when the last load uploaded its textures (a load before the context
    // existed read no images).
    bool CanRedrawFromTables() const;
    // Plain redraw: clear to black, the model with the current angles, scale and pan, present. A
    // control-panel choice keeps the user's camera; only a load resets it.
    void ShowHZ();
    // Redraw with the keyboard transform (full pan, angles and scale) on top of that projection.
    void DrawMoved();
    // The viewer window's key handling; returns what the windows must do besides the redraw.
    KeyOutcome KeyDown(ViewKey key, KeyModifiers mods);
    // Window resize while not guarded: the context is remade (textures lost) and left black.
    void ContextResize();
    // View › Frame Model (also a double-click with the middle button): the model's box in the middle
    // of the view, fitted whichever way it is turned; drawn at once. Nothing without a model.
    void FrameModel();

    // Called after the mouse changed the camera, in place of the view's own DrawMoved: the window
    // redraws inside its error guard and refreshes its scale text.
    void SetCameraMoved(std::function<void()> moved) { cameraMoved_ = std::move(moved); }

    // The control panel's memo, for the face and vertex summaries of the SBFace and SBVx modes.
    void SetInfoMemo(MemoSink* memo) { memo_ = memo; }

    // Whether the context has GL_EXT_paletted_texture (colour-index textures with a colour table);
    // without it textures are expanded through their colour table on the CPU.
    bool HasPalettedTextures() const { return paletted_; }
    // Whether textures whose sides are not powers of two can be drawn on this context.
    bool HasNonPowerOfTwoTextures() const { return npot_; }
    // How frames are replayed: chosen by size (the default), or forced for tests and benchmarks.
    void SetReplayPath(ReplayPath path) { replay_.Path = path; }
    // The frame drawn last (for tests and the benchmark).
    const Frame& LastFrame() const { return frame_; }
    // Texture objects of the current upload, by texture-list entry (0 where an image was refused).
    const std::vector<unsigned>& TextureObjects() const { return textures_; }

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // The sequences of the view, in GL terms.
    void InitGL();
    // The GL part of InitGL on the current context: viewport, projection, colour, shading, front
    // faces and the display mode's state for an unturned view.
    void InitialContextState();
    void SetView(const ViewTransform& t);
    void RefitView();
    // The body of LoadOrtho and RedrawFromTables; modelPath null: the textures come from images_.
    void ShowLoaded(const std::string* modelPath, const LoadHooks& hooks);
    void UploadTextures(const std::string* modelPath);
    void DeleteTextures();
    void Draw(const ViewTransform* moved);
    void ApplyViewport();
    // Device pixels per window pixel: points and lines are drawn that much wider.
    float PixelRatio() const { return static_cast<float>(devicePixelRatioF()); }
    bool Textured() const;
    void CameraMoved();

    const ModelStore& store_;
    SelectionState& selection_;
    ViewState& view_;
    Frame frame_;
    gl::FrameReplay replay_;
    std::vector<LoadedTexture> images_;  // what the last textured load uploaded, by texture-list entry
    bool imagesKept_ = false;            // images_ holds the last load's textures
    MemoSink* memo_ = nullptr;
    std::vector<unsigned> textures_;
    std::function<void()> cameraMoved_;
    MouseDrag drag_;
    QPoint dragOrigin_;
    Qt::MouseButton dragButton_ = Qt::NoButton;
    int wheelRest_ = 0;  // wheel angle not yet a whole step (high-resolution wheels, touch pads)
    bool initialized_ = false;
    bool blank_ = true;              // the framebuffer holds no picture yet
    bool showOnFirstPaint_ = false;  // a model was loaded before the context came
    bool paletted_ = false;
    bool npot_ = false;
    void (*colorTable_)(unsigned, unsigned, int, unsigned, unsigned, const void*) = nullptr;
};

}  // namespace opt
