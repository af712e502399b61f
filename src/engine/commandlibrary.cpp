#include "commandlibrary.h"

const LibraryParam* LibraryEntry::param(const QString& name) const
{
    for (const LibraryParam& candidate : params) {
        if (candidate.name == name) {
            return &candidate;
        }
    }
    return nullptr;
}
