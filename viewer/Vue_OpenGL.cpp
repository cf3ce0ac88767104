#include "viewer/Vue_OpenGL.h"

#include <wx/dcclient.h>
#include <wx/utils.h>

#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "viewer/Fenetre.h"

static_assert(keys::Tab == WXK_TAB && keys::Space == WXK_SPACE, "key codes");
static_assert(keys::Left == WXK_LEFT && keys::Up == WXK_UP && keys::Right == WXK_RIGHT && keys::Down == WXK_DOWN,
              "arrow key codes");
static_assert(keys::PageUp == WXK_PAGEUP && keys::PageDown == WXK_PAGEDOWN, "page key codes");

namespace {

// Double-buffered RGBA with a depth buffer.
int const canvasAttributes[] = {WX_GL_RGBA, WX_GL_DOUBLEBUFFER, WX_GL_DEPTH_SIZE, 16, 0};

}  // namespace

bool Vue_OpenGL::openGlMissing_ = false;

Vue_OpenGL::Vue_OpenGL(Fenetre* parent, wxSize const& size, wxPoint const& pos, FrontEnd const& frontEnd,
                       std::unique_ptr<Scene> scene)
    : wxGLCanvas(parent, wxID_ANY, canvasAttributes, pos, size, wxSUNKEN_BORDER | wxFULL_REPAINT_ON_RESIZE),
      parentFrame(parent),
      core_(frontEnd, std::move(scene)),
      timer(this, TIMER_ID) {
    Bind(wxEVT_PAINT, &Vue_OpenGL::dessine, this);
    Bind(wxEVT_SIZE, &Vue_OpenGL::OnSize, this);
    if (frontEnd.mouse == MouseStyle::Joystick) {
        for (auto type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_RIGHT_DOWN, wxEVT_RIGHT_UP, wxEVT_MIDDLE_DOWN,
                          wxEVT_MIDDLE_UP, wxEVT_MOUSEWHEEL})
            Bind(type, &Vue_OpenGL::OnMouseButton, this);
    }
    Bind(wxEVT_MOTION, &Vue_OpenGL::OnMouseMotion, this);
    Bind(wxEVT_KEY_DOWN, &Vue_OpenGL::OnKeyDown, this);
    Bind(wxEVT_KEY_UP, &Vue_OpenGL::OnKeyUp, this);
    Bind(wxEVT_ENTER_WINDOW, &Vue_OpenGL::OnEnterWindow, this);
    Bind(wxEVT_TIMER, &Vue_OpenGL::OnTimer, this, TIMER_ID);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &Vue_OpenGL::OnCaptureLost, this);
    Bind(wxEVT_KILL_FOCUS, &Vue_OpenGL::OnKillFocus, this);
}

Vue_OpenGL::~Vue_OpenGL() {
    timer.Stop();
    if (HasCapture()) ReleaseMouse();
}

void Vue_OpenGL::InitOpenGL() {
    if (context_) return;
    auto context = std::make_unique<wxGLContext>(this);
    if (!context->IsOK() || !SetCurrent(*context)) {
        std::fprintf(stderr, "OpenGL is not available on this display\n");
        openGlMissing_ = true;
        parentFrame->Close(true);
        return;
    }
    context_ = std::move(context);
    core_.frame.setUp();
    if (core_.frontEnd.crossCursor) SetCursor(wxCursor(wxCURSOR_CROSS));
    limitSize();
    wxSize const s = pixelSize();
    core_.frame.resize(s.x, s.y);
    timer.Start(20, wxTIMER_CONTINUOUS);
}

void Vue_OpenGL::limitSize() {
    DrawLimits const most = core_.frame.limits();
    SetMaxClientSize(FromPhys(wxSize(most.maxWidth, most.maxHeight)));
    // The canvas fills the frame's client area.
    parentFrame->SetMaxClientSize(GetMaxSize());
}

bool Vue_OpenGL::drawable() const {
    wxSize const s = pixelSize();
    return context_ && core_.frame.limits().fits(s.x, s.y);
}

void Vue_OpenGL::dessine(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (closing_) return;
    if (!context_ && !openGlMissing_ && IsShownOnScreen()) InitOpenGL();
    // One frame per change (see ViewerCore::takeFrame).
    if (!drawable() || !core_.takeFrame()) return;
    SetCurrent(*context_);
    wxSize const s = pixelSize();
    if (core_.frame.wantsFreshContext(s.x, s.y)) freshContext();
    core_.paint(s.x, s.y);
    SwapBuffers();
}

void Vue_OpenGL::freshContext() {
    core_.frame.release();
    auto context = std::make_unique<wxGLContext>(this);
    if (!context->IsOK()) return;  // the old one stays, as good as before
    context_ = std::move(context);
    SetCurrent(*context_);
    core_.frame.setUp();
    wxSize const s = pixelSize();
    core_.frame.resize(s.x, s.y);
#ifdef __GLIBC__
    // The old context's memory (its compiled shaders among it) is free but
    // would stay in the heap.
    malloc_trim(0);
#endif
}

void Vue_OpenGL::OnSize(wxSizeEvent& event) {
    event.Skip();
    core_.sizeChanged();
    if (!drawable()) return;
    wxSize const s = pixelSize();
    SetCurrent(*context_);
    core_.frame.resize(s.x, s.y);
}

wxSize Vue_OpenGL::pixelSize() const { return ToPhys(GetClientSize()); }

void Vue_OpenGL::OnMouseButton(wxMouseEvent&) {}

void Vue_OpenGL::OnMouseMotion(wxMouseEvent& event) {
    wxSize const s = GetClientSize();
    if (core_.frontEnd.mouse == MouseStyle::Joystick) {
        core_.joystickMotion(event.GetX(), event.GetY(), s.x, s.y);
    } else if (event.LeftIsDown()) {
        wxPoint const p = event.GetPosition();
        // The motion the warp itself caused: the core releases the turn after
        // the next tick instead. Warping again would only echo again, for
        // ever (the echo may land a pixel off the centre, the canvas border
        // counting in one coordinate system only).
        if (p == warpEcho_) return;
        // A move onto the centre carries no offset and needs no warp; handed
        // on, it would drop the turn the tick has gathered so far.
        if (p == wxPoint(s.x / 2, s.y / 2)) return;
        WarpPointer(s.x / 2, s.y / 2);
        warpEcho_ = ScreenToClient(wxGetMousePosition());
        core_.lookMotion(p.x, p.y, s.x, s.y);
    }
}

void Vue_OpenGL::OnKeyDown(wxKeyEvent& event) {
    WindowRequest const r = core_.keyDown(event.GetKeyCode(), event.ControlDown(), event.ShiftDown());
    if (r.toggleFullScreen) parentFrame->toggleFullScreen();
    if (r.captureMouse && !HasCapture()) CaptureMouse();
    if (r.releaseMouse && HasCapture()) ReleaseMouse();
    event.Skip();
}

void Vue_OpenGL::OnKeyUp(wxKeyEvent& event) { core_.keyUp(event.GetKeyCode()); }

void Vue_OpenGL::OnEnterWindow(wxMouseEvent&) { SetFocus(); }

void Vue_OpenGL::OnTimer(wxTimerEvent& event) {
    core_.tick(event.GetInterval());
    Refresh(false);
}

void Vue_OpenGL::OnCaptureLost(wxMouseCaptureLostEvent&) { core_.mouseCaptureLost(); }

void Vue_OpenGL::OnKillFocus(wxFocusEvent& event) {
    core_.focusLost();
    event.Skip();
}
