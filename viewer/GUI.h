#pragma once

#include <wx/app.h>

#include "viewer/ViewerSetup.h"

// The application: creates the viewer's window and makes it the top window.
class GUI : public wxApp {
public:
    explicit GUI(ViewerSetup setup) : setup_(std::move(setup)) {}
    bool OnInit() override;

private:
    ViewerSetup setup_;
};
