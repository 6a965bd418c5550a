#pragma once
// The small, fixed registry behind the three checks: technical inspections, professional
// competence certificates and authorisation certificates.

#include <QString>
#include <QStringList>

#include <optional>

namespace Registry {

struct AuthorisationCertificate {
    QString validUntil; // dd/mm/yyyy
    QString number;
    QString type;
    QString firmName;
    qint64 unetNo;
};

std::optional<QString> inspectionValidUntil(const QString &plate); // dd/mm/yyyy
std::optional<QStringList> competenceCertificates(const QString &identityNumber);
// nullopt for an unknown plate; an empty certificate number for a known vehicle without one.
std::optional<AuthorisationCertificate> authorisation(const QString &plate);
bool isKnownPlate(const QString &plate);

// The entries, for --help.
QString describe();

QString normalisedPlate(const QString &plate);

} // namespace Registry
