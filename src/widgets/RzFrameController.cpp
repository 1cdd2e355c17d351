#include "widgets/RzFrameController.h"

#include "platform/ui/TControl.h"
#include "widgets/RzRegIniFile.h"

#include <algorithm>

namespace rz {

using namespace vcl;
using P = TRzFrameControllerProperty;

TRzFrameControllerNotifications AllFrameControllerNotifications()
{
    TRzFrameControllerNotifications all;
    for (int i = 0; i < static_cast<int>(P::fcpAll); ++i)
        all << static_cast<P>(i);
    return all;
}

TRzFrameController::TRzFrameController(TComponent* AOwner) : TComponent(AOwner) {}

TRzFrameController::~TRzFrameController()
{
    BeforeDestruction();
}

#define RZ_FC_SETTER(Name, Field, Type, Kind) \
    void TRzFrameController::Name(Type Value)  \
    {                                          \
        if (Field == Value)                    \
            return;                            \
        Field = Value;                         \
        ApplyToAll(Kind);                      \
    }
RZ_FC_SETTER(SetFlatButtonColor, FFlatButtonColor, TColor, P::fcpFlatButtonColor)
RZ_FC_SETTER(SetFlatButtons, FFlatButtons, bool, P::fcpFlatButtons)
RZ_FC_SETTER(SetDisabledColor, FDisabledColor, TColor, P::fcpDisabledColor)
RZ_FC_SETTER(SetReadOnlyColor, FReadOnlyColor, TColor, P::fcpReadOnlyColor)
RZ_FC_SETTER(SetReadOnlyColorOnFocus, FReadOnlyColorOnFocus, bool, P::fcpReadOnlyColorOnFocus)
RZ_FC_SETTER(SetFocusColor, FFocusColor, TColor, P::fcpFocusColor)
RZ_FC_SETTER(SetFrameColor, FFrameColor, TColor, P::fcpFrameColor)
RZ_FC_SETTER(SetFrameHotColor, FFrameHotColor, TColor, P::fcpFrameHotColor)
RZ_FC_SETTER(SetFrameHotStyle, FFrameHotStyle, TFrameStyle, P::fcpFrameHotStyle)
RZ_FC_SETTER(SetFrameSides, FFrameSides, TSides, P::fcpFrameSides)
RZ_FC_SETTER(SetFrameStyle, FFrameStyle, TFrameStyle, P::fcpFrameStyle)
RZ_FC_SETTER(SetFrameVisible, FFrameVisible, bool, P::fcpFrameVisible)
RZ_FC_SETTER(SetFramingPreference, FFramingPreference, TFramingPreference, P::fcpFramingPreference)
#undef RZ_FC_SETTER

// The focus colour follows when it was the same as the colour; a colour of its own ends ParentColor.
void TRzFrameController::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    if (FFocusColor == FColor)
        FFocusColor = Value;
    FColor = Value;
    FParentColor = false;
    ApplyToAll(P::fcpColor);
}

void TRzFrameController::SetParentColor(bool Value)
{
    if (FParentColor == Value)
        return;
    FParentColor = Value;
    ApplyToAll(P::fcpParentColor);
    if (!Value)
        ApplyToAll(P::fcpColor);
}

void TRzFrameController::SetFrameHotTrack(bool Value)
{
    if (FFrameHotTrack == Value)
        return;
    FFrameHotTrack = Value;
    if (Value) {
        SetFrameVisible(true);
        if (!ComponentState().Contains(TComponentStateItem::csLoading))
            FFrameSides = sdAllSides;
    }
    ApplyToAll(P::fcpFrameHotTrack);
}

void TRzFrameController::SetRegIniFile(TRzRegIniFile* Value)
{
    if (FRegIniFile == Value)
        return;
    if (FRegIniFile)
        FRegIniFile->RemoveFreeNotification(this);
    FRegIniFile = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TRzFrameController::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FRegIniFile)
        FRegIniFile = nullptr;
    std::erase(FFrameList, AComponent);
}

void TRzFrameController::AddControl(TComponent* AComponent)
{
    if (!AComponent || std::find(FFrameList.begin(), FFrameList.end(), AComponent) != FFrameList.end())
        return;
    FFrameList.push_back(AComponent);
    AComponent->FreeNotification(this); // a control freed without signing off is forgotten too
    ApplyTo(AComponent, P::fcpAll);
}

void TRzFrameController::RemoveControl(TComponent* AComponent)
{
    const auto it = std::find(FFrameList.begin(), FFrameList.end(), AComponent);
    if (it == FFrameList.end())
        return;
    FFrameList.erase(it);
    if (FFrameList.empty())
        FFrameList.shrink_to_fit();
}

void TRzFrameController::BeginUpdate()
{
    ++FUpdateCount;
}

void TRzFrameController::EndUpdate()
{
    if (--FUpdateCount <= 0) {
        FUpdateCount = 0;
        ApplyToAll(P::fcpAll);
    }
}

void TRzFrameController::UpdateControls()
{
    ApplyToAll(P::fcpAll);
}

void TRzFrameController::Loaded()
{
    TComponent::Loaded();
    UpdateControls();
}

void TRzFrameController::Assign(TPersistent* Source)
{
    auto* other = dynamic_cast<TRzFrameController*>(Source);
    if (!other) {
        TComponent::Assign(Source);
        return;
    }
    BeginUpdate();
    try {
        SetColor(other->FColor);
        SetDisabledColor(other->FDisabledColor);
        SetReadOnlyColor(other->FReadOnlyColor);
        SetReadOnlyColorOnFocus(other->FReadOnlyColorOnFocus);
        SetFlatButtonColor(other->FFlatButtonColor);
        SetFlatButtons(other->FFlatButtons);
        SetFocusColor(other->FFocusColor);
        SetFrameColor(other->FFrameColor);
        SetFrameHotColor(other->FFrameHotColor);
        SetFrameHotStyle(other->FFrameHotStyle);
        SetFrameHotTrack(other->FFrameHotTrack);
        SetFrameSides(other->FFrameSides);
        SetFrameStyle(other->FFrameStyle);
        SetFrameVisible(other->FFrameVisible);
        SetFramingPreference(other->FFramingPreference);
        SetParentColor(other->FParentColor);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TRzFrameController::ReadFrameFlat(bool Value)
{
    SetFrameHotTrack(Value);
    if (Value) {
        SetFrameStyle(TFrameStyleEx::fsStatus);
        SetFrameHotStyle(TFrameStyleEx::fsLowered);
    }
}

void TRzFrameController::ReadFrameFocusStyle(TFrameStyle Value)
{
    SetFrameHotStyle(Value);
}

bool TRzFrameController::ReadObsoleteProperty(const QString& Name, TFormValueReader& Reader)
{
    if (Name == QLatin1String("FrameFlat"))
        ReadFrameFlat(Reader.ReadBoolean());
    else if (Name == QLatin1String("FrameFocusStyle"))
        ReadFrameFocusStyle(FrameStyleFromIdent(Reader.ReadIdent(), FFrameHotStyle));
    else if (Name == QLatin1String("FrameFlatStyle"))
        TRzOldPropReader::ReadOldIdentProp(Reader);
    else
        return false;
    return true;
}

void TRzFrameController::ApplyToAll(TRzFrameControllerProperty Kind)
{
    if (FUpdateCount > 0)
        return;
    const std::vector<TComponent*> controls = FFrameList; // a control may sign off while updating
    for (TComponent* c : controls)
        ApplyTo(c, Kind);
}

void TRzFrameController::SetOne(TControl* Control, IFrameControllerTarget* Target, TRzFrameControllerProperty Kind)
{
    if (Kind == P::fcpColor)
        Control->SetColor(FColor);
    else if (Kind == P::fcpParentColor)
        Control->SetParentColor(FParentColor);
    else if (Target)
        Target->SetFrameControllerProperty(Kind, *this);
}

void TRzFrameController::ApplyTo(TComponent* AComponent, TRzFrameControllerProperty Kind)
{
    auto* control = dynamic_cast<TControl*>(AComponent);
    if (!control)
        return;
    if (auto* client = dynamic_cast<IFramingClient*>(control)) {
        client->ApplyFrameController();
        return;
    }
    auto* target = dynamic_cast<IFrameControllerTarget*>(control);
    const TRzFrameControllerNotifications accepted =
        target ? target->FrameControllerNotifications() : AllFrameControllerNotifications();
    if (Kind != P::fcpAll) {
        if (accepted.Contains(Kind))
            SetOne(control, target, Kind);
        return;
    }
    static const P order[] = { P::fcpParentColor, P::fcpColor, P::fcpDisabledColor, P::fcpReadOnlyColor,
                               P::fcpReadOnlyColorOnFocus, P::fcpFocusColor, P::fcpFlatButtonColor,
                               P::fcpFlatButtons, P::fcpFrameColor, P::fcpFrameHotColor, P::fcpFrameHotTrack,
                               P::fcpFrameHotStyle, P::fcpFrameSides, P::fcpFrameStyle, P::fcpFrameVisible,
                               P::fcpFramingPreference };
    for (P kind : order) {
        if (kind == P::fcpColor && FParentColor)
            continue;
        if (accepted.Contains(kind))
            SetOne(control, target, kind);
    }
}

TRzFrameControllerLink::~TRzFrameControllerLink()
{
    if (m_controller)
        m_controller->RemoveControl(&m_control);
}

void TRzFrameControllerLink::Set(TRzFrameController* Value)
{
    if (m_controller == Value)
        return;
    if (m_controller) {
        m_controller->RemoveControl(&m_control);
        m_controller->RemoveFreeNotification(&m_control);
    }
    m_controller = Value;
    if (Value) {
        Value->FreeNotification(&m_control);
        Value->AddControl(&m_control);
    }
}

void TRzFrameControllerLink::Forget(TComponent* AComponent)
{
    if (AComponent == m_controller)
        m_controller = nullptr;
}

namespace {

const QString SideKeys[] = { QStringLiteral("FrameSides_Left"), QStringLiteral("FrameSides_Top"),
                             QStringLiteral("FrameSides_Right"), QStringLiteral("FrameSides_Bottom") };

TFrameStyle StyleFrom(int ordinal, TFrameStyle fallback)
{
    return ordinal >= 0 && ordinal <= static_cast<int>(TFrameStyleEx::fsFlatBold) ? static_cast<TFrameStyle>(ordinal)
                                                                                  : fallback;
}

} // namespace

void TRzFrameController::Save(const QString& Section)
{
    if (!FRegIniFile)
        throw ENoRegIniFile(QStringLiteral("Cannot save Custom Framing settings--No TRzRegIniFile component specified"));
    TRzRegIniFile& ini = *FRegIniFile;
    ini.WriteInteger(Section, QStringLiteral("Color"), static_cast<int>(FColor));
    ini.WriteInteger(Section, QStringLiteral("FlatButtonColor"), static_cast<int>(FFlatButtonColor));
    ini.WriteBool(Section, QStringLiteral("FlatButtons"), FFlatButtons);
    ini.WriteInteger(Section, QStringLiteral("DisabledColor"), static_cast<int>(FDisabledColor));
    ini.WriteInteger(Section, QStringLiteral("ReadOnlyColor"), static_cast<int>(FReadOnlyColor));
    ini.WriteBool(Section, QStringLiteral("ReadOnlyColorOnFocus"), FReadOnlyColorOnFocus);
    ini.WriteInteger(Section, QStringLiteral("FocusColor"), static_cast<int>(FFocusColor));
    ini.WriteInteger(Section, QStringLiteral("FrameColor"), static_cast<int>(FFrameColor));
    ini.WriteInteger(Section, QStringLiteral("FrameHotColor"), static_cast<int>(FFrameHotColor));
    ini.WriteInteger(Section, QStringLiteral("FrameHotStyle"), static_cast<int>(FFrameHotStyle));
    ini.WriteBool(Section, QStringLiteral("FrameHotTrack"), FFrameHotTrack);
    for (int i = 0; i < 4; ++i)
        ini.WriteBool(Section, SideKeys[i], FFrameSides.Contains(static_cast<TSide>(i)));
    ini.WriteInteger(Section, QStringLiteral("FrameStyle"), static_cast<int>(FFrameStyle));
    ini.WriteBool(Section, QStringLiteral("FrameVisible"), FFrameVisible);
    ini.WriteInteger(Section, QStringLiteral("FramingPreference"), static_cast<int>(FFramingPreference));
}

// Out-of-range style numbers keep the default rather than becoming a style that does not exist.
void TRzFrameController::Load(const QString& Section)
{
    if (!FRegIniFile)
        throw ENoRegIniFile(QStringLiteral("Cannot load Custom Framing settings--No TRzRegIniFile component specified"));
    TRzRegIniFile& ini = *FRegIniFile;
    BeginUpdate();
    try {
        FColor = static_cast<TColor>(ini.ReadInteger(Section, QStringLiteral("Color"), static_cast<int>(vcl::clWindow)));
        FFlatButtonColor = static_cast<TColor>(ini.ReadInteger(Section, QStringLiteral("FlatButtonColor"), static_cast<int>(vcl::clBtnFace)));
        FFlatButtons = ini.ReadBool(Section, QStringLiteral("FlatButtons"), true);
        FDisabledColor = static_cast<TColor>(ini.ReadInteger(Section, QStringLiteral("DisabledColor"), static_cast<int>(vcl::clBtnFace)));
        FReadOnlyColor = static_cast<TColor>(ini.ReadInteger(Section, QStringLiteral("ReadOnlyColor"), static_cast<int>(vcl::clInfoBk)));
        FReadOnlyColorOnFocus = ini.ReadBool(Section, QStringLiteral("ReadOnlyColorOnFocus"), false);
        FFocusColor = static_cast<TColor>(ini.ReadInteger(Section, QStringLiteral("FocusColor"), static_cast<int>(vcl::clWindow)));
        FFrameColor = static_cast<TColor>(ini.ReadInteger(Section, QStringLiteral("FrameColor"), static_cast<int>(vcl::clBtnShadow)));
        FFrameHotColor = static_cast<TColor>(ini.ReadInteger(Section, QStringLiteral("FrameHotColor"), static_cast<int>(vcl::clBtnShadow)));
        FFrameHotStyle = StyleFrom(ini.ReadInteger(Section, QStringLiteral("FrameHotStyle"), static_cast<int>(TFrameStyleEx::fsFlatBold)), TFrameStyleEx::fsFlatBold);
        FFrameHotTrack = ini.ReadBool(Section, QStringLiteral("FrameHotTrack"), false);
        TSides sides;
        for (int i = 0; i < 4; ++i)
            if (ini.ReadBool(Section, SideKeys[i], true))
                sides << static_cast<TSide>(i);
        FFrameSides = sides;
        FFrameStyle = StyleFrom(ini.ReadInteger(Section, QStringLiteral("FrameStyle"), static_cast<int>(TFrameStyleEx::fsFlat)), TFrameStyleEx::fsFlat);
        FFrameVisible = ini.ReadBool(Section, QStringLiteral("FrameVisible"), false);
        const int pref = ini.ReadInteger(Section, QStringLiteral("FramingPreference"), 1);
        FFramingPreference = pref == 0 ? TFramingPreference::fpCustomFraming : TFramingPreference::fpXPThemes;
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

} // namespace rz
