#include "platform/db/field.h"

namespace db {

FieldType fieldTypeFromDeclaredType(const QString& declaredType)
{
    const QString t = declaredType.trimmed().toUpper();
    if (t.startsWith("BOOL") || t == "YESNO")
        return FieldType::Boolean;
    if (t.startsWith("DATE"))
        return FieldType::Date;
    if (t.contains("INT"))
        return FieldType::Integer;
    if (t.contains("REAL") || t.contains("DOUB") || t.contains("FLOA") || t.contains("NUMERIC"))
        return FieldType::Double;
    return FieldType::Text;
}

} // namespace db
