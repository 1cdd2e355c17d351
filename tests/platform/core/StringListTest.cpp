#include "platform/core/Exception.h"
#include "platform/core/TCollection.h"
#include "platform/core/TStringList.h"
#include "platform/core/TUpdateGuard.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vcl;

namespace {

QStringList contents(const TStrings& s) { return s.ToStringList(); }

struct Counted : TObject
{
    explicit Counted(int& alive) : m_alive(alive) { ++m_alive; }
    ~Counted() override { --m_alive; }
    int& m_alive;
};

QByteArray readFile(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(StringList, UnsortedKeepsOrderAndFindsWithoutCase)
{
    TStringList l;
    l.Add("beta");
    l.Add("Alpha");
    l.Insert(0, "gamma");
    EXPECT_EQ(contents(l), QStringList({ "gamma", "beta", "Alpha" }));
    EXPECT_EQ(l.IndexOf("ALPHA"), 2);
    EXPECT_EQ(l.IndexOf("delta"), -1);
    l.Move(2, 0);
    EXPECT_EQ(contents(l), QStringList({ "Alpha", "gamma", "beta" }));
    l.Delete(1);
    EXPECT_EQ(contents(l), QStringList({ "Alpha", "beta" }));
    try {
        l.Get(2);
        FAIL();
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (2)");
    }
    EXPECT_THROW(l.Insert(5, "x"), EStringListError);
    EXPECT_THROW(l.Delete(-1), EStringListError);
}

TEST(StringList, SortedDuplicatePolicies)
{
    const struct { TDuplicates dup; QStringList expected; bool throws; } cases[] = {
        { TDuplicates::dupIgnore, { "a", "B", "c" }, false },
        { TDuplicates::dupAccept, { "a", "b", "B", "c" }, false },
        { TDuplicates::dupError, { "a", "B", "c" }, true },
    };
    for (const auto& c : cases) {
        TStringList l;
        l.SetDuplicates(c.dup);
        l.SetSorted(true);
        l.Add("c");
        l.Add("B");
        l.Add("a");
        if (c.throws)
            EXPECT_THROW(l.Add("b"), EStringListError);
        else
            l.Add("b"); // equal to "B" without case: before it when accepted
        EXPECT_EQ(contents(l), c.expected) << static_cast<int>(c.dup);
    }
    TStringList l;
    l.SetSorted(true);
    l.Add("x");
    EXPECT_THROW(l.Insert(0, "y"), EStringListError);
    EXPECT_THROW(l.Put(0, "y"), EStringListError);
}

TEST(StringList, SortingAnExistingListAndCaseSensitiveOrder)
{
    TStringList l;
    l.SetText("pear\nApple\napple\n10\n_x\nbanana\n");
    l.SetCaseSensitive(true);
    l.SetSorted(true);
    EXPECT_EQ(contents(l), QStringList({ "10", "_x", "apple", "Apple", "banana", "pear" }));
    int index = -1;
    EXPECT_TRUE(l.Find("Apple", index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(l.Find("cherry", index));
    EXPECT_EQ(index, 5);
}

TEST(StringList, ObjectsFollowTheirStringsAndOwnedOnesAreFreed)
{
    int alive = 0;
    {
        TStringList l(true);
        l.SetSorted(true);
        auto* b = new Counted(alive);
        l.AddObject("b", b);
        l.AddObject("a", new Counted(alive));
        l.AddObject("c", new Counted(alive));
        EXPECT_EQ(l.Objects(1), b);
        EXPECT_EQ(l.IndexOfObject(b), 1);
        l.Delete(0);
        EXPECT_EQ(alive, 2);
        l.SetObjects(0, new Counted(alive)); // replaces and frees b
        EXPECT_EQ(alive, 2);
    }
    EXPECT_EQ(alive, 0);
    TStringList notOwning;
    Counted kept(alive);
    notOwning.AddObject("k", &kept);
    notOwning.Clear();
    EXPECT_EQ(alive, 1);
}

TEST(StringList, ChangeNoticesAreHeldDuringUpdate)
{
    TStringList l;
    int changing = 0, changed = 0;
    l.OnChanging = [&](TObject* sender) { EXPECT_EQ(sender, &l); ++changing; };
    l.OnChange = [&](TObject*) { ++changed; };
    l.Add("a");
    EXPECT_EQ(changing, 1);
    EXPECT_EQ(changed, 1);
    {
        TUpdateGuard<TStrings> outer(l);
        TUpdateGuard<TStrings> inner(l);
        l.Add("b");
        l.Add("c");
        l.Delete(0);
        EXPECT_EQ(changed, 1);
    }
    EXPECT_EQ(changing, 2);
    EXPECT_EQ(changed, 2);
    try {
        TUpdateGuard<TStrings> guard(l);
        l.Get(99);
    } catch (const EStringListError&) {
    }
    EXPECT_EQ(l.UpdateCount(), 0); // the guard ended the update on the throw
}

TEST(StringList, TextAndCommaText)
{
    TStringList l;
    l.SetText("one\r\ntwo\rthree\n\nfive\r\n");
    EXPECT_EQ(contents(l), QStringList({ "one", "two", "three", "", "five" }));
    EXPECT_EQ(l.Text(), "one\r\ntwo\r\nthree\r\n\r\nfive\r\n");
    l.SetText("");
    EXPECT_EQ(l.Count(), 0);

    l.SetCommaText(R"(a, "b c" ,"say ""hi""",,d,)");
    EXPECT_EQ(contents(l), QStringList({ "a", "b c", "say \"hi\"", "", "d", "" }));
    EXPECT_EQ(l.CommaText(), R"(a,"b c","say ""hi""",,d,)");
}

TEST(StringList, AssignCopiesStringsObjectsAndOrderRules)
{
    TStringList src;
    src.SetSorted(true);
    src.SetDuplicates(TDuplicates::dupAccept);
    TObject o;
    src.AddObject("z", &o);
    src.Add("y");
    TStringList dst;
    dst.Add("old");
    dst.Assign(&src);
    EXPECT_EQ(contents(dst), QStringList({ "y", "z" }));
    EXPECT_EQ(dst.Objects(1), &o);
    EXPECT_TRUE(dst.Sorted());
    EXPECT_EQ(dst.Duplicates(), TDuplicates::dupAccept);
    TCollection other([](TCollection* c) { return new TCollectionItem(c); });
    try {
        dst.Assign(&other);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TCollection to a TStringList");
    }
}

TEST(StringListFiles, EncodingsRoundTripWithCrLf)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString text = QString::fromUtf8("Gain \u00B1 dB\nZQ9\n");
    const struct { TTextEncoding enc; QByteArray prefix; } cases[] = {
        { TTextEncoding::Ansi, QByteArray("Gain \xB1 dB\r\n") },
        { TTextEncoding::Utf8, QByteArray("\xEF\xBB\xBFGain \xC2\xB1 dB\r\n") },
        { TTextEncoding::Utf16LE, QByteArray("\xFF\xFEG\0a\0", 6) },
        { TTextEncoding::Utf16BE, QByteArray("\xFE\xFF\0G\0a", 6) },
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QStringLiteral("t%1.txt").arg(static_cast<int>(c.enc)));
        TStringList out;
        out.SetText(text);
        out.SaveToFile(path, c.enc);
        const QByteArray bytes = readFile(path);
        EXPECT_TRUE(bytes.startsWith(c.prefix)) << static_cast<int>(c.enc);
        TStringList in;
        in.LoadFromFile(path);
        EXPECT_EQ(contents(in), QStringList({ QString::fromUtf8("Gain \u00B1 dB"), "ZQ9" }));
        EXPECT_EQ(in.Encoding(), c.enc);
        // Saving again without naming an encoding keeps the file's own.
        in.SaveToFile(path);
        EXPECT_EQ(readFile(path), bytes);
    }
}

TEST(StringListFiles, OddInputsAndFailures)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("odd.txt");
    writeFile(path, QByteArray("\xFF\xFE" "a\0b", 5)); // UTF-16 with a dangling byte
    TStringList l;
    l.LoadFromFile(path);
    EXPECT_EQ(contents(l), QStringList({ "a" }));
    writeFile(path, QByteArray("\xEF\xBB\xBF"));
    l.LoadFromFile(path);
    EXPECT_EQ(l.Count(), 0);
    EXPECT_EQ(l.Encoding(), TTextEncoding::Utf8);
    // Only the first mark is taken as one: a second is the text's own character and survives a
    // save and a load.
    writeFile(path, QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx"));
    l.LoadFromFile(path);
    EXPECT_EQ(contents(l), QStringList({ QString(QChar(0xFEFF)) + "x" }));
    l.SaveToFile(path);
    l.LoadFromFile(path);
    EXPECT_EQ(contents(l), QStringList({ QString(QChar(0xFEFF)) + "x" }));

    l.SetText("keep");
    EXPECT_THROW(l.LoadFromFile(dir.filePath("missing.txt")), EFOpenError);
    EXPECT_EQ(contents(l), QStringList({ "keep" }));
    EXPECT_THROW(l.SaveToFile(dir.filePath("no/such/dir/x.txt")), EFCreateError);
}

namespace {

struct Band : TCollectionItem
{
    using TCollectionItem::TCollectionItem;
    int Gain { 0 };
    void Assign(TPersistent* Source) override
    {
        if (auto* b = dynamic_cast<Band*>(Source)) {
            Gain = b->Gain;
            Changed(false);
            return;
        }
        TCollectionItem::Assign(Source);
    }
};

struct Bands : TCollection
{
    Bands() : TCollection([](TCollection* c) { return new Band(c); }) {}
    std::vector<TCollectionItem*> updates;
    std::vector<std::pair<TCollectionItem*, TCollectionNotification>> notices;

protected:
    void Update(TCollectionItem* Item) override { updates.push_back(Item); }
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override { notices.push_back({ Item, Action }); }
};

} // namespace

TEST(Collection, ItemsKnowIndexAndUniqueIds)
{
    Bands bands;
    auto* a = static_cast<Band*>(bands.Add());
    auto* b = static_cast<Band*>(bands.Add());
    auto* c = static_cast<Band*>(bands.Insert(0));
    EXPECT_EQ(bands.Count(), 3);
    EXPECT_EQ(c->Index(), 0);
    EXPECT_EQ(a->Index(), 1);
    EXPECT_EQ(a->ID(), 0);
    EXPECT_EQ(c->ID(), 2);
    bands.Delete(1);
    EXPECT_EQ(bands.FindItemID(0), nullptr);
    EXPECT_EQ(bands.FindItemID(1), b);
    auto* d = bands.Add();
    EXPECT_EQ(d->ID(), 3); // IDs are never reused
    EXPECT_THROW(bands.Items(3), EListError);
    delete b; // an item freed directly leaves its collection
    EXPECT_EQ(bands.Count(), 2);
}

TEST(Collection, UpdatesAndNotices)
{
    Bands bands;
    auto* a = static_cast<Band*>(bands.Add());
    EXPECT_EQ(bands.updates, std::vector<TCollectionItem*>({ nullptr }));
    EXPECT_EQ(bands.notices.back().second, TCollectionNotification::cnAdded);
    bands.updates.clear();
    Band src(nullptr);
    src.Gain = 5;
    a->Assign(&src);
    EXPECT_EQ(bands.updates, std::vector<TCollectionItem*>({ a }));
    bands.updates.clear();
    {
        TUpdateGuard<TCollection> guard(bands);
        bands.Add();
        bands.Add();
        a->Assign(&src);
        EXPECT_TRUE(bands.updates.empty());
    }
    EXPECT_EQ(bands.updates, std::vector<TCollectionItem*>({ nullptr }));
    bands.notices.clear();
    bands.Delete(0);
    ASSERT_EQ(bands.notices.size(), 2u);
    EXPECT_EQ(bands.notices[0].second, TCollectionNotification::cnDeleting);
    EXPECT_EQ(bands.notices[1].second, TCollectionNotification::cnExtracting);

    Bands copy;
    copy.Assign(&bands);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(static_cast<Band*>(copy.Items(0))->Gain, static_cast<Band*>(bands.Items(0))->Gain);
}
