#include "render/gl/gl_view.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWheelEvent>
#include <algorithm>
#include <cstring>

#include "listings/listings.h"
#include "render/core/frame_builder.h"
#include "render/core/texture_load.h"
#include "render/core/view_framing.h"
#include "render/gl/gl_painter.h"

namespace opt {

namespace {

// Makes the view's context current for the length of one sequence.
class CurrentContext {
public:
    explicit CurrentContext(QOpenGLWidget& w) : w_(w) { w_.makeCurrent(); }
    ~CurrentContext() { w_.doneCurrent(); }
    CurrentContext(const CurrentContext&) = delete;
    CurrentContext& operator=(const CurrentContext&) = delete;

private:
    QOpenGLWidget& w_;
};

bool HasExtension(const char* extensions, const char* name) {
    if (extensions == nullptr) return false;
    const size_t n = std::strlen(name);
    for (const char* p = std::strstr(extensions, name); p != nullptr; p = std::strstr(p + 1, name)) {
        const bool starts = p == extensions || p[-1] == ' ';
        const bool ends = p[n] == '\0' || p[n] == ' ';
        if (starts && ends) return true;
    }
    return false;
}

}  // namespace

GLView::GLView(const ModelStore& store, SelectionState& selection, ViewState& view, QWidget* parent)
    : QOpenGLWidget(parent), store_(store), selection_(selection), view_(view) {
    QSurfaceFormat f = format();
    f.setRenderableType(QSurfaceFormat::OpenGL);
    f.setProfile(QSurfaceFormat::CompatibilityProfile);
    f.setVersion(2, 1);
    f.setDepthBufferSize(24);
    setFormat(f);
    // The picture stays as the last sequence drew it; repaints of the widget only show it again.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
    // A click (or Tab) gives the view the keyboard: the view's keys then turn the model, while the
    // list box beside it keeps its arrow keys when it has the keyboard.
    setFocusPolicy(Qt::StrongFocus);
}

GLView::~GLView() {
    if (initialized_ && !textures_.empty()) {
        CurrentContext current(*this);
        gl::DeleteTextureObjects(textures_);
    }
}

void GLView::initializeGL() {
    initialized_ = true;
    const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    paletted_ = HasExtension(extensions, "GL_EXT_paletted_texture");
    if (paletted_) {
        colorTable_ = reinterpret_cast<decltype(colorTable_)>(context()->getProcAddress("glColorTableEXT"));
        paletted_ = colorTable_ != nullptr;
    }
    const auto version = context()->format().version();
    npot_ = version >= qMakePair(2, 0) || HasExtension(extensions, "GL_ARB_texture_non_power_of_two");
    blank_ = true;
    // A load that came before the context (a file given on the command line while the window was
    // still coming up) fitted the view without a context: the context gets its set-up now, and the
    // model shows at the first paint.
    if (view_.LoadCount > 0) {
        InitialContextState();
        showOnFirstPaint_ = selection_.ModelLoaded;
    }
}

void GLView::resizeGL(int, int) { blank_ = true; }

void GLView::paintGL() {
    // A framebuffer made anew (first show, resize) shows black until a sequence draws into it.
    if (!blank_) return;
    if (showOnFirstPaint_) {
        ApplyViewport();
        gl::DrawFrame(frame_, nullptr, textures_, Textured(), replay_, PixelRatio());
    } else {
        gl::ClearBlack();
    }
    showOnFirstPaint_ = false;
    blank_ = false;
}

bool GLView::Textured() const { return selection_.DisplayMode.IsDown(SBWire); }

void GLView::ApplyViewport() { gl::Viewport(width() * devicePixelRatio(), height() * devicePixelRatio()); }

void GLView::InitGL() {
    ResetTurnAndScale(view_);
    if (!initialized_) {
        FitOrtho(view_, store_);
        return;
    }
    CurrentContext current(*this);
    gl::ClearBlack();
    FitOrtho(view_, store_);
    InitialContextState();
    blank_ = false;
    update();
}

void GLView::InitialContextState() {
    ApplyViewport();
    gl::LoadOrthoProjection(OrthoCubeOf(view_));
    gl::InitialState(Textured());
    gl::SetViewProjection(OrthoCubeOf(view_), SetViewTransform(view_, 0, 0, 0, 0, 0, 0), Textured());
}

void GLView::SetView(const ViewTransform& t) {
    if (!initialized_) return;
    CurrentContext current(*this);
    gl::SetViewProjection(OrthoCubeOf(view_), t, Textured());
}

void GLView::RefitView() {
    if (view_.LoadCount == 0) {
        InitGL();
    } else {
        FitOrtho(view_, store_);
    }
    if (initialized_) {
        CurrentContext current(*this);
        gl::ClearBlack();
    }
    SetView(SetViewTransform(view_, view_.AngleX, view_.AngleY, view_.AngleZ, 0, 0, 0));
}

void GLView::Draw(const ViewTransform* moved) {
    // The frame is built before anything is cleared: a resolution text that is not an integer stops
    // here and the picture stays as it was.
    DrawModel(store_, selection_, frame_);
    if (initialized_) {
        CurrentContext current(*this);
        ApplyViewport();
        gl::DrawFrame(frame_, moved, textures_, Textured(), replay_, PixelRatio());
        blank_ = false;
        update();
    }
    if (memo_ != nullptr) {
        if (frame_.WriteFaceInfo) ShowFaceInfo(store_.ttfd, selection_, *memo_, store_.Decimal_Separator);
        if (frame_.WriteVertexInfo) ShowVertexInfo(store_.tvx, selection_, *memo_, store_.Decimal_Separator);
    }
}

void GLView::ShowHZ() { DrawMoved(); }

void GLView::DrawMoved() {
    const ViewTransform moved = MovedTransform(view_);
    Draw(&moved);
}

void GLView::mousePressEvent(QMouseEvent* event) {
    if (dragButton_ != Qt::NoButton || !selection_.ModelLoaded) return QOpenGLWidget::mousePressEvent(event);
    dragButton_ = event->button();
    dragOrigin_ = event->position().toPoint();
    drag_ = MouseDrag{CameraOf(view_)};
    event->accept();
}

void GLView::mouseMoveEvent(QMouseEvent* event) {
    if (dragButton_ == Qt::NoButton || !selection_.ModelLoaded) return QOpenGLWidget::mouseMoveEvent(event);
    const QPoint d = event->position().toPoint() - dragOrigin_;
    if (dragButton_ == Qt::LeftButton)
        DragTurn(view_, drag_, d.x(), d.y());
    else
        DragPan(view_, drag_, d.x(), d.y(), std::min(width(), height()));
    CameraMoved();
    event->accept();
}

void GLView::CameraMoved() {
    // The window draws and refreshes its scale text inside its error guard (a resolution text that
    // is not an integer stops the draw with its message).
    if (cameraMoved_) {
        cameraMoved_();
        return;
    }
    try {
        DrawMoved();
    } catch (const std::exception&) {
        // No window to tell: the picture stays as it was.
    }
}

void GLView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == dragButton_) dragButton_ = Qt::NoButton;
    event->accept();
}

void GLView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::MiddleButton || !selection_.ModelLoaded) return mousePressEvent(event);
    dragButton_ = Qt::NoButton;
    FrameModel();
    event->accept();
}

void GLView::FrameModel() {
    if (selection_.ModelLoaded && opt::FrameModel(view_, store_)) CameraMoved();
}

void GLView::wheelEvent(QWheelEvent* event) {
    if (!selection_.ModelLoaded) return QOpenGLWidget::wheelEvent(event);
    // One notch is 120 eighths of a degree; finer wheels and touch pads add up to whole notches.
    wheelRest_ += event->angleDelta().y();
    const int steps = wheelRest_ / 120;
    wheelRest_ -= steps * 120;
    if (WheelZoom(view_, steps)) CameraMoved();
    event->accept();
}

KeyOutcome GLView::KeyDown(ViewKey key, KeyModifiers mods) {
    const KeyOutcome outcome = FormKeyDown(view_, selection_.ModelLoaded, key, mods);
    if (outcome.DrawMoved) DrawMoved();
    return outcome;
}

void GLView::UploadTextures(const std::string* modelPath) {
    if (!initialized_) return;
    CurrentContext current(*this);
    const auto list = TextureUploadList(store_);
    textures_.assign(list.size(), 0);
    // A load reads the images from the file and keeps them; a redraw from the tables uploads the
    // kept ones (the same list, as the store has not changed since).
    if (modelPath != nullptr) {
        images_.assign(list.size(), LoadedTexture{});
        imagesKept_ = true;
    }
    for (const auto& entry : list) {
        selection_.SelectedTexture = entry.Record;
        const auto k = static_cast<size_t>(entry.GLName);
        if (k >= images_.size()) continue;
        if (modelPath != nullptr)
            images_[k] =
                LoadTexture(*modelPath, store_, entry.Record, UploadPaletteNumber(store_, entry.Record));
        textures_[k] = gl::UploadTexture(images_[k], paletted_ ? colorTable_ : nullptr, npot_);
    }
    gl::EnableTexturing();
}

void GLView::DeleteTextures() {
    if (!initialized_ || textures_.empty()) {
        textures_.clear();
        return;
    }
    CurrentContext current(*this);
    gl::DeleteTextureObjects(textures_);
    textures_.clear();
}

void GLView::LoadOrtho(const std::string& modelPath, const LoadHooks& hooks) {
    ShowLoaded(&modelPath, hooks);
}

void GLView::RedrawFromTables(const LoadHooks& hooks) { ShowLoaded(nullptr, hooks); }

bool GLView::CanRedrawFromTables() const { return !Textured() || imagesKept_; }

void GLView::ShowLoaded(const std::string* modelPath, const LoadHooks& hooks) {
    RefitView();
    view_.LoadCount += 1;
    if (hooks.OnLoad) hooks.OnLoad();
    selection_.ModelLoaded = true;
    if (view_.TexUploads > 0) DeleteTextures();
    view_.TexListLast = (hooks.TextureListCount ? hooks.TextureListCount() : 0) - 1;
    if (modelPath != nullptr) {
        // A new load: the images of the one before are of no use any more.
        images_.clear();
        imagesKept_ = false;
    }
    Draw(nullptr);
    if (Textured()) {
        view_.TexUploads += 1;
        UploadTextures(modelPath);
        // Show the textures at once: the same frame again, now with its texture objects.
        Draw(nullptr);
    }
    ResetViewAfterLoad(view_);
    SetView(SetViewTransform(view_, 0, 0, 0, 0, 0, 0));
    if (hooks.SetMenu) hooks.SetMenu();
    if (hooks.SetSizeText) hooks.SetSizeText(SizeStatusText(store_));
}

void GLView::ContextResize() {
    // The original remade its context here; texture objects and the GL state go with it.
    DeleteTextures();
    if (initialized_) {
        CurrentContext current(*this);
        gl::ResetToNewContextState();
    }
    view_.LoadCount = 0;
    RefitView();
    view_.LoadCount = 1;
}

}  // namespace opt
