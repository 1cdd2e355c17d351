#include "platform/core/Exception.h"
#include "platform/core/PublishedProperties.h"
#include "platform/core/TCollection.h"
#include "platform/core/TComponent.h"
#include "platform/core/TReader.h"
#include "platform/core/TWriter.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vcl;

namespace {

enum class TMode { mdOff, mdSlow, mdFast };
enum class TSide { sdLeft, sdTop, sdRight };
using TSides = TSet<TSide>;

class TStyle : public TPersistent
{
public:
    int Width { 1 };
    QByteArray Blob; // a defined binary property of a nested object
    const TPropertyTable* PublishedProperties() const override
    {
        static const TPropertyTable table =
            TPropertyTableBuilder<TStyle>("TStyle", nullptr).Integer("Width", &TStyle::Width, &TStyle::Width).Build();
        return &table;
    }
    void DefineProperties(TFiler& filer) override
    {
        filer.DefineBinaryProperty(
            "Blob", [this](TStream& s) { Blob = static_cast<TMemoryStream&>(s).Bytes(); },
            [this](TStream& s) { s.WriteBuffer(Blob.constData(), Blob.size()); }, !Blob.isEmpty());
    }
};

class TEntry : public TCollectionItem
{
public:
    using TCollectionItem::TCollectionItem;
    QString Caption;
    const TPropertyTable* PublishedProperties() const override
    {
        static const TPropertyTable table = TPropertyTableBuilder<TEntry>("TEntry", nullptr)
                                                .String("Caption", &TEntry::Caption, &TEntry::Caption)
                                                .Build();
        return &table;
    }
};

class TGadget : public TComponent
{
public:
    explicit TGadget(TComponent* owner = nullptr) : TComponent(owner) {}

    std::int64_t Count { 0 };
    double Level { 0 };
    QString Title;
    TMode Mode { TMode::mdSlow };
    TSides Sides;
    bool Active { true };
    std::vector<int> Extras { 1, 2 }; // defined list property
    int LoadedCalls { 0 };
    bool LoadingSeenInRead { false };

    TStyle* Style() const { return m_style.get(); }
    TCollection* Entries() const { return m_entries.get(); }

    const TPropertyTable* PublishedProperties() const override
    {
        static const TPropertyTable table =
            TPropertyTableBuilder<TGadget>("TGadget", nullptr)
                .Integer("Count", &TGadget::Count, &TGadget::Count)
                .Float("Level", &TGadget::Level, &TGadget::Level)
                .String("Title", &TGadget::Title, &TGadget::Title)
                .Enum("Mode", { "mdOff", "mdSlow", "mdFast" }, &TGadget::Mode, &TGadget::Mode).Default(TMode::mdSlow)
                .Set("Sides", { "sdLeft", "sdTop", "sdRight" }, &TGadget::Sides, &TGadget::Sides)
                .Boolean("Active", &TGadget::Active, &TGadget::Active).Default(true)
                .Object("Style", &TGadget::Style)
                .Object("Entries", &TGadget::Entries)
                .Event("OnChange")
                .Build();
        return &table;
    }
    void DefineProperties(TFiler& filer) override
    {
        LoadingSeenInRead = LoadingSeenInRead || ComponentState().Contains(TComponentStateItem::csLoading);
        filer.DefineProperty(
            "Extras",
            [this](TReader& r) {
                Extras.clear();
                r.ReadListBegin();
                while (!r.EndOfList())
                    Extras.push_back(r.ReadInteger());
                r.ReadListEnd();
            },
            [this](TWriter& w) {
                w.WriteListBegin();
                for (int v : Extras)
                    w.WriteInteger(v);
                w.WriteListEnd();
            },
            !Extras.empty());
    }
    void Loaded() override
    {
        TComponent::Loaded();
        ++LoadedCalls;
    }

private:
    std::unique_ptr<TStyle> m_style { std::make_unique<TStyle>() };
    std::unique_ptr<TCollection> m_entries {
        std::make_unique<TCollection>([](TCollection* c) { return new TEntry(c); })
    };
};

QByteArray WriteGadget(TGadget& g)
{
    TMemoryStream stream;
    TWriter writer(stream);
    writer.WriteRootComponent(g);
    return stream.Bytes();
}

void ReadGadget(const QByteArray& bytes, TGadget& g)
{
    TMemoryStream stream;
    stream.SetBytes(bytes);
    TReader reader(stream);
    reader.ReadRootComponent(g);
}

TEST(FormStream, RoundTripKeepsEveryKindOfProperty)
{
    TGadget source;
    source.SetName("Gadget1");
    source.Count = 5'000'000'000;
    source.Level = -0.1;
    source.Title = QString::fromUtf8("Ω line\r\nnext");
    source.Mode = TMode::mdFast;
    source.Sides = { TSide::sdLeft, TSide::sdRight };
    source.Active = false;
    source.Style()->Width = 7;
    source.Style()->Blob = QByteArray("\x00\x01\xFF", 3);
    static_cast<TEntry*>(source.Entries()->Add())->Caption = "first";
    static_cast<TEntry*>(source.Entries()->Add())->Caption = "second";
    source.Extras = { -1, 300, 70000 };

    TGadget target;
    static_cast<TEntry*>(target.Entries()->Add())->Caption = "stale";
    ReadGadget(WriteGadget(source), target);

    EXPECT_EQ(target.Name(), "Gadget1");
    EXPECT_EQ(target.Count, source.Count);
    EXPECT_EQ(target.Level, -0.1);
    EXPECT_EQ(target.Title, source.Title);
    EXPECT_EQ(target.Mode, TMode::mdFast);
    EXPECT_EQ(target.Sides, source.Sides);
    EXPECT_FALSE(target.Active);
    EXPECT_EQ(target.Style()->Width, 7);
    EXPECT_EQ(target.Style()->Blob, source.Style()->Blob);
    ASSERT_EQ(target.Entries()->Count(), 2);
    EXPECT_EQ(static_cast<TEntry*>(target.Entries()->Items(1))->Caption, "second");
    EXPECT_EQ(target.Extras, source.Extras);
    EXPECT_TRUE(target.LoadingSeenInRead);
    EXPECT_EQ(target.LoadedCalls, 1);
    EXPECT_FALSE(target.ComponentState().Contains(TComponentStateItem::csLoading));
}

TEST(FormStream, WritesDeclaredOrderWithDefaultsLeftOutAndSmallestTags)
{
    TGadget g; // Mode and Active at their defaults, no entries, two extras
    g.Count = 300;
    g.Extras = { 1 };
    const QByteArray bytes = WriteGadget(g);
    QByteArray expected("ZQF1");
    auto text = [&](const char* s) { expected += char(std::strlen(s)); expected += s; };
    text("TGadget");
    text("");
    text("Count");
    expected += QByteArray("\x03\x2C\x01", 3); // vaInt16 300
    text("Level");
    expected += char(21);
    expected += QByteArray(8, '\0');
    text("Title");
    expected += QByteArray("\x14\0\0\0\0", 5);
    text("Sides");
    expected += QByteArray("\x0B\x00", 2);
    text("Style.Width");
    expected += QByteArray("\x02\x01", 2);
    text("Entries");
    expected += QByteArray("\x0E\x00", 2);
    text("Extras");
    expected += QByteArray("\x01\x02\x01\x00", 4);
    expected += QByteArray("\0\0", 2);
    EXPECT_EQ(bytes.toHex(' '), expected.toHex(' '));
}

TEST(FormStream, MalformedStreamsRaiseAndLeaveTheComponentAsItWas)
{
    TGadget source;
    source.Title = "kept";
    source.Count = 9;
    const QByteArray good = WriteGadget(source);

    struct Case { const char* what; QByteArray bytes; const char* message; };
    QByteArray garbledTag = good;
    garbledTag[garbledTag.indexOf("Count") + 5] = char(0x7F);
    const Case cases[] = {
        { "empty", QByteArray(), "Invalid stream format" },
        { "foreign signature", "XXXX" + good.mid(4), "Invalid stream format" },
        { "truncated", good.left(good.size() - 3), "Invalid stream format" },
        { "garbled tag", garbledTag, "Invalid stream format" },
    };
    for (const Case& c : cases) {
        TGadget target;
        target.Title = "before";
        try {
            ReadGadget(c.bytes, target);
            ADD_FAILURE() << c.what;
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), c.message) << c.what;
        }
        EXPECT_EQ(target.Title, "before") << c.what;
        EXPECT_EQ(target.Count, 0) << c.what;
        EXPECT_EQ(target.LoadedCalls, 0) << c.what;
    }
}

TEST(FormStream, PropertyErrorsStillEndTheLoadingState)
{
    auto streamWith = [](const char* name, QByteArray value) {
        QByteArray bytes("ZQF1\x07TGadget\x00", 13);
        bytes += char(std::strlen(name));
        bytes += name;
        bytes += value;
        bytes += QByteArray("\0\0", 2);
        return bytes;
    };
    struct Case { const char* name; QByteArray value; const char* message; };
    const Case cases[] = {
        { "Bogus", QByteArray("\x02\x01", 2), "Property Bogus does not exist" },
        { "Style.Bogus", QByteArray("\x02\x01", 2), "Property Style.Bogus does not exist" },
        { "Mode", QByteArray("\x07\x06mdWarp", 8), "Invalid property value" },
        { "Active", QByteArray("\x02\x01", 2), "Invalid property value" },
    };
    for (const Case& c : cases) {
        TGadget target;
        bool endRan = false;
        TMemoryStream stream;
        stream.SetBytes(streamWith(c.name, c.value));
        TReader reader(stream);
        reader.AtEnd([&] { endRan = true; });
        try {
            reader.ReadRootComponent(target);
            ADD_FAILURE() << c.name;
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), c.message) << c.name;
        }
        EXPECT_EQ(target.LoadedCalls, 1) << c.name;
        EXPECT_FALSE(target.ComponentState().Contains(TComponentStateItem::csLoading)) << c.name;
        EXPECT_TRUE(endRan) << c.name;
    }

    TGadget other;
    TMemoryStream stream;
    stream.SetBytes(QByteArray("ZQF1\x05TPart\x00\x00\x00", 13));
    TReader reader(stream);
    try {
        reader.ReadRootComponent(other);
        ADD_FAILURE();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream holds a TPart, not a TGadget");
    }
}

TEST(FormStream, ReadsOtherWidthsAndExtendedFloats)
{
    // 1.5 as 80-bit extended, -2 as a 64-bit integer, and an 8-bit string.
    QByteArray bytes;
    bytes += char(5);
    bytes += QByteArray("\x00\x00\x00\x00\x00\x00\x00\xC0\xFF\x3F", 10);
    bytes += char(19);
    bytes += QByteArray("\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8);
    bytes += QByteArray("\x06\x02\xE9\x80", 4);
    TMemoryStream stream;
    stream.SetBytes(bytes);
    TReader reader(stream);
    EXPECT_EQ(reader.ReadFloat(), 1.5);
    EXPECT_EQ(reader.ReadFloat(), -2.0);
    EXPECT_EQ(reader.ReadString(), QString::fromUtf8("é€"));
    EXPECT_THROW(reader.ReadValue(), EReadError);
}

TEST(FormStream, WriterRunsItsEndActionsAfterWriting)
{
    TGadget g;
    TMemoryStream stream;
    TWriter writer(stream);
    int ends = 0;
    writer.AtEnd([&] { ++ends; });
    writer.WriteRootComponent(g);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(g.LoadedCalls, 0);
}

} // namespace
