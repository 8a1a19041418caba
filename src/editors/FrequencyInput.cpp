#include "FrequencyInput.h"

namespace FrequencyInput {

namespace {

constexpr int kWholeDigits = 4;
constexpr int kFractionDigits = 6;
constexpr quint64 kMicroPerUnit = 1000000;
constexpr quint64 kLargestHz = 4294967295ULL;

// The text in Hz; the text holds digits and at most one separator.
quint64 Hz(const QString &text, QChar separator)
{
    const qsizetype point = text.indexOf(separator);
    const QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1);
    return whole.toULongLong() * kMicroPerUnit
        + fraction.leftJustified(kFractionDigits, QLatin1Char('0')).toULongLong();
}

} // namespace

Filtered Filter(const QString &typed, const QString &previous, QChar separator)
{
    Filtered result;
    bool seenSeparator = false;
    for (const QChar c : typed) {
        if (c.isDigit() && c.unicode() < 128) {
            result.text.append(c);
        } else if (c == separator && !seenSeparator) {
            seenSeparator = true;
            result.text.append(c);
        }
    }
    const qsizetype point = result.text.indexOf(separator);
    const qsizetype wholeDigits = point < 0 ? result.text.size() : point;
    const qsizetype fractionDigits = point < 0 ? 0 : result.text.size() - point - 1;
    if (wholeDigits > kWholeDigits || fractionDigits > kFractionDigits
        || Hz(result.text, separator) > kLargestHz) {
        result.text = previous;
        result.refused = true;
    }
    return result;
}

std::optional<quint32> ToHz(const QString &text, QChar separator)
{
    if (!std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    return quint32(Hz(text, separator));
}

} // namespace FrequencyInput
