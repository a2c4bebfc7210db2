#include "CoreFixtures.h"
#include "TestPdf.h"

#include <QFile>

namespace dovrix::test {

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
    return assemblePdf(objects);
}

QByteArray labelledPdf()
{
    QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R /PageLabels << /Nums [0 << /S /r >> 2 << /S /D >>] >> >>",
        "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R 6 0 R] /Count 4 >>"};
    for (int i = 0; i < 4; ++i)
        objects.append("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 400] >>");
    return assemblePdf(objects);
}

QByteArray pagelessPdf()
{
    return assemblePdf(
        {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [] /Count 0 >>"});
}

bool writeScript(const QString& path, const QByteArray& body)
{
    if (!writeFile(path, "#!/bin/sh\n" + body + "\n"))
        return false;
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace dovrix::test
