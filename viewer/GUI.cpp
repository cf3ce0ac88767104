#include "viewer/GUI.h"

#include <wx/log.h>
#include <wx/utils.h>

#include <cstdio>

#include "render/GlPainter.h"
#include "viewer/Fenetre.h"
#include "viewer/Vue_OpenGL.h"

// Last: Xlib defines macros (None, Status, Bool) that other headers use as names.
#include <X11/Xlib.h>

namespace {

// An X display without the GLX extension cannot host the canvas (the
// toolkit would only assert); Wayland displays are left to the toolkit.
bool glxMissing() {
    wxDisplayInfo const info = wxGetDisplayInfo();
    if (info.type != wxDisplayX11 || info.dpy == nullptr) return false;
    int opcode = 0, event = 0, error = 0;
    return !XQueryExtension(static_cast<Display*>(info.dpy), "GLX", &opcode, &event, &error);
}

}  // namespace

bool GUI::OnInit() {
    if (glxMissing()) {
        std::fprintf(stderr, "%s: the display offers no OpenGL (GLX)\n", setup_.programName.c_str());
        return false;
    }
    auto* frame = new Fenetre(wxString::FromUTF8(viewerTitle), wxSize(800, 600), wxDefaultPosition,
                              wxDEFAULT_FRAME_STYLE, setup_);
    SetTopWindow(frame);
    return true;
}

int runViewer(int argc, char** argv, ViewerSetup const& setup) {
    // The toolkit's own complaint about a missing display would come as a
    // log dialog or several lines; one plain line says it better.
    wxLog::EnableLogging(false);
    wxApp::SetInstance(new GUI(setup));
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr,
                     "%s: no display available (DISPLAY or WAYLAND_DISPLAY unset, or the display cannot be "
                     "opened); run it on a virtual display with xvfb-run, or scripts/xrun.sh in the source tree\n",
                     setup.programName.c_str());
        return 1;
    }
    wxLog::EnableLogging(true);
    // The engine's bodies draw with OpenGL while the application runs.
    GlPainter openGlPainter;
    PainterScope const drawWithGl(openGlPainter);
    int status = 1;
    if (wxTheApp->CallOnInit()) {
        status = wxTheApp->OnRun();
        // Closing the window ends the loop with 0; a window closed for want
        // of OpenGL is a failure.
        if (Vue_OpenGL::openGlMissing()) status = 1;
    } else {
        wxTheApp->OnExit();
    }
    wxEntryCleanup();
    return status;
}
