#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A tiny HTTP server on 127.0.0.1 for download tests. Each path has a canned
// answer written verbatim, after which the connection closes; a path without
// one is never answered, like a server that hangs. It runs in the thread
// that made it, so that thread's event loop must turn while a request is on.
class LocalHttpServer {
public:
    LocalHttpServer();

    QString url(const QString& path) const;
    // An answer with the given status, a Content-Length matching the body
    // and any extra header lines ("Name: value\r\n").
    static QByteArray answer(int status, const QByteArray& body,
                             const QByteArray& extraHeaders = QByteArray());
    void setAnswer(const QString& path, const QByteArray& rawAnswer)
    {
        m_answers.insert(path, rawAnswer);
    }

    // The head of the last request received, request line and headers.
    QByteArray lastRequestHead() const { return m_lastRequestHead; }

    // A port on which nothing listens.
    static quint16 refusedPort();

private:
    void serve(QTcpSocket* socket);

    QTcpServer m_server;
    QHash<QString, QByteArray> m_answers;
    QByteArray m_lastRequestHead;
};
