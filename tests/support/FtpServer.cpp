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
    start(arguments);
}

// Answers one session at a time; a download gets its first bytes and 426.
static const char* const CutShortProgram = R"py(
import socket, sys
s = socket.create_server(('127.0.0.1', 0))
print('starting FTP server on 127.0.0.1:%d' % s.getsockname()[1], file=sys.stderr, flush=True)
plain = {'USER': '331 password please', 'PASS': '230 logged in', 'PWD': '257 "/"',
         'CWD': '250 ok', 'TYPE': '200 ok', 'SIZE': '213 1000'}
while True:
    c, data = s.accept()[0], None
    say = lambda line: c.sendall(line.encode() + b'\r\n')
    try:
        say('220 ready')
        for line in c.makefile('rb'):
            verb = (line.split() or [b''])[0].decode().upper()
            if verb in ('EPSV', 'PASV'):
                data = socket.create_server(('127.0.0.1', 0))
                data.settimeout(10)
                p = data.getsockname()[1]
                say('229 Entering Extended Passive Mode (|||%d|)' % p if verb == 'EPSV' else
                    '227 Entering Passive Mode (127,0,0,1,%d,%d)' % (p // 256, p % 256))
            elif verb == 'RETR' and data:
                say('150 Opening data connection (1000 bytes)')
                d = data.accept()[0]
                d.sendall(b'1\r\n00:00:01,000 --> 00:0')
                d.close()
                say('426 Connection closed; transfer aborted.')
            elif verb == 'QUIT':
                say('221 bye')
                break
            else:
                say(plain.get(verb, '502 not here'))
    except OSError:
        pass
    c.close()
)py";

FtpServer::FtpServer(CutShort) {
    start({QStringLiteral("-c"), QString::fromLatin1(CutShortProgram)});
}

// Each session in a thread of its own; a session that reaches the silent
// reply says so and then only reads.
static const char* const SilentProgram = R"py(
import os, socket, sys, threading, time
where, root = sys.argv[1], sys.argv[2]
s = socket.create_server(('127.0.0.1', 0))
print('starting FTP server on 127.0.0.1:%d' % s.getsockname()[1], file=sys.stderr, flush=True)
def session(c):
    data = None
    def say(point, line):
        if point == where:
            print('silent at ' + point, file=sys.stderr, flush=True)
            while c.recv(4096): pass
            raise OSError
        c.sendall(line.encode() + b'\r\n')
    try:
        say('greeting', '220 ready')
        for line in c.makefile('rb'):
            words = line.decode().split()
            verb, arg = (words or [''])[0].upper(), ' '.join(words[1:])
            path = os.path.join(root, os.path.basename(arg))
            if verb == 'PASS' and where == 'refuse':
                say('none', '530 Login incorrect.')
            elif verb in ('USER', 'PASS'):
                say('login', '331 password please' if verb == 'USER' else '230 logged in')
            elif verb in ('EPSV', 'PASV'):
                data = socket.create_server(('127.0.0.1', 0))
                p = data.getsockname()[1]
                say('passive', '229 Entering Extended Passive Mode (|||%d|)' % p if verb == 'EPSV'
                    else '227 Entering Passive Mode (127,0,0,1,%d,%d)' % (p // 256, p % 256))
            elif verb == 'SIZE':
                say('size', '213 %d' % os.path.getsize(path) if os.path.exists(path)
                    else '550 no such file')
            elif verb == 'RETR' and data:
                if not os.path.exists(path):
                    say('none', '550 no such file')
                    continue
                say('start', '150 sending')
                d = data.accept()[0]
                d.sendall(open(path, 'rb').read())
                d.close()
                say('downloaded', '226 done')
            elif verb == 'STOR' and data:
                say('start', '150 go ahead')
                d, f = data.accept()[0], open(path, 'wb')
                while True:
                    chunk = d.recv(4096)
                    if not chunk: break
                    f.write(chunk)
                    f.flush()
                    time.sleep(0.1)
                f.close()
                d.close()
                say('uploaded', '226 stored')
            elif verb == 'DELE':
                if where != 'dele' and os.path.exists(path): os.remove(path)
                say('dele', '250 deleted')
            elif verb == 'QUIT':
                say('none', '221 bye')
                break
            else:
                say('none', {'PWD': '257 "/"', 'CWD': '250 ok', 'TYPE': '200 ok'}.get(verb, '502 no'))
    except OSError:
        pass
    c.close()
while True:
    threading.Thread(target=session, args=(s.accept()[0],), daemon=True).start()
)py";

const char* const FtpServer::SilentPoints[8] = {"greeting", "login",      "passive",  "size",
                                                "start",    "downloaded", "uploaded", "dele"};

FtpServer::FtpServer(SilentAt silent) {
    start({QStringLiteral("-c"), QString::fromLatin1(SilentProgram),
           QString::fromLatin1(silent.where), dir_.path()});
}

int FtpServer::timesSaid(const QByteArray& text) {
    said_ += process_.readAllStandardError();
    return int(said_.count(text));
}

static const char* const ThrottledProgram = R"py(
import sys
from pyftpdlib import authorizers, handlers as h, servers
h.FTPHandler.authorizer = authorizers.DummyAuthorizer()
h.FTPHandler.authorizer.add_anonymous(sys.argv[1], perm=sys.argv[2])
h.ThrottledDTPHandler.read_limit = h.ThrottledDTPHandler.write_limit = int(sys.argv[3])
h.FTPHandler.dtp_handler = h.ThrottledDTPHandler
server = servers.FTPServer(('127.0.0.1', 0), h.FTPHandler)
print('starting FTP server on 127.0.0.1:%d' % server.address[1], file=sys.stderr, flush=True)
server.serve_forever()
)py";

FtpServer::FtpServer(int bytesPerSecond, const char* perm) {
    start({QStringLiteral("-c"), QString::fromLatin1(ThrottledProgram), dir_.path(),
           QString::fromLatin1(perm), QString::number(bytesPerSecond)});
}

void FtpServer::start(const QStringList& arguments) {
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
