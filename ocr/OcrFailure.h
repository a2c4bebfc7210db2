#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>

namespace dovrix {

// Why recognition did not start, or a page was not read; the window words it.
struct OcrFailure
{
    Q_GADGET

public:
    enum class Kind {
        None,
        RuntimeMissing,           // no inference library at the places tried (subject)
        RuntimeWithoutEntryPoint, // a library without the runtime's entry point
        RuntimeTooOld,            // a library without the API version required (number)
        EngineError,              // the runtime refused (detail: its own words)
        StartFailed,              // the engine did not start and gave no reason
        DetectionModelMissing,    // subject: the model's path; detail: the file's own words
        RecognitionModelMissing,  // as DetectionModelMissing
        NoDictionary,             // the recogniser carries no dictionary
        EngineUnavailable,        // a later page after a failed start
        PageNotRendered,          // the page gave no image to read
    };
    Q_ENUM(Kind)

    Kind kind = Kind::None;
    QString subject;
    QString detail;
    int number = 0;

    bool failed() const { return kind != Kind::None; }
};

} // namespace dovrix

Q_DECLARE_METATYPE(dovrix::OcrFailure)
