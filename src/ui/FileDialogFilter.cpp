#include "FileDialogFilter.h"

#include <QRegularExpression>

namespace mFileDialog {

std::vector<FilterPair> SplitFilter(const QString& filter) {
    static const QRegularExpression kSeparator(QStringLiteral("[|:]"));
    const QStringList entries = filter.split(kSeparator);
    std::vector<FilterPair> pairs;
    for (qsizetype i = 0; i + 1 < entries.size(); i += 2) {
        if (entries[i].isEmpty() || entries[i + 1].isEmpty())
            break;
        pairs.push_back(FilterPair{entries[i], entries[i + 1]});
    }
    return pairs;
}

QStringList NameFilters(const QString& filter) {
    QStringList nameFilters;
    for (const FilterPair& pair : SplitFilter(filter)) {
        const QString patterns = pair.Pattern.split(u';', Qt::SkipEmptyParts).join(u' ').trimmed();
        const QString suffix = QStringLiteral("(%1)").arg(patterns);
        nameFilters.append(pair.Description.endsWith(suffix)
                               ? pair.Description
                               : QStringLiteral("%1 %2").arg(pair.Description, suffix));
    }
    return nameFilters;
}

} // namespace mFileDialog
