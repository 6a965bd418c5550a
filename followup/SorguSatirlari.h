#pragma once
// The lines the follow-up windows write about one service call, built apart from the windows
// so that their wording and order can be checked directly.

#include "uKorva_WS.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace SorguSatirlari {

inline const QString Ayirac = QStringLiteral("---------------");

// Calling "YukBildirimiDetayi"...
QString calling(const QString &operation);
// "ERROR : " followed by the operations layer's reason.
QString hata(const QString &lastError);

// A notification number: a whole number, optionally signed, within 64 bits, nothing else
// around or inside it.
std::optional<qint64> bildirimId(const QString &text);

QStringList bildirimListesi(const QList<uKorva::WS::TYukBildirimi> &liste);
QStringList iptalTurleri(const QList<uKorva::WS::TYukBirimi> &turler);
QStringList yetkiBelgesi(const uKorva::WS::TYetkiBelgesi &belge);
QString muayeneTarihi(const QDate &tarih);
// Four blanks, "Belge: ", the count from 0 and the certificate's text straight after it.
QString belge(int sira, const QString &metin);

} // namespace SorguSatirlari
