#pragma once

#include <QString>

#include <cstdint>
#include <cstdlib>

// A property that must hold for every input; a breach is a crash the fuzzer
// keeps as a finding.
inline void require(bool holds) { if (!holds) std::abort(); }

inline QByteArray bytesOf(const uint8_t *data, size_t size) { return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)); }

// Any text at all, including characters the files cannot store.
inline QString textOf(const uint8_t *data, size_t size) { return QString::fromUtf8(bytesOf(data, size)); }
