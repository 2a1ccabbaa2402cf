#include "data/cp1252.h"
#include "data/seqfile.h"
#include "fuzz.h"

// Whatever bytes a data file holds, reading it does not fail; the items read
// are written back, every byte kept, and read again as the same items.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    const QString text = cp1252::decode(bytes);
    bool ok = false;
    require(cp1252::encode(text, &ok) == bytes && ok);

    const QStringList items = seqfile::readItems(text);
    const QByteArray written = seqfile::writeItems(items, &ok);
    require(ok);
    require(seqfile::readItems(cp1252::decode(written)) == items);
    return 0;
}
