#include "app/DocumentPropertiesDialog.h"

#include "annotations/AnnotationStore.h"
#include "app/OutcomeText.h"
#include "core/DocumentController.h"
#include "core/FileSafety.h"
#include "core/PdfWorker.h"
#include "engine/PdfDocument.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPageSize>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dovrix {

namespace {

// A file name the document gives, reduced to a plain name in one folder: never a path.
QString plainFileName(const QString& name)
{
    QString plain = name;
    plain.replace(QLatin1Char('\\'), QLatin1Char('/'));
    plain = plain.section(QLatin1Char('/'), -1).trimmed();
    plain.remove(QChar(0));
    if (plain.isEmpty() || plain == QLatin1String(".") || plain == QLatin1String(".."))
        return QStringLiteral("attachment");
    return plain;
}

QString dateText(const QDateTime& time)
{
    return time.isValid() ? QLocale().toString(time.toLocalTime(), QLocale::LongFormat) : QString();
}

// Copies the selected rows of a list as tab-separated lines.
void addCopyAction(QTreeWidget* tree)
{
    auto* copy = new QAction(tree);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    tree->addAction(copy);
    QObject::connect(copy, &QAction::triggered, tree, [tree] {
        QStringList lines;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = tree->topLevelItem(i);
            if (!item->isSelected())
                continue;
            QStringList cells;
            for (int c = 0; c < tree->columnCount(); ++c)
                cells << item->text(c);
            lines << cells.join(QLatin1Char('\t'));
        }
        if (!lines.isEmpty())
            QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
    });
}

QTreeWidget* newList(const QStringList& headers)
{
    auto* tree = new QTreeWidget;
    tree->setHeaderLabels(headers);
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(true);
    addCopyAction(tree);
    return tree;
}

} // namespace

QString fileSizeText(qint64 bytes)
{
    if (bytes < 0)
        return DocumentPropertiesDialog::tr("未知");
    const QLocale locale;
    return DocumentPropertiesDialog::tr("%1（%2 字节）")
        .arg(locale.formattedDataSize(bytes), locale.toString(bytes));
}

QString pageSizeText(const QList<QSizeF>& sizesPt)
{
    if (sizesPt.isEmpty())
        return {};
    QList<QSizeF> distinct;
    for (const QSizeF& s : sizesPt) {
        const bool known = std::any_of(distinct.begin(), distinct.end(), [&](const QSizeF& d) {
            return qAbs(d.width() - s.width()) < 1 && qAbs(d.height() - s.height()) < 1;
        });
        if (!known)
            distinct.append(s);
    }
    if (distinct.size() > 1)
        return DocumentPropertiesDialog::tr("大小不一（%1 种）").arg(distinct.size());
    const QSizeF pt = distinct.first();
    const QString mm = QStringLiteral("%1 × %2 mm")
                           .arg(qRound(pt.width() * 25.4 / 72))
                           .arg(qRound(pt.height() * 25.4 / 72));
    const QPageSize::PageSizeId id = QPageSize::id(pt.toSize(), QPageSize::FuzzyOrientationMatch);
    if (id == QPageSize::Custom)
        return mm;
    return QStringLiteral("%1 (%2)").arg(mm, QPageSize::name(id));
}

DocumentPropertiesDialog::DocumentPropertiesDialog(DocumentController* documentController,
                                                   QWidget* parent)
    : QDialog(parent), controller(documentController), ticket(documentController->documentTicket()),
      tabs(new QTabWidget(this)), form(new QFormLayout), fontPage(new QComboBox),
      attachmentTree(nullptr), saveButton(new QPushButton(tr("保存副本…"))),
      attachmentNote(new QLabel)
{
    setObjectName(QStringLiteral("documentPropertiesDialog"));
    setWindowTitle(tr("文档属性 — %1").arg(documentController->displayName()));
    setAttribute(Qt::WA_DeleteOnClose);
    // Wide enough for the SHA-256 on one line.
    resize(700, 540);

    auto* general = new QWidget;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignTop);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto* generalLayout = new QVBoxLayout(general);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* formHost = new QWidget;
    formHost->setLayout(form);
    scroll->setWidget(formHost);
    generalLayout->addWidget(scroll);
    auto* copyButton = new QPushButton(tr("全部复制"));
    copyButton->setObjectName(QStringLiteral("copyPropertiesButton"));
    connect(copyButton, &QPushButton::clicked, this, &DocumentPropertiesDialog::copyAll);
    generalLayout->addWidget(copyButton, 0, Qt::AlignRight);
    tabs->addTab(general, tr("概要"));

    auto* fontTab = new QWidget;
    auto* fontLayout = new QVBoxLayout(fontTab);
    fontPage->setObjectName(QStringLiteral("fontPageCombo"));
    fontPage->addItem(tr("所有页面"), -1);
    for (int p = 0; p < documentController->pageCount(); ++p)
        fontPage->addItem(tr("第 %1 页").arg(p + 1), p);
    fonts = newList({tr("字体"), tr("类型"), tr("嵌入")});
    fonts->setObjectName(QStringLiteral("fontList"));
    fontLayout->addWidget(fontPage);
    fontLayout->addWidget(fonts);
    connect(fontPage, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DocumentPropertiesDialog::requestFonts);
    tabs->addTab(fontTab, tr("字体"));
    connect(tabs, &QTabWidget::currentChanged, this, [this, fontTab] {
        if (tabs->currentWidget() == fontTab && fonts->topLevelItemCount() == 0)
            requestFonts();
    });

    auto* attachmentTab = new QWidget;
    auto* attachmentLayout = new QVBoxLayout(attachmentTab);
    attachmentTree = newList({tr("名称"), tr("大小"), tr("位置"), tr("说明")});
    attachmentTree->setObjectName(QStringLiteral("attachmentList"));
    attachmentTree->setSelectionMode(QAbstractItemView::SingleSelection);
    attachmentNote->setWordWrap(true);
    attachmentNote->setText(tr("附件只会另存为副本，Dovrix 不会打开或运行它们。"));
    saveButton->setObjectName(QStringLiteral("saveAttachmentButton"));
    saveButton->setEnabled(false);
    connect(attachmentTree, &QTreeWidget::itemSelectionChanged, this,
            [this] { saveButton->setEnabled(!attachmentTree->selectedItems().isEmpty()); });
    connect(saveButton, &QPushButton::clicked, this, [this] {
        const QList<QTreeWidgetItem*> selected = attachmentTree->selectedItems();
        if (!selected.isEmpty())
            saveAttachmentCopy(attachmentTree->indexOfTopLevelItem(selected.first()));
    });
    attachmentLayout->addWidget(attachmentTree);
    auto* attachmentButtons = new QHBoxLayout;
    attachmentButtons->addWidget(attachmentNote, 1);
    attachmentButtons->addWidget(saveButton);
    attachmentLayout->addLayout(attachmentButtons);
    tabs->addTab(attachmentTab, tr("附件"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    saveFileName = [](QWidget* parentWidget, const QString& caption, const QString& start) {
        return QFileDialog::getSaveFileName(parentWidget, caption, start);
    };
    messageSink = [this](bool warning, const QString& text) {
        if (warning)
            QMessageBox::warning(this, windowTitle(), text);
        else
            QMessageBox::information(this, windowTitle(), text);
    };
    lastFolder = QFileInfo(documentController->filePath()).absolutePath();
    requestReading();
}

void DocumentPropertiesDialog::requestReading()
{
    if (!controller || !controller->worker())
        return;
    controller->worker()->post(
        JobPriority::TextLayout, this, ticket,
        [document = controller->sharedDocument()]() -> Reply<DocumentPropertiesDialog> {
            Reading reading;
            if (document && document->engine() == EngineKind::MuPdf) {
                reading.available = true;
                reading.properties = DocumentInside::properties(*document);
                reading.attachments = DocumentInside::attachments(*document);
            } else if (document) {
                // The Qt PDF engine knows the Info entries only.
                reading.properties.info = document->info();
            }
            return [reading](DocumentPropertiesDialog& self) { self.showReading(reading); };
        });
}

void DocumentPropertiesDialog::requestFonts()
{
    if (!controller || !controller->worker())
        return;
    fonts->clear();
    const int page = fontPage->currentData().toInt();
    controller->worker()->post(
        JobPriority::TextLayout, this, ticket,
        [document = controller->sharedDocument(), page]() -> Reply<DocumentPropertiesDialog> {
            QList<DocumentFont> list;
            if (document)
                list = DocumentInside::fonts(*document, page);
            return [list, page](DocumentPropertiesDialog& self) {
                if (self.fontPage->currentData().toInt() == page)
                    self.showFonts(list);
            };
        });
}

void DocumentPropertiesDialog::addRow(const QString& label, const QString& value)
{
    rows.append({label, value});
    auto* text = new QLabel(value.isEmpty() ? QStringLiteral("—") : value);
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setCursor(Qt::IBeamCursor);
    form->addRow(label, text);
}

void DocumentPropertiesDialog::showReading(const Reading& reading)
{
    if (!controller)
        return;
    const DocumentProperties& p = reading.properties;
    const QString unknown = tr("未知");
    addRow(tr("标题"), p.info.title);
    addRow(tr("作者"), p.info.author);
    addRow(tr("主题"), p.info.subject);
    addRow(tr("关键词"), p.info.keywords);
    addRow(tr("创建程序"), p.info.creator);
    addRow(tr("PDF 生成器"), p.info.producer);
    addRow(tr("创建时间"), dateText(p.info.created));
    addRow(tr("修改时间"), dateText(p.info.modified));
    addRow(tr("PDF 版本"), reading.available ? p.version : unknown);
    addRow(tr("页数"), QLocale().toString(controller->pageCount()));
    addRow(tr("页面大小"), pageSizeText(controller->pageSizes()));
    addRow(tr("文件大小"), fileSizeText(QFileInfo(controller->filePath()).size()));
    if (!reading.available) {
        addRow(tr("加密"), unknown);
    } else if (p.encryption.isEmpty()) {
        addRow(tr("加密"), tr("无"));
    } else {
        addRow(tr("加密"), p.encryption);
        const QList<QPair<bool, QString>> permissions = {
            {p.mayPrint, tr("打印")},         {p.mayCopy, tr("复制文本")},
            {p.mayModify, tr("修改")},        {p.mayAnnotate, tr("批注")},
            {p.mayFillForms, tr("填写表单")},
        };
        QStringList allowed, refused;
        for (const auto& [granted, what] : permissions)
            (granted ? allowed : refused) << what;
        const QLocale locale;
        addRow(tr("声明的权限"),
               tr("允许：%1\n不允许：%2")
                   .arg(allowed.isEmpty() ? tr("无") : locale.createSeparatedList(allowed),
                        refused.isEmpty() ? tr("无") : locale.createSeparatedList(refused)));
    }
    addRow(tr("带标签"), !reading.available ? unknown : p.tagged ? tr("是") : tr("否"));
    if (p.hasJavaScript)
        addRow(tr("脚本"), tr("文档含有 JavaScript，Dovrix 不会运行它。"));
    addRow(QStringLiteral("SHA-256"), controller->sourceHash());

    attachments = reading.attachments;
    const QLocale here;
    for (const DocumentAttachment& a : attachments) {
        auto* item = new QTreeWidgetItem(attachmentTree);
        item->setText(0, a.name);
        item->setText(1, a.size < 0 ? tr("未知") : here.formattedDataSize(a.size));
        item->setText(2, a.page < 0 ? QString() : tr("第 %1 页").arg(a.page + 1));
        item->setText(3, a.description);
        item->setToolTip(3, a.description);
    }
    tabs->setTabText(2, tr("附件（%1）").arg(attachments.size()));
    Q_EMIT loaded();
}

void DocumentPropertiesDialog::showFonts(const QList<DocumentFont>& list)
{
    fonts->clear();
    for (const DocumentFont& f : list) {
        auto* item = new QTreeWidgetItem(fonts);
        item->setText(0, f.name);
        item->setText(1, f.type);
        item->setText(2, f.embedded ? tr("是") : tr("否"));
    }
    Q_EMIT fontsLoaded();
}

void DocumentPropertiesDialog::copyAll() const
{
    QStringList lines;
    for (const auto& [label, value] : rows)
        lines << label + QStringLiteral(": ") + value;
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void DocumentPropertiesDialog::tell(bool warning, const QString& text)
{
    if (messageSink)
        messageSink(warning, text);
}

void DocumentPropertiesDialog::saveAttachmentCopy(int row)
{
    if (!controller || row < 0 || row >= attachments.size() || !ticket.isCurrent())
        return;
    const DocumentAttachment attachment = attachments.at(row);
    const QPointer<DocumentPropertiesDialog> guard(this);
    const QString path = saveFileName(this, tr("保存附件副本"),
                                      QDir(lastFolder).filePath(plainFileName(attachment.name)));
    // The dialog runs an event loop: the document may have gone meanwhile.
    if (path.isEmpty() || !guard || !controller || !ticket.isCurrent())
        return;
    lastFolder = QFileInfo(path).absolutePath();
    const AnnotationStore::ExportRefusal refusal =
        AnnotationStore::exportTargetRefusal(path, controller->filePath());
    if (refusal != AnnotationStore::ExportRefusal::None) {
        tell(true, outcomeText(refusal));
        Q_EMIT attachmentSaved(false, path);
        return;
    }
    controller->worker()->post(
        JobPriority::Export, this, ticket,
        [document = controller->sharedDocument(), attachment, path,
         source = controller->filePath()]() -> Reply<DocumentPropertiesDialog> {
            QString error;
            QByteArray bytes;
            if (!document || !DocumentInside::attachmentContents(*document, attachment, bytes)) {
                error = tr("附件已损坏，无法读取。");
            } else if (const AnnotationStore::ExportRefusal refusal =
                           AnnotationStore::exportTargetRefusal(path, source);
                       refusal != AnnotationStore::ExportRefusal::None) {
                // Made the source (a link) while the file dialog was open.
                error = outcomeText(refusal);
            } else {
                QSaveFile file(path);
                if (!file.open(QIODevice::WriteOnly))
                    error = file.errorString();
                else
                    writeAndCommit(file, bytes, &error);
            }
            return [error, path](DocumentPropertiesDialog& self) {
                if (error.isEmpty())
                    self.tell(false, tr("已保存副本：\n%1").arg(path));
                else
                    self.tell(true, tr("附件未能保存：%1").arg(error));
                Q_EMIT self.attachmentSaved(error.isEmpty(), path);
            };
        });
}

} // namespace dovrix
