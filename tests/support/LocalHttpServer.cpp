#include "support/LocalHttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>

LocalHttpServer::LocalHttpServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [this, socket] { serve(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString LocalHttpServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

QByteArray LocalHttpServer::answer(int status, const QByteArray& body,
                                   const QByteArray& extraHeaders)
{
    return "HTTP/1.1 " + QByteArray::number(status) + " Canned\r\n" +
           "Content-Type: text/plain\r\n" + "Content-Length: " + QByteArray::number(body.size()) +
           "\r\n" + extraHeaders + "Connection: close\r\n\r\n" + body;
}

void LocalHttpServer::setAnswer(const QString& path, const QByteArray& rawAnswer)
{
    m_answers.insert(path, rawAnswer);
}

void LocalHttpServer::setStalledAnswer(const QString& path, const QByteArray& rawStart)
{
    m_stalledAnswers.insert(path, rawStart);
}

void LocalHttpServer::serve(QTcpSocket* socket)
{
    // The request so far is kept on the socket until its head is complete.
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    const qsizetype headEnd = request.indexOf("\r\n\r\n");
    if (headEnd < 0 || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    m_lastRequestHead = request.left(headEnd);

    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = requestLine.size() >= 2 ? QString::fromLatin1(requestLine[1]) : QString();
    m_requestedPaths << path;
    if (const auto stalled = m_stalledAnswers.constFind(path);
        stalled != m_stalledAnswers.constEnd()) {
        socket->write(*stalled);
        return;
    }
    const auto found = m_answers.constFind(path);
    if (found == m_answers.constEnd())
        return;
    socket->write(*found);
    socket->disconnectFromHost();
}

quint16 LocalHttpServer::refusedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
