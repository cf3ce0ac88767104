#include "viewer/Fenetre.h"

#include <algorithm>

#include "viewer/Vue_OpenGL.h"

Fenetre::Fenetre(wxString const& title, wxSize const& size, wxPoint const& pos, long style, ViewerSetup const& setup) {
    Create(nullptr, wxID_ANY, title, pos, size, style, wxFrameNameStr);
    createdSize_ = size;
    canvas = new Vue_OpenGL(this, wxDefaultSize, wxDefaultPosition, setup.frontEnd,
                            setup.makeScene ? setup.makeScene() : nullptr);
    Bind(wxEVT_MENU, &Fenetre::OnExit, this, wxID_EXIT);
    Bind(wxEVT_CLOSE_WINDOW, &Fenetre::OnClose, this);
    Bind(wxEVT_SIZE, &Fenetre::OnSize, this);
    if (setup.frontEnd.fullScreenAtStart) ShowFullScreen(true, wxFULLSCREEN_ALL);
    neverNormal_ = setup.frontEnd.fullScreenAtStart;
    if (setup.frontEnd.centred) Centre(wxBOTH);
    // The canvas sets OpenGL up itself once it is really on screen: under
    // GTK 3 a window is mapped some time after Show().
    Show(true);
}

void Fenetre::OnExit(wxCommandEvent&) { Close(true); }

void Fenetre::OnClose(wxCloseEvent& event) {
    if (canvas) canvas->stopDrawing();
    event.Skip();
}

void Fenetre::OnSize(wxSizeEvent&) {
    if (!canvas) return;
    wxSize const client = GetClientSize(), most = canvas->GetMaxSize();
    canvas->SetSize(0, 0, most.x > 0 ? std::min(client.x, most.x) : client.x,
                    most.y > 0 ? std::min(client.y, most.y) : client.y);
}

void Fenetre::toggleFullScreen() {
    ShowFullScreen(!IsFullScreen(), wxFULLSCREEN_ALL);
    if (IsFullScreen() || !neverNormal_) return;
    // Under GTK 3 a window that started full screen has no normal size to
    // go back to and would shrink to a few pixels: give it the size it was
    // created with, centred.
    neverNormal_ = false;
    SetSize(createdSize_);
    Centre(wxBOTH);
    // The frame's decorations are only known once the window manager has
    // framed the window again: size it once more then, frame included.
    CallAfter([this] {
        SetSize(createdSize_);
        Centre(wxBOTH);
    });
}
