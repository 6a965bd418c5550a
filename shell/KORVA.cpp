#include "KORVA_Forms.h"
#include "KULLANICI_GIRISI_PENCERE1.h"
#include "KorvaApplication.h"

int main(int argc, char **argv)
{
    KorvaApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    CreateForms();
    QObject::connect(KULLANICI_GIRISI_PENCERE, &TKULLANICI_GIRISI_PENCERE::Closed, &app,
                     [] { QCoreApplication::exit(0); });
    KULLANICI_GIRISI_PENCERE->show();
    const int result = app.exec();
    DestroyForms();
    return result;
}
