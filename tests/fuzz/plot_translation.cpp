// The plot's translation files ("original TAB replacement" lines, 8-bit). Loading any file either
// fills the table or raises "Error Loading Data - ..."; a saved table loads back with one entry
// per line, split at the line's first TAB, the last line first.

#include "FuzzSupport.h"
#include "platform/core/Exception.h"
#include "platform/core/TStringList.h"
#include "plot/iPlotTranslation.h"

#include <QFile>

namespace {

const vcl::TNotifyEvent kNothing = [](vcl::TObject*) {};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TiPlotTranslationManager table(kNothing, kNothing);
    try {
        table.LoadFromFile(QString::fromStdString(fuzz::ScratchFile({ data, size }, ".txt")));
    } catch (const vcl::Exception& e) {
        fuzz::Require(e.Message().startsWith(QStringLiteral("Error Loading Data - ")), "load failures are wrapped");
    }
    const QString saved = QString::fromStdString(fuzz::ScratchFile({}, ".saved"));
    table.SaveToFile(saved);

    // An 8-bit file whose first characters are the bytes of a byte-order mark ("\xFE\xFF", ...)
    // reads back as Unicode text: the 8-bit format cannot tell them apart.
    QFile file(saved);
    fuzz::Require(file.open(QIODevice::ReadOnly), "the saved file reads back");
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return 0;

    vcl::TStringList lines;
    lines.LoadFromFile(saved);
    TiPlotTranslationManager again(kNothing, kNothing);
    again.LoadFromFile(saved);
    fuzz::Require(again.Count() == lines.Count(), "one entry per saved line");
    for (int i = 0; i < lines.Count(); ++i) {
        const QString line = lines.Strings(i);
        const auto tab = line.indexOf(u'\t');
        const TiPlotTranslationObject* entry = again.Item(again.Count() - 1 - i);
        fuzz::Require(entry->OriginalString() == line.left(tab) && entry->ReplacementString() == line.mid(tab + 1),
                      "an entry holds its line split at the first TAB");
    }
    return 0;
}
