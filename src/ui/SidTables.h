#pragma once
// The interface texts of both built-in languages as ordered line tables (comment, key, text, ...).

#include <QStringList>

namespace SidTables {

// The lines of one language's table: line 0 is a comment, every "SID_" line is followed by its text.
const QStringList& English();
const QStringList& Simplified();

// The text after the first line equal to key (letter case ignored); line 0 when the key is absent.
QString Lookup(const QStringList& table, const QString& key);

} // namespace SidTables
