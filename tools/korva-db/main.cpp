// korva-db: makes the program's database. The program itself never creates one.

#include "KorvaDb.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

QString usage()
{
    return QStringLiteral(
               "Kullanım:\n"
               "  korva-db create DOSYA [--demo]   SQLite veritabanı oluşturur (altı tablo)\n"
               "  korva-db sqlserver-script        SQL Server için T-SQL betiğini yazar\n"
               "  korva-db --help                  bu metni gösterir\n"
               "\n"
               "--demo şu tanıtım verilerini ekler:\n"
               "  kullanıcılar: şifre \"%1\" (Admin yetkisi), şifre \"%2\" (Kullanıcı)\n"
               "  AYARLAR: yerel deneme servisi %3\n"
               "           servis kullanıcısı \"%4\", şifresi \"%5\"\n"
               "  örnek firmalar ve araçlar, bütün ülkeler, 81 il ve büyük illerin ilçeleri\n")
        .arg(KorvaDb::DemoAdminPassword, KorvaDb::DemoUserPassword, KorvaDb::DemoServiceLink,
             KorvaDb::DemoServiceUser, KorvaDb::DemoServicePassword);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);

    if (args.isEmpty() || args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        (args.isEmpty() ? err : out) << usage();
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    if (command == QStringLiteral("sqlserver-script") && args.isEmpty()) {
        out << KorvaDb::sqlServerScript();
        return 0;
    }
    if (command == QStringLiteral("create")) {
        const bool demo = args.removeAll(QStringLiteral("--demo")) > 0;
        if (args.size() == 1 && !args.front().startsWith(QStringLiteral("--"))) {
            QString error;
            if (!KorvaDb::createDatabase(args.front(), demo, &error)) {
                err << "korva-db: " << error << "\n";
                return 1;
            }
            out << args.front() << (demo ? " (tanıtım verileriyle)" : "") << " oluşturuldu.\n";
            return 0;
        }
    }
    err << usage();
    return 2;
}
