// Coverage-guided fuzzing of the circuit file reader (clang's libFuzzer): any bytes give either
// a document that writes back to a file reading as the same document, or a problem in words.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "files/board_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const cw::ReadOutcome read = cw::ReadBoardFile(bytes);
    if (!read.document) {
        if (read.problem.isEmpty()) std::abort();
        return 0;
    }
    const cw::ReadOutcome again = cw::ReadBoardFile(cw::WriteBoardFile(*read.document));
    if (!again.document || !(*again.document == *read.document)) std::abort();
    return 0;
}
