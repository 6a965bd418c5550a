#pragma once
// The notifications the service has accepted, in SQLite: a file that outlives the run, or
// memory. Each notification is one load of a trip, its fields kept under their wire names.

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

using Fields = QHash<QString, QString>;

struct StoredNotification {
    qint64 referenceNumber = 0;
    Fields fields; // the trip's and the load's elements, status, times and cancellation
    QDateTime loadingMoment;
    QDateTime notifiedAt;
};

class NotificationStore {
public:
    // An empty file name keeps everything in memory. Throws std::runtime_error when the
    // database cannot be opened.
    explicit NotificationStore(const QString &file);
    ~NotificationStore();
    NotificationStore(const NotificationStore &) = delete;
    NotificationStore &operator=(const NotificationStore &) = delete;

    // The endpoint and the account own a notification: other accounts never see it.
    qint64 add(const QString &endpoint, const QString &account, const Fields &fields,
               const QDateTime &loadingMoment, const QDateTime &now);
    std::optional<StoredNotification> find(const QString &endpoint, const QString &account, qint64 referenceNumber) const;
    QList<StoredNotification> ofPlateAndDay(const QString &endpoint, const QString &account, const QString &plate,
                                            const QDate &day) const;
    void cancel(qint64 referenceNumber, const QString &typeCode, const QString &description, const QDateTime &now);

    static const QStringList &storedFieldNames();
    static inline constexpr qint64 FirstReferenceNumber = 4300000001LL; // above 2^32 on purpose

private:
    QString connectionName_;
};
