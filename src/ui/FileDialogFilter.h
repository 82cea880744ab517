#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace mFileDialog {

struct FilterPair {
    QString Description;
    QString Pattern; // one or more patterns separated by ";"
};

// Splits "Description|pattern|Description|pattern" into its pairs; ":" separates like "|".
// The list ends at the first empty entry, as the system's NUL-separated list does, and a
// description without a pattern is dropped.
std::vector<FilterPair> SplitFilter(const QString& filter);

// The pairs as Qt name filters, "Description (pattern pattern)"; a description that already
// ends with its patterns in parentheses is kept as it is.
QStringList NameFilters(const QString& filter);

} // namespace mFileDialog
