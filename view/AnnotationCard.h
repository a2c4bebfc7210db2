#pragma once

#include "annotations/Annotation.h"

#include <QFrame>
#include <QList>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace dovrix {

// The small floating editor of one annotation, opened by the page view over the page. It edits
// type, colour and note text of its own copy and reports every edit through changed(); it never
// writes to the store itself.
class AnnotationCard : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY(AnnotationCard)

public:
    // The swatch colours, in button order; the first is the default annotation colour.
    static QList<QColor> swatchColors();

    explicit AnnotationCard(const Annotation& annotation, QWidget* parent = nullptr);

    void setAnnotation(const Annotation& annotation);
    Annotation annotation() const { return ann; }
    void retranslate();

Q_SIGNALS:
    void changed(const dovrix::Annotation& ann);
    void deleted(const QString& id);
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateSwatches();
    void updateAnchorLabel();
    void confirmDelete();

    Annotation ann;
    QList<QPushButton*> colorButtons;
    QComboBox* typeCombo;
    QPushButton* doneButton;
    QPlainTextEdit* noteEdit;
    QPushButton* deleteButton;
    QLabel* anchorLabel;
    QWidget* swatchRow;
};

} // namespace dovrix
