#pragma once
// Property lists: lines "path = value" with which the plot saves and loads the published properties
// of its objects; a nested persistent object extends the path ("XAxis0.LabelsFont.Color").

#include <QChar>
#include <QString>

namespace vcl {
class TPersistent;
class TStrings;
class TWriter;
}

// Appends one line per stored, writable published property of Instance (nested objects as their own
// lines). With OnlyNonDefault, ordinal properties at their declared default are left out; paths in
// ExcludeList are skipped.
void iSaveObjectToStringList(vcl::TPersistent* Instance, const QString& Prefix, vcl::TStrings* List,
                             bool OnlyNonDefault, const vcl::TStrings* ExcludeList = nullptr);

// Applies and removes the leading lines of List whose prefix is exactly ObjectName; stops at the first
// line of another object. A value that does not convert raises and leaves that line in the list.
void iLoadObjectFromStringList(vcl::TPersistent* Instance, const QString& ObjectName, vcl::TStrings* List);

// Sets one property by its path; unknown names and missing sub-objects are ignored.
void iSetPropertyFromText(vcl::TPersistent* Instance, const QString& Path, const QString& Value,
                          QChar DecimalSeparator);

// Takes ObjectName's prefix (matched ignoring case) off Path into Prefix; Prefix is empty otherwise.
void iStripObjectPrefix(const QString& ObjectName, QString& Path, QString& Prefix);
// Splits at the first Separator, both parts trimmed; both empty when Separator does not occur.
void iSplitNameValue(const QString& Text, const QString& Separator, QString& Name, QString& Value);
// Finds, takes out and answers the first line whose name equals Name ignoring case.
bool iExtractNameValue(const QString& Name, QString& Value, vcl::TStrings* List);
// The object of a published object property; nullptr when there is none.
vcl::TPersistent* iGetObjectProperty(vcl::TPersistent* Instance, const QString& PropertyName);

// Writes Instance's stored published properties, then its defined ones, with the form-stream
// writer; a platform exception ends the writing of this object silently.
void iWriteObjectProperties(vcl::TWriter& Writer, const vcl::TPersistent* Instance);

// The decimal separator property lists are read with: the one number text uses ('.').
QChar iLocalDecimalSeparator();
