// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/codepage.h"

#include <QList>

#include <array>
#include <memory>

#include <algorithm>

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/ulocdata.h>
#include <unicode/uset.h>

namespace codepage {
namespace {

constexpr const char *CodePage = "windows-1252";

struct ConverterCloser {
    void operator()(UConverter *c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openConverter()
{
    UErrorCode status = U_ZERO_ERROR;
    Converter conv(ucnv_open(CodePage, &status));
    if (U_FAILURE(status))
        return nullptr;
    ucnv_setSubstChars(conv.get(), "?", 1, &status);
    return conv;
}

// Reading is the hot path (a long list is tens of thousands of records), so
// the 256 byte meanings are asked of ICU once and kept.
const std::array<char16_t, 256> &decodeTable()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        Converter conv = openConverter();
        for (int b = 0; b < 256; ++b) {
            t[b] = u'?';
            if (!conv)
                continue;
            const char in = char(b);
            UChar out[4];
            UErrorCode status = U_ZERO_ERROR;
            ucnv_reset(conv.get());
            const int32_t n = ucnv_toUChars(conv.get(), out, 4, &in, 1, &status);
            if (U_SUCCESS(status) && n == 1)
                t[b] = out[0];
        }
        return t;
    }();
    return table;
}

} // namespace

QChar charForByte(unsigned char byte)
{
    return QChar(decodeTable()[byte]);
}

bool definesByte(unsigned char byte)
{
    const char16_t c = decodeTable()[byte];
    return c < 0x80 || c > 0x9F;
}

bool canWrite(const QString &text)
{
    const auto &table = decodeTable();
    for (const uint c : text.toUcs4()) {
        if (c <= 0xFFFF && std::find(table.begin(), table.end(), char16_t(c)) != table.end())
            continue;
        if (!u_hasBinaryProperty(UChar32(c), UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
            return false;
    }
    return true;
}

QString toUnicode(const char *bytes, qsizetype length)
{
    const auto &table = decodeTable();
    QString text(length, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < length; ++i)
        out[i] = QChar(table[static_cast<unsigned char>(bytes[i])]);
    return text;
}

QByteArray fromUnicode(const QString &text)
{
    if (text.isEmpty())
        return {};
    Converter conv = openConverter();
    if (!conv)
        return QByteArray(text.size(), '?');
    QByteArray out(text.size() * 2 + 4, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_fromUChars(conv.get(), out.data(), int32_t(out.size()),
                                      reinterpret_cast<const UChar *>(text.utf16()),
                                      int32_t(text.size()), &status);
    if (U_FAILURE(status))
        return QByteArray(text.size(), '?');
    out.truncate(n);
    return out;
}

bool writesLanguage(const QString &code)
{
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray locale = code.toLatin1();
    std::unique_ptr<ULocaleData, void (*)(ULocaleData *)> data(
        ulocdata_open(locale.constData(), &status), ulocdata_close);
    // A language ICU has no letters for falls back to the root's, which is
    // no alphabet of that language.
    if (U_FAILURE(status) || !data || status == U_USING_DEFAULT_WARNING)
        return false;
    std::unique_ptr<USet, void (*)(USet *)> letters(
        ulocdata_getExemplarSet(data.get(), nullptr, 0, ULOCDATA_ES_STANDARD, &status), uset_close);
    if (U_FAILURE(status) || !letters || status == U_USING_DEFAULT_WARNING
        || uset_isEmpty(letters.get()))
        return false;
    QString all;
    for (int32_t i = 0; i < uset_getItemCount(letters.get()); ++i) {
        UChar32 first = 0, last = 0;
        UErrorCode itemStatus = U_ZERO_ERROR;
        if (uset_getItem(letters.get(), i, &first, &last, nullptr, 0, &itemStatus) != 0)
            return false; // a letter of several characters
        for (UChar32 c = first; c <= last; ++c)
            all += QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1);
    }
    return canWrite(all);
}

} // namespace codepage
