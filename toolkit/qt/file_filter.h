// File dialog filters: "desc|pattern|desc|pattern" as Qt name filters.
#pragma once

#include <QStringList>
#include <string>

namespace kestara {

// Patterns separated by ';' become Qt's space-separated lists; a
// description without its pattern is dropped.
QStringList QtNameFilters(const std::string& localFilter);

}  // namespace kestara
