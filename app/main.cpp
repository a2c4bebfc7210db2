#include "app/MainWindow.h"
#include "app/OpenRequests.h"
#include "app/SelfTest.h"
#include "app/SingleInstance.h"
#include "app/StartUp.h"
#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "core/ProcessMemory.h"
#include "core/RawFilePath.h"
#include "i18n/LanguageTable.h"
#include "settings/AppSettings.h"
#include "theme/ThemePalette.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    using namespace dovrix;
    returnLargeBuffersToTheSystem();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (asksForTextOnly(arguments)) {
        QCoreApplication app(argc, argv);
        setApplicationIdentity();
        installLanguage(helpLanguage());
        QCommandLineParser parser;
        defineCommandLine(parser);
        parser.process(app); // prints the text and ends the process
        return 0;
    }
    // The self-test opens no window: it needs no display either.
    if (arguments.contains(QStringLiteral("--self-test"))
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    setApplicationIdentity();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(applicationIcon());
    {
        AppSettings settings;
        installLanguage(settings.language());
    }
    app.setStyleSheet(buildStyleSheet(themePalette(ThemeLight)));

    QCommandLineParser parser;
    defineCommandLine(parser);
    parser.process(app);

    {
        // The engine of this run: the command line's, else the setting's.
        const QString chosen = parser.isSet(QStringLiteral("engine"))
                                   ? parser.value(QStringLiteral("engine"))
                                   : AppSettings().pdfEngine();
        EngineKind engine = EngineKind::MuPdf;
        if (!engineFromName(chosen, &engine)) {
            std::fprintf(stderr, "dovrix: unknown engine \"%s\" (mupdf or qtpdf)\n",
                         qPrintable(chosen));
            if (parser.isSet(QStringLiteral("engine")))
                return 2;
        }
        PdfDocument::setPreferredEngine(engine);
    }

    if (parser.isSet(QStringLiteral("self-test"))) {
        QTextStream out(stdout);
        return runSelfTest(out);
    }

    // The application has taken its own options out of argv: what is left are the bytes of
    // arguments(), among them file names that a QString cannot spell.
    QList<QByteArray> rawArguments;
    for (int i = 1; i < argc; ++i)
        rawArguments.append(QByteArray(argv[i]));
    const OpenRequestList opened = openRequestsFromArguments(
        QCoreApplication::arguments().mid(1),
        {QStringLiteral("ocr-page"), QStringLiteral("engine")}, rawArguments);
    for (const QString& error : opened.errors)
        std::fprintf(stderr, "dovrix: %s\n", qPrintable(error));
    const int ocrPage = parser.isSet(QStringLiteral("ocr-page"))
                            ? ocrPageIndexFromOption(parser.value(QStringLiteral("ocr-page")))
                            : -1;

    // A window of this user is running already: it opens the files (and applies what was asked
    // for each, and recognises the page) in new tabs, and this process ends. Relative paths are
    // resolved here, against our folder.
    SingleInstance instance(SingleInstance::defaultSocketPath());
    HandOver request{opened.requests, ocrPage};
    for (OpenRequest& open : request.requests) {
        // Bytes travel as bytes: the running window opens them itself.
        if (!open.rawPath.isEmpty())
            open.rawPath = RawFilePath::absolute(open.rawPath);
        open.path = open.rawPath.isEmpty() ? QFileInfo(open.path).absoluteFilePath()
                                           : QFile::decodeName(open.rawPath);
        if (open.forward.line > 0)
            open.forward.file = QFileInfo(open.forward.file).absoluteFilePath();
    }
    switch (instance.start(request)) {
    case SingleInstance::Role::HandedOver:
        return 0;
    case SingleInstance::Role::Refused:
        std::fprintf(stderr, "dovrix: %s\n", qPrintable(SingleInstance::refusalMessage()));
        return 1;
    case SingleInstance::Role::Serving:
    case SingleInstance::Role::Alone:
        break;
    }

    // The file probe waits ready while the window is built, so that the first file is checked
    // without starting a process for it.
    DocumentController::prepareProbe();

    int exitCode = 0;
    {
        MainWindow window;
        window.show();
        const auto openAll = [&window](const QList<OpenRequest>& requests, int page) {
            for (const OpenRequest& open : requests)
                window.openRequest(open);
            if (page >= 0)
                window.ocrPageWhenReady(page);
        };
        openAll(opened.requests, ocrPage);
        QObject::connect(&instance, &SingleInstance::received, &window,
                         [&window, openAll](const QList<OpenRequest>& handed, int page) {
                             openAll(handed, page);
                             window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
                             window.raise();
                             window.activateWindow();
                         });
        exitCode = QApplication::exec();
    }
    // A job hung inside the PDF engine must not keep the process alive; settings and annotations
    // have been written synchronously by now.
    if (PdfWorker::abandonedRunningJob())
        std::_Exit(exitCode);
    return exitCode;
}
