#pragma once
// The only door from the windows to the remote notification service: thirteen operations that
// take and return application records. Each returns true on success; on false the reason is in
// LastError. A reply text that does not convert leaves an operation as ConversionError.

#include "Amount.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

namespace uKorva::WS {

// Module state, read by every call.
extern QString Username;
extern QString Password;
extern QString URL;
extern bool XMLLog;
extern QString XMLLogDir; // starts as DefaultXMLLogDir() once the application object exists
extern QString Proxy;     // empty: no proxy at all; otherwise "host:port" of an HTTP proxy
extern QString LastError; // written on failure only, never cleared

// The program's folder joined with "XMLLog".
QString DefaultXMLLogDir();

struct TYuk {
    QString FirmaYukNo;
    QString GonderenVergiNo;
    QString GonderenUnvan;
    QString AliciVergiNo;
    QString AliciUnvan;
    QString YuklemeUlkeKodu;
    QString YuklemeIlMernisKodu;
    QString YuklemeIlceMernisKodu;
    QString BosaltmaUlkeKodu;
    QString BosaltmaIlMernisKodu;
    QString BosaltmaIlceMernisKodu;
    QDate YuklemeTarihi;
    QTime YuklemeSaati;
    QDate BosaltmaTarihi;
    QTime BosaltmaSaati;
    QString YukCinsId;
    QString YukDigerAciklama;
    QString YukBirimi;
    double YukMiktari = 0;
    Amount TasimaBedeli;
    QString UnNumarasi;
    QString TehlikeliMaddeTasimaSekli;
};

struct TYukBilgisi {
    QString Plaka1;
    QString Plaka2;
    QString Sofor1TCNo;
    QString Sofor2TCNo;
    QString TasimaTuruKodu;
    QString FirmaSeferNo;
    QList<TYuk> Yukler;
};

struct TYukSonuc {
    int Sira = 0;
    int SonucKodu = 0;
    QString SonucMesaji;
    qint64 KorvaBildirimReferansNo = 0;
};

struct TYukKaydiSonuc {
    int SonucKodu = 0;
    QString SonucMesaji;
    QList<TYukSonuc> YukSonuclari;
};

struct TYukTuru {
    QString Adi;
    qint64 Id = 0;
};

// A code with its description: load units, dangerous-goods transport modes, cancellation types.
struct TYukBirimi {
    QString Aciklama;
    QString Kodu;
};

struct TYukBildirimi {
    QString Durum;
    qint64 KorvaBildirimReferansNo = 0;
};

struct TYetkiBelgesi {
    QDate BelgeGecerlilikTarihi;
    QString BelgeNo;
    QString BelgeTuru;
    QString FirmaUnvan;
    int SonucKodu = 0;
    QString SonucMesaji;
    qint64 UnetNo = 0;
};

// Fields in the order of the service's detail elements.
struct TYukBildirimiDetayi {
    QString AliciUnvan;
    QString AliciVergiNo;
    QDateTime BildirimTarihi;
    QString BosaltmaIlAdi;
    QString BosaltmaIlMernisKodu;
    QString BosaltmaIlceAdi;
    QString BosaltmaIlceKodu;
    QTime BosaltmaSaati;
    QDate BosaltmaTarihi;
    QString BosaltmaUlkeAdi;
    QString BosaltmaUlkeKodu;
    QString Durum;
    QString FirmaSeferNo;
    QString FirmaYukNo;
    QString GonderenUnvan;
    QString GonderenVergiNo;
    QString IptalAciklama;
    QString IptalTurKodu;
    QString Plaka1;
    QString Plaka2;
    QString Sofor1TCNo;
    QString Sofor2TCNo;
    QDateTime SonGuncellemeTarihi;
    Amount TasimaBedeli;
    QString TasimaTuruAciklama;
    QString TasimaTuruKodu;
    QString TehlikeliMaddeTasimaSekliAciklama;
    QString TehlikeliMaddeTasimaSekliKodu;
    qint64 KorvaBildirimReferansNo = 0;
    QString UnNumarasi;
    QString YukBirimi;
    QString YukBirimiAciklama;
    QString YukCinsAdi;
    QString YukCinsId;
    QString YukDigerAciklama;
    double YukMiktari = 0;
    QString YuklemeIlAdi;
    QString YuklemeIlMernisKodu;
    QString YuklemeIlceAdi;
    QString YuklemeIlceMernisKodu;
    QTime YuklemeSaati;
    QDate YuklemeTarihi;
    QString YuklemeUlkeAdi;
    QString YuklemeUlkeKodu;
};

bool ServisTest(const QString &Value, QString &AReply);
bool IptalTurleri(QList<TYukBirimi> &IptalTurleri);
bool ParamYukBirimi(const QString &TasimaTuruKodu, QList<TYukBirimi> &YukBirimleri);
bool ParamYukTuru(const QString &TasimaTuruKodu, QList<TYukTuru> &YukTurleri);
bool ParamTehlikeliMaddeTasimaSekli(QList<TYukBirimi> &TehlikeliMaddeTasimaSekilleri);
bool YeniYukKaydiBildir(const TYukBilgisi &YukBilgisi, TYukKaydiSonuc &YukKaydiSonuc);
bool YukBirimRaporu(const QString &Plaka, const QDate &Tarih, const QTime &Saat, QByteArray &Pdf);
bool YukBildirimiIptalEt(qint64 BildirimId, const QString &IptalTurKodu);
bool YukBildirimiDetayi(qint64 BildirimId, TYukBildirimiDetayi &YukBildirimiDetayi);
bool YukBirimListesi(const QString &Plaka, const QDate &Tarih, QList<TYukBildirimi> &YukBildirimiListesi);
bool AracMuayeneSorgula(const QString &Plaka, QDate &MuayeneGecerlilikTarihi);
bool MeslekiYeterlilikSorgula(const QString &TCNo, QStringList &Belgeler);
bool YetkiBelgesiKontrol(const QString &Plaka, TYetkiBelgesi &YetkiBelgesi);

} // namespace uKorva::WS
