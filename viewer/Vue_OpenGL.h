#pragma once

#include <wx/glcanvas.h>
#include <wx/timer.h>

#include <memory>

#include "viewer/ViewerCore.h"

class Fenetre;

// The viewers' OpenGL canvas. It owns the viewer's state (ViewerCore: the
// camera, the switches, mainSys and the scene) and a 20 ms timer, and only
// translates the toolkit's events into calls on that state.
class Vue_OpenGL : public wxGLCanvas {
public:
    Vue_OpenGL(Fenetre* parent, wxSize const& size, wxPoint const& pos, FrontEnd const& frontEnd,
               std::unique_ptr<Scene> scene);
    // Stops the timer and releases the mouse before the window goes.
    ~Vue_OpenGL() override;

    // Creates and fixes the GL state, sets the cursor, limits the size,
    // starts the timer. Runs once, at the first paint where the canvas is on
    // screen.
    void InitOpenGL();

    // No more ticks and no more frames. The toolkit destroys a closed
    // window only once its event loop runs idle, which a timer whose frames
    // take longer than a tick never lets it do, and a frame of a huge window
    // would hold the close up for seconds: the window stops both when it
    // closes.
    void stopDrawing() {
        timer.Stop();
        closing_ = true;
    }

    // True once a canvas found no usable OpenGL and closed its window.
    static bool openGlMissing() { return openGlMissing_; }

    static int const TIMER_ID = 12;

private:
    void dessine(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnMouseButton(wxMouseEvent& event);
    void OnMouseMotion(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnEnterWindow(wxMouseEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    // The drawable's size in pixels. On a scaled (high-DPI) GTK 3 desktop the
    // client size counts logical pixels, a fraction of the drawable's; the
    // mouse works in logical pixels, OpenGL in these.
    wxSize pixelSize() const;
    // The canvas and its frame grow no larger than the GL driver can draw
    // (size hints: the window manager keeps the window within them).
    void limitSize();
    // True when the canvas has its GL context and a size the driver can
    // draw. Some drivers crash on a first frame beyond their limits, so a
    // larger size, should one arrive all the same, gets no GL call at all
    // (not even making the context current): the canvas stays undrawn.
    bool drawable() const;
    // Replaces the GL context by a new one, set up the same way, so that the
    // driver gives back the buffers of a much larger drawable drawn before.
    void freshContext();

    Fenetre* parentFrame;
    ViewerCore core_;
    std::unique_ptr<wxGLContext> context_;
    wxTimer timer;
    // Where the motion event caused by the last pointer warp lands.
    wxPoint warpEcho_{-1, -1};
    bool closing_ = false;
    static bool openGlMissing_;
};
