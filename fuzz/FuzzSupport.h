#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

// Shared set-up of the fuzz targets: one application object for the whole process (the script
// engine's time limit is delivered through its event loop), the debug output silenced (the lenient
// readers warn on every unreadable text and would drown the fuzzer's own output), and the input
// bytes taken as UTF-8 text, as a model file is.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

inline void silentMessageHandler(QtMsgType, const QMessageLogContext &, const QString &)
{
}

inline void initApplication(int *argc, char ***argv)
{
    qputenv("QT_HASH_SEED", "0");
    qInstallMessageHandler(silentMessageHandler);
    // Lives until the process ends, as in the program.
    static QCoreApplication *application = new QCoreApplication(*argc, *argv);
    Q_UNUSED(application);
}

inline QString toText(const uint8_t *n_data, size_t n_size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(n_data), static_cast<int>(n_size));
}

// A broken invariant is a finding: abort so that libFuzzer records the input.
inline void require(bool n_condition, const char *n_what)
{
    if (!n_condition) {
        std::fprintf(stderr, "fuzz invariant broken: %s\n", n_what);
        std::abort();
    }
}

} // namespace fuzzsupport

#endif // FUZZSUPPORT_H
