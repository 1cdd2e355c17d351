// The RS-232 code table: opened from the Help menu of the main window in either language, and the
// document's bytes checked against the program's own command classes, codes and frame rendering.
#include "device/CM_MCS.h"
#include "device/McsCodes.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/TTimer.h"
#include "ui/AppForms.h"
#include "ui/FMain.h"
#include "NoDeviceProgram.h"
#include "ui/FRs232CodeDoc.h"
#include "ui/FRs232CodeDocEnglish.h"
#include "ui/Rs232CodeDocument.h"
#include "widgets/AdvOfficeImage.h"
#include "widgets/rtflabel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <memory>

namespace {

const QString Languages[] = { QStringLiteral("en"), QStringLiteral("zh") };

bool SpinUntil(const std::function<bool()>& done, int ms = 20000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qWait(2);
    }
    return true;
}

// The rows of a document's table of the given class: each row's cells as plain text.
std::vector<QStringList> TableRows(const QString& html, const QString& tableClass)
{
    const QRegularExpression table(QStringLiteral("<table class=\"%1\">(.*?)</table>").arg(tableClass),
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"), QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression cell(QStringLiteral("<td>(.*?)</td>"), QRegularExpression::DotMatchesEverythingOption);
    std::vector<QStringList> rows;
    auto rowIt = row.globalMatch(table.match(html).captured(1));
    while (rowIt.hasNext()) {
        QStringList cells;
        auto cellIt = cell.globalMatch(rowIt.next().captured(1));
        while (cellIt.hasNext())
            cells << QTextDocumentFragment::fromHtml(cellIt.next().captured(1)).toPlainText().trimmed();
        if (!cells.isEmpty())
            rows.push_back(cells);
    }
    return rows;
}

QString AllPages(const Rs232CodeDocument& doc)
{
    QString all;
    for (int k = 0; k < Rs232CodeDocument::PageCount; ++k)
        all += doc.Page(k);
    return all;
}

QString Hex(int code)
{
    return QStringLiteral("0x%1").arg(code, 2, 16, QLatin1Char('0')).toUpper().replace(QLatin1String("0X"), QLatin1String("0x"));
}

// A frame as the program renders it, from the parts the document's example names.
struct ExampleFrame : LCmd
{
    ExampleFrame(std::uint8_t address, std::uint8_t code, const BytePacket& payload)
        : LCmd(address, code)
    {
        AppendBytes(payload);
    }
};

} // namespace

// Every request the program sends is in the request table with its payload length as the program
// builds it, and the table names no code the program does not send; the same for the replies it reads.
TEST(Rs232CodeDoc, RequestAndReplyTablesMatchTheProgramsCommands)
{
    const PresetNameBytes name {};
    const ChannelNameBytes channelName {};
    // Fixed payloads, built by the program's own classes; the generic ones with the bytes their senders give.
    const std::vector<std::pair<std::uint8_t, std::size_t>> sent = {
        { MCS_CMD_MCU_RESET, CM_MCS_MCU_RESET(1).GetPayload().size() },
        { MCS_CMD_DELAYUNIT, CM_MCS_DELAYUNIT(1, 0).GetPayload().size() },
        { MCS_CMD_READ_EEPROM, CM_MCS_READ_EEPROM(1, 0, 18).GetPayload().size() },
        { MCS_CMD_PRESETNAME, CM_MCS_PRESETNAME(1, name).GetPayload().size() },
        { MCS_CMD_PASS_SUBMIT, CM_MCS_PASS_SUBMIT(1, 0, "1234").GetPayload().size() },
        { MCS_CMD_SET_LOCK, CM_MCS_SET_LOCK(1, "1234").GetPayload().size() },
        { MCS_CMD_COMP, CM_MCS_COMP(1, 2, CompParams {}).GetPayload().size() },
        { MCS_CMD_LOW_PASS, CM_MCS_LOW_PASS(1, 2, 300, 0).GetPayload().size() },
        { MCS_CMD_HIGH_PASS, CM_MCS_HIGH_PASS(1, 2, 0, 0).GetPayload().size() },
        { MCS_CMD_PEQ, CM_MCS_PEQ(1, 2, 0, PeqBand {}, false).GetPayload().size() },
        { MCS_CMD_GAIN, CM_MCS_GAIN(1, 2, 280).GetPayload().size() },
        { MCS_CMD_MUTE, CM_MCS_MUTE(1, 2, 1).GetPayload().size() },
        { MCS_CMD_POLARITY, CM_MCS_POLARITY(1, 2, 1).GetPayload().size() },
        { MCS_CMD_DELAY, CM_MCS_DELAY(1, 2, 96).GetPayload().size() },
        { MCS_CMD_WORK_MODE, CM_MCS_WORK_MODE(1, 3, 17).GetPayload().size() },
        { MCS_CMD_MATRIX, CM_MCS_MATRIX(1, 2, 3).GetPayload().size() },
        { MCS_CMD_CHANNEL_NAME, CM_MCS_CHANNEL_NAME(1, 2, channelName).GetPayload().size() },
        { MCS_CMD_GATE, CM_MCS_GATE(1, 0, GateParams {}).GetPayload().size() },
        { MCS_CMD_CONNECT, CM_MCS_CMD(1, MCS_CMD_CONNECT).GetPayload().size() },
        { MCS_CMD_DISCONNECT, CM_MCS_CMD(255, MCS_CMD_DISCONNECT).GetPayload().size() },
        { MCS_CMD_KEEP_ALIVE, CM_MCS_CMD(1, MCS_CMD_KEEP_ALIVE).GetPayload().size() },
        { MCS_CMD_IDENTITY, CM_MCS_CMD(1, MCS_CMD_IDENTITY).GetPayload().size() },
        { MCS_CMD_GET_PRESET_NO, CM_MCS_CMD(1, MCS_CMD_GET_PRESET_NO).GetPayload().size() },
        { MCS_CMD_RECALL_PRESET, CM_MCS_CMD(1, MCS_CMD_RECALL_PRESET, 3).GetPayload().size() },
        { MCS_CMD_STORE_PRESET, CM_MCS_CMD(1, MCS_CMD_STORE_PRESET, 3).GetPayload().size() },
        { MCS_CMD_READ_PRESET_FLAGS, CM_MCS_CMD(1, MCS_CMD_READ_PRESET_FLAGS).GetPayload().size() },
        { MCS_CMD_FACTORY_RESET, CM_MCS_CMD(1, MCS_CMD_FACTORY_RESET).GetPayload().size() },
        { MCS_CMD_SELECT_PRESET, CM_MCS_CMD(1, MCS_CMD_SELECT_PRESET, 3).GetPayload().size() },
        { MCS_CMD_READ_PROGRAM_BLOCK, CM_MCS_CMD(1, MCS_CMD_READ_PROGRAM_BLOCK, 0).GetPayload().size() },
        { MCS_CMD_READ_PRESET_BLOCK, CM_MCS_CMD(1, MCS_CMD_READ_PRESET_BLOCK, 0).GetPayload().size() },
        { MCS_CMD_READ_PRESET_NAME, CM_MCS_CMD(1, MCS_CMD_READ_PRESET_NAME, 0).GetPayload().size() },
        { MCS_CMD_COPY_CHANNEL, CM_MCS_CMD(1, MCS_CMD_COPY_CHANNEL, 2, 3).GetPayload().size() },
        { MCS_CMD_READ_LOCK_STATUS, CM_MCS_CMD(1, MCS_CMD_READ_LOCK_STATUS).GetPayload().size() },
        { MCS_CMD_CHANNEL_LINK, CM_MCS_CMD(1, MCS_CMD_CHANNEL_LINK, 2, 3).GetPayload().size() },
        { MCS_CMD_EQ_BYPASS, CM_MCS_CMD(1, MCS_CMD_EQ_BYPASS, 2, 1).GetPayload().size() },
        { MCS_CMD_READ_LEVELS, CM_MCS_CMD(1, MCS_CMD_READ_LEVELS).GetPayload().size() },
    };
    // The data commands: a fixed head and the n data bytes.
    const std::uint8_t data[5] {};
    const std::map<std::uint8_t, std::size_t> heads = {
        { MCS_CMD_WRITE_EEPROM, CM_MCS_WRITE_EEPROM(1, 1, 5, data).GetPayload().size() - 5 },
        { MCS_CMD_DOWNLOAD, CM_MCS_DOWNLOAD(1, 0, 0, 5, data).GetPayload().size() - 5 },
    };
    const std::uint8_t replies[] = { MCS_REPLY_ACK, MCS_REPLY_CONNECT, MCS_REPLY_IDENTITY, MCS_REPLY_PRESET_NO,
                                     MCS_REPLY_EEPROM_DATA, MCS_REPLY_PRESET_FLAGS, MCS_REPLY_PROGRAM_BLOCK,
                                     MCS_REPLY_DOWNLOAD_BLOCK, MCS_REPLY_PRESET_BLOCK, MCS_REPLY_PRESET_NAME,
                                     MCS_REPLY_LOCK_STATUS, MCS_REPLY_PASSWORD_CHECK, MCS_REPLY_LEVELS };

    for (const QString& language : Languages) {
        SCOPED_TRACE(language.toStdString());
        const QString all = AllPages(Rs232CodeDocument::Load(language));
        std::map<QString, QString> documented;
        for (const QStringList& row : TableRows(all, QStringLiteral("requests"))) {
            ASSERT_EQ(row.size(), 5) << row.join(QLatin1Char('|')).toStdString();
            EXPECT_TRUE(documented.emplace(row[0], row[3]).second) << "listed twice: " << row[0].toStdString();
        }
        std::map<QString, QString> expected;
        for (auto [code, size] : sent)
            expected.emplace(Hex(code), QString::number(size));
        for (auto [code, head] : heads)
            expected.emplace(Hex(code), QStringLiteral("%1+n").arg(head));
        EXPECT_EQ(documented, expected);

        std::set<QString> documentedReplies;
        for (const QStringList& row : TableRows(all, QStringLiteral("replies")))
            documentedReplies.insert(row.value(0));
        std::set<QString> expectedReplies;
        for (std::uint8_t code : replies)
            expectedReplies.insert(Hex(code));
        EXPECT_EQ(documentedReplies, expectedReplies);
    }
}

// The example frames are the bytes the program sends, check byte included.
TEST(Rs232CodeDoc, ExampleFramesAreTheProgramsOwnRendering)
{
    const QRegularExpression frame(QStringLiteral("<code class=\"frame\">(.*?)</code>"));
    for (const QString& language : Languages) {
        SCOPED_TRACE(language.toStdString());
        int examples = 0;
        auto it = frame.globalMatch(AllPages(Rs232CodeDocument::Load(language)));
        while (it.hasNext()) {
            const QString text = it.next().captured(1);
            BytePacket bytes;
            for (const QString& b : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                bytes.push_back(static_cast<std::uint8_t>(b.toUInt(nullptr, 16)));
            ASSERT_GE(bytes.size(), 9u) << text.toStdString();
            const BytePacket payload(bytes.begin() + 6, bytes.end() - 3);
            EXPECT_EQ(ExampleFrame(bytes[3], bytes[5], payload).ToBytes(true), bytes) << text.toStdString();
            ++examples;
        }
        EXPECT_GT(examples, 0);
    }
}

// Each page of the document is drawn into a picture that ends above the next page, and the frame and
// exchange diagrams are drawn with the document's own labels.
TEST(Rs232CodeDoc, EveryPageFitsItsPlaceInBothLanguages)
{
    int argc = 1;
    char name[] = "test_ui";
    char* argv[] = { name, nullptr };
    vcl::TApplication app(argc, argv);
    const std::array<int, 10> tops[] = { { 72, 208, 363, 508, 648, 792, 940, 1145, 1294, 1427 },
                                         { 72, 224, 363, 508, 636, 780, 932, 1121, 1270, 1415 } };
    for (int l = 0; l < 2; ++l) {
        SCOPED_TRACE(Languages[l].toStdString());
        const Rs232CodeDocument doc = Rs232CodeDocument::Load(Languages[l]);
        EXPECT_FALSE(doc.Title().isEmpty());
        QStringList diagrams;
        for (int k = 0; k < 10; ++k) {
            SCOPED_TRACE(k);
            ASSERT_FALSE(doc.Page(k).isEmpty());
            const int room = k < 9 ? tops[l][k + 1] - tops[l][k] - 4 : 8000;
            const Rs232CodePage page(doc.Page(k), 630, room, 1);
            EXPECT_TRUE(page.Fits()) << "drawn at " << page.TextPixelSize() << " px, cut at " << room;
            EXPECT_LE(page.Height(), room);
            const QStringList diagram = Rs232CodePage::DiagramOf(doc.Page(k));
            if (!diagram.isEmpty()) {
                diagrams << diagram.first();
                EXPECT_EQ(diagram.size(), 9) << "the name and eight labels";
            }
        }
        EXPECT_EQ(diagrams, (QStringList { QStringLiteral("frame"), QStringLiteral("sequence") }));
    }
}

namespace {

// The whole program's windows, without a device.
struct DocRig : NoDeviceProgram
{
    DocRig()
    {
        fmMain->Show();
    }
};

QString WithoutMarks(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// Clicks the menu bar's entry and then the item of its menu, with the mouse.
void ChooseFromMenu(const QString& menuText, const QString& itemText)
{
    auto* bar = fmMain->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QAction* menu = nullptr;
    for (QAction* a : bar->actions())
        if (WithoutMarks(a->text()) == menuText)
            menu = a;
    ASSERT_NE(menu, nullptr) << menuText.toStdString();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(menu).center());
    ASSERT_TRUE(SpinUntil([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; }));
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* item = nullptr;
    for (QAction* a : popup->actions())
        if (WithoutMarks(a->text()) == itemText)
            item = a;
    ASSERT_NE(item, nullptr) << itemText.toStdString();
    QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, popup->actionGeometry(item).center());
}

} // namespace

// Help > RS232 Code Table shows the document of the window's language modally; Esc closes it.
TEST(Rs232CodeDoc, HelpMenuShowsTheDocumentOfTheLanguageModallyAndEscClosesIt)
{
    DocRig r;
    const QString shots = qEnvironmentVariable("ZQ9_SCREENSHOT_DIR");
    const struct { const char* languageItem; const char* language; } cases[] = {
        { "English", "en" },
        { "ChineseSimplified", "zh" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        dynamic_cast<vcl::TMenuItem*>(fmMain->FindComponent(QString::fromLatin1(c.languageItem)))->Click();
        const bool english = QLatin1String(c.language) == QLatin1String("en");
        TRs232CodeViewer* expected = english ? static_cast<TRs232CodeViewer*>(fmRs232CodeEnglish)
                                             : static_cast<TRs232CodeViewer*>(fmRs232Code);
        TRs232CodeViewer* other = english ? static_cast<TRs232CodeViewer*>(fmRs232Code)
                                          : static_cast<TRs232CodeViewer*>(fmRs232CodeEnglish);
        const Rs232CodeDocument doc = Rs232CodeDocument::Load(QString::fromLatin1(c.language));

        int seen = 0;
        QTimer answer;
        answer.setInterval(5);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (seen || QApplication::activeModalWidget() != expected)
                return;
            ++seen;
            answer.stop();
            EXPECT_TRUE(expected->Modal());
            EXPECT_FALSE(other->Visible());
            QTextDocument label;
            TRtfReader::Read(expected->RTFLabel->RichText().toLatin1(), label);
            EXPECT_TRUE(label.toPlainText().contains(doc.Title())) << label.toPlainText().toStdString();
            for (int k = 0; k < 10; ++k) {
                TAdvOfficeImage* image = expected->AdvOfficeImages[k];
                EXPECT_FALSE(image->Picture()->Empty()) << k;
                EXPECT_GT(image->Height(), 40) << k;
                if (k < 9) {
                    EXPECT_LT(image->Top() + image->Height(), expected->AdvOfficeImages[k + 1]->Top()) << k;
                }
            }
            EXPECT_GT(expected->VertRange(), 0) << "the command table runs past the window";
            if (!shots.isEmpty()) {
                const QString prefix = QStringLiteral("%1/rs232code-%2").arg(shots, QString::fromLatin1(c.language));
                expected->grab().save(prefix + QStringLiteral("-top.png"));
                for (int page = 1; expected->VertPosition() < expected->VertRange(); ++page) {
                    QTest::keyClick(expected->windowHandle(), Qt::Key_PageDown);
                    expected->grab().save(prefix + QStringLiteral("-%1.png").arg(page));
                    if (page > 8)
                        break;
                }
            }
            expected->activateWindow();
            QTest::keyClick(expected->windowHandle(), Qt::Key_Escape);
        });
        answer.start();
        ChooseFromMenu(fmMain->GetSidText(QStringLiteral("SID_HELP")), fmMain->GetSidText(QStringLiteral("SID_RS232_CODE")));
        ASSERT_TRUE(SpinUntil([&] { return seen == 1 && !expected->Visible(); }));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}
