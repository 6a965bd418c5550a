#include "IPTAL_TURLERI_PENCERE1.h"

#include "BELGE_IPTALI_PENCERE1.h"

TIPTAL_TURLERI_PENCERE::TIPTAL_TURLERI_PENCERE(QWidget *parent)
    : ServiceListPicker(QStringLiteral("İptal Türleri"), parent)
{
    setObjectName(QStringLiteral("IPTAL_TURLERI_PENCERE"));
    // Only the code is taken over; the description stays in the list.
    setModes([] { return static_cast<QWidget *>(BELGE_IPTALI_PENCERE); },
             {{QStringLiteral("BELGE_IPTAL_TURU"), {{QStringLiteral("Alan1"), QStringLiteral("edtIptalTurKodu")}}}});
}
