// The OPC binding with a client library present (a stand-in built beside this test): activation
// rules, the requested value type, scaling of good values, the wrapper's error protocol, callbacks
// from the library's own threads reaching items and channels on the user-interface thread, and an
// XY channel fed through its group.

#include "OPCTestSupport.h"
#include "plot/PlotTestSupport.h"

#include "plot/extras/iOPCBinding.h"
#include "plot/extras/iOPCItem.h"
#include "plot/extras/iOPCExplorer.h"
#include "plot/extras/iOPCManager.h"
#include "plot/iPlot.h"
#include "plot/iXYPlot.h"

#include "platform/core/DateTime.h"

#include "platform/core/Exception.h"
#include "platform/core/TReader.h"
#include "platform/core/TWriter.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TTreeView.h"

#include <QDir>

#include <cstdlib>

#include <QThread>

#include <gtest/gtest.h>

using namespace vcl;
using namespace iopc;

namespace {

using opctest::Good;
using opctest::Int;
using opctest::LibraryDirSet;

Variant Wide(std::int64_t v)
{
    Variant value {};
    value.vt = vtI8;
    value.i8 = v;
    return value;
}

Variant Real(double v)
{
    Variant value {};
    value.vt = vtR8;
    value.r8 = v;
    return value;
}

class OPCBindingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        ASSERT_TRUE(LibraryDirSet);
        ASSERT_FALSE(OPCLibraryMissing());
        item = manager.Item(manager.Add());
        item->SetPropertyName(QStringLiteral("Data"));
        manager.OnNewData = [this](TObject*) {
            ++newData;
            newDataOnUiThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        };
    }

    // Activates the item on a fresh signal and returns its handle in the library.
    int Bound(const QString& name)
    {
        item->SetServerName(QStringLiteral("Server"));
        item->SetItemName(name);
        item->Activate();
        return FakeOpcSignalByItem(reinterpret_cast<const char16_t*>(name.utf16()));
    }

    TiOPCItemManager manager;
    TiOPCItem* item { nullptr };
    int newData { 0 };
    bool newDataOnUiThread { false };
};

QString Raised(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const Exception& e) {
        return e.Message();
    }
    return QStringLiteral("(nothing raised)");
}

TEST_F(OPCBindingTest, ActivationNeedsAPropertyAnItemAndAServerOrGroup)
{
    const int before = FakeOpcSignalCount();
    const int handle = Bound(QStringLiteral("Tank.Level"));
    EXPECT_NE(handle, 0);
    EXPECT_EQ(item->SignalHandle(), handle);
    EXPECT_TRUE(item->Active());
    EXPECT_EQ(FakeOpcSignalCount(), before + 1);
    EXPECT_EQ(FakeOpcSignalValueType(handle), 0);

    item->SetItemName(QString()); // re-activates: removes the signal and makes none
    EXPECT_EQ(item->SignalHandle(), 0);
    EXPECT_FALSE(item->Active());
    EXPECT_EQ(FakeOpcSignalCount(), before);

    manager.OnGetType = [](const QString&, TiOPCPropertyKind& kind) { kind = TiOPCPropertyKind::tkUString; };
    item->SetPropertyName(QStringLiteral("Caption"));
    EXPECT_EQ(FakeOpcSignalValueType(Bound(QStringLiteral("Tank.Name"))), 8);
}

TEST_F(OPCBindingTest, GoodValuesAreScaledAndBadOnesKeptAsTheyCame)
{
    const int handle = Bound(QStringLiteral("Scaled"));
    struct Case
    {
        Variant in;
        std::uint16_t quality;
        double scalar, offset;
        std::uint16_t vt;
        double out;
    };
    const Case cases[] = {
        { Int(7), Good, 2.5, 0, vtI4, 18 },
        { Int(7), Good, 2.5, 0.5, vtI4, 18 },
        { Real(1.5), Good, 2, 0.25, vtR8, 3.25 },
        { Wide(3000000000000), Good, 2, 1, vtI8, 6000000000001 },
        { Int(7), 0x00, 2.5, 0.5, vtI4, 7 },
    };
    for (const Case& c : cases) {
        item->SetScalar(c.scalar);
        item->SetOffset(c.offset);
        FakeOpcSetValue(handle, c.in, c.quality);
        const int before = newData;
        FakeOpcFireDataChanged(handle, 0);
        EXPECT_EQ(newData, before + 1);
        EXPECT_EQ(item->Data().vt, c.vt);
        EXPECT_EQ(iOPCVariantToDouble(item->Data()), c.out) << c.out;
        EXPECT_EQ(item->QualityGood(), c.quality == Good);
        EXPECT_EQ(item->TimeStamp(), 46000.5);
    }
}

TEST_F(OPCBindingTest, NotificationsFromTheLibrarysThreadsRunOnTheUserInterfaceThread)
{
    const int handle = Bound(QStringLiteral("Threaded"));
    FakeOpcSetValue(handle, Int(3), Good);
    FakeOpcFireDataChanged(handle, 1);
    EXPECT_EQ(newData, 0); // queued, not run on the library's thread
    ASSERT_TRUE(ptest::WaitFor([&] { return newData == 1; }));
    EXPECT_TRUE(newDataOnUiThread);
    EXPECT_EQ(iOPCVariantToDouble(item->Data()), 3);

    // A notification still queued when its item goes is dropped.
    FakeOpcFireDataChanged(handle, 1);
    manager.Clear();
    ptest::Settle();
    EXPECT_EQ(newData, 1);
}

TEST_F(OPCBindingTest, LibraryErrorsRaiseTheirTextAndKeepTheHandles)
{
    const int handle = Bound(QStringLiteral("Kept"));
    FakeOpcFailNextCall(u"Server refused the item");
    EXPECT_EQ(Raised([&] { item->Activate(); }), QStringLiteral("Server refused the item"));
    EXPECT_EQ(item->SignalHandle(), handle);

    item->Activate();
    EXPECT_NE(item->SignalHandle(), handle);
    std::uint16_t quality = 0;
    EXPECT_EQ(Raised([&] { item->GetDataNow(quality); }),
              QStringLiteral("Function \"SignalGetDataNow\" not found in \"libzq9opcclient.so\"."));

    TiOPCManager groups(nullptr);
    FakeOpcFailNextCall(u"No such server");
    EXPECT_EQ(Raised([&] { groups.GroupAdd(QStringLiteral("G"), QStringLiteral("Local"), QStringLiteral("S"), 500); }),
              QStringLiteral("No such server"));
    ASSERT_EQ(groups.GroupCount(), 1);
    EXPECT_EQ(groups.Group(0)->DLLGroupHandle(), 0);
}

TEST_F(OPCBindingTest, WritingDataSendsEvenWithoutASignal)
{
    int lastHandle = -1;
    const int before = FakeOpcSendDataCalls(&lastHandle);
    item->SetData(Int(5));
    EXPECT_EQ(FakeOpcSendDataCalls(&lastHandle), before + 1);
    EXPECT_EQ(lastHandle, 0);
}

TEST_F(OPCBindingTest, ManagerKeepsItsSizeAndFindsGroupsIgnoringCase)
{
    TiOPCManager groups(nullptr);
    groups.SetBounds(3, 4, 100, 50);
    EXPECT_EQ(groups.Width(), 28);
    EXPECT_EQ(groups.Height(), 28);
    groups.GroupAdd(QStringLiteral("Pressures"), QStringLiteral("Local"), QStringLiteral("S"), 250);
    EXPECT_NE(groups.Group(0)->DLLGroupHandle(), 0);
    EXPECT_EQ(groups.GetGroupIndex(QStringLiteral("pRESSURES")), 0);
    EXPECT_EQ(groups.GetGroupIndex(QStringLiteral("Flows")), -1);

    // Its picture sits two pixels in from its raised frame, and greys when it is disabled.
    const QPoint plug(2 + 18, 2 + 7);
    const QImage enabled = groups.grab().toImage();
    EXPECT_EQ(enabled.pixelColor(plug), QColor(0xC0, 0, 0));
    groups.SetEnabled(false);
    const QImage disabled = groups.grab().toImage();
    const QColor grey = disabled.pixelColor(plug);
    EXPECT_EQ(grey.red(), grey.green());
    EXPECT_EQ(grey.green(), grey.blue());
    if (const char* dir = std::getenv("ZQ9_PICTURE_DIR")) {
        enabled.save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("opc-manager.png")));
        disabled.save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("opc-manager-disabled.png")));
    }
}

// Groups travel with the manager's form stream as "Groups" (only when there are any), and each one
// read gets a library group at once.
TEST_F(OPCBindingTest, ManagerGroupsTravelWithItsFormStream)
{
    auto streamed = [](TiOPCManager& source) {
        TMemoryStream stream;
        TWriter writer(stream);
        writer.WriteRootComponent(source);
        return stream.Bytes();
    };
    TiOPCManager source(nullptr);
    source.SetName(QStringLiteral("Plant"));
    EXPECT_FALSE(streamed(source).contains("Groups"));
    source.GroupAdd(QStringLiteral("Pressures"), QStringLiteral("Local"), QStringLiteral("Server.A"), 250);
    source.GroupAdd(QStringLiteral("Flows"), QStringLiteral("Far"), QStringLiteral("Server.B"), 1000);
    const QByteArray bytes = streamed(source);
    ASSERT_TRUE(bytes.contains("Groups"));

    TiOPCManager copy(nullptr);
    copy.GroupAdd(QStringLiteral("Old"), QStringLiteral("Local"), QStringLiteral("S"), 500); // a read replaces it
    TMemoryStream stream;
    stream.SetBytes(bytes);
    TReader reader(stream);
    reader.ReadRootComponent(copy);
    ASSERT_EQ(copy.GroupCount(), 2);
    EXPECT_EQ(copy.GetGroupIndex(QStringLiteral("Old")), -1);
    const TiOPCGroupObject* flows = copy.Group(1);
    EXPECT_EQ(flows->Name(), QStringLiteral("Flows"));
    EXPECT_EQ(flows->ComputerName(), QStringLiteral("Far"));
    EXPECT_EQ(flows->OPCServerName(), QStringLiteral("Server.B"));
    EXPECT_EQ(flows->UpdateRate(), 1000);
    EXPECT_NE(flows->DLLGroupHandle(), 0);
}

// The explorer lists the library's server connections in text order under their root; one window
// serves every call, and the end of any manager closes it.
TEST_F(OPCBindingTest, ExplorerListsTheServerConnections)
{
    const char16_t* names[] = { u"Zeta.Server", u"Alpha.Server", u"" };
    FakeOpcSetServerConnections(names);
    auto manager = std::make_unique<TiOPCManager>(nullptr);
    manager->ExplorerShow();
    TiOPCExplorerForm* explorer = TiOPCManager::Explorer();
    ASSERT_NE(explorer, nullptr);
    EXPECT_EQ(explorer->Caption(), QStringLiteral("Zarvik OPC Explorer"));
    TTreeView* tree = explorer->TreeView();
    ASSERT_EQ(tree->TopCount(), 2);
    EXPECT_EQ(tree->Top(0)->Text(), QStringLiteral("Groups"));
    EXPECT_EQ(tree->Top(0)->Count(), 0);
    TTreeNode* servers = explorer->ServersTreeNode();
    EXPECT_EQ(servers->Text(), QStringLiteral("Servers Connections"));
    ASSERT_EQ(servers->Count(), 2);
    EXPECT_EQ(servers->Item(0)->Text(), QStringLiteral("Alpha.Server"));
    EXPECT_EQ(servers->Item(1)->Text(), QStringLiteral("Zeta.Server"));
    EXPECT_EQ(servers->Item(1)->ImageIndex(), 2);
    EXPECT_EQ(servers->ImageIndex(), 0);
    EXPECT_EQ(explorer->ImageList()->Count(), 3);

    const char16_t* fewer[] = { u"Beta.Server", u"" };
    FakeOpcSetServerConnections(fewer);
    manager->ExplorerShow(); // the same window, refreshed
    EXPECT_EQ(TiOPCManager::Explorer(), explorer);
    ASSERT_EQ(explorer->ServersTreeNode()->Count(), 1);
    EXPECT_EQ(explorer->ServersTreeNode()->Item(0)->Text(), QStringLiteral("Beta.Server"));
    if (const char* dir = std::getenv("ZQ9_PICTURE_DIR"))
        explorer->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("opc-explorer.png")));

    manager.reset();
    EXPECT_EQ(TiOPCManager::Explorer(), nullptr);
    FakeOpcSetServerConnections(nullptr);
}

// The XY channel's two items share one group named by the channel; each group update adds a point.
TEST_F(OPCBindingTest, XYChannelAddsAPointPerGroupUpdate)
{
    TForm form(nullptr);
    auto* plot = new TiXYPlot(&form);
    TiXYPlotChannel* channel = plot->Channel(0);
    channel->SetOPCServerName(QStringLiteral("Server"));
    channel->SetOPCItemName(QStringLiteral("X.Value"));
    channel->SetOPCItem2Name(QStringLiteral("Y.Value"));
    channel->SetOPCScalar2(10);
    channel->OPCActivate();
    EXPECT_TRUE(channel->OPCActive());
    const QString groupName = channel->OPCGroupName();
    const int group = FakeOpcGroupByName(reinterpret_cast<const char16_t*>(groupName.utf16()));
    ASSERT_NE(group, 0);

    const int x = FakeOpcSignalByItem(u"X.Value");
    const int y = FakeOpcSignalByItem(u"Y.Value");
    FakeOpcSetValue(x, Real(2.5), Good);
    FakeOpcSetValue(y, Int(4), Good);
    FakeOpcFireDataChanged(x, 1);
    FakeOpcFireDataChanged(y, 1);
    FakeOpcFireGroupUpdate(group, 1);
    ASSERT_TRUE(ptest::WaitFor([&] { return channel->Count() == 1; }));
    EXPECT_EQ(channel->GetX(0), 2.5);
    EXPECT_EQ(channel->GetY(0), 40);
}

// A strip channel fed X and Y by two items stops both; fed by one item, each new value is a point at
// the time the value came.
TEST_F(OPCBindingTest, StripChannelStopsBothItemsAndAddsItemDataAtItsTime)
{
    TWallClockOverride clock([] { return 45000.5; });
    TForm form(nullptr);
    auto* plot = new TiPlot(&form);
    TiPlotChannel* channel = plot->Channel(0);
    TiOPCItem* first = channel->OPCItemManager()->Item(0);
    TiOPCItem* second = channel->OPCItemManager()->Item(1);
    channel->SetOPCServerName(QStringLiteral("Server"));
    channel->SetOPCItemName(QStringLiteral("Time.Value"));
    channel->SetOPCItem2Name(QStringLiteral("Level.Value"));
    channel->SetOPCXValueSource(TiOPCXValueSourceStyle::iopcxvsOPCItem);
    channel->OPCActivate();
    EXPECT_TRUE(first->Active());
    EXPECT_TRUE(second->Active());
    channel->OPCDeactivate();
    EXPECT_FALSE(first->Active());
    EXPECT_FALSE(second->Active());

    channel->SetOPCXValueSource(TiOPCXValueSourceStyle::iopcxvsSystemTimeStamp);
    channel->SetOPCItemName(QStringLiteral("Pressure.Value"));
    channel->OPCActivate();
    EXPECT_TRUE(first->Active());
    EXPECT_FALSE(second->Active());
    const int signal = FakeOpcSignalByItem(u"Pressure.Value");
    FakeOpcSetValue(signal, Real(3.25), Good);
    FakeOpcFireDataChanged(signal, 1);
    ASSERT_TRUE(ptest::WaitFor([&] { return channel->Count() == 1; }));
    EXPECT_EQ(channel->GetX(0), 45000.5);
    EXPECT_EQ(channel->GetY(0), 3.25);
}

} // namespace
