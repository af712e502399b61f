#ifndef OPERATIONRESULT_H
#define OPERATIONRESULT_H

#include <QString>

// What an operation that can fail hands back: whether it worked, what it did
// ("6 records stored") and, when it did not work, why in the user's words.
// Objects that hold a resource say their last failure in errorString()
// instead, as QIODevice does; parsers take a QString *error.
struct OperationResult {
    bool ok = false;
    QString done;
    QString error;
};

#endif // OPERATIONRESULT_H
