// The master manager's side of the property editor: creating, filling and showing it, writing
// its Control page back into the plot, translating it, and its lifetime in the two editor styles.

#include "plot/iPlotMasterManager.h"
#include "platform/core/SoftAssert.h"
#include "plot/iGPGeometry.h"

#include "plot/iPlotComponent.h"
#include "plot/iPlotEditorForm.h"
#include "plot/iPlotLayoutViewer.h"

#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TPageControl.h"

#include <QGuiApplication>
#include <QScreen>

using namespace vcl;

const std::array<const char*, 14>& TiPlotMasterManager::EditorPageControlNames()
{
    static const std::array<const char*, 14> names = {
        "MainPageControl",       "ControlPageControl",    "ChannelPageControl",
        "XAxisPageControl",      "XAxisLabelsPageControl", "YAxisPageControl",
        "YAxisLabelsPageControl", "DataCursorPageControl", "LimitPageControl",
        "LabelPageControl",      "LegendPageControl",     "TablePageControl",
        "DataViewPageControl",   "DataViewGridLinesCustomPageControl",
    };
    return names;
}

TiPlotEditorForm* TiPlotMasterManager::OpenEditor() const
{
    return FEditorForm && !FEditorForm->IsClosing() ? FEditorForm : nullptr;
}

void TiPlotMasterManager::CreateEditorForm()
{
    auto* plot = dynamic_cast<TiPlotComponent*>(FOwner);
    if (!plot)
        return;
    auto* editor = new TiPlotEditorForm(plot);
    FEditorForm = editor;
    editor->Master = this;
    editor->SetFormTranslationMethod([this](TForm* Form) { TranslateForm(Form); });
    editor->LayoutViewer()->SetMaster(this);
    editor->LayoutViewer()->SetLayoutManager(FLayoutManager);
    editor->LayoutViewer()->SetTranslationManager(FTranslationManager.get());
    editor->OnClose = [this, editor](TObject*, TCloseAction& Action) {
        // A stay-on-top editor goes when the user closes it; a modal one when EditProperties ends.
        if (editor->Modal() || FEditorForm != editor)
            return;
        Action = TCloseAction::caFree;
        FEditorForm = nullptr;
    };
    for (int k = 0; k < static_cast<int>(TiEditorObjectKind::Count); ++k) {
        const auto kind = static_cast<TiEditorObjectKind>(k);
        TiComponentEditorListBox* list = editor->ListBox(kind);
        ForEachKindObject([list, kind](TiPlotObject* object) {
            if (TiPlotEditorForm::KindOf(object) == kind)
                list->Items()->AddObject(object->Name(), object);
        });
        list->SetItemIndex(list->Count() > 0 ? 0 : -1);
        editor->UpdateEdit(kind);
    }
    editor->ClearChannelStats();
    for (size_t i = 0; i < FPageControlIndexes.size(); ++i)
        iSetActivePageIndex(
            editor->Control<TiComponentEditorPageControl>(QString::fromLatin1(EditorPageControlNames()[i])),
            FPageControlIndexes[i]);
    const bool addRemove = plot->UserCanAddRemoveChannels();
    editor->Control<TControl>(QStringLiteral("iChannelAddButton"))->SetVisible(addRemove);
    editor->Control<TControl>(QStringLiteral("ChannelRemoveButton"))->SetVisible(addRemove);
    TranslateForm(editor);
}

void TiPlotMasterManager::EditProperties()
{
    if (!FEditorForm)
        CreateEditorForm();
    TiPlotEditorForm* editor = FEditorForm;
    if (!ZQ9_EXPECT(editor))
        return;
    auto* plot = dynamic_cast<TiPlotComponent*>(FOwner);
    // A modal editor is freed when this call ends, whichever way it ends.
    struct ModalRelease
    {
        TiPlotMasterManager* master;
        bool active { false };
        ~ModalRelease()
        {
            if (active)
                delete std::exchange(master->FEditorForm, nullptr);
        }
    } release { this, plot && plot->EditorFormStyle() == TiPlotFormStyle::ipfsModal };
    editor->UpdateAll();
    editor->PlotComponent = plot;
    if (plot)
        LoadControlPage();
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
    editor->SetBounds(screen.width() / 2 - editor->Width() / 2, screen.height() / 2 - editor->Height() / 2,
                      editor->Width(), editor->Height());
    if (plot && plot->OnAfterOpenEditor)
        plot->OnAfterOpenEditor(this);
    if (plot && plot->EditorFormStyle() == TiPlotFormStyle::ipfsStayOnTop) {
        editor->SetFormStyle(TFormStyle::fsStayOnTop);
        editor->Show();
    } else {
        editor->ShowModal();
    }
    RememberEditorPages();
}

void TiPlotMasterManager::RememberEditorPages()
{
    if (!FEditorForm)
        return;
    for (size_t i = 0; i < FPageControlIndexes.size(); ++i)
        FPageControlIndexes[i] = iGetActivePageIndex(
            FEditorForm->Control<TiComponentEditorPageControl>(QString::fromLatin1(EditorPageControlNames()[i])));
}

void TiPlotMasterManager::LoadControlPage()
{
    auto* plot = dynamic_cast<TiPlotComponent*>(FOwner);
    TiPlotEditorForm* editor = FEditorForm;
    editor->ControlPage().Load(*plot, false);
    auto folder = [editor](const char* Name, const QString& Folder) {
        if (auto* open = dynamic_cast<TiComponentEditorOpenPicker*>(editor->FindComponent(QString::fromLatin1(Name))))
            open->SetDefaultDir(Folder);
        else
            editor->Control<TiComponentEditorSavePicker>(QString::fromLatin1(Name))->SetDefaultDir(Folder);
    };
    folder("ControlPropertiesLoadPicker", plot->DefaultPropertyDirectory());
    folder("ControlPropertiesSavePicker", plot->DefaultPropertyDirectory());
    folder("ControlDataLoadPicker", plot->DefaultDataDirectory());
    folder("ControlDataSavePicker", plot->DefaultDataDirectory());
    folder("ControlAnnotationsLoadPicker", plot->DefaultAnnotationDirectory());
    folder("ControlAnnotationsSavePicker", plot->DefaultAnnotationDirectory());
    UpdateLogControls();
}

void TiPlotMasterManager::UpdateLogControls()
{
    auto* plot = dynamic_cast<TiPlotComponent*>(FOwner);
    TiPlotEditorForm* editor = FEditorForm;
    const bool logging = plot->LoggingActive();
    editor->Control<TControl>(QStringLiteral("ControlLogActivateButton"))->SetEnabled(!logging);
    editor->Control<TControl>(QStringLiteral("ControlLogDeactivateButton"))->SetEnabled(logging);
    editor->Control<TControl>(QStringLiteral("ControlLogFileNameEdit"))->SetEnabled(!logging);
    editor->Control<TControl>(QStringLiteral("ControlLogFileNamePicker"))->SetEnabled(!logging);
}

void TiPlotMasterManager::BasicPropertyChanged()
{
    auto* plot = dynamic_cast<TiPlotComponent*>(FOwner);
    if (!plot || !OpenEditor())
        return;
    FEditorForm->ControlPage().Apply(*plot, false);
    UpdateLogControls();
}

void TiPlotMasterManager::ObjectEdit(TObject* Sender)
{
    auto* object = dynamic_cast<TiPlotObject*>(Sender);
    if (!FEditorForm)
        CreateEditorForm();
    if (!FEditorForm || !object)
        return;
    const TiEditorObjectKind kind = TiPlotEditorForm::KindOf(object);
    if (kind != TiEditorObjectKind::Count && kind != TiEditorObjectKind::Label) {
        TiComponentEditorListBox* list = FEditorForm->ListBox(kind);
        list->SetItemIndex(list->Items()->IndexOfObject(object));
        FEditorForm->Control<TiComponentEditorPageControl>(QStringLiteral("MainPageControl"))
            ->SetActivePage(FEditorForm->MainPage(kind));
    }
    EditProperties();
}

void TiPlotMasterManager::TranslateForm(TForm* Form)
{
    if (!Form || (FEditorForm && FEditorForm->IsClosing()) || !FTranslationManager
        || FTranslationManager->Count() == 0)
        return;
    auto tr = [this](const QString& Text) { return FTranslationManager->FindReplacement(Text); };
    Form->SetCaption(tr(Form->Caption()));
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent* c = Form->Components(i);
        if (auto* check = dynamic_cast<TiCheckBox*>(c)) {
            check->SetCaption(tr(check->Caption()));
        } else if (auto* radio = dynamic_cast<TiRadioGroup*>(c)) {
            radio->SetCaption(tr(radio->Caption()));
            for (int n = 0; n < radio->Items()->Count(); ++n)
                radio->Items()->SetStrings(n, tr(radio->Items()->Strings(n)));
        } else if (auto* combo = dynamic_cast<TComboBox*>(c)) {
            const int index = combo->ItemIndex();
            for (int n = 0; n < combo->Items()->Count(); ++n)
                combo->Items()->SetStrings(n, tr(combo->Items()->Strings(n)));
            combo->SetItemIndex(index);
        } else if (auto* item = dynamic_cast<TMenuItem*>(c)) {
            if (item->Parent() && !item->Parent()->Parent())
                item->SetCaption(tr(item->Caption()));
        } else if (auto* control = dynamic_cast<TControl*>(c); control && !dynamic_cast<TEdit*>(c)) {
            control->SetCaption(tr(control->Caption()));
        }
    }
}
