// The main window's text look-up by SID_ key, the captions of its own controls and the language menu.

#include "ui/FMain.h"

#include "controls/MyPEQAllpass.h"
#include "platform/core/SoftAssert.h"
#include "platform/ui/TMenus.h"
#include "ui/QtDialogLanguage.h"
#include "ui/SidTables.h"
#include "ui/Skin.h"
#include "ui/editors/EditorSet.h"
#include "widgets/RzBmpBtn.h"

namespace {

QString Key(const char* key)
{
    return QString::fromLatin1(key);
}

// One caption step; the step's control is present.
void WriteCaption(TfmMain& w, const CaptionStep& step)
{
    switch (step.What) {
    case CaptionStep::Kind::Text:
        step.Control->SetCaption(w.GetSidText(Key(step.Key)));
        break;
    case CaptionStep::Kind::Phase:
        step.Button->SetCaption(w.GetSidText(step.Button->Down() ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF")));
        break;
    case CaptionStep::Kind::BandEditor:
        for (int t = 0; t < 7; ++t)
            step.BandEditor->SetEqTypeString(w.GetSidText(QStringLiteral("SID_EQ_TYPE%1").arg(t)), t);
        step.BandEditor->SetBypassString(w.GetSidText(QStringLiteral("SID_EQ_BYPASS")));
        step.BandEditor->ChangeLanguage();
        break;
    case CaptionStep::Kind::GateName:
        step.Control->SetCaption(QStringLiteral("In ") + QChar(u'A' + w.Editors().Gate().Selected()) + QStringLiteral("  ")
                                 + w.GetSidText(QStringLiteral("SID_GATE")));
        break;
    case CaptionStep::Kind::CompName:
        step.Control->SetCaption(QStringLiteral("Out ") + QString::number(w.Editors().Comp().Selected() - 1) + QStringLiteral("  ")
                                 + w.GetSidText(QStringLiteral("SID_COMP")));
        break;
    }
}

} // namespace

QString TfmMain::GetSidText(const QString& key) const
{
    // "ChineseBIG5" has no table of its own; it and an unset language read the English one.
    const QStringList& table = Language == QLatin1String("ChineseGB") ? SidTables::Simplified() : SidTables::English();
    return SidTables::Lookup(table, key);
}

void TfmMain::ApplyLanguage()
{
    UseQtDialogLanguage(Language == QLatin1String("ChineseGB"));
    // Captions in a fixed order; a control that is gone ends the walk there.
    for (const MenuCaption& m : Shell().MenuCaptions) {
        if (!m.Item)
            return;
        m.Item->SetCaption(GetSidText(Key(m.Key)));
    }
    if (!Shell().Connected)
        return;
    Shell().Connected->SetCaption(GetSidText(Controller.IsOnline() ? QStringLiteral("SID_DISCONNECT") : QStringLiteral("SID_CONNECT")));

    if (!rzbMenuLink)
        return;
    rzbMenuLink->SetCaption(GetSidText(Controller.IsOnline() ? QStringLiteral("SID_ONLINE") : QStringLiteral("SID_OFFLINE")));
    skin::ShowLinkState(*rzbMenuLink, Controller.IsOnline());

    for (const CaptionStep& step : Shell().Captions) {
        if (!step.Present())
            return;
        WriteCaption(*this, step);
    }
}

void TfmMain::ChineseSimplifiedClick(vcl::TObject* Sender)
{
    auto* item = dynamic_cast<vcl::TMenuItem*>(Sender);
    if (!ZQ9_EXPECT(item))
        return;
    vcl::TControl* peq = Shell().Channels[0].Peq;
    static const char* const names[] = { "ChineseGB", "ChineseBIG5", "English" };
    const auto tag = item->Tag();
    if (tag < 0 || tag > 2) {
        ApplyLanguage();
        if (peq)
            peq->Invalidate();
        return;
    }
    Language = QString::fromLatin1(names[tag]);
    if (item->Checked())
        return;
    for (std::size_t i = 0; i < Shell().LanguageItems.size(); ++i) {
        if (vcl::TMenuItem* other = Shell().LanguageItems[i])
            other->SetChecked(static_cast<std::intptr_t>(i) == tag);
    }
    ApplyLanguage();
    if (peq)
        peq->Invalidate();
}

void TfmMain::EnglishClick(vcl::TObject* Sender)
{
    ChineseSimplifiedClick(Sender);
}
