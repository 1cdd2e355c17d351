// The SID_ text tables and the look-up by language.
#include "ui/SidTables.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

const QString CommentLine = QStringLiteral("//---------------------- Menu ------------------------");

TEST(SidTables, LookupByLanguageTable)
{
    struct Case { const char* key; const char* english; const char* simplified; };
    const Case cases[] = {
        { "SID_FILE", "File", "文件" },
        { "sid_file", "File", "文件" },
        { "SID_EXIT", "Exit", "取消" },
        { "SID_LANGUAGE", "语言", "Language" },
        { "SID_ENGLISH", "English", "English" },
        { "SID_CHINESE_SIMPLIFIED", "中文", "中文" },
        { "SID_INPUT_ID", " Input ID Number", " 输入 ID" },
        { "SID_FACTORY_DEFAULT", "Are you Sure to Return Factory Default?", "确定要恢复机器出厂设置?" },
        { "SID_PARAM_KEY", "Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )",
          "频率 ( ← / → )     频宽(＋/－)     增益 (  ↑ / ↓  )" },
        { "SID_NO_SUCH_KEY", "//---------------------- Menu ------------------------",
          "//---------------------- Menu ------------------------" },
        { "", "//---------------------- Menu ------------------------",
          "//---------------------- Menu ------------------------" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SidTables::Lookup(SidTables::English(), QString::fromUtf8(c.key)), QString::fromUtf8(c.english)) << c.key;
        EXPECT_EQ(SidTables::Lookup(SidTables::Simplified(), QString::fromUtf8(c.key)), QString::fromUtf8(c.simplified)) << c.key;
    }
}

TEST(SidTables, BothTablesHoldTheSameKeysInOrder)
{
    const QStringList& en = SidTables::English();
    const QStringList& gb = SidTables::Simplified();
    ASSERT_EQ(en.size(), gb.size());
    EXPECT_EQ(en[0], CommentLine);
    EXPECT_EQ(gb[0], CommentLine);
    QSet<QString> keys;
    for (qsizetype i = 1; i < en.size(); i += 2) {
        EXPECT_TRUE(en[i].startsWith(QLatin1String("SID_"))) << i;
        EXPECT_EQ(en[i], gb[i]);
        EXPECT_FALSE(en[i + 1].startsWith(QLatin1String("SID_"))) << en[i].toStdString();
        keys.insert(en[i]);
    }
    EXPECT_EQ(keys.size(), 126);
}

} // namespace
