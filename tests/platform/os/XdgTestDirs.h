#pragma once
// Points the XDG configuration, data and documents folders into a temporary directory for one test.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace ostest {

class TXdgTestDirs
{
public:
    TXdgTestDirs()
    {
        m_savedConfig = qgetenv("XDG_CONFIG_HOME");
        m_savedData = qgetenv("XDG_DATA_HOME");
        QDir().mkpath(Config());
        QDir().mkpath(Data());
        QDir().mkpath(Documents());
        qputenv("XDG_CONFIG_HOME", Config().toLocal8Bit());
        qputenv("XDG_DATA_HOME", Data().toLocal8Bit());
        QFile dirs(Config() + QStringLiteral("/user-dirs.dirs"));
        if (dirs.open(QIODevice::WriteOnly))
            dirs.write("XDG_DOCUMENTS_DIR=\"" + Documents().toLocal8Bit() + "\"\n");
    }
    ~TXdgTestDirs()
    {
        qputenv("XDG_CONFIG_HOME", m_savedConfig);
        qputenv("XDG_DATA_HOME", m_savedData);
    }
    TXdgTestDirs(const TXdgTestDirs&) = delete;
    TXdgTestDirs& operator=(const TXdgTestDirs&) = delete;

    QString Root() const { return m_dir.path(); }
    QString Config() const { return m_dir.path() + QStringLiteral("/config"); }
    QString Data() const { return m_dir.path() + QStringLiteral("/data"); }
    QString Documents() const { return m_dir.path() + QStringLiteral("/documents"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_savedConfig;
    QByteArray m_savedData;
};

inline QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

} // namespace ostest
