// A control's properties bound to OPC items (the stand-in client library built beside this test):
// incoming values written by property path, quality and the notices around it, values sent back
// for bound properties, and the kinds the item list asks for.

#include "OPCTestSupport.h"
#include "plot/PlotTestSupport.h"

#include "plot/extras/iOPCBinding.h"
#include "plot/iXYPlot.h"

#include "platform/core/TReader.h"
#include "platform/core/TWriter.h"

#include <gtest/gtest.h>

using namespace vcl;
using namespace iopc;

namespace {

using opctest::Good;
using opctest::Int;
using opctest::LibraryDirSet;

class ComponentOPCTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        ASSERT_TRUE(LibraryDirSet);
        ASSERT_FALSE(OPCLibraryMissing());
        plot = std::make_unique<TiXYPlot>(nullptr);
    }

    // A new item bound to Property and activated on the signal ItemName; returns the signal's handle.
    int Bind(const QString& Property, const QString& ItemName)
    {
        const int index = plot->OPCAddItem();
        plot->SetOPCItemPropertyName(index, Property);
        plot->SetOPCItemServerName(index, QStringLiteral("Server"));
        plot->SetOPCItemItemName(index, ItemName);
        plot->OPCItemActivate(index);
        return FakeOpcSignalByItem(reinterpret_cast<const char16_t*>(ItemName.utf16()));
    }

    std::unique_ptr<TiXYPlot> plot;
};

TEST_F(ComponentOPCTest, IncomingValuesReachTheBoundPropertyWhenGood)
{
    const int handle = Bind(QStringLiteral("HintsFont.Color"), QStringLiteral("Colour"));
    std::vector<std::string> calls;
    plot->OnBeforeNewOPCData = [&](TObject*, int index, Variant& data) {
        calls.push_back("before " + std::to_string(index));
        if (data.i4 == 1)
            data.i4 = 0x00FF00; // the handler may change the value
    };
    plot->OnNewOPCData = [&](TObject*, int index) { calls.push_back("new " + std::to_string(index)); };

    FakeOpcSetValue(handle, Int(255), Good);
    FakeOpcFireDataChanged(handle, 0);
    EXPECT_EQ(plot->HintsFont()->Color(), clRed);
    FakeOpcSetValue(handle, Int(1), Good);
    FakeOpcFireDataChanged(handle, 0);
    EXPECT_EQ(plot->HintsFont()->Color(), 0x00FF00);
    // Bad quality: both notices, no write.
    FakeOpcSetValue(handle, Int(77), 0x00);
    FakeOpcFireDataChanged(handle, 0);
    EXPECT_EQ(plot->HintsFont()->Color(), 0x00FF00);
    EXPECT_EQ(calls, (std::vector<std::string> { "before 0", "new 0", "before 0", "new 0", "before 0", "new 0" }));
    EXPECT_EQ(plot->GetOPCItemQuality(0), 0x00);

    // An item bound to no property changes nothing and tells nobody.
    calls.clear();
    const int unbound = plot->OPCAddItem();
    plot->OPCNewData(plot->OPCItemManager()->Item(unbound));
    EXPECT_TRUE(calls.empty());
    EXPECT_THROW(plot->OPCItemActivate(5), Exception); // the list's index error
}

TEST_F(ComponentOPCTest, BoundChangesAreSentUnlessAnIncomingValueCausedThem)
{
    Bind(QStringLiteral("BackGroundColor"), QStringLiteral("Back1"));
    const int second = Bind(QStringLiteral("backgroundcolor"), QStringLiteral("Back2"));
    int last = 0;
    const int before = FakeOpcSendDataCalls(&last);
    EXPECT_TRUE(plot->OPCOutputData(QStringLiteral("BackGroundColor"), Int(5)));
    EXPECT_EQ(FakeOpcSendDataCalls(&last), before + 2);
    EXPECT_FALSE(plot->OPCOutputData(QStringLiteral("TitleText"), Int(5)));

    // A change made while an incoming value is written is not echoed; the next one is sent.
    bool echoed = true;
    plot->OnNewOPCData = [&](TObject*, int) { echoed = plot->OPCOutputData(QStringLiteral("BackGroundColor"), Int(6)); };
    FakeOpcSetValue(second, Int(9), Good);
    FakeOpcFireDataChanged(second, 0);
    EXPECT_EQ(plot->BackGroundColor(), 9);
    EXPECT_FALSE(echoed);
    plot->OnNewOPCData = nullptr;
    EXPECT_TRUE(plot->OPCOutputData(QStringLiteral("BackGroundColor"), Int(7)));
}

TEST_F(ComponentOPCTest, PropertyKindsAreFoundAtAnyDepth)
{
    EXPECT_EQ(plot->GetPropertyTypeKind(QStringLiteral("HintsFont.Color")), TiOPCPropertyKind::tkInteger);
    EXPECT_EQ(plot->GetPropertyTypeKind(QStringLiteral("titletext")), TiOPCPropertyKind::tkUString);
    EXPECT_EQ(plot->GetPropertyTypeKind(QStringLiteral("XYAxesReverse")), TiOPCPropertyKind::tkEnumeration);
    EXPECT_EQ(plot->GetPropertyTypeKind(QStringLiteral("PrintMarginLeft")), TiOPCPropertyKind::tkFloat);
    EXPECT_EQ(plot->GetPropertyTypeKind(QStringLiteral("No.Such")), TiOPCPropertyKind::tkUnknown);
}

TEST_F(ComponentOPCTest, ItemsTravelWithTheControlsFormStream)
{
    auto streamed = [](TiXYPlot& source) {
        TMemoryStream stream;
        TWriter writer(stream);
        writer.WriteRootComponent(source);
        return stream.Bytes();
    };
    EXPECT_FALSE(streamed(*plot).contains("OPCItems")); // an empty list stores nothing

    for (const char* property : { "TitleText", "HintsFont.Color" }) {
        const int index = plot->OPCAddItem();
        plot->SetOPCItemPropertyName(index, QString::fromLatin1(property));
        plot->SetOPCItemItemName(index, QStringLiteral("Tank.") + QString::fromLatin1(property));
        plot->SetOPCItemUpdateRate(index, 250 + index);
        plot->SetOPCItemAutoConnect(index, false);
    }
    const QByteArray bytes = streamed(*plot);
    ASSERT_TRUE(bytes.contains("OPCItems"));

    TiXYPlot copy(nullptr);
    copy.OPCAddItem(); // a read replaces the items held before
    TMemoryStream stream;
    stream.SetBytes(bytes);
    TReader reader(stream);
    reader.ReadRootComponent(copy);
    ASSERT_EQ(copy.OPCItemCount(), 2);
    EXPECT_EQ(copy.GetOPCItemPropertyName(1), QStringLiteral("HintsFont.Color"));
    EXPECT_EQ(copy.GetOPCItemItemName(0), QStringLiteral("Tank.TitleText"));
    EXPECT_EQ(copy.GetOPCItemUpdateRate(1), 251);
    EXPECT_FALSE(copy.GetOPCItemAutoConnect(0));
}

} // namespace
