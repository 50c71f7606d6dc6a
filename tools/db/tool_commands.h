#pragma once

#include <QStringList>
#include <QTextStream>

namespace tools {

// "demo": fills a database file with a demo data set. Throws db::DbError.
int runDemo(const QStringList& args, QTextStream& out);

} // namespace tools
