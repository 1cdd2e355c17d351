#pragma once
// A rich hint record (title, notes, picture, help flag) that controls carry and copy.

#include "platform/core/TPersistent.h"
#include "platform/core/TStringList.h"
#include "widgets/GDIPicture.h"

#include <QString>

#include <memory>

class TAdvHintInfo : public vcl::TPersistent
{
public:
    TAdvHintInfo();
    ~TAdvHintInfo() override;

    // Copies from another hint record; any other source is ignored.
    void Assign(vcl::TPersistent* Source) override;
    // No title and no notes text (the picture does not count).
    bool IsEmpty() const;

    TGDIPPicture* Picture() const { return m_picture.get(); }
    void SetPicture(TGDIPPicture* value);
    bool ShowHelp() const { return m_showHelp; }
    void SetShowHelp(bool value) { m_showHelp = value; }
    vcl::TStringList* Notes() const { return m_notes.get(); }
    void SetNotes(vcl::TStrings* value);
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& value) { m_title = value; }
    const QString& WideTitle() const { return m_wideTitle; }
    void SetWideTitle(const QString& value) { m_wideTitle = value; }
    const QString& WideNotes() const { return m_wideNotes; }
    void SetWideNotes(const QString& value) { m_wideNotes = value; }

private:
    std::unique_ptr<TGDIPPicture> m_picture;
    bool m_showHelp { false };
    std::unique_ptr<vcl::TStringList> m_notes;
    QString m_title;
    QString m_wideTitle;
    QString m_wideNotes;
};
