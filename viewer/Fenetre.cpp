#include "viewer/Fenetre.h"

#include "viewer/Vue_OpenGL.h"

Fenetre::Fenetre(wxString const& title, wxSize const& size, wxPoint const& pos, long style, ViewerSetup const& setup) {
    Create(nullptr, wxID_ANY, title, pos, size, style, wxFrameNameStr);
    canvas = new Vue_OpenGL(this, wxDefaultSize, wxDefaultPosition, setup.frontEnd,
                            setup.makeScene ? setup.makeScene() : nullptr);
    Bind(wxEVT_MENU, &Fenetre::OnExit, this, wxID_EXIT);
    if (setup.frontEnd.fullScreenAtStart) ShowFullScreen(true, wxFULLSCREEN_ALL);
    if (setup.frontEnd.centred) Centre(wxBOTH);
    // The canvas sets OpenGL up itself once it is really on screen: under
    // GTK 3 a window is mapped some time after Show().
    Show(true);
}

void Fenetre::OnExit(wxCommandEvent&) { Close(true); }
