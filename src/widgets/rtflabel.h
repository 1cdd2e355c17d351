#pragma once
// Rich-text label: a windowless label that shows an RTF document, rendered by a hidden rich edit
// control into the label's canvas.

#include "platform/core/TColor.h"
#include "platform/core/Types.h"
#include "platform/ui/TLabel.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

class QTextDocument;
namespace vcl {
class TCanvas;
class TWinControl;
}

// Reads the RTF a label document uses into a text document: groups, the font and colour tables,
// character formatting (font, size, bold, italic, underline, strike, colours, super/subscript),
// paragraphs (alignment, indents, spacing), tabs, line breaks, special characters, \'hh bytes in
// the document's or the font's code page and \uN characters. Unknown control words and the
// optional (\*) and non-text destinations are skipped; malformed input never fails.
class TRtfReader
{
public:
    // Sizes and indents become pixels at dpiY / dpiX.
    static void Read(const QByteArray& Rtf, QTextDocument& Document, int DpiX = 96, int DpiY = 96);
    // A minimal RTF document holding the plain text (lines split at CR LF or LF).
    static QByteArray FromPlainText(const QString& Text);
};

// The hidden rich edit control behind a rich-text label: holds an RTF document, loads and saves
// it as bytes and renders a range of it into a canvas. It has a parent only while a label uses it.
class TRichEditControl
{
public:
    TRichEditControl();
    ~TRichEditControl();

    vcl::TWinControl* Parent() const { return m_parent; }
    void SetParent(vcl::TWinControl* value) { m_parent = value; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool value) { m_visible = value; }
    vcl::TRect BoundsRect() const { return m_bounds; }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value) { m_wordWrap = value; }
    bool HasBorder() const { return m_border; }
    void SetHasBorder(bool value) { m_border = value; }
    bool PlainText() const { return m_plainText; }
    void SetPlainText(bool value) { m_plainText = value; }

    // Empties the document.
    void Clear();
    // Reads the bytes as RTF, or as plain text in plain-text mode.
    void LoadFromStream(const QByteArray& Bytes);
    // The document as RTF bytes.
    QByteArray SaveToStream() const { return m_rtf; }
    // The document's plain text, paragraphs joined by LF.
    QString PlainTextContent() const;

    // The colour behind the rendered text (RGB).
    vcl::TColor BackgroundColor() const { return m_background; }
    void SetBackgroundColor(vcl::TColor value) { m_background = value; }

    // Renders the whole document into the area (in twips of the canvas device at dpiX, dpiY);
    // only what fits is drawn.
    void FormatRange(vcl::TCanvas& Canvas, const vcl::TRect& AreaTwips, int DpiX, int DpiY);
    // Frees what the last render kept.
    void ReleaseFormatRange();
    // Prints the document on the current printer, page after page, with Caption as the job's title;
    // EPrinter when the printer cannot start the job.
    void Print(const QString& Caption);
    const QString& LastPrintTitle() const { return m_lastPrintTitle; }
    int RenderCount() const { return m_renderCount; }

private:
    vcl::TWinControl* m_parent { nullptr };
    bool m_visible { true };
    vcl::TRect m_bounds;
    bool m_wordWrap { true };
    bool m_border { true };
    bool m_plainText { false };
    QByteArray m_rtf;
    vcl::TColor m_background { 0xFFFFFF };
    std::unique_ptr<QTextDocument> m_cache;
    QString m_lastPrintTitle;
    int m_renderCount { 0 };
};

// The label itself: keeps the document as one character per byte and has the hidden control
// render it on every paint.
class TRTFLabel : public vcl::TLabel
{
public:
    explicit TRTFLabel(vcl::TComponent* AOwner);
    ~TRTFLabel() override;

    void Loaded() override;

    // One character per byte of the document.
    const QString& RichText() const { return m_richText; }
    void SetRichText(const QString& value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);
    QString Version() const { return QStringLiteral("1.3.1.0"); }
    void SetVersion(const QString&) {}
    std::uint32_t GetVersionNr() const { return 0x01030100; }

    // Painting of the document stops until the matching EndUpdate, which then takes the
    // document back from the rich edit control.
    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }

    // The rich edit control for a caller that fills the document through it (bracketed by
    // BeginUpdate / EndUpdate); nullptr without a parent.
    TRichEditControl* PrepareEditControl();
    // Takes the rich edit control's document as RichText and repaints.
    void ShowRTF();
    void CopyFromRichEdit(TRichEditControl* Edit);
    void CopyToRichEdit(TRichEditControl* Edit);
    void Print(const QString& Caption);
    // Renders the document into the label's client rectangle on another canvas.
    void PaintTo(vcl::TCanvas* ACanvas);

    TRichEditControl* RichEdit() const { return m_richEdit.get(); }

    // The render area in twips: a 1-pixel inset at the left and top, rounded half to even.
    static vcl::TRect FormatRangeArea(const vcl::TRect& Rect, int DpiX, int DpiY);

protected:
    void Paint() override;
    void RenderRichText(vcl::TCanvas& Canvas, const vcl::TRect& Rect);

private:
    QByteArray DocumentBytes() const;

    std::unique_ptr<TRichEditControl> m_richEdit;
    QString m_richText;
    int m_updateCount { 0 };
    bool m_wordWrap { false };
    bool m_painting { false };
};
