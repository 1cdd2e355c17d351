#pragma once
// Form streams in the widget tests: write a control, read it back, look for a property's name in the
// bytes, and hand-made streams that carry properties an older form wrote.

#include "platform/core/TComponent.h"
#include "platform/core/TReader.h"
#include "platform/core/TStream.h"
#include "platform/core/TWriter.h"

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace wtest {

inline QByteArray WriteForm(vcl::TComponent& root)
{
    vcl::TMemoryStream stream;
    vcl::TWriter writer(stream);
    writer.WriteRootComponent(root);
    return stream.Bytes();
}

inline void ReadForm(const QByteArray& bytes, vcl::TComponent& root)
{
    vcl::TMemoryStream stream;
    stream.SetBytes(bytes);
    vcl::TReader reader(stream);
    reader.ReadRootComponent(root);
}

// True when the stream names the property (names are stored with a one-byte length before them).
inline bool Written(const QByteArray& bytes, const QString& name)
{
    const QByteArray utf8 = name.toUtf8();
    return bytes.contains(char(utf8.size()) + utf8);
}

// A stream of one `className` root holding the properties `body` writes (names and values).
inline QByteArray HandMadeForm(const QString& className, const std::function<void(vcl::TWriter&)>& body)
{
    vcl::TMemoryStream stream;
    vcl::TWriter writer(stream);
    stream.WriteBuffer(vcl::FormStreamSignature, sizeof vcl::FormStreamSignature);
    writer.WritePropName(className);
    writer.WritePropName(QString());
    body(writer);
    writer.WriteListEnd();
    writer.WriteListEnd();
    return stream.Bytes();
}

// A control changed away from its start values, written, and read into a new one.
struct RoundTrip
{
    const char* what;
    std::function<std::unique_ptr<vcl::TComponent>()> make;
    std::function<void(vcl::TComponent&)> change;
    std::function<void(vcl::TComponent&)> check;
};

template <typename T>
T& As(vcl::TComponent& c)
{
    return dynamic_cast<T&>(c);
}

template <std::size_t N>
void CheckRoundTrips(const RoundTrip (&cases)[N])
{
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.what);
        auto source = c.make();
        c.change(*source);
        const QByteArray bytes = WriteForm(*source);
        auto target = c.make();
        ReadForm(bytes, *target);
        c.check(*target);
    }
}

} // namespace wtest
