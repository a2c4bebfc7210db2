#pragma once

// The links of a page come from QPdfLinkModel. Qt 6.6 made its header public; Qt 6.4 ships the
// class (exported from libQt6Pdf) without a public header, so it is declared here with exactly the
// members the program calls. No Q_OBJECT: the library provides the meta-object, and the virtual
// table is the library's (the constructor installs it).

#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
#include <QPdfLinkModel>
#else
#include <QAbstractListModel>
#include <QHash>
#include <QPdfDocument>
#include <QPdfLink>

class Q_DECL_IMPORT QPdfLinkModel : public QAbstractListModel
{
public:
    enum class Role : int {
        Link = Qt::UserRole,
        Rectangle,
        Url,
        Page,
        Location,
        Zoom,
    };

    explicit QPdfLinkModel(QObject* parent = nullptr);
    ~QPdfLinkModel() override;

    QHash<int, QByteArray> roleNames() const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void setDocument(QPdfDocument* document);
    void setPage(int page);

private:
    // The library's object may be larger than this declaration says: keep room so that a
    // QPdfLinkModel allocated here is never smaller than the one the library constructs.
    void* reserved[8] = {};
};
#endif
