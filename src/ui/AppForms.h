#pragma once
// Creates the main window and then every dialog, once, in the order the program relies on.

namespace vcl {
class TApplication;
}

// The main window comes first (it becomes the main form and its OnCreate has run before any
// dialog exists); the dialogs follow, hidden.
void CreateAppForms(vcl::TApplication& app);
