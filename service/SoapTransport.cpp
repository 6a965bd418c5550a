#include "SoapTransport.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QCursor>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QSslError>
#include <QUrl>

namespace korvaesya::soap {

namespace {

QList<QSslCertificate> extraAuthorities(const ServiceSettings &settings)
{
    const QString folder = settings.certificateDir.isEmpty()
                               ? QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("SERTIFIKALAR"))
                               : settings.certificateDir;
    QList<QSslCertificate> certificates;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray data = file.readAll();
        QList<QSslCertificate> found = QSslCertificate::fromData(data, QSsl::Pem);
        if (found.isEmpty())
            found = QSslCertificate::fromData(data, QSsl::Der);
        certificates += found;
    }
    return certificates;
}

QNetworkProxy proxyFor(const QString &text)
{
    if (text.trimmed().isEmpty())
        return QNetworkProxy(QNetworkProxy::NoProxy);
    const QUrl url = QUrl::fromUserInput(text.trimmed());
    return QNetworkProxy(QNetworkProxy::HttpProxy, url.host(), quint16(url.port(8080)));
}

// Calls never overlap: the event loop of one call must not start another.
bool callRunning = false;

class CallGuard {
public:
    CallGuard()
    {
        if (callRunning)
            throw SoapCallError(QStringLiteral("Önceki servis çağrısı henüz bitmedi"));
        callRunning = true;
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            m_cursor = true;
        }
    }
    ~CallGuard()
    {
        if (m_cursor)
            QGuiApplication::restoreOverrideCursor();
        callRunning = false;
    }
    CallGuard(const CallGuard &) = delete;
    CallGuard &operator=(const CallGuard &) = delete;

private:
    bool m_cursor = false;
};

} // namespace

HttpReply postSoapRequest(const ServiceSettings &settings, const QByteArray &soapAction, const QByteArray &body)
{
    CallGuard guard;
    QNetworkAccessManager manager;
    manager.setProxy(proxyFor(settings.proxy));

    QNetworkRequest request{QUrl(settings.url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/xml; charset=utf-8"));
    request.setRawHeader("SOAPAction", soapAction);
    request.setRawHeader("User-Agent", QByteArrayLiteral("KORVA-Otomasyonu/" KORVA_VERSION));
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setTransferTimeout(settings.transferTimeoutMs);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.addCaCertificates(extraAuthorities(settings));
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    request.setSslConfiguration(tls);

    const QString action = QString::fromUtf8(soapAction.mid(1, soapAction.size() - 2));
    std::unique_ptr<QNetworkReply> reply(manager.post(request, body));

    // The first challenge is answered; a second one means the credentials were refused, and
    // answering it again would loop.
    QObject::connect(&manager, &QNetworkAccessManager::authenticationRequired, &manager,
                     [&settings](QNetworkReply *r, QAuthenticator *authenticator) {
                         if (r->property("korvaAnswered").toBool())
                             return;
                         r->setProperty("korvaAnswered", true);
                         authenticator->setUser(settings.username);
                         authenticator->setPassword(settings.password);
                     });
    QStringList tlsErrors;
    QObject::connect(reply.get(), &QNetworkReply::sslErrors, reply.get(), [&tlsErrors](const QList<QSslError> &errors) {
        for (const QSslError &e : errors)
            tlsErrors << e.errorString();
    });

    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) {
        QString description;
        if (!tlsErrors.isEmpty())
            description = tlsErrors.join(QStringLiteral("; "));
        else if (reply->error() == QNetworkReply::OperationCanceledError)
            description = QStringLiteral("Servis zamanında yanıt vermedi (zaman aşımı)");
        else
            description = reply->errorString();
        throw SoapCallError(QStringLiteral("%1 - URL:%2 - SOAPAction:%3").arg(description, settings.url, action));
    }
    HttpReply out;
    out.status = status.toInt();
    if (out.status >= 300 && out.status != 500)
        throw SoapCallError(QStringLiteral("%1 (%2) - '%3'")
                                .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                                .arg(out.status)
                                .arg(settings.url));
    out.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    const QByteArray mediaType = out.contentType.split(';').first().trimmed().toLower();
    if (mediaType == "text/html" || mediaType == "text/plain")
        throw SoapCallError(QStringLiteral("Servis SOAP yerine '%1' türünde bir yanıt gönderdi - URL:%2")
                                .arg(QString::fromLatin1(mediaType), settings.url));
    out.body = reply->readAll();
    return out;
}

} // namespace korvaesya::soap
