#include "widgets/GDIPPictureContainer.h"

#include "platform/core/Exception.h"
#include "widgets/AdvOfficeImage.h"

TPictureItem::TPictureItem(vcl::TCollection* Collection)
    : vcl::TCollectionItem(Collection), m_picture(std::make_unique<TAdvGDIPPicture>())
{
}

TPictureItem::~TPictureItem() = default;

void TPictureItem::Assign(vcl::TPersistent* Source)
{
    auto* other = dynamic_cast<TPictureItem*>(Source);
    if (other == nullptr)
        throw vcl::EInvalidCast(QStringLiteral("Invalid class typecast"));
    m_name = other->m_name;
    m_tag = other->m_tag;
    m_picture->Assign(other->m_picture.get());
}

void TPictureItem::SetPicture(TAdvGDIPPicture* value)
{
    if (value != m_picture.get())
        m_picture->Assign(value);
}

TPictureCollection::TPictureCollection(vcl::TPersistent* Owner)
    : vcl::TCollection([](vcl::TCollection* c) { return new TPictureItem(c); }, Owner)
{
}

TGDIPPictureContainer::TGDIPPictureContainer(vcl::TComponent* AOwner)
    : vcl::TComponent(AOwner), m_items(std::make_unique<TPictureCollection>(this))
{
}

TGDIPPictureContainer::~TGDIPPictureContainer() = default;

void TGDIPPictureContainer::SetItems(TPictureCollection* value)
{
    m_items->Assign(value);
}

TAdvGDIPPicture* TGDIPPictureContainer::FindPicture(const QString& s) const
{
    const QString wanted = s.toUpper();
    for (int i = 0; i < m_items->Count(); ++i)
        if (m_items->Items(i)->Name().toUpper() == wanted)
            return m_items->Items(i)->Picture();
    return nullptr;
}

int TGDIPPictureContainer::GetVersionNr() const
{
    return 1 << 24;
}

QString TGDIPPictureContainer::Version() const
{
    return VersionNrToText(GetVersionNr());
}
