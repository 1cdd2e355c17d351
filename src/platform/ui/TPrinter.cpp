#include "platform/ui/TPrinter.h"

#include "platform/core/Exception.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <optional>

namespace vcl {

namespace {

std::optional<std::vector<TPrinterTarget>>& SeamTargets()
{
    static std::optional<std::vector<TPrinterTarget>> targets;
    return targets;
}

TPrintDialogHandler& DialogHandler()
{
    static TPrintDialogHandler handler;
    return handler;
}

QPageLayout::Orientation LayoutOrientation(TPaperOrientation Value)
{
    return Value == TPaperOrientation::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

TPrinterSeam::TPrinterSeam(std::vector<TPrinterTarget> Targets)
{
    SeamTargets() = std::move(Targets);
    Printer()->SetPrinterIndex(-1);
}

TPrinterSeam::~TPrinterSeam()
{
    SeamTargets().reset();
    Printer()->SetPrinterIndex(-1);
}

TPrinter::TPrinter() = default;
TPrinter::~TPrinter()
{
    if (m_painter)
        m_painter->end();
}

QStringList TPrinter::Printers() const
{
    if (const auto& targets = SeamTargets()) {
        QStringList names;
        for (const TPrinterTarget& target : *targets)
            names << target.Name;
        return names;
    }
    return QPrinterInfo::availablePrinterNames();
}

void TPrinter::SetPrinterIndex(int Value)
{
    m_index = Value >= 0 && Value < Printers().size() ? Value : -1;
}

std::unique_ptr<QPrinter> TPrinter::MakeDevice() const
{
    std::unique_ptr<QPrinter> device;
    if (const auto& targets = SeamTargets()) {
        if (targets->empty())
            throw Exception(QStringLiteral("There is no default printer currently selected"));
        const TPrinterTarget& target = targets->at(m_index < 0 ? 0 : static_cast<std::size_t>(m_index));
        device = std::make_unique<QPrinter>(QPrinter::HighResolution);
        device->setOutputFormat(QPrinter::PdfFormat);
        device->setOutputFileName(target.PdfFileName);
        device->setResolution(target.Resolution);
        device->setPageSize(QPageSize(target.Paper));
        device->setPageMargins(target.UnprintableInches, QPageLayout::Inch);
    } else if (m_index >= 0) {
        device = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(Printers().at(m_index)), QPrinter::HighResolution);
    } else {
        device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    device->setFullPage(false);
    device->setPageOrientation(LayoutOrientation(m_orientation));
    device->setDocName(m_title);
    return device;
}

int TPrinter::DpiX() const
{
    return m_device ? m_device->resolution() : MakeDevice()->resolution();
}

int TPrinter::DpiY() const
{
    return DpiX();
}

int TPrinter::PhysicalOffsetX() const
{
    const auto device = MakeDevice();
    return device->pageLayout().paintRectPixels(device->resolution()).left();
}

int TPrinter::PhysicalOffsetY() const
{
    const auto device = MakeDevice();
    return device->pageLayout().paintRectPixels(device->resolution()).top();
}

double TPrinter::PaperWidthInches() const
{
    return MakeDevice()->pageLayout().fullRect(QPageLayout::Inch).width();
}

double TPrinter::PaperHeightInches() const
{
    return MakeDevice()->pageLayout().fullRect(QPageLayout::Inch).height();
}

std::optional<TPrinterDeviceMode> TPrinter::DeviceMode() const
{
    if (const auto& targets = SeamTargets(); targets && targets->empty())
        return std::nullopt;
    const QPageLayout layout = MakeDevice()->pageLayout();
    if (!layout.isValid())
        return std::nullopt;
    return TPrinterDeviceMode { layout.pageSize(), m_orientation };
}

void TPrinter::BeginDoc()
{
    if (m_painter)
        throw Exception(QStringLiteral("Printing in progress"));
    m_device = MakeDevice();
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(m_device.get())) {
        m_device.reset();
        throw Exception(QStringLiteral("Printer is not currently printing"));
    }
    m_painter = std::move(painter);
    m_page = 1;
}

void TPrinter::NewPage()
{
    if (!m_painter)
        throw Exception(QStringLiteral("Printer is not currently printing"));
    m_device->newPage();
    ++m_page;
}

void TPrinter::EndDoc()
{
    if (!m_painter)
        throw Exception(QStringLiteral("Printer is not currently printing"));
    m_painter->end();
    m_painter.reset();
    m_device.reset();
}

TPrinter* Printer()
{
    static TPrinter printer;
    return &printer;
}

TPrintDialogSeam::TPrintDialogSeam(TPrintDialogHandler Handler) : m_previous(std::move(DialogHandler()))
{
    DialogHandler() = std::move(Handler);
}

TPrintDialogSeam::~TPrintDialogSeam()
{
    DialogHandler() = std::move(m_previous);
}

bool ExecutePrintDialog(TPrinter& Printer)
{
    if (DialogHandler())
        return DialogHandler()(Printer);
    QPrinter device(QPrinter::HighResolution);
    if (Printer.PrinterIndex() >= 0)
        device.setPrinterName(Printer.Printers().at(Printer.PrinterIndex()));
    device.setPageOrientation(LayoutOrientation(Printer.Orientation()));
    QPrintDialog dialog(&device);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Printer.SetPrinterIndex(static_cast<int>(Printer.Printers().indexOf(device.printerName())));
    Printer.SetOrientation(device.pageLayout().orientation() == QPageLayout::Landscape ? TPaperOrientation::poLandscape
                                                                                        : TPaperOrientation::poPortrait);
    return true;
}

} // namespace vcl
