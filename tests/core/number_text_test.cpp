#include "core/number_text.h"

#include <QTest>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>

using core::numberToText;
using core::textToNumber;

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void textToNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("count") << "30" << 30.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("leading blanks") << "  \t7" << 7.0;
        QTest::newRow("trailing text") << "12 seconds" << 12.0;
        QTest::newRow("fraction") << "2.5" << 2.5;
        QTest::newRow("bare fraction") << ".5" << 0.5;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("plus") << "+4" << 4.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("unfinished exponent") << "1e" << 1.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks only") << "   " << 0.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("infinity is no number") << "inf" << 0.0;
        QTest::newRow("nan is no number") << "nan" << 0.0;
    }

    void textToNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(core::textToNumber(text.toStdString()), number);
    }

    void numberToText()
    {
        QCOMPARE(core::numberToText(19), std::string("19"));
        QCOMPARE(core::numberToText(0), std::string("0"));
        QCOMPARE(core::numberToText(-0.0), std::string("0"));
        QCOMPARE(core::numberToText(-1), std::string("-1"));
        QCOMPARE(core::numberToText(0.5), std::string("0.5"));
    }

    // Both ways exactly as the standard library's own conversions, which not every platform
    // has: whole numbers, fractions and doubles of every exponent.
    void agreesWithTheStandardLibrary()
    {
        std::mt19937_64 random(20261210);
        for (int i = 0; i < 10000; ++i) {
            const std::uint64_t bits = random();
            const double numbers[] = {double(std::int64_t(bits % 2000001) - 1000000),
                                      double(bits % 100000) / 64, std::bit_cast<double>(bits)};
            for (double number : numbers) {
                if (!std::isfinite(number) || number == 0)
                    continue;
                std::array<char, 32> text{};
                const auto end = std::to_chars(text.data(), text.data() + text.size(), number).ptr;
                QCOMPARE(core::numberToText(number), std::string(text.data(), end));
                QCOMPARE(core::textToNumber({text.data(), end}), number);
            }
        }
    }

    void everyCountReadsBack()
    {
        for (int count = -5; count <= 30; ++count)
            QCOMPARE(core::textToNumber(core::numberToText(count)), double(count));
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "number_text_test.moc"
