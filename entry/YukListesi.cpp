#include "YukListesi.h"

#include "Errors.h"
#include "KorvaApplication.h"
#include "ScreenFormat.h"

#include <QLocale>
#include <algorithm>
#include <limits>

namespace {

using K = YukListesi::Kind;

constexpr int KiloColumn = 19;

struct UnitFactor {
    const char *code;
    qint64 numerator;
    qint64 denominator;
};

// Kilograms per unit of quantity, as an exact fraction: "MG" is a millionth of a kilogram,
// which four decimals cannot hold as a factor of its own.
constexpr UnitFactor UnitFactors[] = {
    {"KG", 1, 1}, {"TON", 1000, 1}, {"MG", 1, 1000000}, {"L", 1, 1}, {"AD", 1, 1}, {"PK", 1, 1},
};

using Wide = __int128;

std::optional<Amount> scaledHalfEven(qint64 units, qint64 numerator, qint64 denominator)
{
    const bool negative = units < 0;
    Wide magnitude = Wide(negative ? -Wide(units) : Wide(units)) * numerator;
    Wide quotient = magnitude / denominator;
    const Wide twiceRemainder = 2 * (magnitude % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        ++quotient;
    if (quotient > Wide(std::numeric_limits<qint64>::max()))
        return std::nullopt;
    return Amount::fromTenThousandths(negative ? -qint64(quotient) : qint64(quotient));
}

QString fieldText(const char *name) { return QString::fromLatin1(name); }

ConversionError notANumber(const QString &text, int column)
{
    return ConversionError(QStringLiteral("'%1', '%2' alanı için geçerli bir sayı değil.")
                               .arg(text, fieldText(YukListesi::columns()[column].name)));
}

double readReal(const QString &text, int column)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok)
        throw notANumber(text, column);
    return value;
}

// Empty text and invalid values stand for a column without a value.
bool isBlank(const QVariant &value)
{
    return !value.isValid() || value.isNull()
        || (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty());
}

int compareValues(K kind, const QVariant &a, const QVariant &b)
{
    const bool aBlank = !a.isValid(), bBlank = !b.isValid();
    if (aBlank || bBlank)
        return int(bBlank) - int(aBlank);
    switch (kind) {
    case K::Text:
        return a.toString().compare(b.toString());
    case K::Date: {
        const QDate x = a.toDate(), y = b.toDate();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    case K::Time: {
        const QTime x = a.toTime(), y = b.toTime();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    case K::Real: {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    case K::Amount:
    case K::Computed: {
        const Amount x = a.value<Amount>(), y = b.value<Amount>();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    }
    return 0;
}

} // namespace

const QList<YukListesi::Column> &YukListesi::columns()
{
    static const QList<Column> all = {
        {"FirmaYukNo", "Yük No", K::Text, 10},
        {"GonderenVergiNo", "Gönderen V.No.", K::Text, 10},
        {"GonderenUnvan", "Gönderen Ünvanı", K::Text, 50},
        {"AliciVergiNo", "Alıcı V.No", K::Text, 10},
        {"AliciUnvan", "Alıcı Ünvan", K::Text, 50},
        {"YuklemeUlkeKodu", "Y-ÜlkeKodu", K::Text, 10},
        {"YuklemeIlMernisKodu", "Y-İl MernisKodu", K::Text, 20},
        {"YuklemeIlceMernisKodu", "Y-İlçe MernisKodu", K::Text, 20},
        {"BosaltmaUlkeKodu", "B-ÜlkeKodu", K::Text, 10},
        {"BosaltmaIlMernisKodu", "B-İl MernisKodu", K::Text, 20},
        {"BosaltmaIlceMernisKodu", "B-İlçe MernisKodu", K::Text, 20},
        {"YuklemeTarihi", "Y-Tarihi", K::Date, 0},
        {"YuklemeSaati", "Y-Saati", K::Time, 0},
        {"BosaltmaTarihi", "B-Tarihi", K::Date, 0},
        {"BosaltmaSaati", "B-Saati", K::Time, 0},
        {"YukCinsId", "Yük Cins ID", K::Text, 20},
        {"YukDigerAciklama", "Açıklama", K::Text, 50},
        {"YukBirimi", "Birimi", K::Text, 20},
        {"YukMiktari", "Miktarı", K::Real, 0},
        {"KILO", "Net Kilo", K::Computed, 0},
        {"TasimaBedeli", "Bedeli", K::Amount, 0},
        {"UnNumarasi", "Un Numarası", K::Text, 20},
        {"TehlikeliMaddeTasimaSekli", "Tehlikeli Madde Taşıma Şekli", K::Text, 20},
    };
    return all;
}

int YukListesi::columnIndex(const QString &name)
{
    const auto &all = columns();
    for (int i = 0; i < all.size(); ++i) {
        if (name == QLatin1String(all[i].name))
            return i;
    }
    return -1;
}

int YukListesi::storedIndex(int modelColumn)
{
    if (modelColumn == KiloColumn)
        return -1;
    return modelColumn < KiloColumn ? modelColumn : modelColumn - 1;
}

std::optional<Amount> YukListesi::kiloFor(std::optional<double> miktar, const QString &birim)
{
    const auto factor = std::find_if(std::begin(UnitFactors), std::end(UnitFactors),
                                     [&](const UnitFactor &f) { return birim == QLatin1String(f.code); });
    if (factor == std::end(UnitFactors))
        return std::nullopt;
    Amount quantity;
    try {
        quantity = miktar ? Amount::fromDouble(*miktar) : Amount();
    } catch (const ConversionError &) {
        return std::nullopt; // a quantity past the range of an amount has no kilogram figure
    }
    return scaledHalfEven(quantity.tenThousandths(), factor->numerator, factor->denominator);
}

QString YukListesi::amountText(const Amount &value) { return ScreenFormat::amount(value); }

YukListesi::YukListesi(QObject *parent) : QAbstractTableModel(parent) { open(); }

void YukListesi::open()
{
    clear();
    m_open = true;
}

void YukListesi::close()
{
    clear();
    m_open = false;
}

QVariant YukListesi::converted(int modelColumn, const QVariant &value)
{
    const Column &column = columns()[modelColumn];
    switch (column.kind) {
    case K::Text:
        return value.toString().left(column.width);
    case K::Date:
        if (isBlank(value))
            return QVariant();
        if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
            return value.toDate().isValid() ? QVariant(value.toDate()) : QVariant();
        if (const QDate date = QLocale().toDate(value.toString().trimmed(), QLocale::ShortFormat); date.isValid())
            return date;
        throw ConversionError(QStringLiteral("'%1', '%2' alanı için geçerli bir tarih değil.")
                                  .arg(value.toString(), fieldText(column.name)));
    case K::Time: {
        if (isBlank(value))
            return QVariant();
        QTime time;
        if (value.typeId() == QMetaType::QTime || value.typeId() == QMetaType::QDateTime) {
            time = value.toTime();
        } else {
            for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                const QString text = value.toString().trimmed();
                time = QLocale().toTime(text, format);
                if (!time.isValid() && format == QLocale::LongFormat)
                    time = QTime::fromString(text, QStringLiteral("H:mm:ss"));
                if (time.isValid())
                    break;
            }
            if (!time.isValid())
                throw ConversionError(QStringLiteral("'%1', '%2' alanı için geçerli bir saat değil.")
                                          .arg(value.toString(), fieldText(column.name)));
        }
        if (!time.isValid())
            return QVariant();
        return QTime(time.hour(), time.minute(), time.second()); // whole seconds
    }
    case K::Real:
        if (isBlank(value))
            return QVariant();
        if (value.typeId() == QMetaType::QString)
            return readReal(value.toString(), modelColumn);
        {
            bool ok = false;
            const double number = value.toDouble(&ok);
            if (!ok)
                throw notANumber(value.toString(), modelColumn);
            return number;
        }
    case K::Amount:
        if (isBlank(value))
            return QVariant();
        if (value.canConvert<Amount>() && value.typeId() == QMetaType::fromType<Amount>().id())
            return value;
        if (value.typeId() == QMetaType::QString) {
            const auto amount = Amount::fromLocale(value.toString(), QLocale());
            if (!amount)
                throw notANumber(value.toString(), modelColumn);
            return QVariant::fromValue(*amount);
        } else {
            bool ok = false;
            const double number = value.toDouble(&ok);
            if (!ok)
                throw notANumber(value.toString(), modelColumn);
            return QVariant::fromValue(Amount::fromDouble(number));
        }
    case K::Computed:
        break;
    }
    throw DatabaseError(QStringLiteral("'%1' hesaplanan bir alandır, değiştirilemez.").arg(fieldText(column.name)));
}

int YukListesi::appendRow(const YukSatiri &row)
{
    QVariantMap values;
    values[QStringLiteral("FirmaYukNo")] = row.FirmaYukNo;
    values[QStringLiteral("GonderenVergiNo")] = row.GonderenVergiNo;
    values[QStringLiteral("GonderenUnvan")] = row.GonderenUnvan;
    values[QStringLiteral("AliciVergiNo")] = row.AliciVergiNo;
    values[QStringLiteral("AliciUnvan")] = row.AliciUnvan;
    values[QStringLiteral("YuklemeUlkeKodu")] = row.YuklemeUlkeKodu;
    values[QStringLiteral("YuklemeIlMernisKodu")] = row.YuklemeIlMernisKodu;
    values[QStringLiteral("YuklemeIlceMernisKodu")] = row.YuklemeIlceMernisKodu;
    values[QStringLiteral("BosaltmaUlkeKodu")] = row.BosaltmaUlkeKodu;
    values[QStringLiteral("BosaltmaIlMernisKodu")] = row.BosaltmaIlMernisKodu;
    values[QStringLiteral("BosaltmaIlceMernisKodu")] = row.BosaltmaIlceMernisKodu;
    values[QStringLiteral("YuklemeTarihi")] = row.YuklemeTarihi;
    values[QStringLiteral("YuklemeSaati")] = row.YuklemeSaati;
    values[QStringLiteral("BosaltmaTarihi")] = row.BosaltmaTarihi;
    values[QStringLiteral("BosaltmaSaati")] = row.BosaltmaSaati;
    values[QStringLiteral("YukCinsId")] = row.YukCinsId;
    values[QStringLiteral("YukDigerAciklama")] = row.YukDigerAciklama;
    values[QStringLiteral("YukBirimi")] = row.YukBirimi;
    values[QStringLiteral("YukMiktari")] = row.YukMiktari ? QVariant(*row.YukMiktari) : QVariant();
    values[QStringLiteral("TasimaBedeli")] = row.TasimaBedeli ? QVariant::fromValue(*row.TasimaBedeli) : QVariant();
    values[QStringLiteral("UnNumarasi")] = row.UnNumarasi;
    values[QStringLiteral("TehlikeliMaddeTasimaSekli")] = row.TehlikeliMaddeTasimaSekli;
    return appendRow(values);
}

int YukListesi::appendRow(const QVariantMap &values)
{
    if (!m_open)
        throw DatabaseError(QStringLiteral("Yük listesi kapalı: satır eklenemez."));
    Row row;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const int column = columnIndex(it.key());
        if (column < 0)
            throw DatabaseError(QStringLiteral("'%1' alanı bulunamadı.").arg(it.key()));
        if (column == KiloColumn)
            continue; // computed, never stored
        row.values[storedIndex(column)] = converted(column, it.value());
    }
    for (int column = 0; column < columns().size(); ++column) {
        if (columns()[column].kind == K::Text && !row.values[storedIndex(column)].isValid())
            row.values[storedIndex(column)] = QString();
    }
    row.id = m_nextId++;
    return insertRow(std::move(row));
}

int YukListesi::insertRow(Row row)
{
    const int place = placeFor(row);
    beginInsertRows(QModelIndex(), place, place);
    m_rows.insert(place, std::move(row));
    if (m_current >= place)
        ++m_current;
    endInsertRows();
    moveCursor(place);
    return place;
}

YukSatiri YukListesi::row(int row) const
{
    const auto &v = m_rows.at(row).values;
    auto text = [&](int column) { return v[storedIndex(column)].toString(); };
    YukSatiri r;
    r.FirmaYukNo = text(0);
    r.GonderenVergiNo = text(1);
    r.GonderenUnvan = text(2);
    r.AliciVergiNo = text(3);
    r.AliciUnvan = text(4);
    r.YuklemeUlkeKodu = text(5);
    r.YuklemeIlMernisKodu = text(6);
    r.YuklemeIlceMernisKodu = text(7);
    r.BosaltmaUlkeKodu = text(8);
    r.BosaltmaIlMernisKodu = text(9);
    r.BosaltmaIlceMernisKodu = text(10);
    r.YuklemeTarihi = v[11].toDate();
    r.YuklemeSaati = v[12].toTime();
    r.BosaltmaTarihi = v[13].toDate();
    r.BosaltmaSaati = v[14].toTime();
    r.YukCinsId = text(15);
    r.YukDigerAciklama = text(16);
    r.YukBirimi = text(17);
    if (v[18].isValid())
        r.YukMiktari = v[18].toDouble();
    if (v[19].isValid())
        r.TasimaBedeli = v[19].value<Amount>();
    r.UnNumarasi = text(21);
    r.TehlikeliMaddeTasimaSekli = text(22);
    return r;
}

std::optional<Amount> YukListesi::kilo(int row) const
{
    const auto &v = m_rows.at(row).values;
    const QVariant &miktar = v[storedIndex(columnIndex(QStringLiteral("YukMiktari")))];
    return kiloFor(miktar.isValid() ? std::optional<double>(miktar.toDouble()) : std::nullopt,
                   v[storedIndex(columnIndex(QStringLiteral("YukBirimi")))].toString());
}

QVariant YukListesi::fieldByName(int row, const QString &column) const
{
    const int index = columnIndex(column);
    if (index < 0)
        throw DatabaseError(QStringLiteral("'%1' alanı bulunamadı.").arg(column));
    if (index == KiloColumn) {
        const auto value = kilo(row);
        return value ? QVariant(amountText(*value)) : QVariant();
    }
    return m_rows.at(row).values[storedIndex(index)];
}

void YukListesi::setFieldByName(int row, const QString &column, const QVariant &value)
{
    const int index = columnIndex(column);
    if (index < 0)
        throw DatabaseError(QStringLiteral("'%1' alanı bulunamadı.").arg(column));
    m_rows[row].values[storedIndex(index)] = converted(index, value);
    emit dataChanged(this->index(row, index), this->index(row, index));
    emit dataChanged(this->index(row, KiloColumn), this->index(row, KiloColumn));
    reposition(row);
}

void YukListesi::deleteRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    int current = m_current;
    if (row < current || current >= m_rows.size())
        --current;
    moveCursor(current);
}

void YukListesi::deleteCurrent() { deleteRow(m_current); }

void YukListesi::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
    moveCursor(-1);
    m_eof = true;
}

void YukListesi::setCurrentRow(int row)
{
    if (row >= 0 && row < m_rows.size() && row != m_current)
        moveCursor(row);
}

void YukListesi::first()
{
    if (m_rows.isEmpty()) {
        moveCursor(-1);
        m_eof = true;
        return;
    }
    moveCursor(0);
}

void YukListesi::last()
{
    if (!m_rows.isEmpty())
        moveCursor(int(m_rows.size()) - 1);
}

void YukListesi::next()
{
    if (m_current + 1 < m_rows.size())
        moveCursor(m_current + 1);
    else
        m_eof = true;
}

YukListesi::Bookmark YukListesi::bookmark() const
{
    return m_current >= 0 ? m_rows.at(m_current).id : 0;
}

void YukListesi::gotoBookmark(Bookmark mark)
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].id == mark) {
            moveCursor(i);
            return;
        }
    }
}

void YukListesi::disableControls() { ++m_controlsDisabled; }

void YukListesi::enableControls()
{
    if (m_controlsDisabled > 0 && --m_controlsDisabled == 0)
        emit currentRowChanged(m_current);
}

void YukListesi::moveCursor(int row)
{
    m_current = row;
    m_eof = row < 0;
    if (m_controlsDisabled == 0)
        emit currentRowChanged(m_current);
}

void YukListesi::setOrder(const QList<SortKey> &keys)
{
    for (const SortKey &key : keys) {
        if (columnIndex(key.column) < 0)
            throw DatabaseError(QStringLiteral("'%1' alanı bulunamadı.").arg(key.column));
    }
    const Bookmark current = bookmark();
    m_order = keys;
    if (keys.isEmpty())
        return; // rows keep the places they have; later ones go to the end
    emit layoutAboutToBeChanged();
    std::stable_sort(m_rows.begin(), m_rows.end(), [this](const Row &a, const Row &b) { return lessThan(a, b); });
    emit layoutChanged();
    gotoBookmark(current);
}

bool YukListesi::lessThan(const Row &a, const Row &b) const
{
    for (const SortKey &key : m_order) {
        const int column = columnIndex(key.column);
        const Kind kind = columns()[column].kind;
        int order = 0;
        if (column == KiloColumn) {
            auto kiloOf = [this](const Row &row) {
                const QVariant &miktar = row.values[storedIndex(columnIndex(QStringLiteral("YukMiktari")))];
                const auto value = kiloFor(miktar.isValid() ? std::optional<double>(miktar.toDouble()) : std::nullopt,
                                           row.values[storedIndex(columnIndex(QStringLiteral("YukBirimi")))].toString());
                return value ? QVariant::fromValue(*value) : QVariant();
            };
            order = compareValues(kind, kiloOf(a), kiloOf(b));
        } else {
            order = compareValues(kind, a.values[storedIndex(column)], b.values[storedIndex(column)]);
        }
        if (order != 0)
            return key.descending ? order > 0 : order < 0;
    }
    return false;
}

int YukListesi::placeFor(const Row &row) const
{
    if (m_order.isEmpty())
        return int(m_rows.size());
    // After every row that does not sort behind it, so equal rows keep the order they came in.
    const auto it = std::upper_bound(m_rows.begin(), m_rows.end(), row,
                                     [this](const Row &a, const Row &b) { return lessThan(a, b); });
    return int(it - m_rows.begin());
}

void YukListesi::reposition(int row)
{
    if (m_order.isEmpty())
        return;
    const Bookmark current = bookmark();
    Row moving = m_rows.at(row);
    m_rows.removeAt(row);
    const int place = placeFor(moving);
    m_rows.insert(row, std::move(moving));
    if (place != row) {
        beginMoveRows(QModelIndex(), row, row, QModelIndex(), place > row ? place + 1 : place);
        m_rows.move(row, place);
        endMoveRows();
    }
    gotoBookmark(current);
}

int YukListesi::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int YukListesi::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(columns().size()); }

QVariant YukListesi::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    const int column = index.column();
    if (column == KiloColumn)
        return fieldByName(index.row(), QStringLiteral("KILO"));
    const QVariant &value = m_rows.at(index.row()).values[storedIndex(column)];
    if (!value.isValid())
        return role == Qt::EditRole ? QVariant(QString()) : QVariant();
    switch (columns()[column].kind) {
    case K::Text:
        return value;
    case K::Date:
        return role == Qt::EditRole ? value : QVariant(ScreenFormat::shortDate(value.toDate()));
    case K::Time:
        return role == Qt::EditRole ? value : QVariant(ScreenFormat::longTime(value.toTime()));
    case K::Real:
        return ScreenFormat::real(value.toDouble());
    case K::Amount:
        return ScreenFormat::amount(value.value<Amount>());
    case K::Computed:
        break;
    }
    return QVariant();
}

QVariant YukListesi::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columns().size())
        return QString::fromUtf8(columns()[section].title);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags YukListesi::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != KiloColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool YukListesi::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.column() == KiloColumn)
        return false;
    try {
        setFieldByName(index.row(), QString::fromLatin1(columns()[index.column()].name), value);
    } catch (const KorvaError &error) {
        GeneralErrorHandler::show(error);
        return false;
    }
    return true;
}
