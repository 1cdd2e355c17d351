// Parameter edits on the main window reaching the emulator over loopback TCP: one frame for one key
// press, edits of two channels made while the device is busy, and a long run of rapid edits.
#include "FMainConnectTestRig.h"

#include "device/CM_MCS.h"
#include "device/McsCodes.h"
#include "widgets/AdvTrackBar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>

using namespace seqtest;

namespace {

std::vector<BytePacket> GainFrames(const DeviceEmulator& emu)
{
    std::vector<BytePacket> out;
    for (const auto& f : emu.Requests())
        if (f[5] == MCS_CMD_GAIN)
            out.push_back(f);
    return out;
}

int GainValue(const BytePacket& frame)
{
    return frame[7] | (frame[8] << 8);
}

TAdvTrackBar* Fader(Rig& r, const char* name)
{
    auto* fader = dynamic_cast<TAdvTrackBar*>(r.form->FindComponent(QString::fromLatin1(name)));
    EXPECT_NE(fader, nullptr) << name;
    return fader;
}

// A left click on a control through the main window, as a user's.
void Click(Rig& r, vcl::TControl* control)
{
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(control->isVisible()) << control->Name().toStdString();
    const QPoint at = control->mapTo(r.form, QPoint(control->width() / 2, control->height() / 2));
    QTest::mouseClick(r.form->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    QApplication::processEvents();
}

// Connected, shown (unless not needed), the level polls and the idle poll out of the way.
void ConnectedAndShown(Rig& r, bool show = true)
{
    ASSERT_TRUE(r.ConnectAndUpload());
    // The emulator's program links channels at random: every channel stands alone here.
    r.form->SuppressSend = true;
    for (int ch = 0; ch < 8; ++ch)
        r.unit->SetLink(ch, static_cast<std::uint16_t>(1u << (ch < 2 ? ch : ch - 2)));
    r.form->RefreshAll();
    r.form->SuppressSend = false;
    r.form->tmInLevelDet->SetEnabled(false);
    r.form->SetKeepAliveOff(true);
    if (show)
        r.form->Show();
    QApplication::processEvents();
    ASSERT_TRUE(r.Quiet());
}

} // namespace

TEST(FMainEditsOnLink, OneKeyPressOnAFaderSendsOneGainFrame)
{
    Rig r;
    ConnectedAndShown(r);
    Click(r, dynamic_cast<vcl::TControl*>(r.form->FindComponent(QStringLiteral("rzbMenuInA"))));
    TAdvTrackBar* fader = Fader(r, "isGainInA");
    Click(r, fader); // the focus (the click itself may move the fader)
    ASSERT_TRUE(r.Quiet());
    r.emu.ClearRecords();
    const int before = fader->Position();

    QTest::keyClick(r.form->windowHandle(), Qt::Key_Up);
    QApplication::processEvents();
    ASSERT_NE(fader->Position(), before) << "the key moved the fader";
    ASSERT_TRUE(SpinUntil([&] { return r.emu.CountOf(MCS_CMD_GAIN) >= 1; }));
    ASSERT_TRUE(r.Quiet());
    TestTransportHost::Spin(100);
    const auto frames = GainFrames(r.emu);
    ASSERT_EQ(frames.size(), 1u) << "one edit, one frame";
    EXPECT_EQ(frames[0][6], 0);
    EXPECT_EQ(GainValue(frames[0]), r.unit->GetGain(0));
    EXPECT_EQ(GainValue(frames[0]), fader->Position() - fader->Min());
}

TEST(FMainEditsOnLink, EditsOfTwoChannelsMadeWhileTheDeviceIsBusyBothReachIt)
{
    Rig r;
    ConnectedAndShown(r);
    r.emu.ClearRecords();
    r.emu.SetReplyDelay(300); // the device takes its time over the request in flight
    r.form->SendCommand(CM_MCS_CMD(1, MCS_CMD_READ_LEVELS), SEND_REPLACE, true);
    ASSERT_TRUE(SpinUntil([&] { return r.emu.RequestCount() == 1; }));
    TAdvTrackBar* inA = Fader(r, "isGainInA");
    TAdvTrackBar* out1 = Fader(r, "isGainOut1");
    inA->SetPosition(inA->Min() + 100);
    out1->SetPosition(out1->Min() + 150);
    ASSERT_EQ(r.form->Controller.Net()->QueueSnapshot().size(), 2u) << "both wait behind the request in flight";
    ASSERT_TRUE(SpinUntil([&] { return r.emu.CountOf(MCS_CMD_GAIN) >= 2; }));
    ASSERT_TRUE(r.Quiet());
    const auto frames = GainFrames(r.emu);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0][6], 0);
    EXPECT_EQ(GainValue(frames[0]), 100);
    EXPECT_EQ(frames[1][6], 2);
    EXPECT_EQ(GainValue(frames[1]), 150);
}

TEST(FMainEditsOnLink, TenSecondsOfFiveHundredGainEditsASecondOnTwoChannels)
{
    Rig r;
    ConnectedAndShown(r, false);
    // However slow the machine, no request is sent again for want of a timely reply: every frame
    // the device sees comes from an edit.
    r.form->SetReplyTimeout(600000);
    r.emu.ClearRecords();
    TAdvTrackBar* faders[2] = { Fader(r, "isGainInA"), Fader(r, "isGainOut1") };
    const int channels[2] = { 0, 2 };
    // Each fader walks up and down its range, every edit a new position.
    auto positionOf = [&](int k, int i) {
        const int span = 200 - 37 * k;
        const int step = i % (2 * span);
        return faders[k]->Min() + 20 + (step < span ? step : 2 * span - step);
    };
    struct Edit
    {
        int channel;
        int value;
    };
    std::vector<Edit> made;
    constexpr int Edits = 5000; // 10 s at 500 a second
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < Edits; ++n) {
        const int k = n % 2;
        const int pos = positionOf(k, n / 2 + 1);
        faders[k]->SetPosition(pos);
        made.push_back({ channels[k], pos - faders[k]->Min() });
        // Paced at 500 a second; a slower machine only makes the run longer.
        while (clock.elapsed() < n * 2)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QCoreApplication::processEvents();
    }
    const Edit last[2] = { made[Edits - 2], made[Edits - 1] };
    ASSERT_TRUE(SpinUntil([&] {
        const auto frames = GainFrames(r.emu);
        int seen = 0;
        for (const Edit& e : last) {
            for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
                if ((*it)[6] == e.channel) {
                    seen += GainValue(*it) == e.value;
                    break;
                }
            }
        }
        return seen == 2;
    }, 60000));
    ASSERT_TRUE(r.Quiet());

    const auto frames = GainFrames(r.emu);
    // Every frame is an edit made, in the order made, and none repeats the one before it.
    std::size_t at = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        while (at < made.size() && !(made[at].channel == frames[i][6] && made[at].value == GainValue(frames[i])))
            ++at;
        ASSERT_LT(at, made.size()) << "frame " << i << " is no edit made after the one before it";
        ++at;
        if (i > 0) {
            EXPECT_NE(frames[i], frames[i - 1]) << "frame " << i << " repeats the one before";
        }
    }
    // The last value wins on the device, the faders and the model.
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(faders[k]->Position() - faders[k]->Min(), last[k].value);
        EXPECT_EQ(r.unit->GetGain(channels[k]), last[k].value);
    }
}
