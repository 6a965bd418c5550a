#include "uKorva_WS.h"

#include "WireFormat.h"
#include "korvaesya.h"

#include <QCoreApplication>
#include <QDir>

#include <exception>
#include <functional>
#include <memory>

namespace uKorva::WS {

QString Username;
QString Password;
QString URL;
bool XMLLog = false;
QString XMLLogDir;
QString Proxy;
QString LastError;

QString DefaultXMLLogDir()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("XMLLog"));
}

namespace {

// The program's folder is known only once the application object exists.
void startModuleState()
{
    if (XMLLogDir.isEmpty())
        XMLLogDir = DefaultXMLLogDir();
    qAddPostRoutine([] {
        for (QString *text : {&Username, &Password, &URL, &XMLLogDir, &Proxy, &LastError})
            text->clear();
    });
}

korvaesya::ServiceSettings currentSettings()
{
    korvaesya::ServiceSettings settings;
    settings.url = URL;
    settings.proxy = Proxy;
    settings.username = Username;
    settings.password = Password;
    settings.xmlLog = XMLLog;
    settings.xmlLogDir = XMLLogDir.isEmpty() ? DefaultXMLLogDir() : XMLLogDir;
    return settings;
}

QString errorText(const std::exception &error)
{
    if (const auto *korva = dynamic_cast<const KorvaError *>(&error))
        return korva->message();
    return QString::fromLocal8Bit(error.what());
}

// The guarded part of every call: a fresh proxy, the exchange, and the service's verdict.
// Returns the reply only when the exchange succeeded and the service accepted; otherwise
// LastError holds the reason. Proxy, user and parameters are released on every way out.
template <typename Exchange>
auto callService(Exchange &&exchange)
    -> decltype(exchange(std::declval<korvaesya::UdhbKorvaEsyaWsService &>(),
                         std::declval<const korvaesya::korvaYtsUser &>()))
{
    decltype(exchange(std::declval<korvaesya::UdhbKorvaEsyaWsService &>(),
                      std::declval<const korvaesya::korvaYtsUser &>())) reply;
    try {
        const auto service = korvaesya::GetUdhbKorvaEsyaWsService(currentSettings());
        const korvaesya::korvaYtsUser wsuser{Username, Password};
        reply = exchange(*service, wsuser);
    } catch (const std::exception &error) {
        LastError = errorText(error);
        return nullptr;
    }
    if (!reply) {
        LastError = QStringLiteral("Servisin yanıtında sonuç yok");
        return nullptr;
    }
    if (reply->sonucKodu != 0) {
        LastError = reply->sonucMesaji;
        return nullptr;
    }
    return reply;
}

template <typename Item, typename Record>
QList<Record> codesWithDescriptions(const std::vector<Item> &items)
{
    QList<Record> records;
    records.reserve(qsizetype(items.size()));
    for (const Item &item : items)
        records.append(Record{item.aciklama, item.kodu});
    return records;
}

korvaesya::wsKorvaEsyaAracBilgileriInput vehicleOf(const TYukBilgisi &trip)
{
    korvaesya::wsKorvaEsyaAracBilgileriInput vehicle;
    vehicle.plaka1 = trip.Plaka1;
    // Through the setters, so that each is sent even when empty.
    vehicle.setPlaka2(trip.Plaka2);
    vehicle.setSofor1TcNo(trip.Sofor1TCNo);
    vehicle.setSofor2TcNo(trip.Sofor2TCNo);
    vehicle.setTasimaTuruKodu(trip.TasimaTuruKodu);
    vehicle.setFirmaSeferNo(trip.FirmaSeferNo);
    return vehicle;
}

korvaesya::wsKorvaEsyaYukBilgileriInput loadOf(const TYuk &yuk)
{
    korvaesya::wsKorvaEsyaYukBilgileriInput load;
    load.setFirmaYukNo(yuk.FirmaYukNo);
    load.setGonderenVergiNo(yuk.GonderenVergiNo);
    load.gonderenUnvan = yuk.GonderenUnvan;
    load.setAliciVergiNo(yuk.AliciVergiNo);
    load.aliciUnvan = yuk.AliciUnvan;
    load.yuklemeUlkeKodu = yuk.YuklemeUlkeKodu;
    load.yuklemeIlMernisKodu = yuk.YuklemeIlMernisKodu;
    load.yuklemeIlceMernisKodu = yuk.YuklemeIlceMernisKodu;
    load.bosaltmaUlkeKodu = yuk.BosaltmaUlkeKodu;
    load.bosaltmaIlMernisKodu = yuk.BosaltmaIlMernisKodu;
    load.bosaltmaIlceMernisKodu = yuk.BosaltmaIlceMernisKodu;
    load.yuklemeTarihi = WireFormat::requestDate(yuk.YuklemeTarihi);
    load.yuklemeSaati = WireFormat::requestTime(yuk.YuklemeSaati);
    load.bosaltmaTarihi = WireFormat::requestDate(yuk.BosaltmaTarihi);
    load.bosaltmaSaati = WireFormat::requestTime(yuk.BosaltmaSaati);
    load.yukCinsId = yuk.YukCinsId;
    load.setYukDigerAciklama(yuk.YukDigerAciklama);
    load.yukBirimi = yuk.YukBirimi;
    load.yukMiktari = WireFormat::requestQuantity(yuk.YukMiktari);
    load.tasimaBedeli = WireFormat::requestAmount(yuk.TasimaBedeli);
    load.setUnNumarasi(yuk.UnNumarasi);
    load.setTehlikeliMaddeTasimaSekli(yuk.TehlikeliMaddeTasimaSekli);
    return load;
}

using DetailStep = std::function<void(TYukBildirimiDetayi &, const korvaesya::wsYukBildirimDetayi &)>;

template <typename Target>
DetailStep copyText(QString Target::*field, QString korvaesya::wsYukBildirimDetayi::*element)
{
    return [=](TYukBildirimiDetayi &to, const korvaesya::wsYukBildirimDetayi &from) { to.*field = from.*element; };
}

template <typename Value, typename Target>
DetailStep convert(Value Target::*field, QString korvaesya::wsYukBildirimDetayi::*element,
                   Value (*conversion)(const QString &))
{
    return [=](TYukBildirimiDetayi &to, const korvaesya::wsYukBildirimDetayi &from) {
        to.*field = conversion(from.*element);
    };
}

// The detail's fields in the order of the reply's elements; a text that does not convert
// stops the copy there, with the fields before it filled.
const std::vector<DetailStep> &detailSteps()
{
    using D = TYukBildirimiDetayi;
    using W = korvaesya::wsYukBildirimDetayi;
    static const std::vector<DetailStep> steps{
        copyText(&D::AliciUnvan, &W::aliciUnvan),
        copyText(&D::AliciVergiNo, &W::aliciVergiNo),
        convert(&D::BildirimTarihi, &W::bildirimTarihi, &WireFormat::replyDateTime),
        copyText(&D::BosaltmaIlAdi, &W::bosaltmaIlAdi),
        copyText(&D::BosaltmaIlMernisKodu, &W::bosaltmaIlMernisKodu),
        copyText(&D::BosaltmaIlceAdi, &W::bosaltmaIlceAdi),
        copyText(&D::BosaltmaIlceKodu, &W::bosaltmaIlceKodu),
        convert(&D::BosaltmaSaati, &W::bosaltmaSaati, &WireFormat::replyTime),
        convert(&D::BosaltmaTarihi, &W::bosaltmaTarihi, &WireFormat::replyDate),
        copyText(&D::BosaltmaUlkeAdi, &W::bosaltmaUlkeAdi),
        copyText(&D::BosaltmaUlkeKodu, &W::bosaltmaUlkeKodu),
        copyText(&D::Durum, &W::durum),
        copyText(&D::FirmaSeferNo, &W::firmaSeferNo),
        copyText(&D::FirmaYukNo, &W::firmaYukNo),
        copyText(&D::GonderenUnvan, &W::gonderenUnvan),
        copyText(&D::GonderenVergiNo, &W::gonderenVergiNo),
        copyText(&D::IptalAciklama, &W::iptalAciklama),
        copyText(&D::IptalTurKodu, &W::iptalTurKodu),
        copyText(&D::Plaka1, &W::plaka1),
        copyText(&D::Plaka2, &W::plaka2),
        copyText(&D::Sofor1TCNo, &W::sofor1TCNo),
        copyText(&D::Sofor2TCNo, &W::sofor2TCNo),
        convert(&D::SonGuncellemeTarihi, &W::sonGuncellemeTarihi, &WireFormat::replyDateTime),
        convert(&D::TasimaBedeli, &W::tasimaBedeli, &WireFormat::replyAmount),
        copyText(&D::TasimaTuruAciklama, &W::tasimaTuruAciklama),
        copyText(&D::TasimaTuruKodu, &W::tasimaTuruKodu),
        copyText(&D::TehlikeliMaddeTasimaSekliAciklama, &W::tehlikeliMaddeTasimaSekliAciklama),
        copyText(&D::TehlikeliMaddeTasimaSekliKodu, &W::tehlikeliMaddeTasimaSekliKodu),
        [](D &to, const W &from) { to.KorvaBildirimReferansNo = from.korvaBildirimReferansNo; },
        copyText(&D::UnNumarasi, &W::unNumarasi),
        copyText(&D::YukBirimi, &W::yukBirimi),
        copyText(&D::YukBirimiAciklama, &W::yukBirimiAciklama),
        copyText(&D::YukCinsAdi, &W::yukCinsAdi),
        copyText(&D::YukCinsId, &W::yukCinsId),
        copyText(&D::YukDigerAciklama, &W::yukDigerAciklama),
        convert(&D::YukMiktari, &W::yukMiktari, &WireFormat::replyNumber),
        copyText(&D::YuklemeIlAdi, &W::yuklemeIlAdi),
        copyText(&D::YuklemeIlMernisKodu, &W::yuklemeIlMernisKodu),
        copyText(&D::YuklemeIlceAdi, &W::yuklemeIlceAdi),
        copyText(&D::YuklemeIlceMernisKodu, &W::yuklemeIlceMernisKodu),
        convert(&D::YuklemeSaati, &W::yuklemeSaati, &WireFormat::replyTime),
        convert(&D::YuklemeTarihi, &W::yuklemeTarihi, &WireFormat::replyDate),
        copyText(&D::YuklemeUlkeAdi, &W::yuklemeUlkeAdi),
        copyText(&D::YuklemeUlkeKodu, &W::yuklemeUlkeKodu),
    };
    return steps;
}

void emptyTexts(TYukBildirimiDetayi &detail)
{
    for (QString *text : {&detail.AliciUnvan, &detail.AliciVergiNo, &detail.BosaltmaIlAdi,
                          &detail.BosaltmaIlMernisKodu, &detail.BosaltmaIlceAdi, &detail.BosaltmaIlceKodu,
                          &detail.BosaltmaUlkeAdi, &detail.BosaltmaUlkeKodu, &detail.Durum,
                          &detail.FirmaSeferNo, &detail.FirmaYukNo, &detail.GonderenUnvan,
                          &detail.GonderenVergiNo, &detail.IptalAciklama, &detail.IptalTurKodu,
                          &detail.Plaka1, &detail.Plaka2, &detail.Sofor1TCNo, &detail.Sofor2TCNo,
                          &detail.TasimaTuruAciklama, &detail.TasimaTuruKodu,
                          &detail.TehlikeliMaddeTasimaSekliAciklama, &detail.TehlikeliMaddeTasimaSekliKodu,
                          &detail.UnNumarasi, &detail.YukBirimi, &detail.YukBirimiAciklama,
                          &detail.YukCinsAdi, &detail.YukCinsId, &detail.YukDigerAciklama,
                          &detail.YuklemeIlAdi, &detail.YuklemeIlMernisKodu, &detail.YuklemeIlceAdi,
                          &detail.YuklemeIlceMernisKodu, &detail.YuklemeUlkeAdi, &detail.YuklemeUlkeKodu})
        text->clear();
}

} // namespace

bool ServisTest(const QString &Value, QString &AReply)
{
    AReply.clear();
    try {
        const auto service = korvaesya::GetUdhbKorvaEsyaWsService(currentSettings());
        AReply = service->servisTest(Value);
        return true;
    } catch (const std::exception &error) {
        LastError = errorText(error);
        return false;
    }
}

bool IptalTurleri(QList<TYukBirimi> &IptalTurleri)
{
    IptalTurleri.clear();
    const auto reply = callService([](auto &service, const auto &wsuser) { return service.iptalTurleri(wsuser); });
    if (!reply)
        return false;
    IptalTurleri = codesWithDescriptions<korvaesya::paramIptalTurListesi, TYukBirimi>(reply->iptalTuruListesi);
    return true;
}

bool ParamYukBirimi(const QString &TasimaTuruKodu, QList<TYukBirimi> &YukBirimleri)
{
    YukBirimleri.clear();
    const auto reply = callService(
        [&](auto &service, const auto &wsuser) { return service.paramYukBirimi(wsuser, TasimaTuruKodu); });
    if (!reply)
        return false;
    YukBirimleri = codesWithDescriptions<korvaesya::paramYukBirimiListesi, TYukBirimi>(reply->paramYukBirimiListesi);
    return true;
}

bool ParamYukTuru(const QString &TasimaTuruKodu, QList<TYukTuru> &YukTurleri)
{
    YukTurleri.clear();
    const auto reply = callService(
        [&](auto &service, const auto &wsuser) { return service.paramYukTuru(wsuser, TasimaTuruKodu); });
    if (!reply)
        return false;
    for (const auto &item : reply->yukTurListesi)
        YukTurleri.append(TYukTuru{item.adi, item.id});
    return true;
}

bool ParamTehlikeliMaddeTasimaSekli(QList<TYukBirimi> &TehlikeliMaddeTasimaSekilleri)
{
    TehlikeliMaddeTasimaSekilleri.clear();
    const auto reply = callService(
        [](auto &service, const auto &wsuser) { return service.paramTehlikeliMaddeTasimaSekli(wsuser); });
    if (!reply)
        return false;
    TehlikeliMaddeTasimaSekilleri = codesWithDescriptions<korvaesya::cstParamEsyaTehlikeliMaddeTasimaSekli, TYukBirimi>(
        reply->tehlikeliMaddeTasimaSekliListesi);
    return true;
}

bool YeniYukKaydiBildir(const TYukBilgisi &YukBilgisi, TYukKaydiSonuc &YukKaydiSonuc)
{
    YukKaydiSonuc.SonucMesaji.clear();
    YukKaydiSonuc.YukSonuclari.clear();
    const auto vehicle = vehicleOf(YukBilgisi);
    std::vector<korvaesya::wsKorvaEsyaYukBilgileriInput> loads;
    loads.reserve(std::size_t(YukBilgisi.Yukler.size()));
    for (const TYuk &yuk : YukBilgisi.Yukler)
        loads.push_back(loadOf(yuk));
    const auto reply = callService(
        [&](auto &service, const auto &wsuser) { return service.yeniYukKaydiBildir(wsuser, vehicle, loads); });
    if (!reply)
        return false;
    YukKaydiSonuc.SonucKodu = reply->sonucKodu;
    YukKaydiSonuc.SonucMesaji = reply->sonucMesaji;
    for (const auto &result : reply->korvaEsyaSonuc)
        YukKaydiSonuc.YukSonuclari.append(
            TYukSonuc{result.sira, result.sonucKodu, result.sonucMesaji, result.korvaBildirimReferansNo});
    return true;
}

bool YukBirimRaporu(const QString &Plaka, const QDate &Tarih, const QTime &Saat, QByteArray &Pdf)
{
    Pdf.clear();
    const QString tarih = WireFormat::requestDate(Tarih);
    const QString saat = WireFormat::requestTime(Saat);
    const auto reply = callService(
        [&](auto &service, const auto &wsuser) { return service.yukBildirimRaporu(wsuser, Plaka, tarih, saat); });
    if (!reply)
        return false;
    Pdf = reply->sonucPdf;
    return true;
}

bool YukBildirimiIptalEt(qint64 BildirimId, const QString &IptalTurKodu)
{
    return callService([&](auto &service, const auto &wsuser) {
               return service.yukBildirimiIptalEt(wsuser, BildirimId, IptalTurKodu);
           }) != nullptr;
}

bool YukBildirimiDetayi(qint64 BildirimId, TYukBildirimiDetayi &YukBildirimiDetayi)
{
    emptyTexts(YukBildirimiDetayi);
    const auto reply = callService(
        [&](auto &service, const auto &wsuser) { return service.yukBildirimiDetayi(wsuser, BildirimId); });
    if (!reply)
        return false;
    if (!reply->bildirimDetayi) {
        LastError = QStringLiteral("Servisin yanıtında bildirim detayı yok");
        return false;
    }
    for (const DetailStep &step : detailSteps())
        step(YukBildirimiDetayi, *reply->bildirimDetayi);
    return true;
}

bool YukBirimListesi(const QString &Plaka, const QDate &Tarih, QList<TYukBildirimi> &YukBildirimiListesi)
{
    YukBildirimiListesi.clear();
    const QString tarih = WireFormat::requestDate(Tarih);
    const auto reply = callService(
        [&](auto &service, const auto &wsuser) { return service.yukBildirimiListesi(wsuser, Plaka, tarih); });
    if (!reply)
        return false;
    for (const auto &item : reply->bildirimListesi)
        YukBildirimiListesi.append(TYukBildirimi{item.durum, item.korvaBildirimReferansNo});
    return true;
}

bool AracMuayeneSorgula(const QString &Plaka, QDate &MuayeneGecerlilikTarihi)
{
    const auto reply = callService(
        [&](auto &service, const auto &wsuser) { return service.aracMuayeneSorgula(wsuser, Plaka); });
    if (!reply)
        return false;
    MuayeneGecerlilikTarihi = WireFormat::replyDate(reply->muayeneGecerlilikTarihi);
    return true;
}

bool MeslekiYeterlilikSorgula(const QString &TCNo, QStringList &Belgeler)
{
    Belgeler.clear();
    const auto reply = callService(
        [&](auto &service, const auto &wsuser) { return service.meslekiYeterlilikSorgula(wsuser, TCNo); });
    if (!reply)
        return false;
    Belgeler = reply->belgeListesi;
    return true;
}

bool YetkiBelgesiKontrol(const QString &Plaka, TYetkiBelgesi &YetkiBelgesi)
{
    for (QString *text : {&YetkiBelgesi.BelgeNo, &YetkiBelgesi.BelgeTuru, &YetkiBelgesi.FirmaUnvan,
                          &YetkiBelgesi.SonucMesaji})
        text->clear();
    const auto reply = callService(
        [&](auto &service, const auto &wsuser) { return service.yetkiBelgesiKontrol(wsuser, Plaka); });
    if (!reply)
        return false;
    YetkiBelgesi.BelgeGecerlilikTarihi = WireFormat::replyDate(reply->belgeGecerlilikTarihi);
    YetkiBelgesi.BelgeNo = reply->belgeNo;
    YetkiBelgesi.BelgeTuru = reply->belgeTuru;
    YetkiBelgesi.FirmaUnvan = reply->firmaUnvan;
    YetkiBelgesi.SonucKodu = reply->sonucKodu;
    YetkiBelgesi.SonucMesaji = reply->sonucMesaji;
    YetkiBelgesi.UnetNo = reply->unetNo;
    return true;
}

} // namespace uKorva::WS

static void startKorvaOperationsState()
{
    uKorva::WS::startModuleState();
}
Q_COREAPP_STARTUP_FUNCTION(startKorvaOperationsState)
