#pragma once
// The letter case an edit field gives typed text, and the one conversion the edit controls share.

#include <QString>

namespace vcl {

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// The text as an edit field of that case takes it.
inline QString ApplyCharCase(TEditCharCase charCase, const QString& text)
{
    switch (charCase) {
    case TEditCharCase::ecUpperCase: return text.toUpper();
    case TEditCharCase::ecLowerCase: return text.toLower();
    case TEditCharCase::ecNormal: break;
    }
    return text;
}

} // namespace vcl
