#include "ui/FStorePreset.h"

#include "device/LUnitControl.h"
#include "ui/FMain.h"

TfmStorePreset* fmStorePreset = nullptr;

TfmStorePreset::TfmStorePreset(vcl::TComponent* owner)
    : TPresetListForm(owner, QStringLiteral("fmStorePreset"), false)
{
    // The model writes the names it reads from the device into both lists from now on.
    if (fmMain && fmMain->UnitControl)
        fmMain->UnitControl->SetPresetListHost(&PresetListDialogs());
}

TfmStorePreset::~TfmStorePreset()
{
    BeforeDestruction();
    if (fmStorePreset == this)
        fmStorePreset = nullptr;
}
