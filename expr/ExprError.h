#pragma once
// An error the evaluator raises instead of reporting: a malformed buffer or an
// arithmetic fault (overflow). Samplers and drawing catch it and fail cleanly.
#include <QString>
#include <stdexcept>

class ExprError : public std::runtime_error {
public:
    ExprError(long number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}
    long Number() const { return m_number; }
    const QString& Description() const { return m_description; }

private:
    long m_number;
    QString m_description;
};
