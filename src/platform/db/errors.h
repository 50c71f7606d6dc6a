#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// An error of the data layer. Its text is what the user reads in the error box,
// so it is written for a person, not for a log.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};

// Text that cannot be read as the value a field or a rule needs
// ("'abc' is not a valid floating point value").
class ConversionError : public DbError
{
public:
    using DbError::DbError;
};

} // namespace db
