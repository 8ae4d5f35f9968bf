// Mirel as a whole process, as a user starts it with the largest file a
// document takes (a SubRip file of 9,998 entries): the time from the start
// to the main window on the screen, the process's peak memory then (the
// player unused), and the time from closing the main window to the end of
// the process. Needs an X display (xvfb-run -a); each run is one start:
//   xvfb-run -a build/release/bench/mirel_bench --benchmark_filter=Launch
//       --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// MIREL_BENCH_WRAPPER names a command the program is started under (a profiler).

#include "LoadBench.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

// Copies the program folder template, so a run keeps its state files apart.
bool copyTree(const QString& from, const QString& to) {
    QDir source(from);
    if (!QDir().mkpath(to)) return false;
    for (const QFileInfo& e : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(e.fileName());
        if (e.isDir() ? !copyTree(e.filePath(), target) : !QFile::copy(e.filePath(), target))
            return false;
    }
    return true;
}

// The peak resident memory of a running process, in kB (0 when unknown).
double peakKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble();
    return 0;
}

// The CPU time a running process has used so far, in seconds (all its threads).
double cpuSeconds(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray text = stat.readAll();
    // The fields after the name in parentheses: utime and stime are the 12th and 13th.
    const QList<QByteArray> f = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return f.size() > 12 ? (f[11].toDouble() + f[12].toDouble()) / sysconf(_SC_CLK_TCK) : 0;
}

// Watches the display for top-level windows being mapped.
class Display {
public:
    Display() {
        c_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c_)) return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        wmProtocols_ = atom("WM_PROTOCOLS");
        wmDelete_ = atom("WM_DELETE_WINDOW");
        xcb_flush(c_);
        ok_ = true;
    }
    ~Display() { xcb_disconnect(c_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;
    bool ok() const { return ok_; }

    // The next mapped top-level window whose title holds `title`, or 0 after
    // `ms` milliseconds.
    xcb_window_t waitForWindow(const QByteArray& title, int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            xcb_generic_event_t* e = xcb_poll_for_event(c_);
            if (!e) {
                sleepUs(200);
                continue;
            }
            xcb_window_t mapped = 0;
            if ((e->response_type & ~0x80) == XCB_MAP_NOTIFY)
                mapped = reinterpret_cast<xcb_map_notify_event_t*>(e)->window;
            std::free(e);
            if (mapped && name(mapped).contains(title)) return mapped;
        }
        return 0;
    }
    // Closes the window as its close box does.
    void close(xcb_window_t w) {
        xcb_client_message_event_t m{};
        m.response_type = XCB_CLIENT_MESSAGE;
        m.format = 32;
        m.window = w;
        m.type = wmProtocols_;
        m.data.data32[0] = wmDelete_;
        m.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(c_, false, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&m));
        xcb_flush(c_);
    }

private:
    static void sleepUs(int us) {
        timespec t{0, us * 1000L};
        nanosleep(&t, nullptr);
    }
    xcb_atom_t atom(const char* name) {
        auto cookie = xcb_intern_atom(c_, 0, static_cast<uint16_t>(std::strlen(name)), name);
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c_, cookie, nullptr);
        const xcb_atom_t a = r ? r->atom : 0;
        std::free(r);
        return a;
    }
    QByteArray name(xcb_window_t w) {
        auto cookie =
            xcb_get_property(c_, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        xcb_get_property_reply_t* r = xcb_get_property_reply(c_, cookie, nullptr);
        QByteArray out;
        if (r)
            out = QByteArray(static_cast<const char*>(xcb_get_property_value(r)),
                             xcb_get_property_value_length(r));
        std::free(r);
        return out;
    }

    xcb_connection_t* c_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t wmProtocols_ = 0, wmDelete_ = 0;
    bool ok_ = false;
};

// A mono 16-bit WAV of a 440 Hz tone, `seconds` long.
QByteArray ToneWav(int seconds) {
    const int rate = 8000, samples = rate * seconds;
    QByteArray data(samples * 2, '\0');
    for (int i = 0; i < samples; ++i) {
        const auto v = static_cast<qint16>(8000 * ((i * 440 / rate) % 2 ? 1 : -1));
        data[2 * i] = static_cast<char>(v & 0xff);
        data[2 * i + 1] = static_cast<char>((v >> 8) & 0xff);
    }
    const auto le = [](quint32 v, int n) {
        QByteArray b;
        for (int i = 0; i < n; ++i)
            b += static_cast<char>((v >> (8 * i)) & 0xff);
        return b;
    };
    return "RIFF" + le(36 + data.size(), 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
           le(rate, 4) + le(rate * 2, 4) + le(2, 2) + le(16, 2) + "data" + le(data.size(), 4) +
           data;
}

// One start per iteration: launch with the file -> main window mapped, the
// peak memory once the window is up and the start has settled, and the
// close -> process end.
void Launch(benchmark::State& state, const QString& fileName, const QByteArray& bytes) {
    if (qgetenv("DISPLAY").isEmpty()) {
        state.SkipWithError("needs an X display (run under xvfb-run -a)");
        return;
    }
    // One connection for all runs: the X server is not reset between them.
    static Display display;
    if (!display.ok()) {
        state.SkipWithError("cannot connect to the display");
        return;
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(fileName);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) < 0) {
        state.SkipWithError("cannot write the file");
        return;
    }
    out.close();
    double launchS = 0, launchCpuS = 0, peakMb = 0, exitS = 0;
    int runs = 0;
    for (auto _ : state) {
        const QString home = dir.filePath(QStringLiteral("home%1").arg(runs));
        state.PauseTiming();
        const bool copied = copyTree(QStringLiteral(MIREL_DIST_DIR), home);
        state.ResumeTiming();
        if (!copied) {
            state.SkipWithError("cannot copy the program folder");
            return;
        }
        QProcess mirel;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MIREL_HOME"), home);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        mirel.setProcessEnvironment(env);
        mirel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        // MIREL_BENCH_WRAPPER="perf record -g -o exit.data" profiles the runs.
        QStringList command = QString::fromLocal8Bit(qgetenv("MIREL_BENCH_WRAPPER"))
                                  .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        command << QStringLiteral(MIREL_PROGRAM) << file;
        mirel.start(command.takeFirst(), command);
        const xcb_window_t window = display.waitForWindow("Mirel", 20000);
        const double launched = clock.nsecsElapsed() / 1e9;
        const double launchCpu = cpuSeconds(mirel.processId());
        state.SetIterationTime(launched);
        if (!window) {
            mirel.kill();
            mirel.waitForFinished();
            state.SkipWithError("the main window did not show");
            return;
        }
        state.PauseTiming();
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 500)
            mirel.waitForFinished(50);
        const double peak = peakKb(mirel.processId()) / 1024.0;
        clock.restart();
        display.close(window);
        const bool ended = mirel.waitForFinished(20000);
        const double exited = clock.nsecsElapsed() / 1e9;
        state.ResumeTiming();
        if (!ended) {
            mirel.kill();
            mirel.waitForFinished();
            state.SkipWithError("the process did not end after its window closed");
            return;
        }
        launchS += launched;
        launchCpuS += launchCpu;
        peakMb += peak;
        exitS += exited;
        ++runs;
    }
    state.counters["launch_s"] = launchS / runs;
    state.counters["launch_cpu_s"] = launchCpuS / runs;
    state.counters["peak_MB"] = peakMb / runs;
    state.counters["exit_s"] = exitS / runs;
}

void LaunchWithSubRip9998ToWindow(benchmark::State& state) {
    Launch(state, QStringLiteral("large.srt"), LargeSubRipBytes());
}
BENCHMARK(LaunchWithSubRip9998ToWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The same with a sound, which the start opens in the player: the player's
// cost and its part of the exit.
void LaunchWithSoundInThePlayer(benchmark::State& state) {
    Launch(state, QStringLiteral("tone.wav"), ToneWav(60));
}
BENCHMARK(LaunchWithSoundInThePlayer)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
