#include "NotificationStore.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <atomic>
#include <stdexcept>

namespace {

// One connection name per store, so that stores in several threads never share one.
QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("korva-sim-store-%1").arg(++counter);
}

QString dateTimeText(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
}

[[noreturn]] void fail(const QSqlQuery &query)
{
    throw std::runtime_error(("SQLite: " + query.lastError().text()).toStdString());
}

void run(QSqlQuery &query)
{
    if (!query.exec())
        fail(query);
}

} // namespace

const QStringList &NotificationStore::storedFieldNames()
{
    static const QStringList names = {
        "plaka1", "plaka2", "sofor1TcNo", "sofor2TcNo", "tasimaTuruKodu", "firmaSeferNo",
        "firmaYukNo", "gonderenVergiNo", "gonderenUnvan", "aliciVergiNo", "aliciUnvan",
        "yuklemeUlkeKodu", "yuklemeIlMernisKodu", "yuklemeIlceMernisKodu",
        "bosaltmaUlkeKodu", "bosaltmaIlMernisKodu", "bosaltmaIlceMernisKodu",
        "yuklemeTarihi", "yuklemeSaati", "bosaltmaTarihi", "bosaltmaSaati",
        "yukCinsId", "yukDigerAciklama", "yukBirimi", "yukMiktari", "tasimaBedeli",
        "unNumarasi", "tehlikeliMaddeTasimaSekli",
        "bildirimTarihi", "sonGuncellemeTarihi", "durum", "iptalTurKodu", "iptalAciklama",
    };
    return names;
}

NotificationStore::NotificationStore(const QString &file) : connectionName_(nextConnectionName())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db.setDatabaseName(file.isEmpty() ? QStringLiteral(":memory:") : file);
    if (!db.open())
        throw std::runtime_error(("SQLite: " + db.lastError().text()).toStdString());
    QStringList columns;
    for (const QString &name : storedFieldNames())
        columns << name + QStringLiteral(" TEXT NOT NULL DEFAULT ''");
    QSqlQuery query(db);
    query.prepare(QStringLiteral("CREATE TABLE IF NOT EXISTS BILDIRIMLER ("
                                 "referansNo INTEGER PRIMARY KEY, ortam TEXT NOT NULL, hesap TEXT NOT NULL, "
                                 "plakaAnahtari TEXT NOT NULL, yuklemeGunu TEXT NOT NULL, "
                                 "yuklemeAni TEXT NOT NULL, bildirimAni TEXT NOT NULL, %1)")
                      .arg(columns.join(QStringLiteral(", "))));
    run(query);
    query.prepare(QStringLiteral("CREATE INDEX IF NOT EXISTS BILDIRIMLER_PLAKA ON BILDIRIMLER (ortam, hesap, plakaAnahtari, yuklemeGunu)"));
    run(query);
}

NotificationStore::~NotificationStore()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

qint64 NotificationStore::add(const QString &endpoint, const QString &account, const Fields &fields,
                              const QDateTime &loadingMoment, const QDateTime &now)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName_);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT COALESCE(MAX(referansNo), 0) FROM BILDIRIMLER"));
    run(query);
    query.next();
    const qint64 referenceNumber = std::max(query.value(0).toLongLong() + 1, FirstReferenceNumber);

    Fields stored = fields;
    stored[QStringLiteral("bildirimTarihi")] = dateTimeText(now);
    stored[QStringLiteral("sonGuncellemeTarihi")] = dateTimeText(now);
    stored[QStringLiteral("durum")] = QStringLiteral("Aktif");
    QStringList placeholders(storedFieldNames().size(), QStringLiteral("?"));
    query.prepare(QStringLiteral("INSERT INTO BILDIRIMLER (referansNo, ortam, hesap, plakaAnahtari, yuklemeGunu, "
                                 "yuklemeAni, bildirimAni, %1) VALUES (?, ?, ?, ?, ?, ?, ?, %2)")
                      .arg(storedFieldNames().join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", "))));
    query.addBindValue(referenceNumber);
    query.addBindValue(endpoint);
    query.addBindValue(account);
    query.addBindValue(fields.value(QStringLiteral("plakaAnahtari")));
    query.addBindValue(loadingMoment.date().toString(Qt::ISODate));
    query.addBindValue(loadingMoment.toString(Qt::ISODate));
    query.addBindValue(now.toString(Qt::ISODateWithMs));
    for (const QString &name : storedFieldNames())
        query.addBindValue(stored.value(name));
    run(query);
    return referenceNumber;
}

namespace {

StoredNotification fromRecord(const QSqlQuery &query)
{
    StoredNotification n;
    const QSqlRecord record = query.record();
    n.referenceNumber = record.value(QStringLiteral("referansNo")).toLongLong();
    n.loadingMoment = QDateTime::fromString(record.value(QStringLiteral("yuklemeAni")).toString(), Qt::ISODate);
    n.notifiedAt = QDateTime::fromString(record.value(QStringLiteral("bildirimAni")).toString(), Qt::ISODateWithMs);
    for (const QString &name : NotificationStore::storedFieldNames())
        n.fields[name] = record.value(name).toString();
    return n;
}

} // namespace

std::optional<StoredNotification> NotificationStore::find(const QString &endpoint, const QString &account,
                                                          qint64 referenceNumber) const
{
    QSqlQuery query(QSqlDatabase::database(connectionName_));
    query.prepare(QStringLiteral("SELECT * FROM BILDIRIMLER WHERE referansNo = ? AND ortam = ? AND hesap = ?"));
    query.addBindValue(referenceNumber);
    query.addBindValue(endpoint);
    query.addBindValue(account);
    run(query);
    if (!query.next())
        return std::nullopt;
    return fromRecord(query);
}

QList<StoredNotification> NotificationStore::ofPlateAndDay(const QString &endpoint, const QString &account,
                                                          const QString &plate, const QDate &day) const
{
    QSqlQuery query(QSqlDatabase::database(connectionName_));
    query.prepare(QStringLiteral("SELECT * FROM BILDIRIMLER WHERE ortam = ? AND hesap = ? AND plakaAnahtari = ? "
                                 "AND yuklemeGunu = ? ORDER BY yuklemeAni, referansNo"));
    query.addBindValue(endpoint);
    query.addBindValue(account);
    query.addBindValue(plate);
    query.addBindValue(day.toString(Qt::ISODate));
    run(query);
    QList<StoredNotification> list;
    while (query.next())
        list.append(fromRecord(query));
    return list;
}

void NotificationStore::cancel(qint64 referenceNumber, const QString &typeCode, const QString &description,
                               const QDateTime &now)
{
    QSqlQuery query(QSqlDatabase::database(connectionName_));
    query.prepare(QStringLiteral("UPDATE BILDIRIMLER SET durum = ?, iptalTurKodu = ?, iptalAciklama = ?, "
                                 "sonGuncellemeTarihi = ? WHERE referansNo = ?"));
    query.addBindValue(QStringLiteral("İptal Edildi"));
    query.addBindValue(typeCode);
    query.addBindValue(description);
    query.addBindValue(dateTimeText(now));
    query.addBindValue(referenceNumber);
    run(query);
}
