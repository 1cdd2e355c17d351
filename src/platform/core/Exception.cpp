#include "platform/core/Exception.h"

namespace vcl {

Exception::Exception(const QString& message) : m_message(message), m_utf8(message.toStdString())
{
}

void Exception::SetMessage(const QString& message)
{
    m_message = message;
    m_utf8 = message.toStdString();
}

void ListIndexError(int index)
{
    throw EListError(QStringLiteral("List index out of bounds (%d)"), index);
}

} // namespace vcl
