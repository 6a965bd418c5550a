#pragma once
// How the binding sees the message types: each type is one table of element descriptions, each
// operation one row of name, SOAP action and parameter names. The SOAP writer and reader walk
// these tables; nothing else in the binding knows a type by name.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

namespace korvaesya::soap {

enum class Kind { Text, Integer, Long, Bytes, Structure, List, TextList };

struct TypeDescription;

// One element of a type. The accessors take the object the element belongs to (type-erased,
// since one table row serves every type) and hand out its member.
struct ElementDescription {
    std::string_view name;
    Kind kind = Kind::Text;
    bool required = true;
    bool secret = false; // its text is masked in the exchange log
    void *(*member)(void *object) = nullptr;
    bool *(*flag)(void *object) = nullptr;              // optional elements only
    const TypeDescription &(*itemType)() = nullptr;     // Structure and List
    std::size_t (*count)(const void *member) = nullptr; // List: items; Structure: 0 or 1
    const void *(*item)(const void *member, std::size_t index) = nullptr;
    void *(*append)(void *member) = nullptr; // List: a new last item; Structure: a new object

    const void *constMember(const void *object) const { return member(const_cast<void *>(object)); }
    bool specified(const void *object) const { return required || *flag(const_cast<void *>(object)); }
};

struct TypeDescription {
    std::string_view name;
    std::vector<ElementDescription> elements;
};

// Defined for each of the message types in korvaesya.cpp.
template <class T>
const TypeDescription &describe();

template <class>
struct MemberOf;
template <class C, class V>
struct MemberOf<V C::*> {
    using Class = C;
    using Value = V;
};

template <class>
struct IsVector : std::false_type {};
template <class T>
struct IsVector<std::vector<T>> : std::true_type {};

template <class>
struct IsUniquePtr : std::false_type {};
template <class T>
struct IsUniquePtr<std::unique_ptr<T>> : std::true_type {};

template <auto Member>
ElementDescription element(std::string_view name)
{
    using Class = typename MemberOf<decltype(Member)>::Class;
    using Value = typename MemberOf<decltype(Member)>::Value;
    ElementDescription e;
    e.name = name;
    e.member = [](void *object) -> void * { return &(static_cast<Class *>(object)->*Member); };
    if constexpr (std::is_same_v<Value, QString>) {
        e.kind = Kind::Text;
    } else if constexpr (std::is_same_v<Value, int>) {
        e.kind = Kind::Integer;
    } else if constexpr (std::is_same_v<Value, qint64>) {
        e.kind = Kind::Long;
    } else if constexpr (std::is_same_v<Value, QByteArray>) {
        e.kind = Kind::Bytes;
    } else if constexpr (std::is_same_v<Value, QStringList>) {
        e.kind = Kind::TextList;
        e.required = false;
    } else if constexpr (IsVector<Value>::value) {
        using Item = typename Value::value_type;
        e.kind = Kind::List;
        e.required = false;
        e.itemType = &describe<Item>;
        e.count = [](const void *list) { return static_cast<const Value *>(list)->size(); };
        e.item = [](const void *list, std::size_t i) -> const void * { return &(*static_cast<const Value *>(list))[i]; };
        e.append = [](void *list) -> void * { return &static_cast<Value *>(list)->emplace_back(); };
    } else if constexpr (IsUniquePtr<Value>::value) {
        using Item = typename Value::element_type;
        e.kind = Kind::Structure;
        e.itemType = &describe<Item>;
        e.count = [](const void *p) -> std::size_t { return *static_cast<const Value *>(p) ? 1 : 0; };
        e.item = [](const void *p, std::size_t) -> const void * { return static_cast<const Value *>(p)->get(); };
        e.append = [](void *p) -> void * {
            auto &owned = *static_cast<Value *>(p);
            owned = std::make_unique<Item>();
            return owned.get();
        };
    } else {
        static_assert(sizeof(Value) == 0, "no element kind for this member type");
    }
    return e;
}

template <auto Member, auto Flag>
ElementDescription optional(std::string_view name)
{
    using Class = typename MemberOf<decltype(Flag)>::Class;
    ElementDescription e = element<Member>(name);
    e.required = false;
    e.flag = [](void *object) -> bool * { return &(static_cast<Class *>(object)->*Flag); };
    return e;
}

inline ElementDescription secret(ElementDescription e)
{
    e.secret = true;
    return e;
}

enum class Operation {
    yukBildirimiDetayi,
    yukBildirimiGuncelle,
    yukBildirimiIptalEt,
    yukBildirimRaporu,
    paramYukTuru,
    paramTehlikeliMaddeTasimaSekli,
    paramYukBirimi,
    iptalTurleri,
    yukBildirimiListesi,
    servisTest,
    yetkiBelgesiKontrol,
    meslekiYeterlilikSorgula,
    aracMuayeneSorgula,
    yeniYukKaydiBildir,
};

struct OperationDescription {
    std::string_view name;
    std::string_view action; // after the target namespace; empty for an empty action
    std::vector<std::string_view> parameters;
};

const OperationDescription &describe(Operation operation);

// The SOAPAction header value: the action in double quotes, "" for an empty one.
QByteArray soapActionHeader(Operation operation);

} // namespace korvaesya::soap
