#include "platform/PngChunks.h"

#include <QByteArray>
#include <QIODevice>
#include <QtEndian>

bool PngChunksFit(QIODevice& in) {
    static const char signature[] = "\x89PNG\r\n\x1a\n";
    in.seek(0);
    if (in.peek(8) != QByteArray::fromRawData(signature, 8))
        return true;
    const qint64 size = in.size();
    bool fits = true;
    for (qint64 pos = 8; pos + 8 <= size;) {
        in.seek(pos);
        const QByteArray head = in.read(8);
        const qint64 length = head.size() < 8 ? size : qint64(qFromBigEndian<quint32>(head.constData()));
        if (pos + 12 + length > size) {
            fits = false;
            break;
        }
        if (head.endsWith("IEND"))
            break;
        pos += 12 + length;
    }
    in.seek(0);
    return fits;
}
