#include "view/AnnotationCard.h"

#include "theme/ThemePalette.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace dovrix {

QList<QColor> AnnotationCard::swatchColors()
{
    return {QColor(255, 215, 106), QColor(168, 230, 163), QColor(168, 199, 250),
            QColor(246, 168, 196), QColor(255, 181, 112), QColor(201, 168, 246),
            QColor(249, 124, 124), QColor(196, 203, 212)};
}

AnnotationCard::AnnotationCard(const Annotation& annotation, QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("annotCard"));
    setFixedWidth(250);
    setFrameShape(QFrame::StyledPanel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);

    auto* top = new QHBoxLayout;
    typeCombo = new QComboBox(this);
    typeCombo->setObjectName(QStringLiteral("annotTypeCombo"));
    for (const AnnotationTypeInfo& info : annotationTypes)
        typeCombo->addItem(QString(), int(info.type));
    doneButton = new QPushButton(this);
    doneButton->setObjectName(QStringLiteral("annotDoneButton"));
    doneButton->setDefault(true);
    top->addWidget(typeCombo, 1);
    top->addWidget(doneButton);
    layout->addLayout(top);

    swatchRow = new QWidget(this);
    auto* swatches = new QHBoxLayout(swatchRow);
    swatches->setContentsMargins(0, 0, 0, 0);
    swatches->setSpacing(4);
    layout->addWidget(swatchRow);

    noteEdit = new QPlainTextEdit(this);
    noteEdit->setObjectName(QStringLiteral("annotNoteEdit"));
    noteEdit->setFixedHeight(64);
    layout->addWidget(noteEdit);

    deleteButton = new QPushButton(this);
    deleteButton->setObjectName(QStringLiteral("annotDeleteButton"));
    layout->addWidget(deleteButton);

    anchorLabel = new QLabel(this);
    anchorLabel->setObjectName(QStringLiteral("annotAnchorLabel"));
    anchorLabel->setWordWrap(true);
    layout->addWidget(anchorLabel);

    retranslate();

    connect(typeCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        ann.type = AnnotationType(typeCombo->itemData(index).toInt());
        Q_EMIT changed(ann);
    });
    connect(noteEdit, &QPlainTextEdit::textChanged, this, [this] {
        ann.text = noteEdit->toPlainText();
        Q_EMIT changed(ann);
    });
    connect(doneButton, &QPushButton::clicked, this, &AnnotationCard::closed);
    connect(deleteButton, &QPushButton::clicked, this, &AnnotationCard::confirmDelete);
    // Connected before setAnnotation, so that its changed() only refreshes the label here.
    connect(this, &AnnotationCard::changed, this, &AnnotationCard::updateAnchorLabel);

    setAnnotation(annotation);
}

void AnnotationCard::setAnnotation(const Annotation& annotation)
{
    ann = annotation;
    {
        // Filling the controls is not an edit.
        const QSignalBlocker comboBlocker(typeCombo);
        const QSignalBlocker editBlocker(noteEdit);
        typeCombo->setCurrentIndex(typeCombo->findData(int(ann.type)));
        noteEdit->setPlainText(ann.text);
    }
    if (colorButtons.isEmpty()) {
        auto* row = static_cast<QHBoxLayout*>(swatchRow->layout());
        for (const QColor& color : swatchColors()) {
            auto* button = new QPushButton(swatchRow);
            button->setObjectName(QStringLiteral("annotColorButton"));
            button->setToolTip(color.name());
            button->setFocusPolicy(Qt::TabFocus);
            connect(button, &QPushButton::clicked, this, [this, color] {
                ann.color = color;
                updateSwatches();
                Q_EMIT changed(ann);
            });
            row->addWidget(button);
            colorButtons.append(button);
        }
        row->addStretch(1);
    }
    updateSwatches();
    Q_EMIT changed(ann);
}

void AnnotationCard::updateSwatches()
{
    const ThemePalette palette = themePalette(currentTheme());
    const QList<QColor> colors = swatchColors();
    for (qsizetype i = 0; i < colorButtons.size() && i < colors.size(); ++i) {
        const QColor& color = colors.at(i);
        const QString ring =
            color.rgb() == ann.color.rgb() ? palette.textColor : QStringLiteral("transparent");
        colorButtons.at(i)->setStyleSheet(
            QStringLiteral("QPushButton { min-width:22px; max-width:22px; min-height:22px; "
                           "max-height:22px; padding:0; border-radius:11px; background:%1; "
                           "border:2px solid %2; }QPushButton:hover { background:%1; border:2px "
                           "solid %3; }QPushButton:pressed { background:%1; }")
                .arg(color.name(), ring, palette.accent));
    }
}

void AnnotationCard::updateAnchorLabel()
{
    anchorLabel->setText(ann.byText ? tr("⚓ 文本锚定，重排后可重定位")
                                    : tr("▦ 矩形兜底：重排后位置可能漂移"));
}

void AnnotationCard::retranslate()
{
    // The combo lists the types in table order.
    for (int index = 0; index < AnnotationTypeCount; ++index)
        typeCombo->setItemText(index, typeLabel(annotationTypes[index].type));
    doneButton->setText(tr("完成"));
    deleteButton->setText(tr("删除批注"));
    noteEdit->setPlaceholderText(tr("便签内容（可选，其他类型也可备注）"));
    updateAnchorLabel();
}

void AnnotationCard::confirmDelete()
{
    // The card may be deleted while the question is open (its document closes): the box is a
    // child on the heap, and nothing of the card is touched after that.
    const QPointer<AnnotationCard> self(this);
    auto* box = new QMessageBox(QMessageBox::Question, tr("删除批注"), tr("确认删除这条批注？"),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("annotDeleteQuestion"));
    box->setDefaultButton(QMessageBox::No);
    const int answer = box->exec();
    if (!self)
        return;
    delete box;
    if (answer != QMessageBox::Yes)
        return;
    const QString id = ann.id;
    Q_EMIT deleted(id);
    if (self)
        Q_EMIT closed();
}

void AnnotationCard::keyPressEvent(QKeyEvent* event)
{
    // Escape leaves the card like "done": every edit has already been reported.
    if (event->key() == Qt::Key_Escape) {
        Q_EMIT closed();
        return;
    }
    QFrame::keyPressEvent(event);
}

} // namespace dovrix
