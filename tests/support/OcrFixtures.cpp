#include "support/OcrFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

namespace dovrix::test {

namespace {

QString buildDir()
{
    return qEnvironmentVariable("DOVRIX_BUILD_DIR");
}

// A tiny protocol-buffer writer: just the varint and length-delimited fields an ONNX model needs.
class Message
{
public:
    Message& varint(int field, quint64 value)
    {
        key(field, 0);
        raw(value);
        return *this;
    }
    Message& bytes(int field, const QByteArray& value)
    {
        key(field, 2);
        raw(quint64(value.size()));
        data += value;
        return *this;
    }
    Message& message(int field, const Message& value) { return bytes(field, value.data); }
    const QByteArray& encoded() const { return data; }

private:
    void key(int field, int wireType) { raw(quint64(field) << 3 | quint64(wireType)); }
    void raw(quint64 value)
    {
        do {
            char byte = char(value & 0x7f);
            value >>= 7;
            if (value)
                byte = char(byte | 0x80);
            data += byte;
        } while (value);
    }
    QByteArray data;
};

// ValueInfoProto of a float tensor with four symbolic dimensions.
Message floatTensorInfo(const QByteArray& name)
{
    Message shape;
    for (const char* dimension : {"n", "c", "h", "w"})
        shape.message(1, Message().bytes(2, dimension)); // TensorShapeProto.dim (dim_param)
    Message tensor;
    tensor.varint(1, 1).message(2, shape); // elem_type FLOAT, shape
    return Message().bytes(1, name).message(2, Message().message(1, tensor)); // name, type
}

} // namespace

QString ocrRuntimePath()
{
    const QString path = buildDir() + QStringLiteral("/libonnxruntime.so.1");
    return !buildDir().isEmpty() && QFileInfo::exists(path) ? path : QString();
}

QString ocrModelDir()
{
    const QString dir = buildDir() + QStringLiteral("/models");
    if (buildDir().isEmpty() || !QFileInfo::exists(dir + QStringLiteral("/PP-OCRv6_det_small.onnx"))
        || !QFileInfo::exists(dir + QStringLiteral("/PP-OCRv6_rec_small.onnx")))
        return {};
    return dir;
}

bool writePassThroughModel(const QString& path,
                           const QList<QPair<QByteArray, QByteArray>>& metadata)
{
    Message node;
    node.bytes(1, "x").bytes(2, "fetch_name_0").bytes(3, "pass").bytes(4, "Identity");
    Message graph;
    graph.message(1, node)
        .bytes(2, "pass_through")
        .message(11, floatTensorInfo("x"))
        .message(12, floatTensorInfo("fetch_name_0"));
    Message model;
    model
        .varint(1, 8)                                               // ir_version
        .message(8, Message().bytes(1, QByteArray()).varint(2, 13)) // opset_import: ai.onnx 13
        .bytes(2, "dovrix-tests")                                   // producer_name
        .message(7, graph);
    for (const auto& [key, value] : metadata)
        model.message(14, Message().bytes(1, key).bytes(2, value)); // metadata_props
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(model.encoded()) == model.encoded().size();
}

double characterErrorRate(const QString& expected, const QString& actual)
{
    const QList<uint> a = expected.toUcs4();
    const QList<uint> b = actual.toUcs4();
    if (a.isEmpty())
        return b.isEmpty() ? 0.0 : 1.0;
    std::vector<int> previous(b.size() + 1);
    std::vector<int> current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return double(previous[b.size()]) / double(a.size());
}

void isolateOcrCache(const QString& dir)
{
    // Test mode puts the cache folder under the home folder, which follows HOME.
    QStandardPaths::setTestModeEnabled(true);
    qputenv("HOME", QFile::encodeName(dir));
}

} // namespace dovrix::test
