#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// A property that must hold for every input; a breach is a crash the fuzzer
// keeps as a finding.
#define FUZZ_REQUIRE(condition) \
    do { \
        if (!(condition)) \
            std::abort(); \
    } while (false)

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Any text at all, including characters the files cannot store.
inline QString textOf(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(bytesOf(data, size));
}
