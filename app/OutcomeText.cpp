#include "app/OutcomeText.h"

#include <QCoreApplication>

namespace dovrix {

QString outcomeText(OpenOutcome failure)
{
    switch (failure) {
    case OpenOutcome::FileNotFound:
        return QCoreApplication::translate("QObject", "文件不存在或无法访问。");
    case OpenOutcome::InvalidFile:
        return QCoreApplication::translate("QObject", "文件可能已损坏或不是有效的 PDF。");
    case OpenOutcome::PasswordRequired:
        return QCoreApplication::translate("QObject", "文档已加密。");
    case OpenOutcome::UnsupportedSecurity:
        return QCoreApplication::translate("QObject", "暂不支持该 PDF 加密方式。");
    case OpenOutcome::TimedOut:
        return QCoreApplication::translate("dovrix::DocumentController", "文件打开耗时过长。");
    case OpenOutcome::Opened:
    case OpenOutcome::Unknown:
        break;
    }
    return QCoreApplication::translate("QObject", "打开文档时出现问题。");
}

} // namespace dovrix
