#include "plot/iPlotTranslation.h"

#include "platform/core/Exception.h"
#include "platform/core/PublishedProperties.h"
#include "platform/core/TReader.h"
#include "platform/core/TStringList.h"
#include "platform/core/TWriter.h"

#include <algorithm>

TiPlotTranslationObject::TiPlotTranslationObject(vcl::TNotifyEvent AOnInsert, vcl::TNotifyEvent AOnRemove)
    : m_onInsert(std::move(AOnInsert)), m_onRemove(std::move(AOnRemove))
{
    if (m_onInsert)
        m_onInsert(this);
}

TiPlotTranslationObject::~TiPlotTranslationObject()
{
    if (m_onRemove)
        m_onRemove(this);
}

const vcl::TPropertyTable* TiPlotTranslationObject::PublishedProperties() const
{
    using Self = TiPlotTranslationObject;
    static const vcl::TPropertyTable table =
        vcl::TPropertyTableBuilder<Self>(QStringLiteral("TiPlotTranslationObject"), nullptr)
            .String(QStringLiteral("OriginalString"), &Self::OriginalString, &Self::SetOriginalString)
            .String(QStringLiteral("ReplacementString"), &Self::ReplacementString, &Self::SetReplacementString)
            .Build();
    return &table;
}

TiPlotTranslationManager::TiPlotTranslationManager(vcl::TNotifyEvent AOnInsert, vcl::TNotifyEvent AOnRemove)
{
    if (!AOnInsert)
        throw vcl::Exception(QStringLiteral("OnInsert event handler can not be null"));
    if (!AOnRemove)
        throw vcl::Exception(QStringLiteral("OnRemove event handler can not be null"));
    m_onInsert = std::move(AOnInsert);
    m_onRemove = std::move(AOnRemove);
    m_onInsert(this);
}

TiPlotTranslationManager::~TiPlotTranslationManager()
{
    Clear();
    if (m_onRemove)
        m_onRemove(this);
}

TiPlotTranslationObject* TiPlotTranslationManager::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        vcl::ListIndexError(Index);
    return m_list[static_cast<std::size_t>(Index)];
}

TiPlotTranslationObject* TiPlotTranslationManager::CreateObject()
{
    auto* entry = new TiPlotTranslationObject(m_onInsert, m_onRemove);
    // The insert handler normally brings the entry here; the table owns it either way.
    NotificationInsert(entry);
    return entry;
}

int TiPlotTranslationManager::Add()
{
    CreateObject();
    return 0;
}

void TiPlotTranslationManager::NotificationInsert(vcl::TObject* Sender)
{
    auto* entry = dynamic_cast<TiPlotTranslationObject*>(Sender);
    if (entry && std::find(m_list.begin(), m_list.end(), entry) == m_list.end())
        m_list.insert(m_list.begin(), entry);
}

void TiPlotTranslationManager::NotificationRemove(vcl::TObject* Sender)
{
    const auto it = std::find(m_list.begin(), m_list.end(), Sender);
    if (it != m_list.end())
        m_list.erase(it);
}

void TiPlotTranslationManager::Delete(int Index)
{
    TiPlotTranslationObject* entry = Item(Index);
    delete entry;
    NotificationRemove(entry);
}

void TiPlotTranslationManager::Clear()
{
    while (!m_list.empty())
        Delete(0);
}

QString TiPlotTranslationManager::FindReplacement(const QString& OriginalString) const
{
    for (const TiPlotTranslationObject* entry : m_list)
        if (entry->OriginalString() == OriginalString)
            return entry->ReplacementString();
    return OriginalString;
}

void TiPlotTranslationManager::SaveToFile(const QString& FileName) const
{
    try {
        vcl::TStringList lines;
        for (const TiPlotTranslationObject* entry : m_list)
            lines.Add(entry->OriginalString() + '\t' + entry->ReplacementString());
        lines.SaveToFile(FileName);
    } catch (const vcl::Exception& e) {
        throw vcl::Exception(QStringLiteral("Error Saving Translation Data - ") + e.Message());
    }
}

void TiPlotTranslationManager::LoadFromFile(const QString& FileName)
{
    try {
        vcl::TStringList lines;
        lines.LoadFromFile(FileName);
        Clear();
        for (int i = 0; i < lines.Count(); ++i) {
            const QString line = lines.Strings(i);
            const auto tab = line.indexOf('\t');
            if (tab < 0)
                throw vcl::Exception(QStringLiteral("Invalid Format - Tab Deliminator Missing"));
            TiPlotTranslationObject* entry = CreateObject();
            entry->SetOriginalString(line.left(tab));
            entry->SetReplacementString(line.mid(tab + 1));
        }
    } catch (const vcl::Exception& e) {
        throw vcl::Exception(QStringLiteral("Error Loading Data - ") + e.Message());
    }
}

void TiPlotTranslationManager::WriteToStream(vcl::TWriter& Writer) const
{
    Writer.WriteValue(vcl::TValueType::vaCollection);
    for (const TiPlotTranslationObject* entry : m_list) {
        Writer.WriteListBegin();
        Writer.WriteProperties(*entry);
        Writer.WriteListEnd();
    }
    Writer.WriteListEnd();
}

void TiPlotTranslationManager::ReadFromStream(vcl::TReader& Reader)
{
    Clear();
    if (Reader.NextValue() != vcl::TValueType::vaCollection) {
        Reader.SkipValue(); // keeps the stream in step for the properties after it
        return;
    }
    Reader.ReadValue();
    while (!Reader.EndOfList()) {
        TiPlotTranslationObject* entry = CreateObject();
        Reader.ReadListBegin();
        while (!Reader.EndOfList())
            Reader.ReadProperty(*entry);
        Reader.ReadListEnd();
    }
    Reader.ReadListEnd();
}
