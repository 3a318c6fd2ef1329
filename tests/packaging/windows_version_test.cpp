// The Windows executable's version record and icon: the resource script compiled with
// MinGW's resource compiler, and the compiled resources read back field by field.

#include "packaging_support.h"
#include "picture_files.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <stdexcept>

using namespace packaging;

namespace {

// Little-endian fields of a compiled resource file, read in order.
class Reader {
public:
    Reader(const QByteArray& bytes, qsizetype at)
        : bytes_(bytes)
        , at_(at)
    {
    }

    qsizetype at() const { return at_; }
    void seek(qsizetype at) { at_ = at; }
    bool atEnd() const { return at_ >= bytes_.size(); }
    void alignTo4() { at_ = (at_ + 3) & ~qsizetype(3); }

    template<typename T> T field()
    {
        if (at_ + qsizetype(sizeof(T)) > bytes_.size())
            throw std::runtime_error("resource file cut short");
        const T value = qFromLittleEndian<T>(bytes_.constData() + at_);
        at_ += sizeof(T);
        return value;
    }

    QString text()
    {
        QString text;
        for (char16_t c = field<char16_t>(); c != 0; c = field<char16_t>())
            text += QChar(c);
        return text;
    }

    // A resource type or name: a number after 0xFFFF, written "#16", or else a text.
    QString idOrName()
    {
        if (field<quint16>() == 0xFFFF)
            return "#" + QString::number(field<quint16>());
        at_ -= 2;
        return text();
    }

    QByteArray bytes(qsizetype count)
    {
        if (at_ + count > bytes_.size())
            throw std::runtime_error("resource file cut short");
        at_ += count;
        return bytes_.mid(at_ - count, count);
    }

private:
    const QByteArray& bytes_;
    qsizetype at_;
};

struct Resource {
    QString type;
    QString name;
    quint16 language = 0;
    QByteArray data;
};

// Each resource: data size, header size, type, name, then fixed fields; data follows the
// header, both padded to 4 bytes.
QList<Resource> readResources(const QByteArray& file)
{
    QList<Resource> resources;
    Reader reader(file, 0);
    while (!reader.atEnd()) {
        const qsizetype start = reader.at();
        const auto dataSize = reader.field<quint32>();
        const auto headerSize = reader.field<quint32>();
        Resource resource;
        resource.type = reader.idOrName();
        resource.name = reader.idOrName();
        reader.alignTo4();
        reader.field<quint32>(); // data version
        reader.field<quint16>(); // memory flags
        resource.language = reader.field<quint16>();
        reader.seek(start + headerSize);
        resource.data = reader.bytes(dataSize);
        reader.alignTo4();
        resources.append(resource);
    }
    return resources;
}

// A node of the version record: key, value and child nodes, each node starting with its
// length, its value's length and whether the value is text.
struct VersionNode {
    QString key;
    QByteArray value;
    QList<VersionNode> children;

    const VersionNode* child(const QString& key) const
    {
        for (const VersionNode& node : children) {
            if (node.key == key)
                return &node;
        }
        return nullptr;
    }

    QString text() const
    {
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(value.constData()),
                                  value.size() / 2)
            .section(QChar(0), 0, 0);
    }
};

VersionNode readVersionNode(const QByteArray& bytes, qsizetype start)
{
    Reader reader(bytes, start);
    const auto length = reader.field<quint16>();
    const auto valueLength = reader.field<quint16>();
    const bool isText = reader.field<quint16>() == 1;
    VersionNode node;
    node.key = reader.text();
    reader.alignTo4();
    node.value = reader.bytes(isText ? 2 * valueLength : valueLength);
    reader.alignTo4();
    while (reader.at() < start + length) {
        const qsizetype childStart = reader.at();
        node.children.append(readVersionNode(bytes, childStart));
        reader.seek(childStart + reader.field<quint16>());
        reader.alignTo4();
    }
    return node;
}

quint32 fixedField(const VersionNode& record, int index)
{
    return qFromLittleEndian<quint32>(record.value.constData() + 4 * index);
}

} // namespace

class WindowsVersionTest : public QObject {
    Q_OBJECT

    QList<Resource> resources_;
    VersionNode record_;

    const Resource* resource(const QString& type, const QString& name) const
    {
        for (const Resource& resource : resources_) {
            if (resource.type == type && resource.name == name)
                return &resource;
        }
        return nullptr;
    }

private slots:
    // windres preprocesses with a compiler named after its target unless given one.
    void initTestCase()
    {
        QTemporaryDir dir;
        const QString output = dir.filePath("trundlex.res");
        const CommandResult compile = runCommand(
            "x86_64-w64-mingw32-windres",
            {"--preprocessor=" CXX_COMPILER, "--preprocessor-arg=-E", "--preprocessor-arg=-xc",
             "--preprocessor-arg=-DRC_INVOKED", "--output-format=res", RC_FILE, output});
        QVERIFY2(compile.exitCode == 0, qPrintable(compile.output));
        QFile file(output);
        QVERIFY(file.open(QIODevice::ReadOnly));
        resources_ = readResources(file.readAll());
        const Resource* version = resource("#16", "#1");
        QVERIFY(version);
        QCOMPARE(version->language, 0x409);
        record_ = readVersionNode(version->data, 0);
        QCOMPARE(record_.key, "VS_VERSION_INFO");
    }

    void fixedFileInfo_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<quint32>("value");
        QTest::newRow("signature") << 0 << 0xFEEF04BDu;
        QTest::newRow("structure version") << 1 << 0x00010000u;
        QTest::newRow("file version 1.0") << 2 << 0x00010000u;
        QTest::newRow("file version .0.0") << 3 << 0u;
        QTest::newRow("product version 1.0") << 4 << 0x00010000u;
        QTest::newRow("product version .0.0") << 5 << 0u;
        QTest::newRow("flags mask") << 6 << 0x3Fu;
        QTest::newRow("flags") << 7 << 0u;
        QTest::newRow("32-bit Windows NT") << 8 << 0x40004u;
        QTest::newRow("application") << 9 << 1u;
        QTest::newRow("subtype") << 10 << 0u;
    }

    void fixedFileInfo()
    {
        QFETCH(int, index);
        QFETCH(quint32, value);
        QCOMPARE(record_.value.size(), 13 * 4);
        QCOMPARE(fixedField(record_, index), value);
    }

    void stringsInUsEnglishUnicode()
    {
        const VersionNode* strings = record_.child("StringFileInfo");
        QVERIFY(strings);
        QCOMPARE(strings->children.size(), 1);
        const VersionNode& table = strings->children.first();
        QCOMPARE(table.key, "040904B0");
        QMap<QString, QString> values;
        for (const VersionNode& string : table.children)
            values.insert(string.key, string.text());
        const QMap<QString, QString> expected = {
            {"CompanyName", "The Trundlex developers"},
            {"FileVersion", "1.00"},
            {"InternalName", "Quillory"},
            {"OriginalFilename", "Quillory.exe"},
            {"ProductName", "Trundlex"},
            {"ProductVersion", "1.00"},
        };
        QCOMPARE(values, expected);
    }

    void translationIsUsEnglishUnicode()
    {
        const VersionNode* variables = record_.child("VarFileInfo");
        QVERIFY(variables);
        const VersionNode* translation = variables->child("Translation");
        QVERIFY(translation);
        QCOMPARE(translation->value.size(), 4);
        QCOMPARE(qFromLittleEndian<quint16>(translation->value.constData()), 0x409);
        QCOMPARE(qFromLittleEndian<quint16>(translation->value.constData() + 2), 1200);
    }

    // The icon group lists the icon file's three images by resource number, each image
    // carried over byte for byte.
    void iconHoldsTheIconFilesImages()
    {
        const Resource* group = resource("#14", "APPICON");
        QVERIFY(group);
        const auto icon = picturefiles::readIcon(picturefiles::picturePath("AppIcon.ico"));
        Reader reader(group->data, 0);
        QCOMPARE(reader.field<quint16>(), 0); // reserved
        QCOMPARE(reader.field<quint16>(), 1); // an icon, not a cursor
        QCOMPARE(reader.field<quint16>(), icon.count);
        for (const picturefiles::IconEntry& entry : icon.entries) {
            QCOMPARE(reader.field<quint8>(), entry.width);
            QCOMPARE(reader.field<quint8>(), entry.height);
            QCOMPARE(reader.field<quint8>(), entry.colourCount);
            reader.field<quint8>(); // reserved
            QCOMPARE(reader.field<quint16>(), entry.planes);
            QCOMPARE(reader.field<quint16>(), entry.bitsPerPixel);
            QCOMPARE(reader.field<quint32>(), entry.bytesInResource);
            const Resource* image = resource("#3", "#" + QString::number(reader.field<quint16>()));
            QVERIFY(image);
            QCOMPARE(image->data, icon.bytes.mid(entry.imageOffset, entry.bytesInResource));
        }
    }
};

QTEST_GUILESS_MAIN(WindowsVersionTest)
#include "windows_version_test.moc"
