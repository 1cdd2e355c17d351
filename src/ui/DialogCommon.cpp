#include "ui/DialogCommon.h"

#include "platform/core/AnsiCodec.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/VirtualKeys.h"
#include "ui/MainWindowAccess.h"
#include "ui/FNetWorkScan.h"
#include "ui/Skin.h"
#include "widgets/RzBmpBtn.h"

#include <QHash>

namespace DialogCommon {

QString Sid(const char* key)
{
    static const QHash<QString, QString> english = {
        { QStringLiteral("SID_CANCEL"), QStringLiteral("Cancel") },
        { QStringLiteral("SID_EXIT_OK"), QStringLiteral("OK") },
        { QStringLiteral("SID_EXIT_CANCEL"), QStringLiteral("Cancel") },
        { QStringLiteral("SID_INFO_TITLE"), QStringLiteral("Information") },
    };
    QString text = DialogText(key);
    if (text.isEmpty())
        text = english.value(QString::fromLatin1(key));
    return text;
}

std::string Ansi(const QString& text)
{
    if (DeviceAccess* device = MainDevice())
        return device->WideToAnsi(text);
    const auto bytes = vcl::AnsiCodec::Encode(text);
    return std::string(bytes.begin(), bytes.end());
}

std::string Fixed(const std::string& bytes, std::size_t n, char fill)
{
    std::string out = bytes.substr(0, n);
    out.resize(n, fill);
    return out;
}

QString FromAnsi(const std::string& bytes)
{
    return vcl::AnsiCodec::Decode(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString TrimTrailing(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && (text[n - 1] == QLatin1Char(' ') || text[n - 1] == QLatin1Char('\r')))
        --n;
    return text.left(n);
}

rz::TRzBmpButton* NewButton(vcl::TComponent* owner, vcl::TWinControl* parent, const QString& name, const QString& caption,
                        int left, int top, int width, int height)
{
    auto* b = new rz::TRzBmpButton(owner);
    b->SetName(name);
    b->SetParent(parent);
    b->SetBounds(left, top, width, height);
    b->SetCaption(caption);
    skin::DressButton(*b);
    return b;
}

vcl::TLabel* NewLabel(vcl::TComponent* owner, vcl::TWinControl* parent, const QString& name, const QString& caption,
                      int left, int top)
{
    auto* l = new vcl::TLabel(owner);
    l->SetName(name);
    l->SetParent(parent);
    l->SetLeft(left);
    l->SetTop(top);
    l->SetCaption(caption);
    return l;
}

vcl::TEdit* NewEdit(vcl::TComponent* owner, vcl::TWinControl* parent, const QString& name, const QString& text,
                    int maxLength, int left, int top, int width)
{
    auto* e = new vcl::TEdit(owner);
    e->SetName(name);
    e->SetParent(parent);
    e->SetBounds(left, top, width, 21);
    e->SetMaxLength(maxLength);
    e->SetText(text);
    return e;
}

void EnterClicks(vcl::TEdit* edit, rz::TRzBmpButton* button)
{
    edit->OnKeyDown = [button](vcl::TObject*, vcl::WORD& key, vcl::TShiftState) {
        if (key != vcl::VK_RETURN)
            return;
        button->Click();
        key = 0; // used: the form's default button must not take it again
    };
}

void ForceUpperCase(vcl::TEdit* edit)
{
    edit->OnChange = [edit](vcl::TObject*) {
        QString upper = edit->Text().toUpper();
        if (edit->MaxLength() > 0)
            upper.truncate(edit->MaxLength()); // a letter whose upper case is longer must not grow the text
        if (upper == edit->Text())
            return;
        const int pos = edit->SelStart();
        edit->SetText(upper);
        edit->SetSelStart(std::min<int>(pos, static_cast<int>(upper.size())));
    };
}

void FocusAndSelect(vcl::TEdit* edit)
{
    if (edit->CanFocus())
        edit->SetFocus();
    edit->SelectAll();
}

} // namespace DialogCommon
