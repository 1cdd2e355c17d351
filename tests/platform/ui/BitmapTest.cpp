// Bitmap sizing, copying, change notices and transparent drawing.

#include "platform/ui/CanvasTestSupport.h"

#include "platform/core/Exception.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TPicture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace vcl;
using canvastest::CountColour;
using canvastest::MakeBitmap;

TEST(Bitmap, ResizeKeepsTopLeftPixelsAndWhitensNewArea)
{
    auto b = MakeBitmap(4, 3, clRed);
    b->SetSize(6, 2);
    EXPECT_EQ(b->Width(), 6);
    EXPECT_EQ(b->Height(), 2);
    EXPECT_EQ(b->Canvas()->Pixels(3, 1), clRed);
    EXPECT_EQ(b->Canvas()->Pixels(4, 0), clWhite);
    b->SetWidth(-3);
    EXPECT_TRUE(b->Empty());
    b->Canvas()->Rectangle(0, 0, 5, 5); // drawing on an empty bitmap does nothing
    EXPECT_FALSE(b->Canvas()->HandleAllocated());
}

TEST(Bitmap, AssignIsADeepCopyAndDrawingNotifiesChange)
{
    auto a = MakeBitmap(3, 3, clBlue);
    a->SetTransparentColor(clBlue);
    TBitmap b;
    b.Assign(a.get());
    a->Canvas()->SetPixels(0, 0, clRed);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlue);
    EXPECT_EQ(b.TransparentMode(), TTransparentMode::tmFixed);

    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.Canvas()->MoveTo(0, 0);
    b.Canvas()->LineTo(2, 2);
    EXPECT_EQ(changes, 1);
    b.Assign(nullptr);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(changes, 2);
    TFont font;
    EXPECT_THROW(b.Assign(&font), EConvertError);
}

TEST(Bitmap, TransparentDrawLeavesKeyPixelsAndStretchDrawScales)
{
    auto sprite = MakeBitmap(4, 4, clOlive);
    sprite->Canvas()->SetPixels(1, 1, clRed);
    sprite->Canvas()->SetPixels(0, 3, clLime); // bottom-left: the automatic key
    EXPECT_EQ(sprite->TransparentColor(), clLime);
    sprite->SetTransparentColor(clOlive);
    sprite->SetTransparent(true);

    auto target = MakeBitmap(20, 20, clWhite);
    target->Canvas()->Draw(2, 2, sprite.get());
    EXPECT_EQ(target->Canvas()->Pixels(3, 3), clRed);
    EXPECT_EQ(target->Canvas()->Pixels(2, 5), clLime);
    EXPECT_EQ(CountColour(*target->Canvas(), clOlive, 0, 0, 20, 20), 0);

    sprite->SetTransparent(false);
    target->Canvas()->StretchDraw(Rect(10, 10, 18, 18), sprite.get());
    EXPECT_EQ(CountColour(*target->Canvas(), clOlive, 10, 10, 18, 18), 64 - 8);
    EXPECT_EQ(target->Canvas()->Pixels(12, 12), clRed);
    EXPECT_EQ(target->Canvas()->Pixels(13, 13), clRed);
    EXPECT_EQ(target->Canvas()->Pixels(18, 18), clWhite);
}

TEST(BitmapFile, SaveLoadRoundTripAndRefusals)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto b = MakeBitmap(7, 5, 0x102030);
    b->Canvas()->SetPixels(6, 4, 0xA0B0C0);
    const QString path = dir.filePath(QStringLiteral("pic.png")); // a bitmap always writes BMP
    b->SaveToFile(path);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.read(2), QByteArray("BM"));
    written.close();

    TBitmap loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.Width(), 7);
    EXPECT_EQ(loaded.Height(), 5);
    EXPECT_EQ(loaded.Canvas()->Pixels(6, 4), 0xA0B0C0);
    EXPECT_EQ(loaded.Canvas()->Pixels(0, 0), 0x102030);

    struct BadFile
    {
        const char* name;
        QByteArray bytes;
    };
    QByteArray truncated;
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        truncated = f.read(40);
    }
    for (const BadFile& bad : { BadFile { "garbage.bmp", QByteArray("not a picture at all") },
                                BadFile { "cut.bmp", truncated } }) {
        const QString badPath = dir.filePath(QString::fromUtf8(bad.name));
        QFile f(badPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bad.bytes);
        f.close();
        EXPECT_THROW(loaded.LoadFromFile(badPath), EInvalidGraphic) << bad.name;
        EXPECT_EQ(loaded.Width(), 7) << bad.name << ": unchanged after a refusal";
        EXPECT_EQ(loaded.Canvas()->Pixels(6, 4), 0xA0B0C0) << bad.name;
    }
    EXPECT_THROW(loaded.LoadFromFile(dir.filePath(QStringLiteral("missing.bmp"))), EFOpenError);
    EXPECT_THROW(b->SaveToFile(dir.filePath(QStringLiteral("no/such/dir/x.bmp"))), EFCreateError);
}

TEST(Picture, LoadsIntoItsBitmapAndReportsChanges)
{
    QTemporaryDir dir;
    auto b = MakeBitmap(3, 2, clRed);
    const QString path = dir.filePath(QStringLiteral("p.bmp"));
    b->SaveToFile(path);

    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(picture.Width(), 0);
    picture.LoadFromFile(path);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_GT(changes, 0);
    const int before = changes;
    picture.Bitmap()->Canvas()->SetPixels(0, 0, clBlue);
    EXPECT_GT(changes, before) << "drawing on the picture's bitmap is a change";
    EXPECT_THROW(picture.LoadFromFile(dir.filePath(QStringLiteral("none.bmp"))), EFOpenError);
    EXPECT_EQ(picture.Bitmap()->Canvas()->Pixels(0, 0), clBlue);
    picture.Assign(nullptr);
    EXPECT_EQ(picture.Graphic(), nullptr);
}
