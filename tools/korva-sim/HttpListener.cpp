#include "HttpListener.h"

#include <QHostAddress>
#include <QPointer>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTimer>
#include <QUrl>

namespace {

constexpr qsizetype MaxHeaderBytes = 64 * 1024;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 411: return "Length Required";
    case 431: return "Request Header Fields Too Large";
    case 500: return "Internal Server Error";
    default: return "Unknown";
    }
}

// The state of one client connection: bytes gathered until a whole request is there.
class Connection : public QObject {
public:
    Connection(QTcpSocket *socket, const HttpListener::Handler &handler, qint64 maxBodyBytes, int delayMs)
        : QObject(socket), socket_(socket), handler_(handler), maxBodyBytes_(maxBodyBytes), delayMs_(delayMs)
    {
        connect(socket, &QTcpSocket::readyRead, this, &Connection::readMore);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        readMore();
    }

private:
    void readMore()
    {
        buffer_ += socket_->readAll();
        while (!busy_ && parseOne()) {
        }
    }

    // Takes one whole request off the buffer and answers it; false when more bytes are needed.
    bool parseOne()
    {
        const qsizetype headerEnd = buffer_.indexOf("\r\n\r\n");
        if (headerEnd < 0) {
            if (buffer_.size() > MaxHeaderBytes)
                fail(431);
            return false;
        }
        HttpRequest request;
        const QList<QByteArray> lines = buffer_.left(headerEnd).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        if (requestLine.size() != 3 || !requestLine[2].startsWith("HTTP/1.")) {
            fail(400);
            return false;
        }
        request.method = requestLine[0];
        const QUrl target(QString::fromLatin1("http://127.0.0.1") + QString::fromLatin1(requestLine[1]));
        request.path = target.path();
        request.query = target.query();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines[i].trimmed();
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0)
                continue;
            request.headers.append({line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()});
        }
        if (!request.header("transfer-encoding").isEmpty()) {
            fail(411);
            return false;
        }
        bool lengthOk = true;
        const QByteArray lengthText = request.header("content-length");
        const qint64 length = lengthText.isEmpty() ? 0 : lengthText.toLongLong(&lengthOk);
        if (!lengthOk || length < 0) {
            fail(400);
            return false;
        }
        keepAlive_ = request.header("connection").toLower() != "close" && requestLine[2] == "HTTP/1.1";
        if (length > maxBodyBytes_) {
            // The body stays unread, so the connection cannot carry another request.
            request.bodyTooLarge = true;
            keepAlive_ = false;
            buffer_.clear();
            answer(handler_(request));
            return false;
        }
        const qsizetype bodyStart = headerEnd + 4;
        if (buffer_.size() - bodyStart < length)
            return false;
        request.body = buffer_.mid(bodyStart, length);
        buffer_.remove(0, bodyStart + length);
        answer(handler_(request));
        return true;
    }

    void fail(int status)
    {
        keepAlive_ = false;
        buffer_.clear();
        HttpResponse response;
        response.status = status;
        response.headers.append({"Content-Type", "text/plain; charset=utf-8"});
        response.body = reasonPhrase(status);
        answer(response);
    }

    void answer(const HttpResponse &response)
    {
        QByteArray bytes = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status) + "\r\n";
        for (const auto &[name, value] : response.headers)
            bytes += name + ": " + value + "\r\n";
        bytes += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        bytes += keepAlive_ ? "Connection: keep-alive\r\n" : "Connection: close\r\n";
        bytes += "\r\n" + response.body;
        const bool close = !keepAlive_;
        busy_ = true;
        auto send = [this, bytes, close] {
            socket_->write(bytes);
            busy_ = false;
            if (close)
                socket_->disconnectFromHost();
            else if (!buffer_.isEmpty())
                QTimer::singleShot(0, this, &Connection::readMore);
        };
        if (delayMs_ > 0)
            QTimer::singleShot(delayMs_, this, send);
        else
            send();
    }

    QTcpSocket *socket_;
    const HttpListener::Handler &handler_;
    qint64 maxBodyBytes_;
    int delayMs_;
    QByteArray buffer_;
    bool busy_ = false;
    bool keepAlive_ = true;
};

} // namespace

QByteArray HttpRequest::header(const QByteArray &lowerCaseName) const
{
    for (const auto &[name, value] : headers)
        if (name == lowerCaseName)
            return value;
    return {};
}

HttpListener::HttpListener(Handler handler, qint64 maxBodyBytes, int delayMs, QObject *parent)
    : QObject(parent), handler_(std::move(handler)), maxBodyBytes_(maxBodyBytes), delayMs_(delayMs)
{
}

HttpListener::~HttpListener() = default;

bool HttpListener::listen(quint16 port, const QSslConfiguration &tls, QString *error)
{
    if (tls.localCertificate().isNull()) {
        server_ = std::make_unique<QTcpServer>();
    } else {
        auto sslServer = std::make_unique<QSslServer>();
        sslServer->setSslConfiguration(tls);
        server_ = std::move(sslServer);
    }
    connect(server_.get(), &QTcpServer::pendingConnectionAvailable, this, &HttpListener::acceptConnections);
    if (!server_->listen(QHostAddress::LocalHost, port)) {
        if (error)
            *error = server_->errorString();
        server_.reset();
        return false;
    }
    return true;
}

quint16 HttpListener::port() const
{
    return server_ ? server_->serverPort() : 0;
}

void HttpListener::acceptConnections()
{
    while (QTcpSocket *socket = server_->nextPendingConnection())
        serve(socket);
}

void HttpListener::serve(QTcpSocket *socket)
{
    // Sockets are children of the server and go with it; a closed one deletes itself.
    new Connection(socket, handler_, maxBodyBytes_, delayMs_);
}
