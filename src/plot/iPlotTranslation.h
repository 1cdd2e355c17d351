#pragma once
// The plot's translation table: original interface texts and the texts shown instead. The entry
// created last sits at index 0 and wins when several entries have the same original text.

#include "platform/core/Events.h"
#include "platform/core/TPersistent.h"

#include <QString>

#include <vector>

namespace vcl {
class TReader;
class TWriter;
}

class TiPlotTranslationObject : public vcl::TPersistent
{
public:
    // Both texts "Unknown"; announces itself through AOnInsert.
    TiPlotTranslationObject(vcl::TNotifyEvent AOnInsert, vcl::TNotifyEvent AOnRemove);
    // Reports its removal through the remove callback.
    ~TiPlotTranslationObject() override;

    const QString& OriginalString() const { return m_originalString; }
    void SetOriginalString(const QString& value) { m_originalString = value; }
    const QString& ReplacementString() const { return m_replacementString; }
    void SetReplacementString(const QString& value) { m_replacementString = value; }

    const vcl::TPropertyTable* PublishedProperties() const override;

private:
    vcl::TNotifyEvent m_onInsert;
    vcl::TNotifyEvent m_onRemove;
    QString m_originalString { QStringLiteral("Unknown") };
    QString m_replacementString { QStringLiteral("Unknown") };
};

class TiPlotTranslationManager : public vcl::TObject
{
public:
    // Raises "OnInsert event handler can not be null" / "OnRemove event handler can not be null";
    // announces itself through AOnInsert.
    TiPlotTranslationManager(vcl::TNotifyEvent AOnInsert, vcl::TNotifyEvent AOnRemove);
    ~TiPlotTranslationManager() override;
    TiPlotTranslationManager(const TiPlotTranslationManager&) = delete;
    TiPlotTranslationManager& operator=(const TiPlotTranslationManager&) = delete;

    int Count() const { return static_cast<int>(m_list.size()); }
    // The entry at Index; the list's index error outside 0..Count - 1.
    TiPlotTranslationObject* Item(int Index) const;

    // A new entry, at index 0 of the table when this returns.
    TiPlotTranslationObject* CreateObject();
    int Add();
    void NotificationInsert(vcl::TObject* Sender);
    void NotificationRemove(vcl::TObject* Sender);
    void Delete(int Index);
    void Clear();

    // The replacement of the first entry whose original equals Text exactly; Text when none does.
    QString FindReplacement(const QString& OriginalString) const;

    // One "original TAB replacement" line per entry in index order; failures raise
    // "Error Saving Translation Data - <reason>".
    void SaveToFile(const QString& FileName) const;
    // Clears the table, then adds one entry per line (so the last line ends at index 0);
    // a line without TAB fails with "Error Loading Data - Invalid Format - Tab Deliminator Missing",
    // keeping the lines before it.
    void LoadFromFile(const QString& FileName);

    bool DoWriteToStream() const { return Count() > 0; }
    void WriteToStream(vcl::TWriter& Writer) const;
    void ReadFromStream(vcl::TReader& Reader);

private:
    std::vector<TiPlotTranslationObject*> m_list;
    vcl::TNotifyEvent m_onInsert;
    vcl::TNotifyEvent m_onRemove;
};
