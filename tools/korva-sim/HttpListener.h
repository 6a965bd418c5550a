#pragma once
// A small HTTP/1.1 server on 127.0.0.1, plain or TLS, enough for SOAP clients: keep-alive,
// Content-Length bodies, a body size limit checked before the body is read, and an optional
// delay before every answer.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSslConfiguration>
#include <QString>

#include <functional>
#include <memory>

class QTcpServer;
class QTcpSocket;

struct HttpRequest {
    QByteArray method;
    QString path;
    QString query;
    QList<QPair<QByteArray, QByteArray>> headers; // names in lower case
    QByteArray body;
    bool bodyTooLarge = false; // the body was not read: its announced length passes the limit

    QByteArray header(const QByteArray &lowerCaseName) const;
};

struct HttpResponse {
    int status = 200;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
};

class HttpListener : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<HttpResponse(const HttpRequest &)>;

    HttpListener(Handler handler, qint64 maxBodyBytes, int delayMs, QObject *parent = nullptr);
    ~HttpListener() override;

    // An empty configuration listens in plain HTTP. Port 0 picks a free port.
    bool listen(quint16 port, const QSslConfiguration &tls, QString *error);
    quint16 port() const;

private:
    void acceptConnections();
    void serve(QTcpSocket *socket);

    Handler handler_;
    qint64 maxBodyBytes_;
    int delayMs_;
    std::unique_ptr<QTcpServer> server_;
};
