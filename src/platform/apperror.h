#pragma once

#include <QString>

#include <exception>

// An error that ends a command and reaches the application's standard error
// box. The map library and the commands throw it; only the shell shows it.
class AppError : public std::exception
{
public:
    explicit AppError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The message as the standard error box shows it: with a full stop appended
// when the last character sorts after ".".
QString errorBoxText(const QString &message);
