#include "support/FtpServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

FtpServer::FtpServer(bool writable) {
    QStringList arguments = {QStringLiteral("-m"), QStringLiteral("pyftpdlib"),
                             QStringLiteral("-i"), QStringLiteral("127.0.0.1"),
                             QStringLiteral("-p"), QStringLiteral("0"),
                             QStringLiteral("-d"), dir_.path()};
    if (writable) arguments << QStringLiteral("-w");
    process_.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!process_.waitForStarted(5000)) return;
    // It names its port on its error channel once it listens.
    const QRegularExpression started(QStringLiteral("starting FTP server on [0-9.]+:(\\d+)"));
    QByteArray seen;
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && port_ == 0) {
        process_.waitForReadyRead(200);
        seen += process_.readAllStandardError();
        const QRegularExpressionMatch m = started.match(QString::fromUtf8(seen));
        if (m.hasMatch()) port_ = m.captured(1).toInt();
    }
}

FtpServer::~FtpServer() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

QString FtpServer::address() const {
    return QStringLiteral("ftp://127.0.0.1:%1").arg(port_);
}

void FtpServer::write(const QString& name, const QByteArray& bytes) const {
    QFile f(path(name));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray FtpServer::read(const QString& name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool FtpServer::exists(const QString& name) const {
    return QFile::exists(path(name));
}

bool runEventsUntil(const std::function<bool()>& done, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}
