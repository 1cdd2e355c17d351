#pragma once
// Root of the class hierarchy: a virtual destructor and the run-time class name.

#include <QString>

namespace vcl {

class TObject
{
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The dynamic class name without namespace, e.g. "TStringList" or "TfmMain".
    QString ClassName() const;
    bool ClassNameIs(const QString& name) const;
};

} // namespace vcl
