#include "Registry.h"

#include <QList>

namespace Registry {

namespace {

struct Vehicle {
    QString plate;
    QString inspectionValidUntil;
    AuthorisationCertificate certificate; // empty number: the firm holds none for it
};

struct Driver {
    QString identityNumber;
    QStringList certificates;
};

const QList<Vehicle> &vehicles()
{
    static const QList<Vehicle> list = {
        {"34ABC123", "15/08/2027", {"31/12/2027", "K1.34.0012345", "K1", "Marmara Demo Lojistik A.Ş.", 5000012345}},
        {"06KRV06", "30/11/2026", {"30/06/2028", "C2.06.0004711", "C2", "Başkent Uluslararası Taşımacılık Ltd. Şti.", 5000004711}},
        {"35TIR35", "01/03/2027", {"14/02/2027", "L1.35.0000835", "L1", "Ege Tehlikeli Madde Nakliyat A.Ş.", 4294967301}},
        {"16BRS016", "20/05/2027", {}},
        {"41KOC41", "09/10/2026", {"01/09/2029", "K3.41.0100041", "K3", "Körfez Kargo ve Dağıtım A.Ş.", 5000100041}},
    };
    return list;
}

const QList<Driver> &drivers()
{
    static const QList<Driver> list = {
        {"10000000146",
         {"SRC 2 - Uluslararası Eşya Taşımacılığı - Belge No: SRC2-2019-341234 - Geçerlilik: 12/05/2029",
          "SRC 4 - Yurt İçi Eşya Taşımacılığı - Belge No: SRC4-2019-341235 - Geçerlilik: 12/05/2029",
          "SRC 5 - Tehlikeli Madde Taşımacılığı - Belge No: SRC5-2021-340077 - Geçerlilik: 03/09/2026"}},
        {"12345678950", {"SRC 4 - Yurt İçi Eşya Taşımacılığı - Belge No: SRC4-2020-060451 - Geçerlilik: 22/01/2030"}},
        {"23456789138", {}},
        {"34567891238",
         {"SRC 2 - Uluslararası Eşya Taşımacılığı - Belge No: SRC2-2018-350912 - Geçerlilik: 07/11/2028",
          "SRC 4 - Yurt İçi Eşya Taşımacılığı - Belge No: SRC4-2018-350913 - Geçerlilik: 07/11/2028"}},
    };
    return list;
}

const Vehicle *vehicle(const QString &plate)
{
    const QString wanted = normalisedPlate(plate);
    for (const Vehicle &v : vehicles())
        if (v.plate == wanted)
            return &v;
    return nullptr;
}

} // namespace

QString normalisedPlate(const QString &plate)
{
    QString out;
    for (const QChar c : plate)
        if (!c.isSpace())
            out += c.toUpper();
    return out;
}

bool isKnownPlate(const QString &plate)
{
    return vehicle(plate) != nullptr;
}

std::optional<QString> inspectionValidUntil(const QString &plate)
{
    if (const Vehicle *v = vehicle(plate))
        return v->inspectionValidUntil;
    return std::nullopt;
}

std::optional<QStringList> competenceCertificates(const QString &identityNumber)
{
    for (const Driver &d : drivers())
        if (d.identityNumber == identityNumber.trimmed())
            return d.certificates;
    return std::nullopt;
}

std::optional<AuthorisationCertificate> authorisation(const QString &plate)
{
    if (const Vehicle *v = vehicle(plate))
        return v->certificate;
    return std::nullopt;
}

QString describe()
{
    QString text = QStringLiteral("Registry (aracMuayeneSorgula, yetkiBelgesiKontrol):\n");
    for (const Vehicle &v : vehicles()) {
        text += QStringLiteral("  %1  inspection valid until %2; ").arg(v.plate, -9).arg(v.inspectionValidUntil);
        text += v.certificate.number.isEmpty()
                    ? QStringLiteral("no authorisation certificate\n")
                    : QStringLiteral("%1 %2 until %3, %4, UNET %5\n")
                          .arg(v.certificate.type, v.certificate.number, v.certificate.validUntil,
                               v.certificate.firmName)
                          .arg(v.certificate.unetNo);
    }
    text += QStringLiteral("Registry (meslekiYeterlilikSorgula):\n");
    for (const Driver &d : drivers())
        text += QStringLiteral("  %1  %2 certificate(s)\n").arg(d.identityNumber).arg(d.certificates.size());
    return text;
}

} // namespace Registry
