#include "app/StartUp.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QSettings>

#include "i18n/LanguageTable.h"

namespace dovrix {

void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Dovrix"));
    QCoreApplication::setApplicationName(QStringLiteral("Dovrix"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(applicationVersionText));
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 256}) {
        const QString name = QStringLiteral(":/icons/Dovrix-%1.png").arg(size);
        if (QFile::exists(name))
            icon.addFile(name, QSize(size, size), QIcon::Normal, QIcon::Off);
    }
    return icon;
}

QString helpLanguage()
{
    // The settings file of the window (AppSettings), read before any of it exists.
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                             QCoreApplication::organizationName(),
                             QCoreApplication::applicationName());
    const QString stored = settings.value(QStringLiteral("prefs/language")).toString();
    return stored.isEmpty() ? languageForLocale(QLocale::system()) : stored;
}

void defineCommandLine(QCommandLineParser& parser)
{
    // The help option shows these in the installed interface language.
    const auto text = [](const char* source) {
        return QCoreApplication::translate("dovrix::StartUp", source);
    };
    parser.setApplicationDescription(text(QT_TRANSLATE_NOOP(
        "dovrix::StartUp", "Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。")));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 text(QT_TRANSLATE_NOOP("dovrix::StartUp", "要打开的 PDF 文件。")),
                                 QStringLiteral("[file]"));
    parser.addOption(QCommandLineOption(
        QStringList{QStringLiteral("ocr-page")},
        text(QT_TRANSLATE_NOOP("dovrix::StartUp", "文档打开后自动对指定页执行 OCR（调试/CI）。")),
        QStringLiteral("page")));
    // These apply to every file named after them (see openRequestsFromArguments).
    parser.addOption(QCommandLineOption(
        QStringList{QStringLiteral("page")},
        text(QT_TRANSLATE_NOOP("dovrix::StartUp",
                               "打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。")),
        QStringLiteral("page")));
    parser.addOption(QCommandLineOption(
        QStringList{QStringLiteral("find")},
        text(QT_TRANSLATE_NOOP("dovrix::StartUp", "打开后搜索此文本，并转到第一处命中。")),
        QStringLiteral("text")));
    parser.addOption(QCommandLineOption(
        QStringList{QStringLiteral("synctex-forward")},
        text(QT_TRANSLATE_NOOP("dovrix::StartUp",
                               "SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。")),
        QStringLiteral("line:column:texfile")));
    parser.addOption(QCommandLineOption(
        QStringList{QStringLiteral("engine")},
        text(QT_TRANSLATE_NOOP(
            "dovrix::StartUp",
            "用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。")),
        QStringLiteral("mupdf|qtpdf")));
    // Checks the installed files without a window (see SelfTest.h); not shown by the help option.
    QCommandLineOption selfTest(QStringList{QStringLiteral("self-test")},
                                QStringLiteral("检查探测程序与 OCR 文件后退出。"));
    selfTest.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(selfTest);
}

bool asksForTextOnly(const QStringList& arguments)
{
    static const QStringList textOptions = {QStringLiteral("-h"), QStringLiteral("--help"),
                                            QStringLiteral("-?"), QStringLiteral("--help-all"),
                                            QStringLiteral("-v"), QStringLiteral("--version")};
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            return false;
        if (textOptions.contains(argument))
            return true;
    }
    return false;
}

int ocrPageIndexFromOption(const QString& value)
{
    bool ok = false;
    const int page = value.toInt(&ok, 10);
    // Pages below 1 request nothing; mapping them all to -1 also avoids overflow at INT_MIN.
    return ok && page > 0 ? page - 1 : -1;
}

} // namespace dovrix
