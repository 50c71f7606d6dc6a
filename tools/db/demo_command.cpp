#include "tool_commands.h"

#include "platform/db/errors.h"

namespace tools {

int runDemo(const QStringList&, QTextStream&)
{
    throw db::DbError(QStringLiteral("the demo data set is not available yet"));
}

} // namespace tools
