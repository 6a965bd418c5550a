#include "SorguSatirlari.h"

#include "ScreenFormat.h"

#include <QRegularExpression>

namespace SorguSatirlari {

QString calling(const QString &operation)
{
    return QStringLiteral("Calling \"%1\"...").arg(operation);
}

QString hata(const QString &lastError) { return QStringLiteral("ERROR : ") + lastError; }

std::optional<qint64> bildirimId(const QString &text)
{
    // toLongLong alone would accept surrounding blanks; the number must stand alone.
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    if (!whole.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QStringList bildirimListesi(const QList<uKorva::WS::TYukBildirimi> &liste)
{
    QStringList lines{QStringLiteral("Yük Bildirimi Listesi:")};
    for (const auto &bildirim : liste) {
        lines << QStringLiteral("    Durum: ") + bildirim.Durum
              << QStringLiteral("    Kodu: ") + QString::number(bildirim.KorvaBildirimReferansNo);
    }
    lines << Ayirac;
    return lines;
}

QStringList iptalTurleri(const QList<uKorva::WS::TYukBirimi> &turler)
{
    QStringList lines{QStringLiteral("İptal Türleri:")};
    for (const auto &tur : turler)
        lines << QStringLiteral("    Açıklama: ") + tur.Aciklama << QStringLiteral("    Kodu: ") + tur.Kodu;
    lines << Ayirac;
    return lines;
}

QStringList yetkiBelgesi(const uKorva::WS::TYetkiBelgesi &belge)
{
    return {QStringLiteral("YetkiBelgesi:"),
            QStringLiteral("    Geçerlilik Tarihi: ") + ScreenFormat::shortDate(belge.BelgeGecerlilikTarihi),
            QStringLiteral("    Belge No: ") + belge.BelgeNo,
            QStringLiteral("    Belge Türü: ") + belge.BelgeTuru,
            QStringLiteral("    Firma Ünvanı: ") + belge.FirmaUnvan,
            QStringLiteral("    UnetNo: ") + QString::number(belge.UnetNo),
            Ayirac};
}

QString muayeneTarihi(const QDate &tarih)
{
    return QStringLiteral("Araç muayene geçerlilik tarihi: ") + ScreenFormat::shortDate(tarih);
}

QString belge(int sira, const QString &metin)
{
    return QStringLiteral("    Belge: %1").arg(sira) + metin;
}

} // namespace SorguSatirlari
