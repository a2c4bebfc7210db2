#include "CoreFixtures.h"

#include <QFile>
#include <QList>

namespace dovrix::test {

namespace {

// Numbers the objects from 1 in the given order, with a classic cross-reference table.
QByteArray assemble(const QList<QByteArray>& objects)
{
    QByteArray data = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets.append(data.size());
        data += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const qsizetype xref = data.size();
    data += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        data += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    data += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1)
            + " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return data;
}

} // namespace

QByteArray deepPageTreePdf(int depth)
{
    QList<QByteArray> objects{"<< /Type /Catalog /Pages 2 0 R >>"};
    for (int i = 0; i < depth; ++i) {
        const int number = 2 + i;
        QByteArray node =
            "<< /Type /Pages /Kids [" + QByteArray::number(number + 1) + " 0 R] /Count 1";
        if (i > 0)
            node += " /Parent " + QByteArray::number(number - 1) + " 0 R";
        objects.append(node + " >>");
    }
    objects.append("<< /Type /Page /Parent " + QByteArray::number(1 + depth)
                   + " 0 R /MediaBox [0 0 200 200] >>");
    return assemble(objects);
}

QByteArray labelledPdf()
{
    QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R /PageLabels << /Nums [0 << /S /r >> 2 << /S /D >>] >> >>",
        "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R 6 0 R] /Count 4 >>"};
    for (int i = 0; i < 4; ++i)
        objects.append("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 400] >>");
    return assemble(objects);
}

QByteArray pagelessPdf()
{
    return assemble({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [] /Count 0 >>"});
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size() && file.flush();
}

bool writeScript(const QString& path, const QByteArray& body)
{
    if (!writeFile(path, "#!/bin/sh\n" + body + "\n"))
        return false;
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace dovrix::test
