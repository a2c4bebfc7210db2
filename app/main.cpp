#include "app/MainWindow.h"
#include "app/OpenRequests.h"
#include "app/StartUp.h"
#include "core/PdfWorker.h"
#include "i18n/LanguageTable.h"
#include "settings/AppSettings.h"
#include "theme/ThemePalette.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    using namespace dovrix;

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

    int exitCode = 0;
    {
        MainWindow window;
        window.show();
        const OpenRequestList opened = openRequestsFromArguments(
            QCoreApplication::arguments().mid(1), {QStringLiteral("ocr-page")});
        for (const QString& error : opened.errors)
            std::fprintf(stderr, "dovrix: %s\n", qPrintable(error));
        for (const OpenRequest& request : opened.requests)
            window.openRequest(request);
        if (parser.isSet(QStringLiteral("ocr-page")))
            window.ocrPageWhenReady(
                ocrPageIndexFromOption(parser.value(QStringLiteral("ocr-page"))));
        exitCode = QApplication::exec();
    }
    // A job hung inside the PDF engine must not keep the process alive; settings and annotations
    // have been written synchronously by now.
    if (PdfWorker::abandonedRunningJob())
        std::_Exit(exitCode);
    return exitCode;
}
