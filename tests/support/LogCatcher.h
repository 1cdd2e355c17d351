#pragma once
// Takes every message Qt logs while it lives (type, category, place and text) in place of the
// handler before it, so a test can see what a piece of code wrote to the log.

#include <QString>
#include <QtGlobal>

#include <string>
#include <vector>

namespace testsupport {

struct LoggedMessage
{
    QtMsgType type;
    std::string category;
    std::string file;
    int line;
    std::string text;
};

class LogCatcher
{
public:
    LogCatcher()
    {
        s_seen.clear();
        s_previous = qInstallMessageHandler(&LogCatcher::Handle);
    }
    ~LogCatcher() { qInstallMessageHandler(s_previous); }
    LogCatcher(const LogCatcher&) = delete;
    LogCatcher& operator=(const LogCatcher&) = delete;

    const std::vector<LoggedMessage>& Seen() const { return s_seen; }

    // The warnings of the program's own category whose text holds `part`.
    int OwnWarningsWith(const std::string& part) const
    {
        int n = 0;
        for (const LoggedMessage& m : s_seen)
            if (m.type == QtWarningMsg && m.category == "zq9" && m.text.find(part) != std::string::npos)
                ++n;
        return n;
    }

private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        s_seen.push_back({ type, context.category ? context.category : "", context.file ? context.file : "",
                           context.line, message.toStdString() });
    }
    static inline QtMessageHandler s_previous { nullptr };
    static inline std::vector<LoggedMessage> s_seen;
};

} // namespace testsupport
