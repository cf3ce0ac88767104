#pragma once

#include <wx/frame.h>

#include "viewer/ViewerSetup.h"

class Vue_OpenGL;

// The viewer's only window: a frame holding the OpenGL canvas. The canvas
// is a child window, so the frame destroys it.
class Fenetre : public wxFrame {
public:
    Fenetre(wxString const& title, wxSize const& size, wxPoint const& pos, long style, ViewerSetup const& setup);

    // A menu command wxID_EXIT closes the window without asking.
    void OnExit(wxCommandEvent& event);

    // Enters full screen, or leaves it for the size and place the window
    // had before (its first size, centred, for a window that started full
    // screen).
    void toggleFullScreen();

    Vue_OpenGL* canvas = nullptr;

private:
    // Closing stops the canvas's ticks and frames, then the window is
    // destroyed.
    void OnClose(wxCloseEvent& event);
    // The canvas fills the client area up to its largest size (what OpenGL
    // can draw): under a window manager that lets the frame grow past its
    // size hints, the rest of the frame stays empty.
    void OnSize(wxSizeEvent& event);

    wxSize createdSize_;
    bool neverNormal_ = false;
};
