#include "data/cp1252.h"

#include <algorithm>
#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace cp1252 {
namespace {

// The characters of the bytes 0x80 to 0x9F; the rest of the page is Latin-1.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The character of every byte.
constexpr std::array<char16_t, 256> characters = [] {
    std::array<char16_t, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = byte >= 0x80 && byte <= 0x9F ? high[byte - 0x80] : char16_t(byte);
    return table;
}();

// The byte of a character, or -1 when the code page has none.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < high.size(); ++i) {
        if (high[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

// Sixteen bytes or characters at a time while none of them is in the row
// 0x80 to 0x9F, which is most of a data file, Swedish letters included: a
// byte and its character are then the same number, as in Latin-1.
constexpr qsizetype chunk = 16;

#ifdef __SSE2__
bool wideChunk(const char *in, char16_t *out)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
    const __m128i row = _mm_cmpeq_epi8(_mm_and_si128(bytes, _mm_set1_epi8(char(0xE0))), _mm_set1_epi8(char(0x80)));
    if (_mm_movemask_epi8(row) != 0)
        return false;
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_unpacklo_epi8(bytes, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 8), _mm_unpackhi_epi8(bytes, zero));
    return true;
}

bool narrowChunk(const char16_t *in, char *out)
{
    const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
    const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + 8));
    const auto outside = [](__m128i characters) {
        const __m128i above = _mm_and_si128(characters, _mm_set1_epi16(short(0xFF00)));
        const __m128i row = _mm_cmpeq_epi16(_mm_and_si128(characters, _mm_set1_epi16(0x00E0)), _mm_set1_epi16(0x0080));
        return _mm_or_si128(_mm_andnot_si128(_mm_cmpeq_epi16(above, _mm_setzero_si128()), _mm_set1_epi16(-1)), row);
    };
    if (_mm_movemask_epi8(_mm_or_si128(outside(first), outside(second))) != 0)
        return false;
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(first, second));
    return true;
}
#else
bool wideChunk(const char *in, char16_t *out)
{
    for (qsizetype k = 0; k < chunk; ++k) {
        if ((static_cast<unsigned char>(in[k]) & 0xE0) == 0x80)
            return false;
    }
    for (qsizetype k = 0; k < chunk; ++k)
        out[k] = char16_t(static_cast<unsigned char>(in[k]));
    return true;
}

bool narrowChunk(const char16_t *in, char *out)
{
    for (qsizetype k = 0; k < chunk; ++k) {
        if (in[k] > 0xFF || (in[k] & 0xE0) == 0x80)
            return false;
    }
    for (qsizetype k = 0; k < chunk; ++k)
        out[k] = char(in[k]);
    return true;
}
#endif

} // namespace

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeInto(bytes, reinterpret_cast<char16_t *>(text.data()));
    return text;
}

void decodeInto(QByteArrayView bytes, char16_t *out)
{
    const char *in = bytes.data();
    const qsizetype size = bytes.size();
    for (qsizetype at = 0; at < size; ++at) {
        // The last chunk ends with the text, over the end of the one before.
        const qsizetype from = std::min(at, size - chunk);
        if (at % chunk == 0 && from >= 0 && wideChunk(in + from, out + from))
            at = from + chunk - 1;
        else
            out[at] = characters[static_cast<unsigned char>(in[at])];
    }
}

bool canEncode(QStringView text)
{
    for (const QChar ch : text) {
        if (byteOf(ch.unicode()) < 0)
            return false;
    }
    return true;
}

bool encodeInto(QStringView text, char *out)
{
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype at = 0; at < size; ++at) {
        const qsizetype from = std::min(at, size - chunk);
        if (at % chunk == 0 && from >= 0 && narrowChunk(in + from, out + from)) {
            at = from + chunk - 1;
            continue;
        }
        const int byte = byteOf(in[at]);
        if (byte < 0)
            return false;
        out[at] = char(byte);
    }
    return true;
}

QByteArray encode(QStringView text, bool *ok)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    const bool encoded = encodeInto(text, bytes.data());
    if (ok)
        *ok = encoded;
    return encoded ? bytes : QByteArray();
}

} // namespace cp1252
