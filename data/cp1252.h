#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The data files hold one byte per character in the Windows-1252 code page,
// on every platform. Qt's own Windows builds have no converter for it, so the
// program carries its own table: Latin-1 with 0x80 to 0x9F replaced.
// The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) read as the control characters of the same number, so every byte
// from 0 to 255 comes back unchanged when a text is written again.
namespace cp1252 {

QString decode(QByteArrayView bytes);
// The same into room for bytes.size() characters.
void decodeInto(QByteArrayView bytes, char16_t *out);

// True when every character of the text has a byte in the code page.
bool canEncode(QStringView text);

// The bytes of the text; *ok is false, and the result empty, when a
// character has no byte.
QByteArray encode(QStringView text, bool *ok);
// The same into room for text.size() bytes; false when a character has no
// byte, the room then holding anything.
bool encodeInto(QStringView text, char *out);

} // namespace cp1252
