#pragma once
// A non-visual component keeping a named list of pictures and finding one by name.

#include "platform/core/TCollection.h"
#include "platform/core/TComponent.h"
#include "widgets/AdvGDIP.h"

#include <memory>

class TPictureItem : public vcl::TCollectionItem
{
public:
    explicit TPictureItem(vcl::TCollection* Collection);
    ~TPictureItem() override;

    // Requires a picture item (vcl::EInvalidCast otherwise); copies name, tag and picture.
    void Assign(vcl::TPersistent* Source) override;

    TAdvGDIPPicture* Picture() const { return m_picture.get(); }
    void SetPicture(TAdvGDIPPicture* value);
    int Tag() const { return m_tag; }
    void SetTag(int value) { m_tag = value; }
    const QString& Name() const { return m_name; }
    void SetName(const QString& value) { m_name = value; }

private:
    std::unique_ptr<TAdvGDIPPicture> m_picture;
    int m_tag { 0 };
    QString m_name;
};

class TPictureCollection : public vcl::TCollection
{
public:
    explicit TPictureCollection(vcl::TPersistent* Owner);
    TPictureItem* Add() { return static_cast<TPictureItem*>(vcl::TCollection::Add()); }
    TPictureItem* Insert(int Index) { return static_cast<TPictureItem*>(vcl::TCollection::Insert(Index)); }
    TPictureItem* Items(int Index) const { return static_cast<TPictureItem*>(vcl::TCollection::Items(Index)); }
};

class TGDIPPictureContainer : public vcl::TComponent
{
public:
    explicit TGDIPPictureContainer(vcl::TComponent* AOwner);
    ~TGDIPPictureContainer() override;

    TPictureCollection* Items() const { return m_items.get(); }
    void SetItems(TPictureCollection* value);
    // The picture of the first item whose name matches ignoring case; nil when none does.
    virtual TAdvGDIPPicture* FindPicture(const QString& s) const;

    int GetVersionNr() const;
    QString Version() const;
    void SetVersion(const QString&) {}

private:
    std::unique_ptr<TPictureCollection> m_items;
};
