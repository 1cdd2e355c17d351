#include "plot/iPlotComponent.h"

QString TiPlotComponent::TranslateString(const QString& Text) const
{
    const TiPlotTranslationManager* table = FMaster ? FMaster->TranslationManager() : nullptr;
    return table ? table->FindReplacement(Text) : Text;
}

int TiPlotComponent::AddTranslation(const QString& OriginalString, const QString& ReplacementString)
{
    TiPlotTranslationManager* table = FMaster->TranslationManager();
    const int index = table->Add();
    table->Item(index)->SetOriginalString(OriginalString);
    table->Item(index)->SetReplacementString(ReplacementString);
    return index;
}

void TiPlotComponent::DeleteTranslation(int Index)
{
    FMaster->TranslationManager()->Delete(Index);
    InvalidateNow();
}

void TiPlotComponent::RemoveAllTranslations()
{
    FMaster->TranslationManager()->Clear();
    InvalidateNow();
}

int TiPlotComponent::TranslationCount() const
{
    return FMaster->TranslationManager()->Count();
}

QString TiPlotComponent::GetTranslationOriginalString(int Index) const
{
    return FMaster->TranslationManager()->Item(Index)->OriginalString();
}

QString TiPlotComponent::GetTranslationReplacementString(int Index) const
{
    return FMaster->TranslationManager()->Item(Index)->ReplacementString();
}

void TiPlotComponent::LoadTranslationsFromFile(const QString& FileName)
{
    FMaster->TranslationManager()->LoadFromFile(FileName);
}

void TiPlotComponent::SaveTranslationsToFile(const QString& FileName) const
{
    FMaster->TranslationManager()->SaveToFile(FileName);
}
