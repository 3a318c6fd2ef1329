#pragma once

#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QTest>
#include <QTime>

#include <optional>

// What the Orca screen reader says, from the log with-screen-reader.sh has it write: each
// sentence, and when, in milliseconds of the day as the clock shows it.
namespace support {

struct Heard {
    double at;
    QString sentence;
};

inline double msOfTheDay()
{
    return QTime::currentTime().msecsSinceStartOfDay();
}

class SpeechLog {
public:
    bool open()
    {
        log_.setFileName(qEnvironmentVariable("TRUNDLEX_SPEECH_LOG"));
        return log_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    // Waits for Orca to say a sentence that starts as given, passing over what it said
    // before; returns it, or nothing when it does not come within the time.
    std::optional<Heard> hear(const QString& start, int timeoutMs)
    {
        std::optional<Heard> found;
        const bool came = QTest::qWaitFor(
            [&] {
                read();
                while (!found && !unread_.isEmpty()) {
                    if (unread_.first().sentence.startsWith(start))
                        found = unread_.first();
                    unread_.removeFirst();
                }
                return found.has_value();
            },
            timeoutMs);
        return came ? found : std::nullopt;
    }

    // What Orca has said and nobody has waited for.
    const QList<Heard>& unread()
    {
        read();
        return unread_;
    }

private:
    // Whole lines only: Orca may be writing the last one.
    void read()
    {
        static const QRegularExpression line(
            R"(^(\d\d):(\d\d):(\d\d)\.(\d{6}) - SPEECH OUTPUT: '(.*)' ?\{)");
        for (QByteArray read = log_.readLine(); !read.isEmpty(); read = log_.readLine()) {
            if (!read.endsWith('\n')) {
                log_.seek(log_.pos() - read.size());
                return;
            }
            const QRegularExpressionMatch match = line.match(QString::fromUtf8(read));
            const auto field = [&](int at) { return match.captured(at).toDouble(); };
            if (match.hasMatch())
                unread_ << Heard{((field(1) * 60 + field(2)) * 60 + field(3)) * 1000 +
                                     field(4) / 1000,
                                 match.captured(5)};
        }
    }

    QFile log_;
    QList<Heard> unread_;
};

} // namespace support
