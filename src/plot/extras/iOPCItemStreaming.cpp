// OPC items in form streams: their stored settings and the item list as one collection value.

#include "plot/extras/iOPCItem.h"

#include "platform/core/PublishedProperties.h"
#include "platform/core/TReader.h"
#include "platform/core/TWriter.h"

using namespace vcl;

const TPropertyTable* TiOPCItem::PublishedProperties() const
{
    using I = TiOPCItem;
    static const TPropertyTable table =
        TPropertyTableBuilder<I>(QStringLiteral("TiOPCItem"), TPersistent::PublishedProperties())
            .String(QStringLiteral("PropertyName"), &I::PropertyName, &I::SetPropertyName)
            .String(QStringLiteral("GroupName"), &I::GroupName, &I::SetGroupName)
            .String(QStringLiteral("ComputerName"), &I::ComputerName, &I::SetComputerName)
            .String(QStringLiteral("ServerName"), &I::ServerName, &I::SetServerName)
            .String(QStringLiteral("ItemName"), &I::ItemName, &I::SetItemName)
            .Float(QStringLiteral("Scalar"), &I::Scalar, &I::SetScalar)
            .Float(QStringLiteral("Offset"), &I::Offset, &I::SetOffset)
            .Integer(QStringLiteral("UpdateRate"), &I::UpdateRate, &I::SetUpdateRate)
            .Boolean(QStringLiteral("AutoConnect"), &I::AutoConnect, &I::SetAutoConnect)
            .Boolean(QStringLiteral("AutoError"), &I::AutoError, &I::SetAutoError)
            .Build();
    return &table;
}

void TiOPCItemManager::WriteToStream(TWriter& Writer) const
{
    Writer.WriteValue(TValueType::vaCollection);
    for (const auto& item : FList) {
        Writer.WriteListBegin();
        Writer.WriteProperties(*item);
        Writer.WriteListEnd();
    }
    Writer.WriteListEnd();
}

void TiOPCItemManager::ReadFromStream(TReader& Reader)
{
    Clear();
    if (Reader.NextValue() != TValueType::vaCollection) {
        Reader.SkipValue(); // keeps the stream in step for what follows
        return;
    }
    Reader.ReadValue();
    while (!Reader.EndOfList()) {
        TiOPCItem* item = Item(Add());
        Reader.ReadListBegin();
        while (!Reader.EndOfList())
            Reader.ReadProperty(*item);
        Reader.ReadListEnd();
        item->Loaded();
    }
    Reader.ReadListEnd();
}
