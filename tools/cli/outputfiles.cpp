#include "outputfiles.h"

#include "fileidentity.h"

#include <QDir>

namespace OutputFiles {

bool apart(const QList<File>& inputs, const QList<File>& outputs, QString* error)
{
    for (qsizetype i = 0; i < outputs.size(); ++i) {
        const File& output = outputs.at(i);
        const QString shown = QDir::toNativeSeparators(output.path);
        if (!output.replacesInput) {
            for (const File& input : inputs) {
                if (FileIdentity::same(output.path, input.path)) {
                    *error = QStringLiteral("%1 names %2 (%3), which it would overwrite; give %1 a file of its own")
                                 .arg(output.what, input.what, shown);
                    return false;
                }
            }
        }
        for (qsizetype j = i + 1; j < outputs.size(); ++j) {
            if (FileIdentity::same(output.path, outputs.at(j).path)) {
                *error = QStringLiteral("%1 and %2 name the same file (%3); give each a file of its own")
                             .arg(output.what, outputs.at(j).what, shown);
                return false;
            }
        }
    }
    return true;
}

} // namespace OutputFiles
