#include "korvaesya.h"

#include "KorvaNamespace.h"
#include "SoapCall.h"
#include "SoapDescription.h"

namespace korvaesya::soap {

// A row names the element once; the macros keep the wire name and the member in step.
#define KORVA_REQUIRED(Type, name) element<&Type::name>(#name)
#define KORVA_OPTIONAL(Type, name) optional<&Type::name, &Type::name##_Specified>(#name)

template <>
const TypeDescription &describe<korvaYtsUser>()
{
    using T = korvaYtsUser;
    static const TypeDescription d{"korvaYtsUser", {KORVA_REQUIRED(T, kullaniciAdi), secret(KORVA_REQUIRED(T, sifre))}};
    return d;
}

template <>
const TypeDescription &describe<wsKorvaEsyaAracBilgileriInput>()
{
    using T = wsKorvaEsyaAracBilgileriInput;
    static const TypeDescription d{"wsKorvaEsyaAracBilgileriInput",
                                   {KORVA_REQUIRED(T, plaka1), KORVA_OPTIONAL(T, plaka2), KORVA_OPTIONAL(T, sofor1TcNo),
                                    KORVA_OPTIONAL(T, sofor2TcNo), KORVA_OPTIONAL(T, tasimaTuruKodu),
                                    KORVA_OPTIONAL(T, firmaSeferNo)}};
    return d;
}

template <>
const TypeDescription &describe<wsKorvaEsyaYukBilgileriInput>()
{
    using T = wsKorvaEsyaYukBilgileriInput;
    static const TypeDescription d{
        "wsKorvaEsyaYukBilgileriInput",
        {KORVA_OPTIONAL(T, firmaYukNo),           KORVA_OPTIONAL(T, gonderenVergiNo),
         KORVA_REQUIRED(T, gonderenUnvan),        KORVA_OPTIONAL(T, aliciVergiNo),
         KORVA_REQUIRED(T, aliciUnvan),           KORVA_REQUIRED(T, yuklemeUlkeKodu),
         KORVA_REQUIRED(T, yuklemeIlMernisKodu),  KORVA_REQUIRED(T, yuklemeIlceMernisKodu),
         KORVA_REQUIRED(T, bosaltmaUlkeKodu),     KORVA_REQUIRED(T, bosaltmaIlMernisKodu),
         KORVA_REQUIRED(T, bosaltmaIlceMernisKodu), KORVA_REQUIRED(T, yuklemeTarihi),
         KORVA_REQUIRED(T, yuklemeSaati),         KORVA_REQUIRED(T, bosaltmaTarihi),
         KORVA_REQUIRED(T, bosaltmaSaati),        KORVA_REQUIRED(T, yukCinsId),
         KORVA_OPTIONAL(T, yukDigerAciklama),     KORVA_REQUIRED(T, yukBirimi),
         KORVA_REQUIRED(T, yukMiktari),           KORVA_REQUIRED(T, tasimaBedeli),
         KORVA_OPTIONAL(T, unNumarasi),           KORVA_OPTIONAL(T, tehlikeliMaddeTasimaSekli)}};
    return d;
}

template <>
const TypeDescription &describe<korvaGenelIslemSonuc>()
{
    using T = korvaGenelIslemSonuc;
    static const TypeDescription d{"korvaGenelIslemSonuc", {KORVA_REQUIRED(T, sonucKodu), KORVA_OPTIONAL(T, sonucMesaji)}};
    return d;
}

template <>
const TypeDescription &describe<korvaGenelPdfSonuc>()
{
    using T = korvaGenelPdfSonuc;
    static const TypeDescription d{"korvaGenelPdfSonuc",
                                   {KORVA_REQUIRED(T, sonucKodu), KORVA_OPTIONAL(T, sonucMesaji), KORVA_OPTIONAL(T, sonucPdf)}};
    return d;
}

template <>
const TypeDescription &describe<korvaEsyaSonuc>()
{
    using T = korvaEsyaSonuc;
    static const TypeDescription d{"korvaEsyaSonuc",
                                   {KORVA_REQUIRED(T, sira), KORVA_REQUIRED(T, sonucKodu), KORVA_OPTIONAL(T, sonucMesaji),
                                    KORVA_OPTIONAL(T, korvaBildirimReferansNo)}};
    return d;
}

template <>
const TypeDescription &describe<korvaEsyaYeniYukKaydiBildirSonuc>()
{
    using T = korvaEsyaYeniYukKaydiBildirSonuc;
    static const TypeDescription d{"korvaEsyaYeniYukKaydiBildirSonuc",
                                   {KORVA_REQUIRED(T, sonucKodu), KORVA_OPTIONAL(T, sonucMesaji),
                                    element<&T::korvaEsyaSonuc>("korvaEsyaSonuc")}};
    return d;
}

template <>
const TypeDescription &describe<paramEsyaTurListesi>()
{
    using T = paramEsyaTurListesi;
    static const TypeDescription d{"paramEsyaTurListesi", {KORVA_OPTIONAL(T, adi), KORVA_OPTIONAL(T, id)}};
    return d;
}

template <>
const TypeDescription &describe<paramYukBirimiListesi>()
{
    using T = paramYukBirimiListesi;
    static const TypeDescription d{"paramYukBirimiListesi", {KORVA_OPTIONAL(T, aciklama), KORVA_OPTIONAL(T, kodu)}};
    return d;
}

template <>
const TypeDescription &describe<cstParamEsyaTehlikeliMaddeTasimaSekli>()
{
    using T = cstParamEsyaTehlikeliMaddeTasimaSekli;
    static const TypeDescription d{"cstParamEsyaTehlikeliMaddeTasimaSekli",
                                   {KORVA_OPTIONAL(T, aciklama), KORVA_OPTIONAL(T, kodu)}};
    return d;
}

template <>
const TypeDescription &describe<paramIptalTurListesi>()
{
    using T = paramIptalTurListesi;
    static const TypeDescription d{"paramIptalTurListesi", {KORVA_OPTIONAL(T, aciklama), KORVA_OPTIONAL(T, kodu)}};
    return d;
}

template <>
const TypeDescription &describe<wsYukBildirimiListesi>()
{
    using T = wsYukBildirimiListesi;
    static const TypeDescription d{"wsYukBildirimiListesi", {KORVA_OPTIONAL(T, durum), KORVA_OPTIONAL(T, korvaBildirimReferansNo)}};
    return d;
}

template <>
const TypeDescription &describe<korvaEsyaParamEsyaTurSonuc>()
{
    using T = korvaEsyaParamEsyaTurSonuc;
    static const TypeDescription d{"korvaEsyaParamEsyaTurSonuc",
                                   {KORVA_REQUIRED(T, sonucKodu), KORVA_OPTIONAL(T, sonucMesaji), KORVA_REQUIRED(T, yukTurListesi)}};
    return d;
}

template <>
const TypeDescription &describe<korvaEsyaParamYukBirimiSonuc>()
{
    using T = korvaEsyaParamYukBirimiSonuc;
    static const TypeDescription d{
        "korvaEsyaParamYukBirimiSonuc",
        {KORVA_REQUIRED(T, sonucKodu), KORVA_OPTIONAL(T, sonucMesaji), element<&T::paramYukBirimiListesi>("paramYukBirimiListesi")}};
    return d;
}

template <>
const TypeDescription &describe<korvaEsyaParamTehlikeliMaddeTasimaSekliSonuc>()
{
    using T = korvaEsyaParamTehlikeliMaddeTasimaSekliSonuc;
    static const TypeDescription d{"korvaEsyaParamTehlikeliMaddeTasimaSekliSonuc",
                                   {KORVA_REQUIRED(T, sonucKodu), KORVA_OPTIONAL(T, sonucMesaji),
                                    KORVA_REQUIRED(T, tehlikeliMaddeTasimaSekliListesi)}};
    return d;
}

template <>
const TypeDescription &describe<korvaEsyaParamIptalTuruSonuc>()
{
    using T = korvaEsyaParamIptalTuruSonuc;
    static const TypeDescription d{"korvaEsyaParamIptalTuruSonuc",
                                   {KORVA_REQUIRED(T, iptalTuruListesi), KORVA_REQUIRED(T, sonucKodu), KORVA_OPTIONAL(T, sonucMesaji)}};
    return d;
}

template <>
const TypeDescription &describe<korvaEsyaWsBildirimListesiSonuc>()
{
    using T = korvaEsyaWsBildirimListesiSonuc;
    static const TypeDescription d{"korvaEsyaWsBildirimListesiSonuc",
                                   {KORVA_REQUIRED(T, sonucKodu), KORVA_OPTIONAL(T, sonucMesaji), KORVA_REQUIRED(T, bildirimListesi)}};
    return d;
}

template <>
const TypeDescription &describe<wsYukBildirimDetayi>()
{
    using T = wsYukBildirimDetayi;
    static const TypeDescription d{
        "wsYukBildirimDetayi",
        {KORVA_OPTIONAL(T, aliciUnvan),
         KORVA_OPTIONAL(T, aliciVergiNo),
         KORVA_OPTIONAL(T, bildirimTarihi),
         KORVA_OPTIONAL(T, bosaltmaIlAdi),
         KORVA_OPTIONAL(T, bosaltmaIlMernisKodu),
         KORVA_OPTIONAL(T, bosaltmaIlceAdi),
         KORVA_OPTIONAL(T, bosaltmaIlceKodu),
         KORVA_OPTIONAL(T, bosaltmaSaati),
         KORVA_OPTIONAL(T, bosaltmaTarihi),
         KORVA_OPTIONAL(T, bosaltmaUlkeAdi),
         KORVA_OPTIONAL(T, bosaltmaUlkeKodu),
         KORVA_OPTIONAL(T, durum),
         KORVA_OPTIONAL(T, firmaSeferNo),
         KORVA_OPTIONAL(T, firmaYukNo),
         KORVA_OPTIONAL(T, gonderenUnvan),
         KORVA_OPTIONAL(T, gonderenVergiNo),
         KORVA_OPTIONAL(T, iptalAciklama),
         KORVA_OPTIONAL(T, iptalTurKodu),
         KORVA_OPTIONAL(T, plaka1),
         KORVA_OPTIONAL(T, plaka2),
         KORVA_OPTIONAL(T, sofor1TCNo),
         KORVA_OPTIONAL(T, sofor2TCNo),
         KORVA_OPTIONAL(T, sonGuncellemeTarihi),
         KORVA_OPTIONAL(T, tasimaBedeli),
         KORVA_OPTIONAL(T, tasimaTuruAciklama),
         KORVA_OPTIONAL(T, tasimaTuruKodu),
         KORVA_OPTIONAL(T, tehlikeliMaddeTasimaSekliAciklama),
         KORVA_OPTIONAL(T, tehlikeliMaddeTasimaSekliKodu),
         KORVA_OPTIONAL(T, korvaBildirimReferansNo),
         KORVA_OPTIONAL(T, unNumarasi),
         KORVA_OPTIONAL(T, yukBirimi),
         KORVA_OPTIONAL(T, yukBirimiAciklama),
         KORVA_OPTIONAL(T, yukCinsAdi),
         KORVA_OPTIONAL(T, yukCinsId),
         KORVA_OPTIONAL(T, yukDigerAciklama),
         KORVA_OPTIONAL(T, yukMiktari),
         KORVA_OPTIONAL(T, yuklemeIlAdi),
         KORVA_OPTIONAL(T, yuklemeIlMernisKodu),
         KORVA_OPTIONAL(T, yuklemeIlceAdi),
         KORVA_OPTIONAL(T, yuklemeIlceMernisKodu),
         KORVA_OPTIONAL(T, yuklemeSaati),
         KORVA_OPTIONAL(T, yuklemeTarihi),
         KORVA_OPTIONAL(T, yuklemeUlkeAdi),
         KORVA_OPTIONAL(T, yuklemeUlkeKodu)}};
    return d;
}

template <>
const TypeDescription &describe<korvaEsyaWsYukBildirimDetayiSonuc>()
{
    using T = korvaEsyaWsYukBildirimDetayiSonuc;
    static const TypeDescription d{"korvaEsyaWsYukBildirimDetayiSonuc",
                                   {KORVA_REQUIRED(T, sonucKodu), KORVA_OPTIONAL(T, sonucMesaji), KORVA_OPTIONAL(T, bildirimDetayi)}};
    return d;
}

template <>
const TypeDescription &describe<korvaFirmaSonuc>()
{
    using T = korvaFirmaSonuc;
    static const TypeDescription d{"korvaFirmaSonuc",
                                   {KORVA_OPTIONAL(T, belgeGecerlilikTarihi), KORVA_OPTIONAL(T, belgeNo),
                                    KORVA_OPTIONAL(T, belgeTuru), KORVA_OPTIONAL(T, firmaUnvan), KORVA_REQUIRED(T, sonucKodu),
                                    KORVA_OPTIONAL(T, sonucMesaji), KORVA_OPTIONAL(T, unetNo)}};
    return d;
}

template <>
const TypeDescription &describe<korvaMesSorguSonuc>()
{
    using T = korvaMesSorguSonuc;
    static const TypeDescription d{"korvaMesSorguSonuc",
                                   {KORVA_REQUIRED(T, belgeListesi), KORVA_REQUIRED(T, sonucKodu), KORVA_OPTIONAL(T, sonucMesaji)}};
    return d;
}

template <>
const TypeDescription &describe<korvaMuayeneSorguSonuc>()
{
    using T = korvaMuayeneSorguSonuc;
    static const TypeDescription d{"korvaMuayeneSorguSonuc",
                                   {KORVA_OPTIONAL(T, muayeneGecerlilikTarihi), KORVA_REQUIRED(T, sonucKodu),
                                    KORVA_OPTIONAL(T, sonucMesaji)}};
    return d;
}

#undef KORVA_REQUIRED
#undef KORVA_OPTIONAL

const OperationDescription &describe(Operation operation)
{
    // In the order of the service interface; every parameter is required.
    static const std::array<OperationDescription, 14> operations{{
        {"yukBildirimiDetayi", "korvaesya/yukBildirimiDetayi", {"wsuser", "bildirimId"}},
        {"yukBildirimiGuncelle", "korvaesya/yukBildirimiGuncelle",
         {"wsuser", "bildirimId", "aracBilgileriInput", "yukBilgileriInput"}},
        {"yukBildirimiIptalEt", "korvaesya/yukBildirimiIptalEt", {"wsuser", "bildirimId", "iptalTurKodu"}},
        {"yukBildirimRaporu", "korvaesya/yukBildirimRaporu", {"wsuser", "plaka", "sorgulamaTarihi", "sorgulamaSaati"}},
        {"paramYukTuru", "korvaesya/paramYukTuru", {"wsuser", "tasimaTuruKodu"}},
        {"paramTehlikeliMaddeTasimaSekli", "korvaesya/paramTehlikeliMaddeTasimaSekli", {"wsuser"}},
        {"paramYukBirimi", "korvaesya/paramYukBirimi", {"wsuser", "tasimaTuruKodu"}},
        {"iptalTurleri", "korvaesya/iptalTurleri", {"wsuser"}},
        {"yukBildirimiListesi", "korvaesya/yukBildirimiListesi", {"wsuser", "plaka", "tarih"}},
        {"servisTest", "", {"testMsj"}},
        {"yetkiBelgesiKontrol", "korvaesya/yetkiBelgesiKontrol", {"wsuser", "plaka"}},
        {"meslekiYeterlilikSorgula", "korvaesya/meslekiYeterlilikSorgula", {"wsuser", "kimlikNo"}},
        {"aracMuayeneSorgula", "korvaesya/aracMuayeneSorgula", {"wsuser", "plaka"}},
        {"yeniYukKaydiBildir", "korvaesya/yeniYukKaydiBildir", {"wsuser", "aracBilgileriInput", "yukBilgileriListInput"}},
    }};
    return operations[static_cast<std::size_t>(operation)];
}

QByteArray soapActionHeader(Operation operation)
{
    const std::string_view action = describe(operation).action;
    if (action.empty())
        return QByteArrayLiteral("\"\"");
    return '"' + QByteArray(korva::TargetNamespace) + QByteArray(action.data(), qsizetype(action.size())) + '"';
}

} // namespace korvaesya::soap

namespace korvaesya {

namespace {

using soap::arg;
using soap::Operation;

class Proxy final : public UdhbKorvaEsyaWsService {
public:
    explicit Proxy(const ServiceSettings &settings) : m_settings(settings) {}

    std::unique_ptr<korvaEsyaWsYukBildirimDetayiSonuc> yukBildirimiDetayi(const korvaYtsUser &wsuser,
                                                                           qint64 bildirimId) override
    {
        return call<korvaEsyaWsYukBildirimDetayiSonuc>(Operation::yukBildirimiDetayi, {arg(wsuser), arg(bildirimId)});
    }
    std::unique_ptr<korvaGenelIslemSonuc> yukBildirimiGuncelle(const korvaYtsUser &wsuser, qint64 bildirimId,
                                                               const wsKorvaEsyaAracBilgileriInput &aracBilgileriInput,
                                                               const wsKorvaEsyaYukBilgileriInput &yukBilgileriInput) override
    {
        return call<korvaGenelIslemSonuc>(Operation::yukBildirimiGuncelle,
                                          {arg(wsuser), arg(bildirimId), arg(aracBilgileriInput), arg(yukBilgileriInput)});
    }
    std::unique_ptr<korvaGenelIslemSonuc> yukBildirimiIptalEt(const korvaYtsUser &wsuser, qint64 bildirimId,
                                                              const QString &iptalTurKodu) override
    {
        return call<korvaGenelIslemSonuc>(Operation::yukBildirimiIptalEt, {arg(wsuser), arg(bildirimId), arg(iptalTurKodu)});
    }
    std::unique_ptr<korvaGenelPdfSonuc> yukBildirimRaporu(const korvaYtsUser &wsuser, const QString &plaka,
                                                          const QString &sorgulamaTarihi,
                                                          const QString &sorgulamaSaati) override
    {
        return call<korvaGenelPdfSonuc>(Operation::yukBildirimRaporu,
                                        {arg(wsuser), arg(plaka), arg(sorgulamaTarihi), arg(sorgulamaSaati)});
    }
    std::unique_ptr<korvaEsyaParamEsyaTurSonuc> paramYukTuru(const korvaYtsUser &wsuser,
                                                              const QString &tasimaTuruKodu) override
    {
        return call<korvaEsyaParamEsyaTurSonuc>(Operation::paramYukTuru, {arg(wsuser), arg(tasimaTuruKodu)});
    }
    std::unique_ptr<korvaEsyaParamTehlikeliMaddeTasimaSekliSonuc>
    paramTehlikeliMaddeTasimaSekli(const korvaYtsUser &wsuser) override
    {
        return call<korvaEsyaParamTehlikeliMaddeTasimaSekliSonuc>(Operation::paramTehlikeliMaddeTasimaSekli, {arg(wsuser)});
    }
    std::unique_ptr<korvaEsyaParamYukBirimiSonuc> paramYukBirimi(const korvaYtsUser &wsuser,
                                                                 const QString &tasimaTuruKodu) override
    {
        return call<korvaEsyaParamYukBirimiSonuc>(Operation::paramYukBirimi, {arg(wsuser), arg(tasimaTuruKodu)});
    }
    std::unique_ptr<korvaEsyaParamIptalTuruSonuc> iptalTurleri(const korvaYtsUser &wsuser) override
    {
        return call<korvaEsyaParamIptalTuruSonuc>(Operation::iptalTurleri, {arg(wsuser)});
    }
    std::unique_ptr<korvaEsyaWsBildirimListesiSonuc> yukBildirimiListesi(const korvaYtsUser &wsuser, const QString &plaka,
                                                                         const QString &tarih) override
    {
        return call<korvaEsyaWsBildirimListesiSonuc>(Operation::yukBildirimiListesi, {arg(wsuser), arg(plaka), arg(tarih)});
    }
    QString servisTest(const QString &testMsj) override
    {
        QString reply;
        soap::invoke(m_settings, Operation::servisTest, {arg(testMsj)}, soap::textResult(reply));
        return reply;
    }
    std::unique_ptr<korvaFirmaSonuc> yetkiBelgesiKontrol(const korvaYtsUser &wsuser, const QString &plaka) override
    {
        return call<korvaFirmaSonuc>(Operation::yetkiBelgesiKontrol, {arg(wsuser), arg(plaka)});
    }
    std::unique_ptr<korvaMesSorguSonuc> meslekiYeterlilikSorgula(const korvaYtsUser &wsuser,
                                                                 const QString &kimlikNo) override
    {
        return call<korvaMesSorguSonuc>(Operation::meslekiYeterlilikSorgula, {arg(wsuser), arg(kimlikNo)});
    }
    std::unique_ptr<korvaMuayeneSorguSonuc> aracMuayeneSorgula(const korvaYtsUser &wsuser, const QString &plaka) override
    {
        return call<korvaMuayeneSorguSonuc>(Operation::aracMuayeneSorgula, {arg(wsuser), arg(plaka)});
    }
    std::unique_ptr<korvaEsyaYeniYukKaydiBildirSonuc>
    yeniYukKaydiBildir(const korvaYtsUser &wsuser, const wsKorvaEsyaAracBilgileriInput &aracBilgileriInput,
                       const std::vector<wsKorvaEsyaYukBilgileriInput> &yukBilgileriListInput) override
    {
        return call<korvaEsyaYeniYukKaydiBildirSonuc>(Operation::yeniYukKaydiBildir,
                                                      {arg(wsuser), arg(aracBilgileriInput), arg(yukBilgileriListInput)});
    }

private:
    template <class Result>
    std::unique_ptr<Result> call(Operation operation, std::initializer_list<soap::Argument> arguments)
    {
        auto result = std::make_unique<Result>();
        soap::invoke(m_settings, operation, arguments, soap::structureResult(*result));
        return result;
    }

    ServiceSettings m_settings;
};

} // namespace

std::unique_ptr<UdhbKorvaEsyaWsService> GetUdhbKorvaEsyaWsService(const ServiceSettings &settings)
{
    return std::make_unique<Proxy>(settings);
}

} // namespace korvaesya
