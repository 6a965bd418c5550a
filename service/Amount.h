#pragma once
// A fixed-point amount of four decimals, kept exactly as a count of ten-thousandths.

#include <QString>
#include <QtGlobal>
#include <optional>

class QLocale;

class Amount {
public:
    constexpr Amount() = default;
    static constexpr Amount fromTenThousandths(qint64 units) { return Amount(units); }
    static constexpr qint64 Scale = 10000;

    constexpr qint64 tenThousandths() const { return m_units; }

    // "1500", "12.5", "-0.0001": "." as decimal separator, at most four decimals; more decimals
    // round half to even. nullopt for anything else.
    static std::optional<Amount> fromWire(const QString &text);
    // The same read in the given locale's number format (decimal comma under Turkish settings).
    static std::optional<Amount> fromLocale(const QString &text, const QLocale &locale);
    // Rounds to four decimals, halves to the even neighbour, through the exact decimal text of value.
    static Amount fromDouble(double value);

    // Shortest decimal form, at most four decimals, "." separator, no grouping: 1500, 12.5.
    QString toWire() const;
    // The same in the given locale's decimal separator, no grouping.
    QString toLocale(const QLocale &locale) const;
    double toDouble() const { return double(m_units) / Scale; }

    // Exact product rounded to four decimals, halves to the even neighbour.
    Amount multipliedBy(const Amount &other) const;

    friend constexpr bool operator==(Amount, Amount) = default;
    friend constexpr auto operator<=>(Amount, Amount) = default;
    friend constexpr Amount operator+(Amount a, Amount b) { return Amount(a.m_units + b.m_units); }

private:
    constexpr explicit Amount(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};
