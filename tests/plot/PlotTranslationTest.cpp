#include "PlotTestSupport.h"

#include "plot/iPlotTranslation.h"

#include "platform/core/Exception.h"
#include "platform/core/TReader.h"
#include "platform/core/TWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Stands in for the master manager: routes the table's and the entries' notices back to it.
struct TranslationHost
{
    std::unique_ptr<TiPlotTranslationManager> table;
    int tableInserts { 0 };

    TranslationHost()
    {
        table = std::make_unique<TiPlotTranslationManager>(
            [this](vcl::TObject* sender) {
                if (sender == table.get() || !table)
                    ++tableInserts;
                else
                    table->NotificationInsert(sender);
            },
            [this](vcl::TObject* sender) {
                if (table && sender != table.get())
                    table->NotificationRemove(sender);
            });
    }
    int Add(const QString& original, const QString& replacement)
    {
        const int index = table->Add();
        table->Item(index)->SetOriginalString(original);
        table->Item(index)->SetReplacementString(replacement);
        return index;
    }
    QStringList Originals() const
    {
        QStringList out;
        for (int i = 0; i < table->Count(); ++i)
            out << table->Item(i)->OriginalString();
        return out;
    }
};

using ptest::MessageOf;

TEST(PlotTranslation, NewestEntryWinsAndCaseCounts)
{
    TranslationHost host;
    EXPECT_EQ(host.tableInserts, 1);
    EXPECT_EQ(host.Add("Zoom", "Zoomen"), 0);
    EXPECT_EQ(host.Add("Zoom", "Vergrößern"), 0);
    EXPECT_EQ(host.table->Item(1)->ReplacementString(), "Zoomen");
    EXPECT_EQ(host.table->FindReplacement("Zoom"), QString::fromUtf8("Vergrößern"));
    EXPECT_EQ(host.table->FindReplacement("zoom"), "zoom");

    TiPlotTranslationObject* fresh = host.table->CreateObject();
    EXPECT_EQ(fresh->OriginalString(), "Unknown");
    EXPECT_EQ(host.table->Item(0), fresh);
    host.table->Delete(0);
    EXPECT_EQ(host.table->Count(), 2);
    EXPECT_THROW(host.table->Delete(2), vcl::EListError);
    host.table->Clear();
    EXPECT_EQ(host.table->Count(), 0);
}

TEST(PlotTranslation, HandlersAreRequired)
{
    const vcl::TNotifyEvent some = [](vcl::TObject*) {};
    EXPECT_EQ(MessageOf([&] { TiPlotTranslationManager(nullptr, some); }), "OnInsert event handler can not be null");
    EXPECT_EQ(MessageOf([&] { TiPlotTranslationManager(some, nullptr); }), "OnRemove event handler can not be null");
}

TEST(PlotTranslation, FilesLoadInReverseAndFailWithTheirPrefix)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.txt");
    TranslationHost host;
    host.Add("Old", "Alt");

    ptest::WriteAll(path, "One\tEins\r\nTwo\tZwei\tmit Tab\r\nThree\tDrei\r\n");
    host.table->LoadFromFile(path);
    EXPECT_EQ(host.Originals(), QStringList({ "Three", "Two", "One" }));
    EXPECT_EQ(host.table->Item(1)->ReplacementString(), "Zwei\tmit Tab");

    const QString saved = dir.filePath("saved.txt");
    host.table->SaveToFile(saved);
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Three\tDrei\r\nTwo\tZwei\tmit Tab\r\nOne\tEins\r\n"));

    ptest::WriteAll(path, "First\tErste\r\n\r\nThird\tDritte\r\n");
    EXPECT_EQ(MessageOf([&] { host.table->LoadFromFile(path); }),
              "Error Loading Data - Invalid Format - Tab Deliminator Missing");
    EXPECT_EQ(host.Originals(), QStringList({ "First" }));

    const QString missingMessage = MessageOf([&] { host.table->LoadFromFile(dir.filePath("none.txt")); });
    EXPECT_TRUE(missingMessage.startsWith("Error Loading Data - ")) << missingMessage.toStdString();
    EXPECT_EQ(host.Originals(), QStringList({ "First" })); // nothing read, nothing cleared
    const QString saveMessage = MessageOf([&] { host.table->SaveToFile(dir.filePath("no/such/dir/t.txt")); });
    EXPECT_TRUE(saveMessage.startsWith("Error Saving Translation Data - ")) << saveMessage.toStdString();
}

TEST(PlotTranslation, StreamsAsACollectionInReverse)
{
    TranslationHost source;
    source.Add("A", "1");
    source.Add("B", "2");
    vcl::TMemoryStream stream;
    {
        vcl::TWriter writer(stream);
        source.table->WriteToStream(writer);
        writer.WriteInteger(42); // whatever follows stays readable
    }
    TranslationHost target;
    target.Add("Stale", "x");
    stream.SetPosition(0);
    vcl::TReader reader(stream);
    target.table->ReadFromStream(reader);
    EXPECT_EQ(target.Originals(), QStringList({ "A", "B" }));
    EXPECT_EQ(target.table->FindReplacement("B"), "2");
    EXPECT_EQ(reader.ReadInteger(), 42);

    // Another value where the collection belongs: the table ends empty and the value is passed over.
    vcl::TMemoryStream other;
    {
        vcl::TWriter writer(other);
        writer.WriteString("not a collection");
        writer.WriteInteger(7);
    }
    other.SetPosition(0);
    vcl::TReader otherReader(other);
    target.table->ReadFromStream(otherReader);
    EXPECT_EQ(target.table->Count(), 0);
    EXPECT_EQ(otherReader.ReadInteger(), 7);
}

} // namespace
