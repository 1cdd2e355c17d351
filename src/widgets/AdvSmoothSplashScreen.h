#pragma once
// The start-up splash component: describes what the splash shows, opens the splash window when
// its form has loaded and closes it when the main form is first shown or a timeout passes.

#include "platform/core/Events.h"
#include "platform/core/TComponent.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TTimer.h"
#include "widgets/AdvSmoothHTML.h"
#include "widgets/AdvSmoothSplashScreenContent.h"
#include "widgets/AdvSmoothSplashScreenProgress.h"
#include "widgets/AdvStyleIF.h"
#include "widgets/GDIPFill.h"

#include <QPointer>

#include <memory>

class TGDIPPictureContainer;
class TSplashScreenWindow;

enum class TDisplayStyle { dsNormal, dsFadeInOut };
enum class TDisplayLocation { dlFixedPos, dlCenter };
enum class TThreadType { ttMainThread, ttSeparateThread };
enum class TAdvSmoothSplashScreenTextRenderingHint { tAntiAlias, tAntiAliasGridFit, tClearType };

class TAdvSmoothSplashScreen : public vcl::TComponent, public IComponentStyle
{
public:
    explicit TAdvSmoothSplashScreen(vcl::TComponent* AOwner);
    // The splash must be hidden first: an open window refers back to the component.
    ~TAdvSmoothSplashScreen() override;

    void Loaded() override;

    // --- published ---
    bool StayOnTop() const { return m_stayOnTop; }
    void SetStayOnTop(bool value);
    QString Version() const { return QStringLiteral("1.2.0.0"); }
    void SetVersion(const QString&) {}
    bool AutoShow() const { return m_autoShow; }
    void SetAutoShow(bool value) { m_autoShow = value; }
    bool AutoAdaptPictureSize() const { return m_autoAdaptPictureSize; }
    void SetAutoAdaptPictureSize(bool value) { m_autoAdaptPictureSize = value; }
    TBasicProgramInfo* BasicProgramInfo() const { return m_basicProgramInfo.get(); }
    void SetBasicProgramInfo(TBasicProgramInfo* value) { m_basicProgramInfo->Assign(value); }
    bool CloseOnMainFormShow() const { return m_closeOnMainFormShow; }
    void SetCloseOnMainFormShow(bool value) { m_closeOnMainFormShow = value; }
    bool CloseOnTimeout() const { return m_closeOnTimeout; }
    void SetCloseOnTimeout(bool value) { m_closeOnTimeout = value; }
    TGDIPFill* Fill() const { return m_fill.get(); }
    void SetFill(TGDIPFill* value) { m_fill->Assign(value); }
    int TimeOut() const { return m_timeOut; }
    void SetTimeOut(int value) { m_timeOut = value; }
    TGDIPSplashProgress* ProgressBar() const { return m_progressBar.get(); }
    void SetProgressBar(TGDIPSplashProgress* value) { m_progressBar->Assign(value); }
    TSplashItems* Items() const { return m_items.get(); }
    void SetItems(TSplashItems* value) { m_items->Assign(value); }
    int PictureGap() const { return m_pictureGap; }
    void SetPictureGap(int value) { m_pictureGap = value; }
    TSplashListItems* ListItems() const { return m_listItems.get(); }
    void SetListItems(TSplashListItems* value) { m_listItems->Assign(value); }
    TSplashListItemsSettings* ListItemsSettings() const { return m_listItemsSettings.get(); }
    void SetListItemsSettings(TSplashListItemsSettings* value) { m_listItemsSettings->Assign(value); }
    TGDIPPictureContainer* PictureContainer() const { return m_pictureContainer; }
    void SetPictureContainer(TGDIPPictureContainer* value);
    TDisplayStyle DisplayStyle() const { return m_displayStyle; }
    void SetDisplayStyle(TDisplayStyle value) { m_displayStyle = value; }
    TDisplayLocation DisplayLocation() const { return m_displayLocation; }
    void SetDisplayLocation(TDisplayLocation value) { m_displayLocation = value; }
    int DisplayPosX() const { return m_displayPosX; }
    void SetDisplayPosX(int value) { m_displayPosX = value; }
    int DisplayPosY() const { return m_displayPosY; }
    void SetDisplayPosY(int value) { m_displayPosY = value; }
    int Width() const { return m_width; }
    void SetWidth(int value) { m_width = value; }
    int Height() const { return m_height; }
    void SetHeight(int value) { m_height = value; }
    IHTMLImageList* Images() const { return m_images; }
    void SetImages(IHTMLImageList* value) { m_images = value; }
    TAdvSplashTopLayerItems* TopLayerItems() const { return m_topLayerItems.get(); }
    void SetTopLayerItems(TAdvSplashTopLayerItems* value);
    int MaxOpacity() const { return m_maxOpacity; }
    void SetMaxOpacity(int value) { m_maxOpacity = value & 0xFF; }
    TAdvSmoothSplashScreenTextRenderingHint TextRendering() const { return m_textRendering; }
    void SetTextRendering(TAdvSmoothSplashScreenTextRenderingHint value);

    vcl::TNotifyEvent OnProgressChange;
    TAdvSmoothProgressBarPositionChanged OnProgressPositionChanged;
    vcl::TNotifyEvent OnClick;
    vcl::TNotifyEvent OnBeforeShow;
    vcl::TNotifyEvent OnClose;

    // --- public ---
    TSplashScreenWindow* SplashWindow() const { return m_splashWindow; }
    bool Showing() const { return m_showing; }
    bool FocusParentForm() const { return m_focusParentForm; }
    void SetFocusParentForm(bool value) { m_focusParentForm = value; }
    vcl::TForm* MainForm() const { return m_mainForm; }
    void SetMainForm(vcl::TForm* value);

    void Show();
    // X and Y are not used: the position comes from DisplayLocation.
    void Show(int X, int Y);
    void Hide();
    void Refresh();
    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();
    void FadeIn(int Step, int Wait, int Max);
    void FadeOut(int Step, int Wait, int Min);
    void SetFocusToForm(vcl::TForm* AForm);
    void SetComponentStyle(TStylePreset AStyle) override;
    void SaveToTheme(const QString&) {}
    void LoadFromTheme(const QString&) {}
    QString GetThemeID() const { return QStringLiteral("TAdvSmoothSplashScreen"); }

    // Clicks the form at its client area's top-left corner to give it the focus.
    static void ClickForm(vcl::TForm* F);

    vcl::TTimer* CloseTimer() const { return m_closeTimer; }
    vcl::TTimer* FocusTimer() const { return m_focusTimer; }
    // Invalidates the open window (which changes nothing visible on the layered path).
    void InvalidateWindow();

protected:
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

private:
    friend class TSplashScreenWindow;
    void ShowSplashWindow();
    void FreeSplashWindow();
    void MainFormShow(vcl::TObject* Sender);
    void InstallShowHook();
    void RemoveShowHook();
    void CloseTimerTick(vcl::TObject* Sender);
    void FocusTimerTick(vcl::TObject* Sender);
    void FocusFormTimerTick(vcl::TObject* Sender);
    void UpdateProgressBar(vcl::TObject* Sender);
    void LoadVersionInfo();

    bool m_stayOnTop { true };
    bool m_autoShow { true };
    bool m_autoAdaptPictureSize { true };
    std::unique_ptr<TBasicProgramInfo> m_basicProgramInfo;
    bool m_closeOnMainFormShow { true };
    bool m_closeOnTimeout { false };
    std::unique_ptr<TGDIPFill> m_fill;
    int m_timeOut { 1000 };
    std::unique_ptr<TGDIPSplashProgress> m_progressBar;
    std::unique_ptr<TSplashItems> m_items;
    int m_pictureGap { 5 };
    std::unique_ptr<TSplashListItems> m_listItems;
    std::unique_ptr<TSplashListItemsSettings> m_listItemsSettings;
    TGDIPPictureContainer* m_pictureContainer { nullptr };
    TDisplayStyle m_displayStyle { TDisplayStyle::dsFadeInOut };
    TDisplayLocation m_displayLocation { TDisplayLocation::dlCenter };
    int m_displayPosX { 0 };
    int m_displayPosY { 0 };
    int m_width { 600 };
    int m_height { 400 };
    IHTMLImageList* m_images { nullptr };
    std::unique_ptr<TAdvSplashTopLayerItems> m_topLayerItems;
    int m_maxOpacity { 255 };
    TAdvSmoothSplashScreenTextRenderingHint m_textRendering { TAdvSmoothSplashScreenTextRenderingHint::tClearType };

    bool m_showing { false };
    TSplashScreenWindow* m_splashWindow { nullptr };
    // Forgotten when the form is freed first.
    QPointer<vcl::TForm> m_mainForm;
    vcl::TNotifyEvent m_oldMainFormShow;
    bool m_focusParentForm { false };
    vcl::TTimer* m_closeTimer { nullptr };
    vcl::TTimer* m_focusTimer { nullptr };
    vcl::TTimer* m_focusFormTimer { nullptr };
    QPointer<vcl::TForm> m_newFocusForm;
    TThreadType m_threadType { TThreadType::ttMainThread };
    int m_updateCount { 0 };
};
