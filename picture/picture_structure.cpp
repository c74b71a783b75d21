#include "picture_structure.h"

namespace pixelwick {

StructureCheck checkStructure(const QByteArray &, QByteArrayView)
{
    return {};
}

qint64 maxPixelsFor(const QByteArray &, qint64)
{
    return 0;
}

} // namespace pixelwick
