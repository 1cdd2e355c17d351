#include "widgets/AdvHintInfo.h"

TAdvHintInfo::TAdvHintInfo()
    : m_picture(std::make_unique<TGDIPPicture>()), m_notes(std::make_unique<vcl::TStringList>())
{
}

TAdvHintInfo::~TAdvHintInfo() = default;

void TAdvHintInfo::Assign(vcl::TPersistent* Source)
{
    auto* other = dynamic_cast<TAdvHintInfo*>(Source);
    if (other == nullptr || other == this)
        return;
    m_title = other->m_title;
    m_notes->Assign(other->m_notes.get());
    m_showHelp = other->m_showHelp;
    m_picture->Assign(other->m_picture.get());
    m_wideTitle = other->m_wideTitle;
    m_wideNotes = other->m_wideNotes;
}

bool TAdvHintInfo::IsEmpty() const
{
    return m_title.isEmpty() && m_notes->Text().isEmpty();
}

void TAdvHintInfo::SetPicture(TGDIPPicture* value)
{
    if (value != m_picture.get())
        m_picture->Assign(value);
}

void TAdvHintInfo::SetNotes(vcl::TStrings* value)
{
    if (value != m_notes.get())
        m_notes->Assign(value);
}
