#include "plot/iPlotComponent.h"
#include "plot/iPlotImageListStream.h"

#include "platform/core/TReader.h"
#include "platform/core/TWriter.h"

using namespace vcl;

namespace {

// The object collections in stream order, with their property names.
std::vector<std::pair<QString, TiPlotObjectManagerCustom*>> StreamedManagers(const TiPlotMasterManager& m)
{
    return {
        { QStringLiteral("ToolBarManager"), m.ToolBarManager() },
        { QStringLiteral("LegendManager"), m.LegendManager() },
        { QStringLiteral("TableManager"), m.TableManager() },
        { QStringLiteral("XAxisManager"), m.XAxisManager() },
        { QStringLiteral("YAxisManager"), m.YAxisManager() },
        { QStringLiteral("ChannelManager"), m.ChannelManager() },
        { QStringLiteral("DataViewManager"), m.DataViewManager() },
        { QStringLiteral("DataCursorManager"), m.DataCursorManager() },
        { QStringLiteral("LimitManager"), m.LimitManager() },
        { QStringLiteral("LabelManager"), m.LabelManager() },
    };
}

} // namespace

void TiPlotComponent::DefineProperties(TFiler& Filer)
{
    TiPlotLayoutManager* layout = FMaster->LayoutManager();
    const bool wasEnabled = layout->Enabled();
    const bool wasUpdating = UpdateActive();
    layout->SetEnabled(false);
    BeginUpdate();
    // A write has no Loaded: the state before it comes back once it is over, also after a failure.
    if (dynamic_cast<TWriter*>(&Filer))
        Filer.AtEnd([this, wasEnabled, wasUpdating] {
            if (wasEnabled)
                FMaster->LayoutManager()->SetEnabled(true);
            if (!wasUpdating)
                EndUpdate();
        });

    Filer.DefineProperty(
        QStringLiteral("DataViewZHorz"), [this](TReader& r) { SetDataViewZHorz(r.ReadInteger()); },
        [this](TWriter& w) { w.WriteInteger(DataViewZHorz()); }, true);
    Filer.DefineProperty(
        QStringLiteral("DataViewZVert"), [this](TReader& r) { SetDataViewZVert(r.ReadInteger()); },
        [this](TWriter& w) { w.WriteInteger(DataViewZVert()); }, true);
    for (int i = 0; i < static_cast<int>(FImageLists.size()); ++i) {
        TImageList* list = FImageLists[static_cast<std::size_t>(i)].get();
        Filer.DefineBinaryProperty(
            QStringLiteral("ImageList%1").arg(i), [list](TStream& s) { iReadImageList(s, *list); },
            [list](TStream& s) { iWriteImageList(s, *list); }, list->Count() > 0);
    }
    for (const auto& [name, manager] : StreamedManagers(*FMaster)) {
        if (!manager)
            continue;
        TiPlotObjectManagerCustom* m = manager;
        Filer.DefineProperty(
            name, [m](TReader& r) { m->ReadFromStream(r); }, [m](TWriter& w) { m->WriteToStream(w); },
            m->DoWriteToStream());
    }
    if (TiPlotTranslationManager* table = FMaster->TranslationManager())
        Filer.DefineProperty(
            QStringLiteral("TranslationManager"), [table](TReader& r) { table->ReadFromStream(r); },
            [table](TWriter& w) { table->WriteToStream(w); }, table->DoWriteToStream());

    TiCustomComponent::DefineProperties(Filer);

    // A toolbar sharing the title's side and place moves one step further out.
    if (ToolBarCount() > 0 && LabelCount() > 0) {
        TiPlotToolBar* toolBar = ToolBar(0);
        TiPlotLabel* label = Label(0);
        if (toolBar->Horizontal() == label->Horizontal() && toolBar->ZOrder() == label->ZOrder())
            toolBar->SetZOrder(label->ZOrder() + 1);
    }
}

void TiPlotComponent::Loaded()
{
    TiCustomComponent::Loaded();
    FMaster->LayoutManager()->SetEnabled(true);
    EndUpdate();
}
