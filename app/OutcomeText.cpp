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

QString outcomeText(AnnotationStore::Fallback reason, const QString& fileError)
{
    // In the store's context, where the catalogues keep these texts.
    switch (reason) {
    case AnnotationStore::Fallback::UnspellableName:
        return QCoreApplication::translate(
            "dovrix::AnnotationStore",
            "文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，"
            "关闭前请导出。");
    case AnnotationStore::Fallback::SidecarIsTheSource:
        return QCoreApplication::translate(
            "dovrix::AnnotationStore",
            "批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。");
    case AnnotationStore::Fallback::Unreadable:
        return QCoreApplication::translate("dovrix::AnnotationStore", "批注文件存在但无法读取：%1")
            .arg(fileError);
    case AnnotationStore::Fallback::TooLarge:
        return QCoreApplication::translate("dovrix::AnnotationStore", "批注文件存在但无法读取：%1")
            .arg(QCoreApplication::translate("dovrix::AnnotationStore", "文件过大"));
    case AnnotationStore::Fallback::NewerVersion:
        return QCoreApplication::translate(
            "dovrix::AnnotationStore",
            "此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。");
    case AnnotationStore::Fallback::FolderInTheWay:
        return QCoreApplication::translate(
            "dovrix::AnnotationStore",
            "批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。");
    case AnnotationStore::Fallback::BackupFailed:
        return QCoreApplication::translate(
            "dovrix::AnnotationStore",
            "无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，"
            "关闭前请导出。");
    case AnnotationStore::Fallback::FolderNotWritable:
        return QCoreApplication::translate("dovrix::AnnotationStore",
                                           "当前目录不可写。批注将暂存内存，关闭前请导出。");
    case AnnotationStore::Fallback::WriteFailed:
        break;
    }
    return QCoreApplication::translate("dovrix::AnnotationStore",
                                       "批注保存失败：%1。批注将暂存内存，关闭前请导出。")
        .arg(fileError);
}

QString outcomeText(AnnotationStore::ExportRefusal refusal)
{
    switch (refusal) {
    case AnnotationStore::ExportRefusal::IsTheSource:
        return QCoreApplication::translate(
            "dovrix::AnnotationStore",
            "导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。");
    case AnnotationStore::ExportRefusal::IsTheSidecar:
        return QCoreApplication::translate("dovrix::AnnotationStore",
                                           "导出路径与批注文件相同，已中止。");
    case AnnotationStore::ExportRefusal::None:
        break;
    }
    return {};
}

QString outcomeText(const AnnotationStore::ExportOutcome& outcome)
{
    if (outcome.refusal != AnnotationStore::ExportRefusal::None)
        return outcomeText(outcome.refusal);
    return outcome.fileError;
}

QString outcomeText(const OcrFailure& failure)
{
    // In the contexts of the parts that found the failure, where the catalogues keep these texts.
    switch (failure.kind) {
    case OcrFailure::Kind::RuntimeMissing:
        return QCoreApplication::translate("dovrix::OcrRuntime",
                                           "无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1")
            .arg(failure.subject);
    case OcrFailure::Kind::RuntimeWithoutEntryPoint:
        return QCoreApplication::translate("dovrix::OcrRuntime",
                                           "onnxruntime.dll 缺少 OrtGetApiBase 导出。");
    case OcrFailure::Kind::RuntimeTooOld:
        return QCoreApplication::translate("dovrix::OcrRuntime",
                                           "onnxruntime API 版本不匹配（需要 OrtApi v%1）。")
            .arg(failure.number);
    case OcrFailure::Kind::EngineError:
        return QCoreApplication::translate("dovrix::OcrEngine", "OCR 初始化失败：%1")
            .arg(failure.detail);
    case OcrFailure::Kind::StartFailed:
        return QCoreApplication::translate("dovrix::OcrController", "OCR 引擎初始化失败");
    case OcrFailure::Kind::DetectionModelMissing:
        return QCoreApplication::translate("dovrix::OcrEngine", "未找到检测模型：%1（%2）")
            .arg(failure.subject, failure.detail);
    case OcrFailure::Kind::RecognitionModelMissing:
        return QCoreApplication::translate("dovrix::OcrEngine", "未找到识别模型：%1（%2）")
            .arg(failure.subject, failure.detail);
    case OcrFailure::Kind::NoDictionary:
        return QCoreApplication::translate("dovrix::OcrEngine",
                                           "识别模型缺少内嵌词典（character 元数据）。");
    case OcrFailure::Kind::EngineUnavailable:
        return QCoreApplication::translate("dovrix::OcrController", "OCR 引擎不可用");
    case OcrFailure::Kind::PageNotRendered:
        return QCoreApplication::translate("dovrix::OcrController", "页面渲染失败");
    case OcrFailure::Kind::None:
        break;
    }
    return {};
}

} // namespace dovrix
