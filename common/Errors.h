#pragma once
// Errors that end a command and reach the application's general error handler, which shows
// what() in a message box; the program then goes on.

#include <QString>
#include <stdexcept>

class KorvaError : public std::runtime_error {
public:
    explicit KorvaError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// A text that does not convert to the value it should hold (a reply date, a typed number).
class ConversionError : public KorvaError {
public:
    using KorvaError::KorvaError;
};

// A statement the database refused, a missing table or column, a connection lost.
class DatabaseError : public KorvaError {
public:
    using KorvaError::KorvaError;
};
