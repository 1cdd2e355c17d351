#pragma once
// An image file held unchanged and decoded by GDI+ whenever it is measured or drawn: the thumb
// pictures of the fader and the page pictures of the picture control.

#include "platform/ui/TGraphics.h"

#include <QByteArray>
#include <QString>

class QIODevice;
class TGPGraphics;

class TGDIPPicture : public vcl::TGraphic
{
public:
    TGDIPPicture();
    ~TGDIPPicture() override;

    vcl::TNotifyEvent OnClear;

    void Assign(vcl::TPersistent* Source) override;
    bool Empty() const override { return m_isEmpty; }
    // 0 until the picture is measured (GetImageSizes) or a non-BMP picture is drawn.
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    void LoadFromFile(const QString& FileName) override;
    void SaveToFile(const QString& FileName) override;
    void LoadFromStream(QIODevice* Stream);
    void LoadFromBytes(const QByteArray& Bytes);
    void SaveToStream(QIODevice* Stream) const;
    void LoadFromResourceName(const QString& ResName);
    void LoadFromResourceID(int ResID);
    void LoadFromURL(const QString& URL);
    // The form's "Data" property: any value (even an empty one) makes the picture non-empty,
    // without measuring it.
    void ReadData(const QByteArray& Data);
    QByteArray WriteData() const { return m_data; }
    const QByteArray& Data() const { return m_data; }
    // In a form the image file is the binary property "Data", written when the picture is not empty.
    void DefineProperties(vcl::TFiler& Filer) override;

    bool GetImageSizes();
    void DrawImage(TGPGraphics* Graphics, int X, int Y);
    void DrawImageRect(TGPGraphics* Graphics, int X, int Y, int W, int H);

    // Draws onto a canvas (what the canvas's draw and stretch-draw call).
    void Draw(vcl::TCanvas& ACanvas, const vcl::TRect& Rect) override;

private:
    QByteArray m_data;
    bool m_isEmpty { true };
    int m_width { 0 };
    int m_height { 0 };
};
