#pragma once
// The main window: owns the device model, the response plots and the open transport.

#include "platform/ui/TForm.h"

class TfmMain : public vcl::TForm
{
public:
    explicit TfmMain(vcl::TComponent* owner);
    ~TfmMain() override;

    // --- window creation and shell ---

    // The start-up sequence, raised once the window is built.
    void FormCreate(vcl::TObject* Sender);

    // --- send path and link fields ---

    // --- USB glue ---
};

extern TfmMain* fmMain;
