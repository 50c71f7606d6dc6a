#pragma once

#include <QList>
#include <QString>

namespace db {

// Any: a column whose type the result does not tell (a computed column of a
// query); its values are kept as read.
enum class FieldType
{
    Text,
    Integer,
    Double,
    Boolean,
    Date,
    Any
};

// One column of a dataset: its name, its type, its size (text fields only,
// 0 when the size is not fixed) and the mask in which its values are shown.
struct FieldDef
{
    QString name;
    FieldType type = FieldType::Text;
    int size = 0;
    bool readOnly = false;
    QString displayFormat;
};

using FieldDefs = QList<FieldDef>;

// Maps a column's declared SQL type onto a field type. SQLite keeps the
// declared type name, so the schema's DATE and BOOLEAN columns are known here.
FieldType fieldTypeFromDeclaredType(const QString& declaredType);

} // namespace db
