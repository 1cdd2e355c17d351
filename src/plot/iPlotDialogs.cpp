#include "plot/iPlotDialogs.h"

#include "plot/iGPGeometry.h"

#include "platform/core/Exception.h"
#include "platform/ui/ColorFontDialogs.h"
#include "platform/ui/TOpenDialog.h"
#include "platform/ui/TWinControl.h"

#include <QFileInfo>

using namespace vcl;

namespace {

constexpr int kMaxPath = 260;

void RequireWindowedOwner(const TComponent* Dialog)
{
    if (!dynamic_cast<const TWinControl*>(Dialog->Owner()))
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
}

QString InitialFolder(const QString& DefaultDir)
{
    return DefaultDir.isEmpty() ? QStringLiteral(".") : DefaultDir;
}

} // namespace

QStringList iParseMultiSelection(const QStringList& Parts)
{
    if (Parts.size() <= 1)
        return Parts;
    QString folder = Parts.first();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    QStringList files;
    for (qsizetype i = 1; i < Parts.size(); ++i)
        files << (Parts[i].startsWith(QLatin1Char('/')) ? Parts[i] : folder + Parts[i]);
    return files;
}

QStringList iFilterPatterns(const QString& Filter)
{
    QStringList patterns;
    for (const QString& part : Filter.split(QLatin1Char('|')))
        if (part.startsWith(QLatin1Char('*')))
            patterns << part;
    return patterns;
}

QString iFilterExtension(const QString& Filter, int FilterIndex)
{
    const QStringList patterns = iFilterPatterns(Filter);
    if (FilterIndex < 1 || FilterIndex > patterns.size())
        return QString();
    return patterns[FilterIndex - 1].mid(1);
}

QString iCompleteSaveExtension(const QString& FileName, const QString& Filter, int FilterIndex)
{
    const QString returnExt = iFilterExtension(Filter, FilterIndex);
    if (returnExt.isEmpty() || returnExt == QLatin1String(".*"))
        return FileName;
    const QString suffix = QFileInfo(FileName).suffix();
    if (!suffix.isEmpty() && QStringLiteral("*.") + suffix == iFilterPatterns(Filter)[FilterIndex - 1])
        return FileName;
    return FileName + returnExt;
}

// --- colour ---

bool TiColorDialog::Execute()
{
    RequireWindowedOwner(this);
    const std::optional<TColor> chosen = RunColorDialog(ColorToRGB(FColor));
    if (!chosen)
        return false;
    FColor = *chosen;
    return true;
}

// --- font ---

TiFontDialog::TiFontDialog(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {}

bool TiFontDialog::Execute()
{
    RequireWindowedOwner(this);
    TFont chosen;
    chosen.Assign(FFont.get());
    if (!RunFontDialog(chosen))
        return false;
    FFont->SetColor(chosen.Color());
    if (chosen.Name().compare(FFont->Name(), Qt::CaseInsensitive) != 0)
        FFont->SetCharset(chosen.Charset());
    FFont->SetName(chosen.Name());
    FFont->SetHeight(chosen.Height());
    FFont->SetStyle(chosen.Style());
    return true;
}

// --- open ---

TiOpenDialog::TiOpenDialog(TComponent* AOwner) : TComponent(AOwner), FFiles(std::make_unique<TStringList>()) {}

bool TiOpenDialog::Execute()
{
    FFiles->Clear();
    if (!iGetOwnerForm(this))
        return false;
    TOpenDialog dialog(nullptr);
    dialog.SetFileName(FFileName.left(kMaxPath));
    dialog.SetFilter(FFilter);
    dialog.SetFilterIndex(1);
    dialog.SetDefaultExt(FDefaultExt);
    dialog.SetInitialDir(InitialFolder(FDefaultDir));
    TOpenOptions options { TOpenOption::ofHideReadOnly, TOpenOption::ofPathMustExist };
    if (FFileMustExist)
        options.Include(TOpenOption::ofFileMustExist);
    if (FAllowMultiSelect)
        options.Include(TOpenOption::ofAllowMultiSelect);
    dialog.SetOptions(options);
    if (!dialog.Execute())
        return false;
    if (FAllowMultiSelect) {
        // A multiple selection comes as the folder and the names, each ended by a NUL.
        QStringList parts = dialog.FileName().split(QChar(u'\0'));
        while (!parts.isEmpty() && parts.last().isEmpty())
            parts.removeLast();
        for (const QString& file : iParseMultiSelection(parts))
            FFiles->Add(file);
        FFileName = FFiles->Count() > 0 ? FFiles->Strings(0) : QString();
    } else {
        FFileName = dialog.FileName();
        FFiles->Add(FFileName);
    }
    return true;
}

// --- save ---

bool TiSaveDialog::Execute()
{
    if (!iGetOwnerForm(this))
        return false;
    TSaveDialog dialog(nullptr);
    dialog.SetFileName(FFileName.left(kMaxPath));
    dialog.SetFilter(FFilter);
    dialog.SetFilterIndex(FFilterIndex);
    dialog.SetDefaultExt(FDefaultExt);
    dialog.SetInitialDir(InitialFolder(FDefaultDir));
    dialog.SetOptions({ TOpenOption::ofOverwritePrompt, TOpenOption::ofHideReadOnly, TOpenOption::ofPathMustExist });
    if (!dialog.Execute())
        return false;
    FFilterIndex = dialog.FilterIndex();
    FReturnExt = iFilterExtension(FFilter, FFilterIndex);
    FFileName = iCompleteSaveExtension(dialog.FileName(), FFilter, FFilterIndex);
    return true;
}
