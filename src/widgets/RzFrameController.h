#pragma once
// One set of framing and colour settings shared by every control that names the controller:
// framing clients (panel, group box, label) re-apply the settings themselves, other controls get
// each setting they accept through their property of the same name. The settings are saved to and
// loaded from a settings component.

#include "platform/core/Exception.h"
#include "platform/core/TComponent.h"
#include "widgets/RzCommon.h"

#include <vector>

namespace vcl {
class TControl;
}

namespace rz {

class TRzRegIniFile;
class TRzFrameController;

enum class TRzFrameControllerProperty {
    fcpColor, fcpFocusColor, fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpParentColor,
    fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor, fcpFrameHotColor, fcpFrameHotTrack, fcpFrameHotStyle,
    fcpFrameSides, fcpFrameStyle, fcpFrameVisible, fcpFramingPreference, fcpAll
};
using TRzFrameControllerNotifications = vcl::TSet<TRzFrameControllerProperty>;
// fcpColor to fcpFramingPreference.
TRzFrameControllerNotifications AllFrameControllerNotifications();

class ENoRegIniFile : public vcl::Exception
{
public:
    using vcl::Exception::Exception;
};

// A control that re-applies the controller's settings itself.
class IFramingClient
{
public:
    virtual ~IFramingClient() = default;
    virtual void ApplyFrameController() = 0;
};

// A control with its own set of accepted settings and properties named as the controller's.
// Color and ParentColor are every control's own and need no answer here.
class IFrameControllerTarget
{
public:
    virtual ~IFrameControllerTarget() = default;
    virtual TRzFrameControllerNotifications FrameControllerNotifications() const = 0;
    // Sets the control's property of that kind from Controller; false when it has none.
    virtual bool SetFrameControllerProperty(TRzFrameControllerProperty Kind, const TRzFrameController& Controller) = 0;
};

class TRzFrameController : public vcl::TComponent
{
public:
    explicit TRzFrameController(vcl::TComponent* AOwner);
    ~TRzFrameController() override;

    TColor Color() const { return FColor; }
    virtual void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    virtual void SetParentColor(bool Value);
    TColor FlatButtonColor() const { return FFlatButtonColor; }
    virtual void SetFlatButtonColor(TColor Value);
    bool FlatButtons() const { return FFlatButtons; }
    virtual void SetFlatButtons(bool Value);
    TColor DisabledColor() const { return FDisabledColor; }
    virtual void SetDisabledColor(TColor Value);
    TColor ReadOnlyColor() const { return FReadOnlyColor; }
    virtual void SetReadOnlyColor(TColor Value);
    bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
    virtual void SetReadOnlyColorOnFocus(bool Value);
    TColor FocusColor() const { return FFocusColor; }
    virtual void SetFocusColor(TColor Value);
    TColor FrameColor() const { return FFrameColor; }
    virtual void SetFrameColor(TColor Value);
    TColor FrameHotColor() const { return FFrameHotColor; }
    virtual void SetFrameHotColor(TColor Value);
    bool FrameHotTrack() const { return FFrameHotTrack; }
    virtual void SetFrameHotTrack(bool Value);
    TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
    virtual void SetFrameHotStyle(TFrameStyle Value);
    TSides FrameSides() const { return FFrameSides; }
    virtual void SetFrameSides(TSides Value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    virtual void SetFrameStyle(TFrameStyle Value);
    bool FrameVisible() const { return FFrameVisible; }
    virtual void SetFrameVisible(bool Value);
    TFramingPreference FramingPreference() const { return FFramingPreference; }
    virtual void SetFramingPreference(TFramingPreference Value);
    TRzRegIniFile* RegIniFile() const { return FRegIniFile; }
    virtual void SetRegIniFile(TRzRegIniFile* Value);

    // A control joins once and receives every setting at once; the last one out frees the list.
    void AddControl(vcl::TComponent* AComponent);
    void RemoveControl(vcl::TComponent* AComponent);
    int ControlCount() const { return static_cast<int>(FFrameList.size()); }
    void BeginUpdate();
    void EndUpdate();
    void UpdateControls();
    void Loaded() override;
    void Assign(vcl::TPersistent* Source) override;

    // Old form values: "FrameFlat" and "FrameFocusStyle" map onto today's settings.
    void ReadFrameFlat(bool Value);
    void ReadFrameFocusStyle(TFrameStyle Value);
    // An obsolete property met while reading a form ("FrameFlat", "FrameFocusStyle",
    // "FrameFlatStyle"); false for any other name, whose value is left unread.
    bool ReadObsoleteProperty(const QString& Name, TFormValueReader& Reader);

    // Raise ENoRegIniFile without a RegIniFile; Load updates the controls once, also on failure.
    void Load(const QString& Section);
    void Save(const QString& Section);

    virtual void ApplyTo(vcl::TComponent* AComponent, TRzFrameControllerProperty Kind);
    virtual void ApplyToAll(TRzFrameControllerProperty Kind);

protected:
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

private:
    void SetOne(vcl::TControl* Control, IFrameControllerTarget* Target, TRzFrameControllerProperty Kind);

    TColor FColor { vcl::clWindow };
    bool FParentColor { false };
    std::vector<vcl::TComponent*> FFrameList;
    TColor FFlatButtonColor { vcl::clBtnFace };
    bool FFlatButtons { true };
    TColor FDisabledColor { vcl::clBtnFace };
    TColor FReadOnlyColor { vcl::clInfoBk };
    bool FReadOnlyColorOnFocus { false };
    TColor FFocusColor { vcl::clWindow };
    TColor FFrameColor { vcl::clBtnShadow };
    TColor FFrameHotColor { vcl::clBtnShadow };
    bool FFrameHotTrack { false };
    TFrameStyle FFrameHotStyle { TFrameStyleEx::fsFlatBold };
    TSides FFrameSides { sdAllSides };
    TFrameStyle FFrameStyle { TFrameStyleEx::fsFlat };
    bool FFrameVisible { false };
    TFramingPreference FFramingPreference { TFramingPreference::fpXPThemes };
    int FUpdateCount { 0 };
    TRzRegIniFile* FRegIniFile { nullptr };
};

// A control's FrameController property: signs the control on with a new controller and off with
// the old one, follows the controller's destruction, and holds the accepted settings.
class TRzFrameControllerLink
{
public:
    explicit TRzFrameControllerLink(vcl::TComponent& Control) : m_control(Control) {}
    ~TRzFrameControllerLink();
    TRzFrameControllerLink(const TRzFrameControllerLink&) = delete;
    TRzFrameControllerLink& operator=(const TRzFrameControllerLink&) = delete;

    TRzFrameController* Get() const { return m_controller; }
    void Set(TRzFrameController* Value);
    // From the control's Notification: forgets a controller that is going.
    void Forget(vcl::TComponent* AComponent);

    TRzFrameControllerNotifications Notifications { AllFrameControllerNotifications() };

private:
    vcl::TComponent& m_control;
    TRzFrameController* m_controller { nullptr };
};

} // namespace rz
