#include "toolkit/qt/file_filter.h"

#include "toolkit/qt/qt_text.h"

namespace kestara {

QStringList QtNameFilters(const std::string& localFilter) {
  QStringList filters;
  const QStringList parts = ToQt(localFilter).split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) pattern = pattern.trimmed();
    patterns.removeAll(QString());
    if (patterns.isEmpty()) continue;
    filters << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns.join(QLatin1Char(' ')));
  }
  return filters;
}

}  // namespace kestara
