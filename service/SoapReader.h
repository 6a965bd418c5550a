#pragma once
// Reads a reply envelope into an operation's result, walking the type tables. The body is parsed
// in place, so it is changed by the read. Throws SoapCallError for a SOAP fault, a reply that
// does not parse, carries a DTD, or lacks the reply element "return".

#include "SoapDescription.h"

#include <QByteArray>
#include <QString>

namespace korvaesya::soap {

// Where the "return" element of a reply goes: a structured result or a text.
struct ResultTarget {
    const TypeDescription *type = nullptr; // null: a text into `text`
    void *object = nullptr;
    QString *text = nullptr;
};

template <class T>
ResultTarget structureResult(T &result)
{
    return {&describe<T>(), &result, nullptr};
}
inline ResultTarget textResult(QString &result) { return {nullptr, nullptr, &result}; }

void readReply(QByteArray &body, const ResultTarget &target);

template <class T>
std::unique_ptr<T> readReply(QByteArray &body)
{
    auto result = std::make_unique<T>();
    readReply(body, structureResult(*result));
    return result;
}

} // namespace korvaesya::soap
