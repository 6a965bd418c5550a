#include "DetayMetni.h"

#include "ScreenFormat.h"
#include "SorguSatirlari.h"

#include <array>
#include <functional>

namespace DetayMetni {

namespace {

using uKorva::WS::TYukBildirimiDetayi;
using Render = std::function<QString(const TYukBildirimiDetayi &, const QLocale &)>;

struct Satir {
    const char *label;
    Render value;
};

template <QString TYukBildirimiDetayi::*field> Render text()
{
    return [](const TYukBildirimiDetayi &d, const QLocale &) { return d.*field; };
}

template <QDateTime TYukBildirimiDetayi::*field> Render dateTime()
{
    return [](const TYukBildirimiDetayi &d, const QLocale &l) { return ScreenFormat::dateTime(d.*field, l); };
}

template <QDate TYukBildirimiDetayi::*field> Render date()
{
    return [](const TYukBildirimiDetayi &d, const QLocale &l) { return ScreenFormat::shortDate(d.*field, l); };
}

template <QTime TYukBildirimiDetayi::*field> Render time()
{
    return [](const TYukBildirimiDetayi &d, const QLocale &l) { return ScreenFormat::longTime(d.*field, l); };
}

const std::array<Satir, 44> &tablo()
{
    using D = TYukBildirimiDetayi;
    static const std::array<Satir, 44> rows{{
        {"Alıcı Ünvan", text<&D::AliciUnvan>()},
        {"Alıcı Vergi No", text<&D::AliciVergiNo>()},
        {"Bildirim Tarihi", dateTime<&D::BildirimTarihi>()},
        {"Boşaltma İl Adı", text<&D::BosaltmaIlAdi>()},
        {"Boşaltma İl Mernis Kodu", text<&D::BosaltmaIlMernisKodu>()},
        {"Boşaltma İlçe Adı", text<&D::BosaltmaIlceAdi>()},
        {"Boşaltma İlçe Kodu", text<&D::BosaltmaIlceKodu>()},
        {"Boşaltma Saati", time<&D::BosaltmaSaati>()},
        {"Boşaltma Tarihi", date<&D::BosaltmaTarihi>()},
        {"Boşaltma Ülke Adı", text<&D::BosaltmaUlkeAdi>()},
        {"Boşaltma Ülke Kodu", text<&D::BosaltmaUlkeKodu>()},
        {"Durum", text<&D::Durum>()},
        {"Firma Sefer No", text<&D::FirmaSeferNo>()},
        {"Firma Yük No", text<&D::FirmaYukNo>()},
        {"Gönderen Ünvan", text<&D::GonderenUnvan>()},
        {"Gönderen Vergi No", text<&D::GonderenVergiNo>()},
        {"İptal Açıklama", text<&D::IptalAciklama>()},
        {"İptal Tür Kodu", text<&D::IptalTurKodu>()},
        {"Plaka1", text<&D::Plaka1>()},
        {"Plaka2", text<&D::Plaka2>()},
        {"Şoför 1 TCNo", text<&D::Sofor1TCNo>()},
        {"Şoför 2 TCNo", text<&D::Sofor2TCNo>()},
        {"Son Güncelleme Tarihi", dateTime<&D::SonGuncellemeTarihi>()},
        {"Taşıma Bedeli",
         [](const D &d, const QLocale &l) { return ScreenFormat::amount(d.TasimaBedeli, l); }},
        {"Taşıma Türü Açıklama", text<&D::TasimaTuruAciklama>()},
        {"Taşıma Türü Kodu", text<&D::TasimaTuruKodu>()},
        {"Tehlikeli Madde Taşıma Şekli Açıklama", text<&D::TehlikeliMaddeTasimaSekliAciklama>()},
        {"Tehlikeli Madde Taşıma Şekli Kodu", text<&D::TehlikeliMaddeTasimaSekliKodu>()},
        {"Korva Bildirim Referans No",
         [](const D &d, const QLocale &) { return QString::number(d.KorvaBildirimReferansNo); }},
        {"Un Numarası", text<&D::UnNumarasi>()},
        {"Yük Birimi", text<&D::YukBirimi>()},
        {"Yük Birimi Açıklama", text<&D::YukBirimiAciklama>()},
        {"Yük Cins Adı", text<&D::YukCinsAdi>()},
        {"Yük Cins Id", text<&D::YukCinsId>()},
        {"Yük Diğer Açıklama", text<&D::YukDigerAciklama>()},
        {"Yük Miktarı", [](const D &d, const QLocale &l) { return ScreenFormat::real(d.YukMiktari, l); }},
        {"Yükleme İl Adı", text<&D::YuklemeIlAdi>()},
        {"Yükleme İl Mernis Kodu", text<&D::YuklemeIlMernisKodu>()},
        {"Yükleme İlçe Adı", text<&D::YuklemeIlceAdi>()},
        {"Yükleme İlçe Mernis Kodu", text<&D::YuklemeIlceMernisKodu>()},
        {"Yükleme Saati", time<&D::YuklemeSaati>()},
        {"Yükleme Tarihi", date<&D::YuklemeTarihi>()},
        {"Yükleme Ülke Adı", text<&D::YuklemeUlkeAdi>()},
        {"Yükleme Ülke Kodu", text<&D::YuklemeUlkeKodu>()},
    }};
    return rows;
}

} // namespace

QStringList satirlar(const TYukBildirimiDetayi &detay, const QLocale &locale)
{
    QStringList lines{QStringLiteral("Yük Bildirimi Detayı:")};
    for (const Satir &row : tablo())
        lines << QStringLiteral("    ") + QString::fromUtf8(row.label) + QStringLiteral(": ") + row.value(detay, locale);
    lines << SorguSatirlari::Ayirac;
    return lines;
}

QStringList sorgula(qint64 bildirimId)
{
    TYukBildirimiDetayi detay;
    if (!uKorva::WS::YukBildirimiDetayi(bildirimId, detay))
        return {SorguSatirlari::hata(uKorva::WS::LastError), SorguSatirlari::Ayirac};
    return satirlar(detay);
}

} // namespace DetayMetni
