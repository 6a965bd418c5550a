#include "Schema.h"

namespace KorvaDb {

const QList<Table> &schema()
{
    static const QList<Table> tables = {
        {"AYARLAR",
         {{"FIRMA_UNVANI", 250}, {"FIRMA_VERGI_NO", 20}, {"LINK", 500}, {"KULLANICI_ADI", 100},
          {"SIFRE", 100}}},
        {"KULLANICILAR", {{"AD_SOYAD", 100}, {"TC", 11}, {"SIFRE", 50}, {"YETKI", 20}}},
        {"ARACLAR", {{"PLAKA", 15}, {"SOFOR", 100}, {"TC", 11}, {"KAPASITE", 20}}},
        {"FIRMALAR",
         {{"FIRMA_UNVANI", 250}, {"VERGI_NO", 20}, {"VERGI_DAIRESI", 100}, {"TELEFON", 30},
          {"ADRES", 500}}},
        {"ILCE_LISTESI", {{"AD", 100}, {"IL_ADI", 100}, {"KODU", 10}, {"IL_KOD", 10}}},
        {"ULKE_LISTESI", {{"ULKE", 100}, {"KOD", 2}}},
    };
    return tables;
}

} // namespace KorvaDb
