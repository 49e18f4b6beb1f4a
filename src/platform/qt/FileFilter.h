#pragma once
#include <QStringList>
#include <string>

// An open dialog filter "description|patterns|description|patterns" (Shift-JIS, patterns split by
// ";") as Qt name filters "description (pattern pattern)", in the same order.
QStringList qtNameFilters(const std::string& sjisFilter);
