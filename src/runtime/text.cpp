#include "runtime/text.h"

namespace rt {

// The values go in one pass, so that a value's own "%1" stays as it is.
QString spoken(const Sentence& sentence)
{
    if (sentence.marked.empty())
        return toQString(sentence.verbatim);
    const QString pattern = translated(sentence.marked, sentence.count.value_or(-1));
    QString text;
    for (qsizetype at = 0; at < pattern.size(); ++at) {
        const qsizetype value = at + 1 < pattern.size() ? pattern[at + 1].digitValue() - 1 : -1;
        if (pattern[at] == '%' && value >= 0 && value < qsizetype(sentence.values.size())) {
            text += spoken(sentence.values[std::size_t(value)]);
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

} // namespace rt
