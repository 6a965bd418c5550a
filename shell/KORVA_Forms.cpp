#include "KORVA_Forms.h"

#include "ANA_SAYFA1.h"
#include "HAKKINDA_PENCERE1.h"
#include "KULLANICI_GIRISI_PENCERE1.h"
#include "SORGULAMA_PENCERESI1.h"
#include "SQL_SORGU_PENCERE1.h"

#include <QEvent>
// include SQL_SUNUCU_AYARLARI1.h (settings)
// include YUK_BILDIRIMI_PENCERE1.h (entry)
// include FIRMALAR_PENCERE1.h (entry)
// include ULKELER_PENCERE1.h (entry)
// include IL_ILCE_PENCERE1.h (entry)
// include ARAC_SOFOR_SECIMI_PENCERE1.h (entry)
// include YUK_BIRIMI_PENCERE1.h (entry)
// include URUN_EKLE_PENCERE1.h (entry)
#include "ARAC_MUAYENE_SORGULA_PENCERE1.h"
#include "BELGE_IPTALI_PENCERE1.h"
#include "MESLEKI_YETERLILIK_SORGULA_PENCERE1.h"
#include "YETKI_BELGESI_SORGULAMA1.h"
#include "BILDIRIM_DETAYI_PENCERE1.h"
// include BILDIRIM_RAPORU_PENCERE1.h (followup)
#include "BILDIRIM_LISTESI_PENCERE1.h"
#include "BILDIRIM_RAPORU_FILTRE1.h"
// include BAKANLIK_BILGILERI_PENCERE1.h (settings)
// include KULLANICI_HESAPLARI_PENCERE1.h (settings)

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Form {
    std::unique_ptr<QWidget> window;
    std::function<void()> clearInstance;
};

std::vector<Form> &forms()
{
    static std::vector<Form> all;
    return all;
}

// Creates one window, points its instance at it and keeps it until DestroyForms.
template <typename Window> void create(Window *&instance)
{
    auto window = std::make_unique<Window>();
    instance = window.get();
    forms().push_back({std::move(window), [&instance] { instance = nullptr; }});
}

} // namespace

void CreateForms()
{
    if (!forms().empty())
        return;
    create(KULLANICI_GIRISI_PENCERE);
    // 2 SQL_SUNUCU_AYARLARI (settings)
    create(ANA_SAYFA);
    create(HAKKINDA_PENCERE);
    create(SQL_SORGUSU_PENCERE);
    create(SORGULAMA_PENCERESI);
    // 7 YUK_BILDIRIMI_PENCERE (entry)
    // 8 FIRMALAR_PENCERE (entry)
    // 9 ULKELER_PENCERE (entry)
    // 10 IL_ILCE_PENCERE (entry)
    // 11 ARAC_SOFOR_SECIMI_PENCERE (entry)
    // 12 YUK_BIRIMI_PENCERE (entry)
    // 13 URUN_EKLE_PENCERE (entry)
    create(ARAC_MUAYENE_SORGULA_PENCERE);
    create(BELGE_IPTALI_PENCERE);
    create(MESLEKI_YETERLILIK_SORGULA_PENCERE);
    create(YETKI_BELGESI_SORGULAMA);
    create(BILDIRIM_DETAYI_PENCERE);
    // 19 BILDIRIM_RAPORU_PENCERE (followup)
    create(BILDIRIM_LISTESI_PENCERE);
    create(BILDIRIM_RAPORU_FILTRE);
    // 22 BAKANLIK_BILGILERI_PENCERE (settings)
    // 23 KULLANICI_HESAPLARI_PENCERE (settings)
}

void DestroyForms()
{
    auto &all = forms();
    while (!all.empty()) {
        Form form = std::move(all.back());
        all.pop_back();
        form.clearInstance();
        form.window.reset();
    }
}

void ShowModeless(QWidget *window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

void ShowModal(QWidget *window)
{
    if (!window)
        return;
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        dialog->exec();
        return;
    }
    const Qt::WindowModality before = window->windowModality();
    window->setWindowModality(Qt::ApplicationModal);
    QPointer<QWidget> guard(window);
    QEventLoop loop;
    struct HideWatcher : QObject {
        QEventLoop *loop;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Hide)
                loop->quit();
            return false;
        }
    } watcher;
    watcher.loop = &loop;
    window->installEventFilter(&watcher);
    window->show();
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
    if (guard) {
        guard->removeEventFilter(&watcher);
        guard->setWindowModality(before);
    }
}
