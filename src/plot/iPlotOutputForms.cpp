#include "plot/iPlotOutputForms.h"

#include "plot/iPlotComponent.h"
#include "plot/iPlotDialogs.h"
#include "plot/iPlotPrintPreview.h"

std::optional<QString> iPickSaveImageFile(TiPlotComponent& Plot, const TiSaveImageRequest& Request)
{
    TiSaveDialog dialog(&Plot);
    dialog.SetDefaultDir(Request.InitialDir);
    dialog.SetFilter(Request.Filter);
    dialog.SetFileName(Request.FileName);
    dialog.SetFilterIndex(Request.FilterIndex);
    if (!dialog.Execute())
        return std::nullopt;
    return dialog.FileName();
}

void iInstallPlotOutputForms()
{
    TiPlotOutputHooks::SaveImagePicker = iPickSaveImageFile;
    TiPlotOutputHooks::ShowPreview = [](TiPlotComponent& Plot) { iShowPlotPreview(Plot); };
}
