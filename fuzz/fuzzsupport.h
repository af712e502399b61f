#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

#include <QByteArray>

#include <cstddef>
#include <cstdint>

class ProgramRecords;

// What the harnesses and the seed generator share.
namespace Fuzz {

// Keeps the loaders' diagnostics out of the fuzzer's output; every harness
// does so through LLVMFuzzerInitialize, which this library defines.
void silenceMessages();

// A broken invariant: says which on standard error and aborts, so the fuzzer
// keeps the input as a finding.
void check(bool holds, const char* what);

QByteArray bytes(const uint8_t* data, size_t size);

// The configuration file of `model`, as the editor saves it.
QByteArray saveToBytes(ProgramRecords* model);
bool loadFromBytes(ProgramRecords* model, const QByteArray& file);

// A model with every field set, key by key different. With `odd` set it also
// holds what a file can carry but the editor never writes: a baud rate of 9,
// a negative delay, a command that is not hex, names beyond ASCII.
void fillModel(ProgramRecords* model, bool odd);

} // namespace Fuzz

#endif // FUZZSUPPORT_H
