#include "Entities/Language/InterfaceLanguage.h"
#include "frmMainIDE.h"
#include "workspace/creators/KindTable.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

// Without any display the toolkit aborts with a message about plugins; say plainly what is missing.
bool displayAvailable()
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

// The start-up configuration is looked up and read; its language value is not applied: the
// interface follows the system locale.
QString readDefaultLanguage()
{
    QString folder = QCoreApplication::applicationDirPath();
    const int bundle = folder.indexOf(QStringLiteral("TORVA.app"));
    if (bundle >= 0)
        folder = folder.left(qMax(0, bundle - 1));
    QFile file(folder + QStringLiteral("/DADozuvezivi.cfg"));
    if (!file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream stream(&file);
    while (!stream.atEnd()) {
        const QString line = stream.readLine();
        if (line.contains(QStringLiteral("DEFAULT_LANGUAGE")))
            return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    }
    return QString();
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fputs("TORVA: no display to show the window on: none of DISPLAY, WAYLAND_DISPLAY or "
                   "QT_QPA_PLATFORM is set. Start it in a desktop session, under xvfb-run, or with "
                   "QT_QPA_PLATFORM=offscreen.\n",
                   stderr);
        return 2;
    }
    // A table of page kinds with a kind twice or one missing is a build fault: say which and stop
    // before any page could be opened wrong.
    try {
        KindTable::standard();
    } catch (const std::invalid_argument &e) {
        std::fprintf(stderr, "TORVA: %s\n", e.what());
        return 3;
    }
    qSetGlobalQHashSeed(0);
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("2.1.1.0"));
    readDefaultLanguage();

    int status = 0;
    {
        frmMainIDE window(nullptr);
        window.show();
        QCoreApplication::processEvents();
        window.setWindowTitle(getMainTitle(false));
        status = QApplication::exec();
    }
    return status;
}
