#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
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
    void setAnswer(const QString& path, const QByteArray& rawAnswer);
    // Sends the start of an answer and then nothing more, keeping the
    // connection open: a server that stalls halfway.
    void setStalledAnswer(const QString& path, const QByteArray& rawStart);

    // The head of the last request received, request line and headers.
    QByteArray lastRequestHead() const { return m_lastRequestHead; }
    // The path of every request received, in order.
    QStringList requestedPaths() const { return m_requestedPaths; }

    // A port on which nothing listens.
    static quint16 refusedPort();

private:
    void serve(QTcpSocket* socket);

    QTcpServer m_server;
    QHash<QString, QByteArray> m_answers;
    QHash<QString, QByteArray> m_stalledAnswers;
    QByteArray m_lastRequestHead;
    QStringList m_requestedPaths;
};
