#pragma once
// The printer: the printers the system offers, the current one, and one document at a time drawn
// with a QPainter page by page. Tests put PDF files in the place of printers through TPrinterSeam.

#include <QMarginsF>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QPrinter;

namespace vcl {

enum class TPaperOrientation { poPortrait, poLandscape };

// What the current printer is set up for: its paper and the orientation documents use.
struct TPrinterDeviceMode
{
    QPageSize Paper;
    TPaperOrientation Orientation { TPaperOrientation::poPortrait };
};

// A printer that writes a PDF file: its name, the file, its resolution, paper and the edges it
// cannot print on (in inches).
struct TPrinterTarget
{
    QString Name;
    QString PdfFileName;
    int Resolution { 300 };
    QPageSize::PageSizeId Paper { QPageSize::Letter };
    QMarginsF UnprintableInches;
};

// While it lives, the printers are exactly Targets (the first is current) and print to their files.
class TPrinterSeam
{
public:
    explicit TPrinterSeam(std::vector<TPrinterTarget> Targets);
    ~TPrinterSeam();
    TPrinterSeam(const TPrinterSeam&) = delete;
    TPrinterSeam& operator=(const TPrinterSeam&) = delete;
};

class TPrinter
{
public:
    TPrinter();
    ~TPrinter();

    QStringList Printers() const;
    // -1 is the system's default printer.
    int PrinterIndex() const { return m_index; }
    void SetPrinterIndex(int Value);
    TPaperOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TPaperOrientation Value) { m_orientation = Value; }
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& Value) { m_title = Value; }

    // The current printer's page, as oriented: resolution, the offset of the printable area from
    // the paper's corner (device pixels) and the paper's size in inches.
    int DpiX() const;
    int DpiY() const;
    int PhysicalOffsetX() const;
    int PhysicalOffsetY() const;
    double PaperWidthInches() const;
    double PaperHeightInches() const;
    // The current printer's set-up; nothing when the printer offers none (no printer at all).
    std::optional<TPrinterDeviceMode> DeviceMode() const;

    bool Printing() const { return m_painter != nullptr; }
    int PageNumber() const { return m_page; }
    // Raises EPrinter when a document is open already or the printer cannot start one.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    // The painter of the open document, its origin at the printable area's corner; null otherwise.
    QPainter* Painter() const { return m_painter.get(); }

private:
    std::unique_ptr<QPrinter> MakeDevice() const;

    int m_index { -1 };
    TPaperOrientation m_orientation { TPaperOrientation::poPortrait };
    QString m_title;
    std::unique_ptr<QPrinter> m_device;
    std::unique_ptr<QPainter> m_painter;
    int m_page { 0 };
};

TPrinter* Printer();

// The print dialog: true when the user confirmed. Tests answer it through TPrintDialogSeam.
using TPrintDialogHandler = std::function<bool(TPrinter&)>;
class TPrintDialogSeam
{
public:
    explicit TPrintDialogSeam(TPrintDialogHandler Handler);
    ~TPrintDialogSeam();
    TPrintDialogSeam(const TPrintDialogSeam&) = delete;
    TPrintDialogSeam& operator=(const TPrintDialogSeam&) = delete;

private:
    TPrintDialogHandler m_previous;
};

bool ExecutePrintDialog(TPrinter& Printer);

} // namespace vcl
