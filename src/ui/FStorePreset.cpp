#include "ui/FStorePreset.h"

#include "device/LUnitControl.h"
#include "ui/MainWindowAccess.h"

TfmStorePreset* fmStorePreset = nullptr;

TfmStorePreset::TfmStorePreset(vcl::TComponent* owner)
    : TPresetListForm(owner, QStringLiteral("fmStorePreset"), false)
{
    // The model writes the names it reads from the device into both lists from now on.
    if (DeviceAccess* device = MainDevice())
        device->SetPresetListHost(&PresetListDialogs());
}

TfmStorePreset::~TfmStorePreset()
{
    BeforeDestruction();
    if (fmStorePreset == this)
        fmStorePreset = nullptr;
}
