#pragma once
// The remote notification service as the client declares it: its message types, its operations
// and the proxy that binds them to SOAP over HTTPS. Every type is plain data; its elements are
// described once, as a table in korvaesya.cpp, and the SOAP writer and reader walk those tables.
//
// Conventions for every type below:
// - a required element is a public member set by plain assignment and always written;
// - an optional element is a public member with a public flag `<name>_Specified`, false at
//   creation, set by the element's setter (and by the reader when the element is in a reply);
//   an element whose flag is false is not written; nothing clears a flag once set;
// - a list is a std::vector of owned items (or a QStringList), one element per item on the wire,
//   without a wrapper; a list absent from a reply is empty;
// - a structure is an owned std::unique_ptr, null when absent.

#include "Errors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// An optional element: its value, its flag and the setter that sets both.
#define KORVA_OPTIONAL_ELEMENT(Type, name, Setter)                                                  \
    Type name{};                                                                                   \
    bool name##_Specified = false;                                                                 \
    void Setter(const Type &value)                                                                 \
    {                                                                                              \
        name = value;                                                                              \
        name##_Specified = true;                                                                   \
    }

namespace korvaesya {

// The service account, sent first in every operation but servisTest.
struct korvaYtsUser {
    QString kullaniciAdi;
    QString sifre;
};

// The trip: vehicle, drivers, transport type.
struct wsKorvaEsyaAracBilgileriInput {
    QString plaka1;
    KORVA_OPTIONAL_ELEMENT(QString, plaka2, setPlaka2)
    KORVA_OPTIONAL_ELEMENT(QString, sofor1TcNo, setSofor1TcNo)
    KORVA_OPTIONAL_ELEMENT(QString, sofor2TcNo, setSofor2TcNo)
    KORVA_OPTIONAL_ELEMENT(QString, tasimaTuruKodu, setTasimaTuruKodu)
    KORVA_OPTIONAL_ELEMENT(QString, firmaSeferNo, setFirmaSeferNo)
};

// One load of a notification.
struct wsKorvaEsyaYukBilgileriInput {
    KORVA_OPTIONAL_ELEMENT(QString, firmaYukNo, setFirmaYukNo)
    KORVA_OPTIONAL_ELEMENT(QString, gonderenVergiNo, setGonderenVergiNo)
    QString gonderenUnvan;
    KORVA_OPTIONAL_ELEMENT(QString, aliciVergiNo, setAliciVergiNo)
    QString aliciUnvan;
    QString yuklemeUlkeKodu;
    QString yuklemeIlMernisKodu;
    QString yuklemeIlceMernisKodu;
    QString bosaltmaUlkeKodu;
    QString bosaltmaIlMernisKodu;
    QString bosaltmaIlceMernisKodu;
    QString yuklemeTarihi;
    QString yuklemeSaati;
    QString bosaltmaTarihi;
    QString bosaltmaSaati;
    QString yukCinsId;
    KORVA_OPTIONAL_ELEMENT(QString, yukDigerAciklama, setYukDigerAciklama)
    QString yukBirimi;
    QString yukMiktari;
    QString tasimaBedeli;
    KORVA_OPTIONAL_ELEMENT(QString, unNumarasi, setUnNumarasi)
    KORVA_OPTIONAL_ELEMENT(QString, tehlikeliMaddeTasimaSekli, setTehlikeliMaddeTasimaSekli)
};

// The outcome of an action without data (cancellation, update).
struct korvaGenelIslemSonuc {
    int sonucKodu = 0;
    KORVA_OPTIONAL_ELEMENT(QString, sonucMesaji, setSonucMesaji)
};

struct korvaGenelPdfSonuc {
    int sonucKodu = 0;
    KORVA_OPTIONAL_ELEMENT(QString, sonucMesaji, setSonucMesaji)
    KORVA_OPTIONAL_ELEMENT(QByteArray, sonucPdf, setSonucPdf)
};

// The result for one load of a new notification.
struct korvaEsyaSonuc {
    int sira = 0;
    int sonucKodu = 0;
    KORVA_OPTIONAL_ELEMENT(QString, sonucMesaji, setSonucMesaji)
    KORVA_OPTIONAL_ELEMENT(qint64, korvaBildirimReferansNo, setKorvaBildirimReferansNo)
};

struct korvaEsyaYeniYukKaydiBildirSonuc {
    int sonucKodu = 0;
    KORVA_OPTIONAL_ELEMENT(QString, sonucMesaji, setSonucMesaji)
    std::vector<korvaesya::korvaEsyaSonuc> korvaEsyaSonuc;
};

struct paramEsyaTurListesi {
    KORVA_OPTIONAL_ELEMENT(QString, adi, setAdi)
    KORVA_OPTIONAL_ELEMENT(qint64, id, setId)
};

struct paramYukBirimiListesi {
    KORVA_OPTIONAL_ELEMENT(QString, aciklama, setAciklama)
    KORVA_OPTIONAL_ELEMENT(QString, kodu, setKodu)
};

struct cstParamEsyaTehlikeliMaddeTasimaSekli {
    KORVA_OPTIONAL_ELEMENT(QString, aciklama, setAciklama)
    KORVA_OPTIONAL_ELEMENT(QString, kodu, setKodu)
};

struct paramIptalTurListesi {
    KORVA_OPTIONAL_ELEMENT(QString, aciklama, setAciklama)
    KORVA_OPTIONAL_ELEMENT(QString, kodu, setKodu)
};

struct wsYukBildirimiListesi {
    KORVA_OPTIONAL_ELEMENT(QString, durum, setDurum)
    KORVA_OPTIONAL_ELEMENT(qint64, korvaBildirimReferansNo, setKorvaBildirimReferansNo)
};

struct korvaEsyaParamEsyaTurSonuc {
    int sonucKodu = 0;
    KORVA_OPTIONAL_ELEMENT(QString, sonucMesaji, setSonucMesaji)
    std::vector<paramEsyaTurListesi> yukTurListesi;
};

struct korvaEsyaParamYukBirimiSonuc {
    int sonucKodu = 0;
    KORVA_OPTIONAL_ELEMENT(QString, sonucMesaji, setSonucMesaji)
    std::vector<korvaesya::paramYukBirimiListesi> paramYukBirimiListesi;
};

struct korvaEsyaParamTehlikeliMaddeTasimaSekliSonuc {
    int sonucKodu = 0;
    KORVA_OPTIONAL_ELEMENT(QString, sonucMesaji, setSonucMesaji)
    std::vector<cstParamEsyaTehlikeliMaddeTasimaSekli> tehlikeliMaddeTasimaSekliListesi;
};

// The service declares the list of this one first.
struct korvaEsyaParamIptalTuruSonuc {
    std::vector<paramIptalTurListesi> iptalTuruListesi;
    int sonucKodu = 0;
    KORVA_OPTIONAL_ELEMENT(QString, sonucMesaji, setSonucMesaji)
};

struct korvaEsyaWsBildirimListesiSonuc {
    int sonucKodu = 0;
    KORVA_OPTIONAL_ELEMENT(QString, sonucMesaji, setSonucMesaji)
    std::vector<wsYukBildirimiListesi> bildirimListesi;
};

// The detail of one notification; dates, times and numbers arrive as text.
struct wsYukBildirimDetayi {
    KORVA_OPTIONAL_ELEMENT(QString, aliciUnvan, setAliciUnvan)
    KORVA_OPTIONAL_ELEMENT(QString, aliciVergiNo, setAliciVergiNo)
    KORVA_OPTIONAL_ELEMENT(QString, bildirimTarihi, setBildirimTarihi)
    KORVA_OPTIONAL_ELEMENT(QString, bosaltmaIlAdi, setBosaltmaIlAdi)
    KORVA_OPTIONAL_ELEMENT(QString, bosaltmaIlMernisKodu, setBosaltmaIlMernisKodu)
    KORVA_OPTIONAL_ELEMENT(QString, bosaltmaIlceAdi, setBosaltmaIlceAdi)
    KORVA_OPTIONAL_ELEMENT(QString, bosaltmaIlceKodu, setBosaltmaIlceKodu)
    KORVA_OPTIONAL_ELEMENT(QString, bosaltmaSaati, setBosaltmaSaati)
    KORVA_OPTIONAL_ELEMENT(QString, bosaltmaTarihi, setBosaltmaTarihi)
    KORVA_OPTIONAL_ELEMENT(QString, bosaltmaUlkeAdi, setBosaltmaUlkeAdi)
    KORVA_OPTIONAL_ELEMENT(QString, bosaltmaUlkeKodu, setBosaltmaUlkeKodu)
    KORVA_OPTIONAL_ELEMENT(QString, durum, setDurum)
    KORVA_OPTIONAL_ELEMENT(QString, firmaSeferNo, setFirmaSeferNo)
    KORVA_OPTIONAL_ELEMENT(QString, firmaYukNo, setFirmaYukNo)
    KORVA_OPTIONAL_ELEMENT(QString, gonderenUnvan, setGonderenUnvan)
    KORVA_OPTIONAL_ELEMENT(QString, gonderenVergiNo, setGonderenVergiNo)
    KORVA_OPTIONAL_ELEMENT(QString, iptalAciklama, setIptalAciklama)
    KORVA_OPTIONAL_ELEMENT(QString, iptalTurKodu, setIptalTurKodu)
    KORVA_OPTIONAL_ELEMENT(QString, plaka1, setPlaka1)
    KORVA_OPTIONAL_ELEMENT(QString, plaka2, setPlaka2)
    KORVA_OPTIONAL_ELEMENT(QString, sofor1TCNo, setSofor1TCNo)
    KORVA_OPTIONAL_ELEMENT(QString, sofor2TCNo, setSofor2TCNo)
    KORVA_OPTIONAL_ELEMENT(QString, sonGuncellemeTarihi, setSonGuncellemeTarihi)
    KORVA_OPTIONAL_ELEMENT(QString, tasimaBedeli, setTasimaBedeli)
    KORVA_OPTIONAL_ELEMENT(QString, tasimaTuruAciklama, setTasimaTuruAciklama)
    KORVA_OPTIONAL_ELEMENT(QString, tasimaTuruKodu, setTasimaTuruKodu)
    KORVA_OPTIONAL_ELEMENT(QString, tehlikeliMaddeTasimaSekliAciklama, setTehlikeliMaddeTasimaSekliAciklama)
    KORVA_OPTIONAL_ELEMENT(QString, tehlikeliMaddeTasimaSekliKodu, setTehlikeliMaddeTasimaSekliKodu)
    KORVA_OPTIONAL_ELEMENT(qint64, korvaBildirimReferansNo, setKorvaBildirimReferansNo)
    KORVA_OPTIONAL_ELEMENT(QString, unNumarasi, setUnNumarasi)
    KORVA_OPTIONAL_ELEMENT(QString, yukBirimi, setYukBirimi)
    KORVA_OPTIONAL_ELEMENT(QString, yukBirimiAciklama, setYukBirimiAciklama)
    KORVA_OPTIONAL_ELEMENT(QString, yukCinsAdi, setYukCinsAdi)
    KORVA_OPTIONAL_ELEMENT(QString, yukCinsId, setYukCinsId)
    KORVA_OPTIONAL_ELEMENT(QString, yukDigerAciklama, setYukDigerAciklama)
    KORVA_OPTIONAL_ELEMENT(QString, yukMiktari, setYukMiktari)
    KORVA_OPTIONAL_ELEMENT(QString, yuklemeIlAdi, setYuklemeIlAdi)
    KORVA_OPTIONAL_ELEMENT(QString, yuklemeIlMernisKodu, setYuklemeIlMernisKodu)
    KORVA_OPTIONAL_ELEMENT(QString, yuklemeIlceAdi, setYuklemeIlceAdi)
    KORVA_OPTIONAL_ELEMENT(QString, yuklemeIlceMernisKodu, setYuklemeIlceMernisKodu)
    KORVA_OPTIONAL_ELEMENT(QString, yuklemeSaati, setYuklemeSaati)
    KORVA_OPTIONAL_ELEMENT(QString, yuklemeTarihi, setYuklemeTarihi)
    KORVA_OPTIONAL_ELEMENT(QString, yuklemeUlkeAdi, setYuklemeUlkeAdi)
    KORVA_OPTIONAL_ELEMENT(QString, yuklemeUlkeKodu, setYuklemeUlkeKodu)
};

struct korvaEsyaWsYukBildirimDetayiSonuc {
    int sonucKodu = 0;
    KORVA_OPTIONAL_ELEMENT(QString, sonucMesaji, setSonucMesaji)
    std::unique_ptr<wsYukBildirimDetayi> bildirimDetayi;
    bool bildirimDetayi_Specified = false;
    void setBildirimDetayi(std::unique_ptr<wsYukBildirimDetayi> value)
    {
        bildirimDetayi = std::move(value);
        bildirimDetayi_Specified = true;
    }
};

// The firm's authorisation certificate for a vehicle.
struct korvaFirmaSonuc {
    KORVA_OPTIONAL_ELEMENT(QString, belgeGecerlilikTarihi, setBelgeGecerlilikTarihi)
    KORVA_OPTIONAL_ELEMENT(QString, belgeNo, setBelgeNo)
    KORVA_OPTIONAL_ELEMENT(QString, belgeTuru, setBelgeTuru)
    KORVA_OPTIONAL_ELEMENT(QString, firmaUnvan, setFirmaUnvan)
    int sonucKodu = 0;
    KORVA_OPTIONAL_ELEMENT(QString, sonucMesaji, setSonucMesaji)
    KORVA_OPTIONAL_ELEMENT(qint64, unetNo, setUnetNo)
};

// A driver's professional competence certificates, one text each.
struct korvaMesSorguSonuc {
    QStringList belgeListesi;
    int sonucKodu = 0;
    KORVA_OPTIONAL_ELEMENT(QString, sonucMesaji, setSonucMesaji)
};

struct korvaMuayeneSorguSonuc {
    KORVA_OPTIONAL_ELEMENT(QString, muayeneGecerlilikTarihi, setMuayeneGecerlilikTarihi)
    int sonucKodu = 0;
    KORVA_OPTIONAL_ELEMENT(QString, sonucMesaji, setSonucMesaji)
};

// Every failure of a call: transport, HTTP status, SOAP fault, unreadable reply, exchange log.
// message() is the text the operations keep as LastError.
class SoapCallError : public KorvaError {
public:
    using KorvaError::KorvaError;
};

// The service's operations. Parameter objects stay the caller's; a result belongs to the caller.
// Each operation throws SoapCallError on failure.
class UdhbKorvaEsyaWsService {
public:
    virtual ~UdhbKorvaEsyaWsService() = default;

    virtual std::unique_ptr<korvaEsyaWsYukBildirimDetayiSonuc> yukBildirimiDetayi(const korvaYtsUser &wsuser,
                                                                                   qint64 bildirimId) = 0;
    virtual std::unique_ptr<korvaGenelIslemSonuc> yukBildirimiGuncelle(const korvaYtsUser &wsuser, qint64 bildirimId,
                                                                       const wsKorvaEsyaAracBilgileriInput &aracBilgileriInput,
                                                                       const wsKorvaEsyaYukBilgileriInput &yukBilgileriInput) = 0;
    virtual std::unique_ptr<korvaGenelIslemSonuc> yukBildirimiIptalEt(const korvaYtsUser &wsuser, qint64 bildirimId,
                                                                      const QString &iptalTurKodu) = 0;
    virtual std::unique_ptr<korvaGenelPdfSonuc> yukBildirimRaporu(const korvaYtsUser &wsuser, const QString &plaka,
                                                                  const QString &sorgulamaTarihi,
                                                                  const QString &sorgulamaSaati) = 0;
    virtual std::unique_ptr<korvaEsyaParamEsyaTurSonuc> paramYukTuru(const korvaYtsUser &wsuser,
                                                                      const QString &tasimaTuruKodu) = 0;
    virtual std::unique_ptr<korvaEsyaParamTehlikeliMaddeTasimaSekliSonuc>
    paramTehlikeliMaddeTasimaSekli(const korvaYtsUser &wsuser) = 0;
    virtual std::unique_ptr<korvaEsyaParamYukBirimiSonuc> paramYukBirimi(const korvaYtsUser &wsuser,
                                                                         const QString &tasimaTuruKodu) = 0;
    virtual std::unique_ptr<korvaEsyaParamIptalTuruSonuc> iptalTurleri(const korvaYtsUser &wsuser) = 0;
    virtual std::unique_ptr<korvaEsyaWsBildirimListesiSonuc> yukBildirimiListesi(const korvaYtsUser &wsuser,
                                                                                 const QString &plaka,
                                                                                 const QString &tarih) = 0;
    virtual QString servisTest(const QString &testMsj) = 0;
    virtual std::unique_ptr<korvaFirmaSonuc> yetkiBelgesiKontrol(const korvaYtsUser &wsuser, const QString &plaka) = 0;
    virtual std::unique_ptr<korvaMesSorguSonuc> meslekiYeterlilikSorgula(const korvaYtsUser &wsuser,
                                                                         const QString &kimlikNo) = 0;
    virtual std::unique_ptr<korvaMuayeneSorguSonuc> aracMuayeneSorgula(const korvaYtsUser &wsuser,
                                                                       const QString &plaka) = 0;
    virtual std::unique_ptr<korvaEsyaYeniYukKaydiBildirSonuc>
    yeniYukKaydiBildir(const korvaYtsUser &wsuser, const wsKorvaEsyaAracBilgileriInput &aracBilgileriInput,
                       const std::vector<wsKorvaEsyaYukBilgileriInput> &yukBilgileriListInput) = 0;
};

// What one proxy reads at its creation; the operations fill it from their module state.
struct ServiceSettings {
    QString url;            // posted to exactly as stored, query included
    QString proxy;          // empty: no proxy at all; otherwise "host:port" of an HTTP proxy
    QString username;       // answers the first HTTP authentication challenge of a request
    QString password;
    bool xmlLog = false;    // write request_<operation>.xml and response_<operation>.xml
    QString xmlLogDir;      // folder of those files, created when missing
    QString certificateDir; // extra trusted certificates (PEM or DER); empty: "SERTIFIKALAR" beside the program
    int transferTimeoutMs = 60000; // a call without progress for this long fails
};

// A fresh proxy for one call, bound to the settings as they are now.
std::unique_ptr<UdhbKorvaEsyaWsService> GetUdhbKorvaEsyaWsService(const ServiceSettings &settings);

} // namespace korvaesya
