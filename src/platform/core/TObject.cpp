#include "platform/core/TObject.h"

#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace vcl {

QString TObject::ClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    QString name = QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
    // Drop namespaces but keep template arguments intact.
    const qsizetype templateStart = name.indexOf(QLatin1Char('<'));
    const qsizetype scope = name.lastIndexOf(QStringLiteral("::"), templateStart < 0 ? -1 : templateStart);
    if (scope >= 0)
        name.remove(0, scope + 2);
    return name;
}

bool TObject::ClassNameIs(const QString& name) const
{
    return ClassName().compare(name, Qt::CaseInsensitive) == 0;
}

} // namespace vcl
