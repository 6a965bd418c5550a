#include "YukGonderimi.h"

#include "Log.h"
#include "MessageBoxes.h"
#include "ScreenFormat.h"
#include "YukListesi.h"

#include <QLocale>

namespace YukGonderimi {

namespace {

const QString NoCapacity = QStringLiteral("Lütfen araç kapasitesini giriniz. Aracı listeden seçebilir ya da kapasiteyi elle yazabilirsiniz.");
const QString CapacityNotANumber = QStringLiteral("Araç kapasitesi geçerli bir sayı değil: \"%1\". Lütfen kapasiteyi kontrol ediniz.");
const QString NoKilogramFigure = QStringLiteral("%1. satırdaki yükün net kilosu hesaplanamıyor (Birimi: \"%2\", Miktarı: \"%3\"). "
                                                "Lütfen yük birimini ve miktarını kontrol ediniz.");
const QString OverCapacity = QStringLiteral("ARAÇ TONAJ KAPASİTESİNİ AŞAMAZSINIZ...");
const QString NoPlate = QStringLiteral("Lütfen bir plaka seçiniz");
const QString NoDriver = QStringLiteral("Lütfen bir şöför seçiniz.");
const QString NoLoads = QStringLiteral("Listede gönderilecek yük yoktur. Lütfen en az bir yük ekleyiniz.");
const QString TooOld = QStringLiteral("LİSTEDE 6 SAAT ÖNCESİNE AİT YÜKLEME BİLDİRİMİ VAR LÜTFEN KONTROL EDİNİZ.");

QString rowText(const YukListesi &list, int row, const char *column)
{
    return list.data(list.index(row, YukListesi::columnIndex(QLatin1String(column)))).toString();
}

} // namespace

std::optional<qint64> loadingAgeSeconds(const QDate &date, const QTime &time, const QDateTime &now)
{
    if (!date.isValid())
        return std::nullopt;
    // Calendar arithmetic on the wall-clock values, so a change of daylight saving time in
    // between does not move the six-hour limit.
    const QTime loadingTime = time.isValid() ? QTime(time.hour(), time.minute(), time.second()) : QTime(0, 0);
    const QTime nowTime(now.time().hour(), now.time().minute(), now.time().second());
    const qint64 seconds = date.daysTo(now.date()) * 86400 + loadingTime.secsTo(nowTime);
    return seconds < 0 ? -seconds : seconds;
}

std::optional<Amount> kilogramTotal(YukListesi &list, const std::function<void(const QString &)> &writeTotal)
{
    const YukListesi::Bookmark remembered = list.bookmark();
    list.disableControls();
    Amount total;
    std::optional<int> missing;
    for (list.first(); !list.eof(); list.next()) {
        const auto kilo = list.kilo(list.currentRow());
        if (!kilo) {
            missing = list.currentRow();
            break;
        }
        total = total + *kilo;
        if (writeTotal)
            writeTotal(ScreenFormat::amount(total));
    }
    if (!missing)
        list.gotoBookmark(remembered);
    list.enableControls();
    if (missing)
        return std::nullopt;
    return total;
}

QString checkTrip(const TripHeader &header, YukListesi &list, const QDateTime &now,
                  const std::function<void(const QString &)> &writeTotal)
{
    const auto total = kilogramTotal(list, writeTotal);
    if (!total) {
        const int row = list.currentRow();
        return NoKilogramFigure.arg(row + 1).arg(rowText(list, row, "YukBirimi"), rowText(list, row, "YukMiktari"));
    }

    if (header.Kapasite.trimmed().isEmpty())
        return NoCapacity;
    const auto capacity = Amount::fromLocale(header.Kapasite, QLocale());
    if (!capacity)
        return CapacityNotANumber.arg(header.Kapasite);
    // The capacity figure and the kilogram total are compared as they stand, without any
    // conversion between tonnes and kilograms.
    if (*capacity < *total)
        return OverCapacity;

    if (header.Plaka1.isEmpty())
        return NoPlate;
    if (header.Sofor1.isEmpty())
        return NoDriver;
    if (list.isEmpty())
        return NoLoads;

    list.setOrder({{QStringLiteral("YuklemeTarihi"), true}, {QStringLiteral("YuklemeSaati"), true}});
    list.last();
    const YukSatiri earliest = list.row(list.currentRow());
    const auto age = loadingAgeSeconds(earliest.YuklemeTarihi, earliest.YuklemeSaati, now);
    if (!age || *age > MaxLoadingAgeSeconds)
        return TooOld;
    return QString();
}

uKorva::WS::TYukBilgisi buildRecord(const TripHeader &header, const YukListesi &list)
{
    uKorva::WS::TYukBilgisi record;
    record.Plaka1 = header.Plaka1;
    record.Plaka2 = header.Plaka2;
    record.Sofor1TCNo = header.Sofor1;
    record.Sofor2TCNo = header.Sofor2;
    record.TasimaTuruKodu = header.TasimaTuruKodu;
    record.FirmaSeferNo = header.FirmaSeferNo;
    for (int i = 0; i < list.count(); ++i) {
        const YukSatiri row = list.row(i);
        uKorva::WS::TYuk yuk;
        yuk.FirmaYukNo = row.FirmaYukNo;
        yuk.GonderenVergiNo = row.GonderenVergiNo;
        yuk.GonderenUnvan = row.GonderenUnvan;
        yuk.AliciVergiNo = row.AliciVergiNo;
        yuk.AliciUnvan = row.AliciUnvan;
        yuk.YuklemeUlkeKodu = row.YuklemeUlkeKodu;
        yuk.YuklemeIlMernisKodu = row.YuklemeIlMernisKodu;
        yuk.YuklemeIlceMernisKodu = row.YuklemeIlceMernisKodu;
        yuk.BosaltmaUlkeKodu = row.BosaltmaUlkeKodu;
        yuk.BosaltmaIlMernisKodu = row.BosaltmaIlMernisKodu;
        yuk.BosaltmaIlceMernisKodu = row.BosaltmaIlceMernisKodu;
        yuk.YuklemeTarihi = row.YuklemeTarihi;
        yuk.YuklemeSaati = row.YuklemeSaati;
        yuk.BosaltmaTarihi = row.BosaltmaTarihi;
        yuk.BosaltmaSaati = row.BosaltmaSaati;
        yuk.YukCinsId = row.YukCinsId;
        yuk.YukDigerAciklama = row.YukDigerAciklama;
        yuk.YukBirimi = row.YukBirimi;
        yuk.YukMiktari = row.YukMiktari.value_or(0.0);
        yuk.TasimaBedeli = row.TasimaBedeli.value_or(Amount());
        yuk.UnNumarasi = row.UnNumarasi;
        yuk.TehlikeliMaddeTasimaSekli = row.TehlikeliMaddeTasimaSekli;
        record.Yukler.append(yuk);
    }
    return record;
}

Outcome send(const TripHeader &header, YukListesi &list, const QDateTime &now,
             const std::function<void(const QString &)> &writeTotal, const Operation &operation)
{
    Outcome outcome;
    const QString refusal = checkTrip(header, list, now, writeTotal);
    if (!refusal.isEmpty()) {
        ShowMessage(refusal);
        return outcome;
    }

    OutputLog::writeLog(QStringLiteral("Calling \"YeniYukKaydiBildir\"..."));
    const uKorva::WS::TYukBilgisi record = buildRecord(header, list);
    outcome.reachedService = true;
    outcome.succeeded = operation(record, outcome.result);
    if (!outcome.succeeded) {
        OutputLog::writeLog(QStringLiteral("ERROR: ") + uKorva::WS::LastError);
        ShowMessage(QStringLiteral("BELGE EKLENEMEDİ:") + uKorva::WS::LastError);
    }

    const uKorva::WS::TYukKaydiSonuc &result = outcome.result;
    OutputLog::writeLog(QStringLiteral(" Sonuç Kodu: ") + QString::number(result.SonucKodu));
    OutputLog::writeLog(QStringLiteral(" Sonuç Mesajı: ") + result.SonucMesaji);
    OutputLog::writeLog(QStringLiteral(" Yük Sonuçları:"));
    // Every load result is announced, whatever its own code: the service has taken the trip.
    for (const uKorva::WS::TYukSonuc &yuk : result.YukSonuclari) {
        ShowMessage(QStringLiteral("BELGE EKLENMİŞTİR KORVA Bildirim Ref. No:") + QString::number(yuk.KorvaBildirimReferansNo));
        OutputLog::writeLog(QStringLiteral(" Sıra: ") + QString::number(yuk.Sira));
        OutputLog::writeLog(QStringLiteral(" Sonuç Kodu: ") + QString::number(yuk.SonucKodu));
        OutputLog::writeLog(QStringLiteral(" Sonuç Mesajı: ") + yuk.SonucMesaji);
        OutputLog::writeLog(QStringLiteral(" KORVA Bildirim Ref. No: ") + QString::number(yuk.KorvaBildirimReferansNo));
        OutputLog::writeLog(QString());
    }
    return outcome;
}

} // namespace YukGonderimi
