// The Windows executable as Windows sees it: the libraries it needs, how it is loaded, and
// its resources (version record, icon and manifest), read back field by field.

#include "packaging_support.h"
#include "picture_files.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
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
        reader.field<quint16>(); // language, which windres leaves out when it reads a program
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

} // namespace

class WindowsExecutableTest : public QObject {
    Q_OBJECT

    QList<Resource> resources_;
    VersionNode record_;
    QString headers_; // objdump's account of the file's headers

    const Resource* resource(const QString& type, const QString& name) const
    {
        for (const Resource& resource : resources_) {
            if (resource.type == type && resource.name == name)
                return &resource;
        }
        return nullptr;
    }

private slots:
    // windres reads the resources out of the executable into a resource file.
    void initTestCase()
    {
        const support::Finished dump = support::run("x86_64-w64-mingw32-objdump", {"-p", PROGRAM});
        QVERIFY2(dump.exitCode == 0, qPrintable(dump.all()));
        headers_ = dump.output;
        QTemporaryDir dir;
        const QString output = dir.filePath("Quillory.res");
        const support::Finished extract =
            support::run("x86_64-w64-mingw32-windres", {"--output-format=res", PROGRAM, output});
        QVERIFY2(extract.exitCode == 0, qPrintable(extract.all()));
        QFile file(output);
        QVERIFY(file.open(QIODevice::ReadOnly));
        resources_ = readResources(file.readAll());
        const Resource* version = resource("#16", "#1");
        QVERIFY(version);
        record_ = readVersionNode(version->data, 0);
        QCOMPARE(record_.key, "VS_VERSION_INFO");
    }

    // Nothing beside the program: no Qt, C++ runtime or threads library, only what every
    // Windows 10 has.
    void importsOnlyWhatWindowsShips()
    {
        static const QRegularExpression systemLibrary(
            "^(advapi32|authz|comdlg32|d3d11|d3d9|dwmapi|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|"
            "ole32|oleaut32|setupapi|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|"
            "ws2_32|wtsapi32|api-ms-win-core-[a-z0-9-]+)\\.dll$",
            QRegularExpression::CaseInsensitiveOption);
        QStringList imports;
        auto found = QRegularExpression("DLL Name: (\\S+)").globalMatch(headers_);
        while (found.hasNext())
            imports << found.next().captured(1);
        QVERIFY(imports.contains("KERNEL32.dll"));
        for (const QString& library : imports)
            QVERIFY2(systemLibrary.match(library).hasMatch(), qPrintable(library));
    }

    // A program of the window subsystem, opening no console; stripped; loaded anywhere in
    // the whole 64-bit address space, its data never run as code.
    void loadsAsAHardenedWindowsProgram()
    {
        QVERIFY(
            headers_.contains(QRegularExpression("Subsystem\\s+00000002\\s+\\(Windows GUI\\)")));
        QVERIFY(headers_.contains(QRegularExpression("\\n\\s+symbols stripped\\n")));
        const auto flags = QRegularExpression("DllCharacteristics\\s+([0-9a-f]+)")
                               .match(headers_)
                               .captured(1)
                               .toUInt(nullptr, 16);
        const unsigned highEntropyVa = 0x20, dynamicBase = 0x40, nxCompat = 0x100;
        QCOMPARE(flags & (highEntropyVa | dynamicBase | nxCompat),
                 highEntropyVa | dynamicBase | nxCompat);
    }

    // Run with the rights of whoever starts it, on Windows 10 and 11, drawn at each
    // monitor's own scale, with the current common controls.
    void manifest()
    {
        const Resource* manifest = resource("#24", "#1");
        QVERIFY(manifest);
        const QString text = QString::fromUtf8(manifest->data);
        for (const char* part : {"<requestedExecutionLevel level=\"asInvoker\"",
                                 "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",
                                 ">PerMonitorV2</dpiAwareness>",
                                 "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""})
            QVERIFY2(text.contains(part), part);
    }

    // Written out as a script, every resource stands under the one language, US English.
    void resourcesInUsEnglish()
    {
        const support::Finished script =
            support::run("x86_64-w64-mingw32-windres", {"--output-format=rc", PROGRAM});
        QCOMPARE(script.exitCode, 0);
        QCOMPARE(script.output.count(QRegularExpression("\\nLANGUAGE ")), 1);
        QVERIFY(script.output.contains("\nLANGUAGE 9, 1\n"));
    }

    // Signature and structure version; file and product version 1.0.0.0; every flag known,
    // none set; 32-bit Windows NT; an application, no subtype, no date.
    void fixedFileInfo()
    {
        const QList<quint32> expected = {0xFEEF04BD, 0x00010000, 0x00010000, 0, 0x00010000, 0, 0x3F,
                                         0,          0x40004,    1,          0, 0,          0};
        QCOMPARE(record_.value.size(), expected.size() * 4);
        QList<quint32> fields;
        for (int index = 0; index < expected.size(); ++index)
            fields << qFromLittleEndian<quint32>(record_.value.constData() + 4 * index);
        QCOMPARE(fields, expected);
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

QTEST_GUILESS_MAIN(WindowsExecutableTest)
#include "windows_executable_test.moc"
