#include "Entities/Language/InterfaceLanguage.h"
#include "Entities/Language/StartLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "frmMainIDE.h"
#include "model/MemoryTuning.h"
#include "workspace/creators/KindTable.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

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

QtMessageHandler g_toolkitHandler = nullptr;

// The display the platform would open: the one its variable names, or the toolkit's default one.
QString displayName(const QString &n_platform)
{
    const char *variable = n_platform.startsWith(QLatin1String("wayland")) ? "WAYLAND_DISPLAY"
                                                                           : "DISPLAY";
    return QString::fromLocal8Bit(qgetenv(variable));
}

// Says which display failed and how to start the program, in the system's language. Runs while
// the application object is being made, so no translator can be installed yet: the catalogue is
// asked directly.
void reportDisplayFailure()
{
    const QString platform = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
                                 ? QStringLiteral("xcb")
                                 : QString::fromLocal8Bit(qgetenv("QT_QPA_PLATFORM"));
    const ErrorDictionary &dictionary = ErrorDictionary::Instance();
    const QString source = dictionary.getErrorById(dictionary.getOstraIDEBeginKey()
                                                   + ErrorDictionary::ERROR_IDE_NO_DISPLAY);
    QTranslator catalogue;
    QString text;
    if (catalogue.load(StartLanguage::catalogueFor(QLocale::system()),
                       QStringLiteral(":/translation")))
        text = catalogue.translate("QObject", source.toUtf8().constData());
    if (text.isEmpty())
        text = source;
    const QString line = QStringLiteral("TORVA: ") + text.arg(displayName(platform), platform)
                         + QLatin1Char('\n');
    std::fputs(line.toUtf8().constData(), stderr);
    std::fflush(stderr);
}

// Stands in for the toolkit's handler while the application object is made: a fatal message then
// means the platform could not open its display, and the toolkit would abort.
void startUpMessageHandler(QtMsgType n_type, const QMessageLogContext &n_context,
                           const QString &n_text)
{
    if (n_type == QtFatalMsg) {
        reportDisplayFailure();
        std::_Exit(2);
    }
    if (g_toolkitHandler)
        g_toolkitHandler(n_type, n_context, n_text);
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
    MemoryTuning::apply();
    g_toolkitHandler = qInstallMessageHandler(startUpMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(g_toolkitHandler);
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
