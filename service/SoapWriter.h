#pragma once
// Writes a request envelope by appending escaped text to one buffer, walking the type tables.
// Callable without a network, so tests and benchmarks can look at what would be sent.

#include "SoapDescription.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <utility>
#include <vector>

namespace korvaesya::soap {

// One parameter value of an operation, typed by the tables.
struct Argument {
    Kind kind = Kind::Text;
    const void *value = nullptr;
    const TypeDescription *type = nullptr;
    std::size_t (*count)(const void *list) = nullptr;
    const void *(*item)(const void *list, std::size_t index) = nullptr;
};

inline Argument arg(const QString &value) { return {Kind::Text, &value, nullptr, nullptr, nullptr}; }
inline Argument arg(const qint64 &value) { return {Kind::Long, &value, nullptr, nullptr, nullptr}; }

template <class T>
Argument arg(const T &value)
{
    return {Kind::Structure, &value, &describe<T>(), nullptr, nullptr};
}

template <class T>
Argument arg(const std::vector<T> &list)
{
    return {Kind::List, &list, &describe<T>(),
            [](const void *l) { return static_cast<const std::vector<T> *>(l)->size(); },
            [](const void *l, std::size_t i) -> const void * { return &(*static_cast<const std::vector<T> *>(l))[i]; }};
}

struct WrittenRequest {
    QByteArray body;
    // Byte ranges (start, length) of secret texts, masked in the exchange log.
    std::vector<std::pair<qsizetype, qsizetype>> secrets;
};

WrittenRequest writeRequest(Operation operation, std::initializer_list<Argument> arguments);

// The request with every secret text replaced by "********", for the exchange log.
QByteArray maskedForLog(const WrittenRequest &request);

} // namespace korvaesya::soap
